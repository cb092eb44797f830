#include "ui/qt/message_box.h"

#include <QMessageBox>
#include <QPushButton>

namespace zev::qt {

std::size_t QtMeldungen::Waehlen(std::string_view text, const std::vector<std::string>& knoepfe) {
    const std::size_t letzter = knoepfe.empty() ? 0 : knoepfe.size() - 1;
    QMessageBox box(eltern_);
    box.setIcon(QMessageBox::Question);
    box.setWindowTitle("Bestätigen");
    box.setText(Anzeigetext(text));
    std::vector<QPushButton*> tasten;
    for (std::size_t i = 0; i < knoepfe.size(); ++i)
        tasten.push_back(box.addButton(QString::fromStdString(knoepfe[i]),
                                       i == letzter ? QMessageBox::RejectRole : QMessageBox::AcceptRole));
    if (!tasten.empty()) {
        box.setEscapeButton(tasten.back());
        box.setDefaultButton(tasten.back());
    }
    box.exec();
    for (std::size_t i = 0; i < tasten.size(); ++i)
        if (box.clickedButton() == tasten[i]) return i;
    return letzter;
}

QString Anzeigetext(std::string_view text) {
    QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    s.replace(QChar('\r'), QChar('\n'));
    return s;
}

Antwort QtMeldungen::Zeigen(MeldungsArt art, std::string_view text, Tasten tasten) {
    QMessageBox box(eltern_);
    switch (art) {
        case MeldungsArt::Fehler:
            box.setIcon(QMessageBox::Critical), box.setWindowTitle("Fehler");
            break;
        case MeldungsArt::Warnung:
            box.setIcon(QMessageBox::Warning), box.setWindowTitle("Warnung");
            break;
        case MeldungsArt::Information:
            box.setIcon(QMessageBox::Information), box.setWindowTitle("Information");
            break;
        case MeldungsArt::Frage:
            box.setIcon(QMessageBox::Question), box.setWindowTitle("Bestätigen");
            break;
    }
    box.setText(Anzeigetext(text));
    if (tasten == Tasten::Ok) {
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
        return Antwort::Ok;
    }
    const bool abbrechen = tasten == Tasten::JaNeinAbbrechen;
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No |
                           (abbrechen ? QMessageBox::Cancel : QMessageBox::NoButton));
    box.button(QMessageBox::Yes)->setText("&Ja");
    box.button(QMessageBox::No)->setText("&Nein");
    if (abbrechen) {
        box.button(QMessageBox::Cancel)->setText("Abbrechen");
        box.setEscapeButton(QMessageBox::Cancel);
    }
    const int gewaehlt = box.exec();
    if (gewaehlt == QMessageBox::Yes) return Antwort::Ja;
    return abbrechen && gewaehlt != QMessageBox::No ? Antwort::Abbrechen : Antwort::Nein;
}

} // namespace zev::qt
