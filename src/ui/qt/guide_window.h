// "Hilfe zum Programm": the user guide, rendered from its Markdown file, opened
// at the heading of the page on screen.
#pragma once

#include <QWidget>

class QLineEdit;
class QTextBrowser;
class QUrl;

namespace zev::qt {

class HandbuchFenster : public QWidget {
    Q_OBJECT
public:
    explicit HandbuchFenster(QWidget* eltern = nullptr);

    // Loads the guide when it is another file than the one shown (or has changed
    // since); false when it cannot be read.
    bool Laden(const QString& pfad);
    // Scrolls so the heading with this text is at the top; false when the guide
    // has no such heading (the view then stays where it is).
    bool Abschnitt(const QString& ueberschrift);
    QTextBrowser* Text() const { return text_; }

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    // Pictures wider than the view are shown at its width (the screenshots are
    // as wide as the main window).
    void BilderEinpassen();
    void LinkGeklickt(const QUrl& url);
    void Suchen(bool rueckwaerts);

    QTextBrowser* text_ = nullptr;
    QLineEdit* suche_ = nullptr;
    QString pfad_;
    QString ordner_;
    qint64 stand_ = -1;
};

// The guide of this installation, found from the folder of the executable: in
// "doc" beside it (the build tree) or in the documentation folder of an
// installation under a prefix. Empty when none is found.
QString HandbuchPfad(const QString& programmVerzeichnis);

} // namespace zev::qt
