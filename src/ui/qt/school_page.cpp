#include "ui/qt/school_page.h"

#include "control/lifecycle.h"
#include "ui/qt/code_widgets.h"
#include "ui/qt/school_dialogs.h"

#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

namespace zev::qt {

SchulSeitenWidget::SchulSeitenWidget(Steuerung& st, Meldungen& m, QTabWidget* unterseiten, QWidget* eltern)
    : QWidget(eltern), st_(st), logik_(std::make_unique<SchulSeitenLogik>(st, static_cast<SchulDialoge&>(*this), m)),
      unterseiten_(unterseiten) {
    setObjectName("schulSeite");
    hide(); // only the sub-pages are shown; this object holds them together
    schulartDialog_ = new SchulartDialog(logik_->Listen().schulartenSortiert, this);
    ueDialog_ = new UEDialog(logik_->Listen().dialog, this);
    seiten_ = {SchulDatenAufbauen(), FreieTraegerAufbauen(), UnterrichtseinheitenAufbauen()};
    unterseiten->insertTab(0, seiten_[0], "   Schul-Daten   ");
    unterseiten->insertTab(1, seiten_[1], "   freie Träger   ");
    unterseiten->insertTab(2, seiten_[2], "   Unterrichteinheiten   ");
    unterseiten->setCurrentIndex(0);
    ModellInWidgets();
    for (QWidget* s : seiten_) TabFolgeNachLage(s);
}

// The sub-pages live in the main window's tab control but read this page's
// screen model; they go before it does.
SchulSeitenWidget::~SchulSeitenWidget() {
    for (const QPointer<QWidget>& s : seiten_) delete s.data();
}

QWidget* SchulSeitenWidget::SchulDatenAufbauen() {
    const SchulListen& l = logik_->Listen();
    SchulSeite& s = logik_->Seite();
    auto* seite = new QWidget();
    seite->setObjectName("seiteSchulDaten");
    auto* layout = new QVBoxLayout(seite);

    auto* arten = new QGroupBox("Schulart(-en)", seite);
    auto* artenLayout = new QHBoxLayout(arten);
    schulartTabelle_ = new RasterAnsicht(s.schularten, arten);
    schulartTabelle_->setObjectName("tabelleSchularten");
    schulartTabelle_->setFixedWidth(schulartTabelle_->Gesamtbreite());
    schulartTabelle_->setMinimumHeight(150);
    artenLayout->addWidget(schulartTabelle_);
    auto* artenKnoepfe = new QVBoxLayout();
    auto* neu = Knopf(arten, "knopfNeueSchulart", "neue Schulart hinzufügen ...");
    auto* loeschen = Knopf(arten, "knopfSchulartLoeschen", "-->  Schulart löschen");
    schulartSchluessel_ = Textfeld(arten, "schulartLoeschenSchluessel", 2);
    schulartSchluessel_->setFixedWidth(40);
    schulartSchluessel_->setAccessibleName("Schlüssel der zu löschenden Schulart");
    schulartSchluessel_->setToolTip("Schlüssel der Schulart (leer: markierte Zeile)");
    auto* loeschZeile = new QHBoxLayout();
    loeschZeile->addWidget(loeschen);
    loeschZeile->addWidget(schulartSchluessel_);
    artenKnoepfe->addWidget(neu);
    artenKnoepfe->addLayout(loeschZeile);
    artenKnoepfe->addStretch(1);
    artenLayout->addLayout(artenKnoepfe);
    artenLayout->addStretch(1);
    layout->addWidget(arten);

    auto* form = new QFormLayout();
    orgform_ = new CodeFeldWidget(l.orgform, 40, seite);
    orgform_->setObjectName("orgform");
    FormZeile(form, "Organisationsform", orgform_);
    nennung_ = Textfeld(seite, "nennung", 80);
    nennungLabel_ = new QLabel("Nennung", seite);
    nennungLabel_->setBuddy(nennung_);
    nennung_->setAccessibleName("Nennung");
    form->addRow(nennungLabel_, nennung_);
    ganztag_ = new CodeFeldWidget(l.ganztag, 40, seite);
    ganztag_->setObjectName("ganztag");
    FormZeile(form, "Ganztagsschule", ganztag_);
    layout->addLayout(form);

    auto* nicht = new QGroupBox("Nichteinschulung", seite);
    auto* nichtLayout = new QVBoxLayout(nicht);
    nichteinschulung_ = new RasterAnsicht(s.nichteinschulung, nicht);
    nichteinschulung_->setObjectName("tabelleNichteinschulung");
    nichteinschulung_->setFixedHeight(nichteinschulung_->horizontalHeader()->sizeHint().height() +
                                      nichteinschulung_->verticalHeader()->defaultSectionSize() + 6);
    nichteinschulung_->setFixedWidth(nichteinschulung_->Gesamtbreite());
    nichtLayout->addWidget(nichteinschulung_, 0, Qt::AlignLeft);
    layout->addWidget(nicht);

    auto* knoepfe = new QHBoxLayout();
    auto* pruefen = Knopf(seite, "knopfPruefenSchulDaten", "diese Seite prüfen (PLAUSI)");
    auto* alle = Knopf(seite, "knopfAlleSchuldaten", "alle Schuldaten prüfen (grosse PLAUSI)");
    auto* frei = Knopf(seite, "knopfZuFreieTraeger", "Sonderangaben -- NUR für Schulen in freier Trägerschaft");
    auto* ue = Knopf(seite, "knopfZuUE", "Unterrichtseinheiten -- Übersicht und Definitionen ");
    knoepfe->addWidget(pruefen);
    knoepfe->addWidget(alle);
    knoepfe->addStretch(1);
    auto* wechsel = new QVBoxLayout();
    wechsel->addWidget(frei);
    wechsel->addWidget(ue);
    knoepfe->addLayout(wechsel);
    layout->addLayout(knoepfe);
    layout->addStretch(1);

    connect(neu, &QPushButton::clicked, this, [this] { Aktion([this] { logik_->NeueSchulart(); }); });
    connect(loeschen, &QPushButton::clicked, this, [this] { Aktion([this] { logik_->SchulartLoeschen(); }); });
    connect(orgform_, &CodeFeldWidget::gewaehlt, this, [this](int i) { Aktion([&] { logik_->OrgformGewaehlt(i); }); });
    // Typing only decides whether "Nennung" is shown; the rest of the page stays as it is.
    connect(orgform_, &CodeFeldWidget::schluesselGetippt, this, [this](const QString& t) {
        logik_->OrgformSchluesselGeaendert(S(t));
        nennung_->setVisible(logik_->Seite().nennungSichtbar);
        nennungLabel_->setVisible(logik_->Seite().nennungSichtbar);
    });
    connect(ganztag_, &CodeFeldWidget::gewaehlt, this,
            [this, &l](int i) { Aktion([&] { CodeFeldGewaehlt(logik_->Seite().ganztag, l.ganztag, i); }); });
    connect(pruefen, &QPushButton::clicked, this, [this] { Pruefen(PruefKnopf::SchulGrunddaten); });
    connect(alle, &QPushButton::clicked, this, [this] { Pruefen(PruefKnopf::AlleSchuldaten); });
    connect(frei, &QPushButton::clicked, this, [this] { unterseiten_->setCurrentIndex(1); });
    connect(ue, &QPushButton::clicked, this, [this] { unterseiten_->setCurrentIndex(2); });
    return seite;
}

QWidget* SchulSeitenWidget::FreieTraegerAufbauen() {
    const SchulListen& l = logik_->Listen();
    auto* seite = new QWidget();
    seite->setObjectName("seiteFreieTraeger");
    auto* layout = new QVBoxLayout(seite);
    auto* form = new QFormLayout();
    name_ = Textfeld(seite, "traegerName", 80);
    FormZeile(form, "Name", name_);
    schulamt_ = new CodeFeldWidget(l.schulamt, 40, seite);
    FormZeile(form, "Schulamt", schulamt_);
    rechtsstatus_ = new CodeFeldWidget(l.rechtsstatus, 40, seite);
    FormZeile(form, "Rechtsstatus", rechtsstatus_);
    traeger_ = new CodeFeldWidget(l.traeger, 40, seite);
    FormZeile(form, "Träger", traeger_);

    gemeinde_ = Textfeld(seite, "gemeinde", 15);
    gemeinde_->setFixedWidth(140);
    gemeinden_ = new QComboBox(seite);
    gemeinden_->setObjectName("gemeinden");
    gemeinden_->setAccessibleName("Gemeinden (Auswahl)");
    KomboFuellen(gemeinden_, l.gemeinden);
    auto* gemeindeZeile = new QWidget(seite);
    auto* gz = new QHBoxLayout(gemeindeZeile);
    gz->setContentsMargins(0, 0, 0, 0);
    gz->addWidget(gemeinde_);
    gz->addWidget(gemeinden_, 1);
    auto* gemeindeLabel = new QLabel("Gemeinde", seite);
    gemeindeLabel->setBuddy(gemeinde_);
    gemeinde_->setAccessibleName("Gemeinde");
    form->addRow(gemeindeLabel, gemeindeZeile);
    plz_ = Textfeld(seite, "plz", 5);
    plz_->setFixedWidth(70);
    FormZeile(form, "PLZ", plz_);
    standort_ = Textfeld(seite, "standort", 40);
    FormZeile(form, "Standort, (Ortsteil)", standort_);
    strasse_ = Textfeld(seite, "strasse", 40);
    FormZeile(form, "Strasse", strasse_);
    email_ = Textfeld(seite, "email", 40);
    FormZeile(form, "eMail", email_);
    internet_ = Textfeld(seite, "internet", 40);
    FormZeile(form, "Internet", internet_);
    layout->addLayout(form);

    auto* leiter = new QGroupBox("Schulleiter", seite);
    auto* lf = new QFormLayout(leiter);
    anrede_ = new QComboBox(leiter);
    anrede_->setObjectName("anrede");
    anrede_->setEditable(true);
    KomboFuellen(anrede_, l.anrede);
    anrede_->setFixedWidth(110);
    FormZeile(lf, "Anrede", anrede_);
    titel_ = Textfeld(leiter, "leiterTitel", 10);
    FormZeile(lf, "Titel", titel_);
    leiterName_ = Textfeld(leiter, "leiterName", 40);
    FormZeile(lf, "Name", leiterName_);
    telefon_ = Textfeld(leiter, "leiterTelefon", 20);
    FormZeile(lf, "Telefon", telefon_);
    layout->addWidget(leiter);

    auto* pruefen = Knopf(seite, "knopfPruefenFreieTraeger", "diese Seite prüfen (PLAUSI)");
    layout->addWidget(pruefen, 0, Qt::AlignLeft);
    layout->addStretch(1);

    const std::pair<CodeFeldWidget*, std::pair<CodeFeld SchulSeite::*, const KomboListe*>> felder[] = {
        {schulamt_, {&SchulSeite::schulamt, &l.schulamt}},
        {rechtsstatus_, {&SchulSeite::rechtsstatus, &l.rechtsstatus}},
        {traeger_, {&SchulSeite::traeger, &l.traeger}}};
    for (const auto& [w, ziel] : felder)
        connect(w, &CodeFeldWidget::gewaehlt, this, [this, feld = ziel.first, liste = ziel.second](int i) {
            Aktion([&] { CodeFeldGewaehlt(logik_->Seite().*feld, *liste, i); });
        });
    connect(gemeinden_, &QComboBox::activated, this, [this](int i) { Aktion([&] { logik_->GemeindeGewaehlt(i); }); });
    connect(pruefen, &QPushButton::clicked, this, [this] { Pruefen(PruefKnopf::SchulFreieTraeger); });
    return seite;
}

QWidget* SchulSeitenWidget::UnterrichtseinheitenAufbauen() {
    auto* seite = new QWidget();
    seite->setObjectName("seiteUnterrichtseinheiten");
    auto* layout = new QVBoxLayout(seite);
    ueTabelle_ = new RasterAnsicht(logik_->Seite().ue, seite);
    ueTabelle_->setObjectName("tabelleUE");
    ueTabelle_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // A description longer than its column wraps onto a second line instead of being cut.
    ueTabelle_->setWordWrap(true);
    ueTabelle_->setTextElideMode(Qt::ElideNone);
    ueTabelle_->installEventFilter(this);
    layout->addWidget(ueTabelle_, 1);

    auto* reihe1 = new QHBoxLayout();
    auto* neu = Knopf(seite, "knopfNeueUE", "neue UE hinzufügen ...");
    auto* bearbeiten = Knopf(seite, "knopfUEBearbeiten", "-->  UE bearbeiten ...");
    auto* loeschen = Knopf(seite, "knopfUELoeschen", "-->  UE löschen ...");
    auto* idLabel = new QLabel("ID:", seite);
    ueId_ = Textfeld(seite, "ueId", 5);
    ueId_->setFixedWidth(70);
    ueId_->setAccessibleName("ID:");
    idLabel->setBuddy(ueId_);
    auto* cursor = new QLabel("(sonst Cursor-Position)", seite);
    auto* identisch = Knopf(seite, "knopfIdentischeUE", "identische UEs löschen");
    auto* pruefen = Knopf(seite, "knopfPruefenUE", "diese Seite prüfen (PLAUSI)");
    reihe1->addWidget(neu);
    reihe1->addWidget(bearbeiten);
    reihe1->addWidget(loeschen);
    reihe1->addWidget(idLabel);
    reihe1->addWidget(ueId_);
    reihe1->addWidget(cursor);
    reihe1->addStretch(1);
    reihe1->addWidget(identisch);
    reihe1->addWidget(pruefen);
    layout->addLayout(reihe1);

    auto* reihe2 = new QHBoxLayout();
    const std::pair<const char*, UESortierung> sortierungen[] = {{"nach ID sortieren", UESortierung::NachID},
                                                                 {"nach Klassen sortieren", UESortierung::NachKlasse},
                                                                 {"nach Fächer sortieren", UESortierung::NachFach},
                                                                 {"nach Lehrer sortieren", UESortierung::NachLehrer}};
    int nr = 0;
    for (const auto& [text, art] : sortierungen) {
        auto* b = new QPushButton(text, seite);
        b->setObjectName(QString("knopfSortieren%1").arg(++nr));
        connect(b, &QPushButton::clicked, this, [this, art = art] { Aktion([&] { logik_->Sortieren(art); }); });
        reihe2->addWidget(b);
    }
    reihe2->addStretch(1);
    layout->addLayout(reihe2);

    connect(neu, &QPushButton::clicked, this, [this] { Aktion([this] { logik_->NeueUE(); }); });
    connect(bearbeiten, &QPushButton::clicked, this, [this] { Aktion([this] { logik_->UEBearbeiten(); }); });
    connect(ueTabelle_, &QAbstractItemView::doubleClicked, this, [this] {
        Aktion([this] {
            logik_->Seite().ueId.clear();
            logik_->UEBearbeiten();
        });
    });
    connect(loeschen, &QPushButton::clicked, this, [this] { Aktion([this] { logik_->UELoeschen(); }); });
    connect(identisch, &QPushButton::clicked, this, [this] { Aktion([this] { logik_->IdentischeUEsLoeschen(); }); });
    connect(pruefen, &QPushButton::clicked, this, [this] { Pruefen(PruefKnopf::SchulUE); });
    return seite;
}

bool SchulSeitenWidget::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (objekt == ueTabelle_ && ereignis->type() == QEvent::Resize) BeschreibungsBreite();
    return QWidget::eventFilter(objekt, ereignis);
}

