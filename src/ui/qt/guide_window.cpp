#include "ui/qt/guide_window.h"

#include "pages/guide_sections.h"

#include <algorithm>

#include <QAbstractTextDocumentLayout>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QImageReader>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QUrl>
#include <QVBoxLayout>

namespace zev::qt {

namespace {

// The block of the first heading whose text (or link target) is `text`.
QTextBlock Ueberschrift(const QTextDocument& doc, const QString& text, bool alsAnker) {
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        if (b.blockFormat().headingLevel() == 0) continue;
        const QString t = b.text().trimmed();
        if (alsAnker ? QString::fromStdString(HandbuchAnker(t.toStdString())) == text : t == text) return b;
    }
    return {};
}

} // namespace

QString HandbuchPfad(const QString& programmVerzeichnis) {
    const QString ordner = QDir(programmVerzeichnis).absolutePath() + "/";
    for (const QString& kandidat :
         {ordner + "doc/" + kHandbuchDatei, ordner + "../share/doc/zev-manager/" + kHandbuchDatei})
        if (QFileInfo(kandidat).isFile()) return QFileInfo(kandidat).absoluteFilePath();
    return {};
}

HandbuchFenster::HandbuchFenster(QWidget* eltern) : QWidget(eltern, Qt::Window) {
    setObjectName("handbuch");
    setWindowTitle("ZEV-Manager - Hilfe zum Programm");
    resize(900, 700);

    auto* layout = new QVBoxLayout(this);
    auto* leiste = new QHBoxLayout();
    auto* inhalt = new QPushButton("Inhalt", this);
    inhalt->setObjectName("inhalt");
    auto* sucheText = new QLabel("&Suchen:", this);
    suche_ = new QLineEdit(this);
    suche_->setObjectName("suche");
    suche_->setClearButtonEnabled(true);
    sucheText->setBuddy(suche_);
    suche_->setAccessibleName("Suchen");
    auto* weiter = new QPushButton("&Weitersuchen", this);
    weiter->setObjectName("weitersuchen");
    leiste->addWidget(inhalt);
    leiste->addStretch(1);
    leiste->addWidget(sucheText);
    leiste->addWidget(suche_, 2);
    leiste->addWidget(weiter);
    layout->addLayout(leiste);

    text_ = new QTextBrowser(this);
    text_->setObjectName("handbuchText");
    text_->setAccessibleName("Handbuch");
    text_->setOpenLinks(false);
    text_->viewport()->installEventFilter(this);
    layout->addWidget(text_, 1);

    connect(inhalt, &QPushButton::clicked, this, [this] { text_->verticalScrollBar()->setValue(0); });
    connect(text_, &QTextBrowser::anchorClicked, this, &HandbuchFenster::LinkGeklickt);
    connect(suche_, &QLineEdit::returnPressed, this, [this] { Suchen(false); });
    connect(weiter, &QPushButton::clicked, this, [this] { Suchen(false); });
    auto* naechstes = new QShortcut(QKeySequence::FindNext, this);
    connect(naechstes, &QShortcut::activated, this, [this] { Suchen(false); });
    auto* voriges = new QShortcut(QKeySequence::FindPrevious, this);
    connect(voriges, &QShortcut::activated, this, [this] { Suchen(true); });
    auto* finden = new QShortcut(QKeySequence::Find, this);
    connect(finden, &QShortcut::activated, this, [this] {
        suche_->setFocus();
        suche_->selectAll();
    });
    // Escape closes the guide as it closes the check windows.
    auto* schliessen = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(schliessen, &QShortcut::activated, this, &QWidget::close);
}

bool HandbuchFenster::Laden(const QString& pfad) {
    const QFileInfo info(pfad);
    const qint64 stand = info.lastModified().toMSecsSinceEpoch();
    if (pfad == pfad_ && stand == stand_) return true;
    QFile datei(pfad);
    if (!info.isFile() || !datei.open(QIODevice::ReadOnly)) return false;
    const QByteArray markdown = datei.readAll();
    // Pictures are named relative to the guide's own folder.
    text_->setSearchPaths({info.absolutePath()});
    text_->document()->setBaseUrl(QUrl::fromLocalFile(info.absolutePath() + "/"));
    text_->setMarkdown(QString::fromUtf8(markdown));
    pfad_ = pfad;
    ordner_ = info.absolutePath();
    stand_ = stand;
    BilderEinpassen();
    return true;
}

bool HandbuchFenster::eventFilter(QObject* o, QEvent* e) {
    if (o == text_->viewport() && e->type() == QEvent::Resize) BilderEinpassen();
    return QWidget::eventFilter(o, e);
}

void HandbuchFenster::BilderEinpassen() {
    if (pfad_.isEmpty()) return;
    const int platz = text_->viewport()->width() - 2 * static_cast<int>(text_->document()->documentMargin()) - 24;
    if (platz <= 0) return;
    for (QTextBlock b = text_->document()->begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            if (!f.charFormat().isImageFormat()) continue;
            QTextImageFormat bild = f.charFormat().toImageFormat();
            const QSize groesse = QImageReader(QDir(ordner_).filePath(bild.name())).size();
            if (!groesse.isValid() || groesse.width() <= 0) continue;
            const int breite = std::min(groesse.width(), platz);
            if (static_cast<int>(bild.width()) == breite) continue;
            bild.setWidth(breite);
            bild.setHeight(static_cast<double>(groesse.height()) * breite / groesse.width());
            QTextCursor c(text_->document());
            c.setPosition(f.position());
            c.setPosition(f.position() + f.length(), QTextCursor::KeepAnchor);
            c.setCharFormat(bild);
        }
    }
}

bool HandbuchFenster::Abschnitt(const QString& ueberschrift) {
    const QTextBlock b = Ueberschrift(*text_->document(), ueberschrift, false);
    if (!b.isValid()) return false;
    QTextCursor c(b);
    text_->setTextCursor(c);
    // The layout of the blocks before the heading is needed for its position.
    const QRectF r = text_->document()->documentLayout()->blockBoundingRect(b);
    text_->verticalScrollBar()->setValue(static_cast<int>(r.top()));
    return true;
}

void HandbuchFenster::LinkGeklickt(const QUrl& url) {
    if (url.scheme() == "http" || url.scheme() == "https" || url.scheme() == "mailto") {
        QDesktopServices::openUrl(url);
        return;
    }
    if (url.hasFragment()) {
        const QTextBlock b = Ueberschrift(*text_->document(), url.fragment(QUrl::FullyDecoded), true);
        if (b.isValid()) Abschnitt(b.text().trimmed());
    }
}

void HandbuchFenster::Suchen(bool rueckwaerts) {
    const QString s = suche_->text();
    if (s.isEmpty()) return;
    const QTextDocument::FindFlags flags = rueckwaerts ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    if (text_->find(s, flags)) return;
    // At the end (or start), begin again from the other side once.
    QTextCursor c = text_->textCursor();
    c.movePosition(rueckwaerts ? QTextCursor::End : QTextCursor::Start);
    text_->setTextCursor(c);
    text_->find(s, flags);
}

} // namespace zev::qt
