#include "ui/qt/check_window_pieces.h"

#include "ui/qt/colours.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>

namespace zev::qt {

QLineEdit* LeseFeld(const char* objektname, const QString& zugaenglich) {
    auto* f = new QLineEdit;
    f->setObjectName(objektname);
    f->setReadOnly(true);
    f->setAccessibleName(zugaenglich);
    return f;
}

QLabel* Beschriftung(const QString& text, QWidget* buddy) {
    auto* l = new QLabel(text);
    l->setBuddy(buddy);
    return l;
}

void FarbigSetzen(QLineEdit* f, const std::string& text, Farbe farbe) {
    f->setText(QString::fromStdString(text));
    QPalette p = f->palette();
    p.setColor(QPalette::Text, QFarbe(farbe));
    f->setPalette(p);
}

QString BerichtsDatei::Dialog(QWidget* eltern, const QString& vorschlag) {
    QFileDialog d(eltern, "Bericht speichern", vorschlag, "HTML (*.html);;CSV (*.csv)");
    d.setAcceptMode(QFileDialog::AcceptSave);
    d.setDefaultSuffix("html");
    // A name typed without a suffix gets the one of the chosen filter.
    QObject::connect(&d, &QFileDialog::filterSelected, &d,
                     [&d](const QString& filter) { d.setDefaultSuffix(filter.startsWith("CSV") ? "csv" : "html"); });
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return {};
    return d.selectedFiles().constFirst();
}

void BerichtsDatei::Speichern(QWidget* eltern, const QString& stamm, const std::string& schulnummer,
                              const std::function<bool(const std::string& pfad)>& schreiben) {
    if (ordner_.isEmpty()) ordner_ = start_.isEmpty() ? QDir::homePath() : start_;
    const QString nummer = QString::fromStdString(schulnummer).trimmed();
    const QString vorschlag = QDir(ordner_).filePath(stamm + (nummer.isEmpty() ? QString() : "_" + nummer) + ".html");
    const QString name = frage_(eltern, vorschlag);
    if (name.isEmpty()) return;
    if (schreiben(name.toStdString())) ordner_ = QFileInfo(name).absolutePath();
}

void BerichtsDruck::Dialog(QWidget* eltern, const QString& html) {
    QPrinter drucker(QPrinter::HighResolution);
    QPrintDialog dialog(&drucker, eltern);
    dialog.setWindowTitle("Drucken");
    if (dialog.exec() != QDialog::Accepted) return;
    QTextDocument seite;
    seite.setHtml(html);
    seite.print(&drucker);
}

void BerichtsDruck::Einrichten(QWidget* fenster, std::function<std::string()> html) {
    auto* drucken = new QAction("Drucken ...", fenster);
    drucken->setObjectName("aktionDrucken");
    drucken->setShortcut(QKeySequence::Print);
    drucken->setShortcutContext(Qt::WindowShortcut);
    fenster->addAction(drucken);
    fenster->setContextMenuPolicy(Qt::ActionsContextMenu);
    QObject::connect(drucken, &QAction::triggered, fenster,
                     [this, fenster, html = std::move(html)] { drucker_(fenster, QString::fromStdString(html())); });
}

} // namespace zev::qt