void SchulSeitenWidget::BeschreibungsBreite() {
    int andere = 0;
    for (int c = 0; c < ueTabelle_->Modell().columnCount(); ++c)
        if (c != UE_Beschreibung) andere += ueTabelle_->Spaltenbreite(c);
    const int breite = UEBeschreibungsBreite(ueTabelle_->width(), andere);
    logik_->Seite().ue.spalten[UE_Beschreibung].breite = breite;
    ueTabelle_->setColumnWidth(UE_Beschreibung, breite);
    ueTabelle_->resizeRowsToContents();
}

void SchulSeitenWidget::ModellInWidgets() {
    const SchulSeite& s = logik_->Seite();
    schulartTabelle_->Anzeigen();
    TextSetzen(schulartSchluessel_, s.schulartSchluessel);
    orgform_->Anzeigen(s.orgform);
    TextSetzen(nennung_, s.orgformText);
    nennung_->setVisible(s.nennungSichtbar);
    nennungLabel_->setVisible(s.nennungSichtbar);
    ganztag_->Anzeigen(s.ganztag);
    nichteinschulung_->Anzeigen();

    TextSetzen(name_, s.name);
    schulamt_->Anzeigen(s.schulamt);
    rechtsstatus_->Anzeigen(s.rechtsstatus);
    traeger_->Anzeigen(s.traeger);
    TextSetzen(gemeinde_, s.gemeinde);
    {
        const QSignalBlocker sperre(gemeinden_);
        gemeinden_->setCurrentIndex(s.gemeindeIndex);
    }
    TextSetzen(plz_, s.plz);
    TextSetzen(standort_, s.standort);
    TextSetzen(strasse_, s.strasse);
    TextSetzen(email_, s.email);
    TextSetzen(internet_, s.internet);
    {
        const QSignalBlocker sperre(anrede_);
        anrede_->setCurrentText(Q(s.anrede));
    }
    TextSetzen(titel_, s.leiterTitel);
    TextSetzen(leiterName_, s.leiterName);
    TextSetzen(telefon_, s.leiterTelefon);

    ueTabelle_->Anzeigen();
    BeschreibungsBreite();
    TextSetzen(ueId_, s.ueId);
}

