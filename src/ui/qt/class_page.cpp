#include "ui/qt/class_page.h"

#include "control/lifecycle.h"
#include "ui/qt/class_dialogs.h"
#include "ui/qt/code_widgets.h"
#include "ui/qt/ue_chooser_dialog.h"

#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace zev::qt {

namespace {

// The optional key box beside a delete button; it is named after that button.
QLineEdit* Schluesselfeld(QWidget* eltern, const char* name, int laenge, const char* knopf) {
    auto* e = Textfeld(eltern, name, laenge);
    e->setFixedWidth(e->fontMetrics().horizontalAdvance(QString(laenge + 2, 'W')));
    e->setStyleSheet("background-color: #ffff80;");
    e->setAccessibleName(QString("Schlüssel zu: ") + knopf);
    return e;
}

} // namespace

KlassenSeitenWidget::KlassenSeitenWidget(Steuerung& st, Meldungen& m, QWidget* eltern)
    : KlassenSeitenBasis(eltern), st_(st) {
    logik_ = std::make_unique<KlassenSeitenLogik>(st, static_cast<KlassenDialoge&>(*this), m);
    setObjectName("klassenSeite");
    besonderheitDialog_ = new KlBesDialog(logik_->Besonderheiten(), this);
    auswahl_ = new UEAuswahlDialog(m, this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName("unterseiten_klassenblatt");
    tabs_->addTab(KlasseAufbauen(), "   Klasse   ");
    tabs_->addTab(GruppenAufbauen(), "   Unterrichtseinheiten-Gruppen   ");
    layout->addWidget(tabs_, 1);
    ModellInWidgets();
    TabFolgeNachLage(this);
}

KlassenSeitenWidget::~KlassenSeitenWidget() {
    // The grid does not report its size while it is being taken apart.
    ueTabelle_->viewport()->removeEventFilter(this);
}

QWidget* KlassenSeitenWidget::KlasseAufbauen() {
    auto* seite = new QWidget();
    seite->setObjectName("seiteKlasse");
    auto* layout = new QVBoxLayout(seite);
    auto* form = new QFormLayout();
    id_ = Textfeld(seite, "klassenId", 12, 120);
    id_->setReadOnly(true);
    FormZeile(form, "interne ID-Nr.", id_);
    klassenname_ = Textfeld(seite, "klassenname", 10, 160);
    FormZeile(form, "Klassenname", klassenname_);
    layout->addLayout(form);

    auto* gruppe = new QGroupBox("Klassenbesonderheiten", seite);
    auto* g = new QVBoxLayout(gruppe);
    besonderheiten_ = new RasterAnsicht(logik_->Seite().besonderheiten, gruppe);
    besonderheiten_->setObjectName("tabelleKlassenbesonderheiten");
    besonderheiten_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Three rows always fit: no room kept for a scroll bar.
    besonderheiten_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    besonderheiten_->setFixedWidth(besonderheiten_->Gesamtbreite() -
                                   besonderheiten_->verticalScrollBar()->sizeHint().width());
    besonderheiten_->setFixedHeight(besonderheiten_->horizontalHeader()->sizeHint().height() +
                                    besonderheiten_->verticalHeader()->defaultSectionSize() * kKlBesPlaetze +
                                    2 * besonderheiten_->frameWidth() + 2);
    g->addWidget(besonderheiten_);
    auto* loeschenZeile = new QHBoxLayout();
    auto* loeschen = Knopf(gruppe, "knopfKlBesLoeschen", "--> Klassenbesonderheit löschen");
    besonderheitSchluessel_ = Schluesselfeld(gruppe, "klBesSchluessel", 2, "--> Klassenbesonderheit löschen");
    loeschenZeile->addWidget(besonderheitSchluessel_);
    loeschenZeile->addWidget(loeschen);
    loeschenZeile->addStretch(1);
    g->addLayout(loeschenZeile);
    auto* hinzu = Knopf(gruppe, "knopfKlBesHinzufuegen", "Klassenbesonderheit hinzufügen ...");
    g->addWidget(hinzu, 0, Qt::AlignLeft);
    auto* zeile = new QHBoxLayout();
    zeile->addWidget(gruppe);
    zeile->addStretch(1);
    layout->addLayout(zeile);
    const auto knoepfe = KnopfReihe(
        seite, layout, {{"knopfDieseKlasse", "diese Klasse prüfen"}, {"knopfAlleKlassen", "alle Klassen prüfen"}});
    QPushButton *pruefen = knoepfe[0], *alle = knoepfe[1];
    layout->addStretch(1);

    connect(pruefen, &QPushButton::clicked, this, [this] { Aktion([this] { logik_->Pruefen(); }); });
    connect(alle, &QPushButton::clicked, this, [this] { Aktion([this] { logik_->GrossePlausi(); }); });
    connect(hinzu, &QPushButton::clicked, this, [this] { Aktion([this] { logik_->BesonderheitHinzufuegen(); }); });
    connect(loeschen, &QPushButton::clicked, this, [this] { Aktion([this] { logik_->BesonderheitLoeschen(); }); });
    return seite;
}

QWidget* KlassenSeitenWidget::GruppenAufbauen() {
    auto* seite = new QWidget();
    seite->setObjectName("seiteUEGruppen");
    auto* layout = new QHBoxLayout(seite);

    hinweis_ = new QPlainTextEdit(seite);
    hinweis_->setObjectName("ueGruppenHinweis");
    hinweis_->setReadOnly(true);
    QStringList zeilen;
    for (const char* z : kUEGruppenHinweis) zeilen << z;
    hinweis_->setPlainText(zeilen.join('\n'));
    hinweis_->setAccessibleName("Hinweis zu den UE-Gruppen");
    hinweis_->setFixedWidth(hinweis_->fontMetrics().horizontalAdvance("Vereinfachung bei WW") + 24);
    layout->addWidget(hinweis_);

    auto* gruppe = new QGroupBox("Gruppe vordefinierter UnterrichtsEinheiten", seite);
    auto* g = new QVBoxLayout(gruppe);
    ueTabelle_ = new RasterAnsicht(logik_->Seite().ue, gruppe);
    ueTabelle_->setObjectName("tabelleKlassenUE");
    ueTabelle_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ueTabelle_->horizontalHeader()->setStretchLastSection(false);
    ueTabelle_->viewport()->installEventFilter(this);
    g->addWidget(ueTabelle_, 1);
    auto* knoepfe = new QHBoxLayout();
    auto* loeschen = Knopf(gruppe, "knopfKlassenUELoeschen", "--> UnterrichtsEinheit löschen");
    ueSchluessel_ = Schluesselfeld(gruppe, "klassenUESchluessel", 5, "--> UnterrichtsEinheit löschen");
    auto* hinzu = Knopf(gruppe, "knopfKlassenUEHinzufuegen", "UnterrichtsEinheit(en) hinzufügen ...");
    knoepfe->addWidget(ueSchluessel_);
    knoepfe->addWidget(loeschen);
    knoepfe->addStretch(1);
    knoepfe->addWidget(hinzu);
    g->addLayout(knoepfe);
    layout->addWidget(gruppe, 1);

    connect(hinzu, &QPushButton::clicked, this, [this] { Aktion([this] { logik_->UEHinzufuegen(); }); });
    connect(loeschen, &QPushButton::clicked, this, [this] { Aktion([this] { logik_->UELoeschen(); }); });
    return seite;
}

bool KlassenSeitenWidget::eventFilter(QObject* o, QEvent* e) {
    // The viewport has its new size when it hears of it, the view itself not yet.
    if (ueTabelle_ && o == ueTabelle_->viewport() && e->type() == QEvent::Resize) UEBreiteAnwenden();
    return QWidget::eventFilter(o, e);
}

void KlassenSeitenWidget::UEBreiteAnwenden() {
    logik_->UEBreiteAnpassen(ueTabelle_->viewport()->width(), ueTabelle_->columnWidth(1));
    ueTabelle_->setColumnWidth(0, logik_->Seite().ue.spalten[0].breite);
}

void KlassenSeitenWidget::ModellInWidgets() {
    const KlassenSeite& s = logik_->Seite();
    TextSetzen(id_, s.id);
    TextSetzen(klassenname_, s.klassenname);
    TextSetzen(besonderheitSchluessel_, s.besonderheitSchluessel);
    TextSetzen(ueSchluessel_, s.ueSchluessel);
    besonderheiten_->Anzeigen();
    ueTabelle_->Anzeigen();
    UEBreiteAnwenden();
}

void KlassenSeitenWidget::WidgetsInModell() {
    KlassenSeite& s = logik_->Seite();
    s.klassenname = S(klassenname_->text());
    s.besonderheitSchluessel = S(besonderheitSchluessel_->text());
    s.ueSchluessel = S(ueSchluessel_->text());
}

void KlassenSeitenWidget::Aktion(const std::function<void()>& f) {
    WidgetsInModell();
    f();
    ModellInWidgets();
}

void KlassenSeitenWidget::Zeigen() {
    logik_->Zeigen();
    ModellInWidgets();
}

void KlassenSeitenWidget::Uebernehmen() {
    WidgetsInModell();
    logik_->Uebernehmen();
    // A class that had no identifier shows the one it received.
    TextSetzen(id_, logik_->Seite().id);
}

void KlassenSeitenWidget::NeueKlasse() {
    tabs_->setCurrentIndex(0);
    klassenname_->setFocus();
}

std::optional<std::string> KlassenSeitenWidget::NeueKlassenbesonderheit() {
    return besonderheitDialog_->Fragen();
}

std::optional<std::vector<std::string>> KlassenSeitenWidget::UEAuswaehlen() {
    return auswahl_->Auswaehlen(st_.UEBeschreibungen());
}

void KlassenSeitenWidget::Ergebnisfenster() {
    if (ergebnisfensterZeigen) ergebnisfensterZeigen();
}

void KlassenSeitenWidget::Gruppenfenster() {
    if (gruppenfensterZeigen) gruppenfensterZeigen();
}

} // namespace zev::qt
