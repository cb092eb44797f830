#include "ui/qt/message_box.h"

#include <QMessageBox>
#include <QPushButton>

namespace zev::qt {

namespace {

bool gSkript = false;
std::deque<bool> gAntworten;
std::deque<std::size_t> gWahlen;
std::vector<QtMeldungen::Eintrag> gProtokoll;

} // namespace

void QtMeldungen::Skriptbetrieb(bool an) {
    gSkript = an;
    gAntworten.clear();
    gWahlen.clear();
    gProtokoll.clear();
}

void QtMeldungen::NaechsteAntwort(bool ja) { gAntworten.push_back(ja); }

void QtMeldungen::NaechsteWahl(std::size_t knopf) { gWahlen.push_back(knopf); }

std::size_t QtMeldungen::Waehlen(std::string_view text, const std::vector<std::string>& knoepfe) {
    const std::size_t letzter = knoepfe.empty() ? 0 : knoepfe.size() - 1;
    if (gSkript) {
        gProtokoll.push_back({MeldungsArt::Frage, std::string(text)});
        if (gWahlen.empty()) return letzter;
        const std::size_t w = gWahlen.front();
        gWahlen.pop_front();
        return w;
    }
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

std::vector<QtMeldungen::Eintrag>& QtMeldungen::Protokoll() { return gProtokoll; }

QString Anzeigetext(std::string_view text) {
    QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    s.replace(QChar('\r'), QChar('\n'));
    return s;
}

Antwort QtMeldungen::Zeigen(MeldungsArt art, std::string_view text, Tasten tasten) {
    if (gSkript) {
        gProtokoll.push_back({art, std::string(text)});
        if (tasten == Tasten::Ok) return Antwort::Ok;
        bool ja = false;
        if (!gAntworten.empty()) {
            ja = gAntworten.front();
            gAntworten.pop_front();
        }
        return ja ? Antwort::Ja : Antwort::Nein;
    }
    QMessageBox box(eltern_);
    switch (art) {
        case MeldungsArt::Fehler: box.setIcon(QMessageBox::Critical), box.setWindowTitle("Fehler"); break;
        case MeldungsArt::Warnung: box.setIcon(QMessageBox::Warning), box.setWindowTitle("Warnung"); break;
        case MeldungsArt::Information: box.setIcon(QMessageBox::Information), box.setWindowTitle("Information"); break;
        case MeldungsArt::Frage: box.setIcon(QMessageBox::Question), box.setWindowTitle("Bestätigen"); break;
    }
    box.setText(Anzeigetext(text));
    if (tasten == Tasten::Ok) {
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
        return Antwort::Ok;
    }
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.button(QMessageBox::Yes)->setText("&Ja");
    box.button(QMessageBox::No)->setText("&Nein");
    return box.exec() == QMessageBox::Yes ? Antwort::Ja : Antwort::Nein;
}

} // namespace zev::qt