void SchulSeitenWidget::WidgetsInModell() {
    SchulSeite& s = logik_->Seite();
    s.schulartSchluessel = S(schulartSchluessel_->text());
    orgform_->Uebernehmen(s.orgform);
    s.orgformText = S(nennung_->text());
    ganztag_->Uebernehmen(s.ganztag);
    s.name = S(name_->text());
    schulamt_->Uebernehmen(s.schulamt);
    rechtsstatus_->Uebernehmen(s.rechtsstatus);
    traeger_->Uebernehmen(s.traeger);
    s.gemeinde = S(gemeinde_->text());
    s.gemeindeIndex = gemeinden_->currentIndex();
    s.plz = S(plz_->text());
    s.standort = S(standort_->text());
    s.strasse = S(strasse_->text());
    s.email = S(email_->text());
    s.internet = S(internet_->text());
    s.anrede = S(anrede_->currentText());
    s.leiterTitel = S(titel_->text());
    s.leiterName = S(leiterName_->text());
    s.leiterTelefon = S(telefon_->text());
    s.ueId = S(ueId_->text());
}

void SchulSeitenWidget::Aktion(const std::function<void()>& f) {
    WidgetsInModell();
    f();
    ModellInWidgets();
}

void SchulSeitenWidget::Zeigen() {
    logik_->Zeigen();
    ModellInWidgets();
}

void SchulSeitenWidget::Uebernehmen() {
    WidgetsInModell();
    logik_->Uebernehmen();
}

void SchulSeitenWidget::Pruefen(PruefKnopf knopf) {
    Aktion([&] { logik_->Pruefen(knopf); });
}

std::optional<std::string> SchulSeitenWidget::NeueSchulart() {
    return schulartDialog_->Fragen();
}

bool SchulSeitenWidget::Unterrichtseinheit(TUnterrichtseinheitDS& puffer, std::string_view titel) {
    return ueDialog_->Bearbeiten(puffer, st_.LehrerAuswahl(), titel);
}

void SchulSeitenWidget::Ergebnisfenster() {
    if (ergebnisfensterZeigen) ergebnisfensterZeigen();
}

} // namespace zev::qt
