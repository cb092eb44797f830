#include "ui/qt/student_page.h"

#include "control/lifecycle.h"
#include "pages/date_mask.h"
#include "ui/qt/code_widgets.h"
#include "ui/qt/ue_chooser_dialog.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

namespace zev::qt {

namespace {

// Key boxes as wide as their longest key.
int Schluesselbreite(int laenge) {
    return laenge <= 2 ? 40 : laenge <= 4 ? 56 : 100;
}

QFormLayout* Formular(QGroupBox* gruppe) {
    auto* form = new QFormLayout(gruppe);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    return form;
}

} // namespace

SchuelerSeitenWidget::SchuelerSeitenWidget(Steuerung& st, Meldungen& m, QWidget* eltern)
    : SchuelerSeitenBasis(eltern), st_(st) {
    logik_ = std::make_unique<SchuelerSeitenLogik>(st, static_cast<SchuelerDialoge&>(*this), m);
    setObjectName("schuelerSeite");
    auswahl_ = new UEAuswahlDialog(m, this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* kopfzeile = new QHBoxLayout();
    kopfName_ = new QLineEdit(this);
    kopfName_->setObjectName("schuelerKopf");
    kopfName_->setAccessibleName("aktueller Schüler");
    kopfKlasse_ = new QLineEdit(this);
    kopfKlasse_->setObjectName("schuelerKopfKlasse");
    kopfKlasse_->setAccessibleName("Klasse des aktuellen Schülers");
    kopfKlasse_->setFixedWidth(120);
    for (QLineEdit* e : {kopfName_, kopfKlasse_}) {
        e->setReadOnly(true);
        QFont fett = e->font();
        fett.setBold(true);
        e->setFont(fett);
    }
    kopfzeile->addWidget(kopfName_, 1);
    kopfzeile->addWidget(kopfKlasse_);
    layout->addLayout(kopfzeile);

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName("unterseiten_schuelerblatt");
    tabs_->addTab(Rollbar(PersonendatenAufbauen()), kSchuelerUnterseiten[0]);
    tabs_->addTab(Rollbar(JahrgangsdatenAufbauen()), kSchuelerUnterseiten[1]);
    tabs_->addTab(Rollbar(SchullaufbahnAufbauen()), kSchuelerUnterseiten[2]);
    tabs_->addTab(UnterrichtseinheitenAufbauen(), kSchuelerUnterseiten[3]);
    tabs_->addTab(Rollbar(AbschlussAufbauen()), kSchuelerUnterseiten[4]);
    layout->addWidget(tabs_, 1);

    connect(tabs_, &QTabWidget::currentChanged, this, [this](int i) {
        logik_->UnterseiteGewechselt(i);
        fremdsprachen_->Anzeigen();
        if (i == kSchuelerFremdsprachenSeite) vorherigeSchule_->setFocus();
    });
    ModellInWidgets();
}

// --- controls bound to fields ------------------------------------------------------------------

QLineEdit* SchuelerSeitenWidget::Text(QFormLayout* form, const char* beschriftung, const char* name,
                                      std::string SchuelerSeite::*feld, int breite) {
    QLineEdit* e = Textfeld(nullptr, name, BindungVon<SchuelerSeite>(kSchuelerFelder, feld)->feld->breite, breite);
    FormZeile(form, beschriftung, e);
    texte_.push_back({e, feld});
    return e;
}

CodeFeldWidget* SchuelerSeitenWidget::Code(QFormLayout* form, const char* beschriftung, CodeFeld SchuelerSeite::*feld) {
    // The key box holds the field's width, the combo lists the field's catalogue.
    const felder::Feld& f = *BindungVon<SchuelerSeite>(kSchuelerFelder, feld)->feld;
    const int laenge = f.breite;
    const KomboListe& liste = logik_->Kombos()(f.katalog);
    auto* w = new CodeFeldWidget(liste, Schluesselbreite(laenge));
    w->Schluessel()->setMaxLength(laenge);
    w->Kombo()->setMinimumContentsLength(24); // personal data and address side by side on a 1280-pixel screen
    FormZeile(form, beschriftung, w);
    codes_.push_back({w, feld});
    connect(w, &CodeFeldWidget::gewaehlt, this,
            [this, feld, l = &liste](int i) { Aktion([&] { CodeFeldGewaehlt(logik_->Seite().*feld, *l, i); }); });
    return w;
}

QComboBox* SchuelerSeitenWidget::Wert(QFormLayout* form, const char* beschriftung, const char* name,
                                      std::string SchuelerSeite::*feld, const std::vector<std::string>* feste) {
    // A value combo offers its field's catalogue, or a fixed list where the field has none.
    const felder::Feld& f = *BindungVon<SchuelerSeite>(kSchuelerFelder, feld)->feld;
    const int laenge = f.breite;
    const std::vector<std::string>& werte = feste ? *feste : logik_->Kombos()(f.katalog).texte;
    auto* k = new QComboBox();
    k->setObjectName(name);
    k->setEditable(true);
    k->setInsertPolicy(QComboBox::NoInsert);
    for (const std::string& w : werte) k->addItem(Q(w));
    k->lineEdit()->setMaxLength(laenge);
    k->setMinimumContentsLength(6);
    FormZeile(form, beschriftung, k);
    werte_.push_back({k, feld});
    return k;
}

QComboBox* SchuelerSeitenWidget::Ort(QFormLayout* form, const char* beschriftung, const char* name,
                                     int SchuelerSeite::*feld, const KomboListe& liste,
                                     void (SchuelerSeitenLogik::*gewaehlt)(int)) {
    auto* k = new QComboBox();
    k->setObjectName(name);
    k->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    k->setMinimumContentsLength(20);
    KomboFuellen(k, liste);
    FormZeile(form, beschriftung, k);
    orte_.push_back({k, feld});
    connect(k, &QComboBox::activated, this, [this, gewaehlt](int i) { Aktion([&] { (*logik_.*gewaehlt)(i); }); });
    return k;
}

// --- sub-pages ---------------------------------------------------------------------------------

QWidget* SchuelerSeitenWidget::PersonendatenAufbauen() {
    const SchuelerListen& l = logik_->Listen();
    auto* seite = new QWidget();
    seite->setObjectName("seitePersonendaten");
    auto* layout = new QVBoxLayout(seite);
    auto* zeile = new QHBoxLayout();

    auto* person = new QGroupBox("Personendaten", seite);
    auto* form = Formular(person);
    Text(form, "Schülernummer", "schuelernummer", &SchuelerSeite::schuelernummer, 120);
    id_ = Textfeld(person, "schuelerId", 12, 120);
    id_->setReadOnly(true);
    FormZeile(form, "interne ID-Nummer", id_);
    name_ = Text(form, "Name", "schuelerName", &SchuelerSeite::name, 260);
    Text(form, "Vorname", "schuelerVorname", &SchuelerSeite::vorname, 260);
    FormZeile(form, "Geschlecht",
              Wahlgruppe(person, geschlecht_, "schuelerGeschlecht", {"???", "männlich", "weiblich"}));
    geburtsdatum_ = new DatumsFeld(kMaskeGeburtsdatum, person);
    geburtsdatum_->setObjectName("schuelerGeburtsdatum");
    FormZeile(form, "Geburtsdatum", geburtsdatum_);
    BeimVerlassen(geburtsdatum_, this, logik_->Seite().geburtsdatum,
                  [this](DatumsKasten& k) { logik_->DatumVerlassen(k); });
    Code(form, "Staatsangehörigkeit", &SchuelerSeite::staat);
    Code(form, "Migrantenstatus", &SchuelerSeite::migrant);
    Code(form, "Verkehrssprache\n(wenn nicht deutsch)", &SchuelerSeite::verkehrssprache);
    Text(form, "Zuzug", "zuzug", &SchuelerSeite::zuzug, 60);
    Code(form, "Einschulungsart", &SchuelerSeite::einschulungsart);
    Wert(form, "Einschulungsjahr", "einschulungsjahr", &SchuelerSeite::einschulungsjahr);
    zeile->addWidget(person);

    auto* anschrift = new QGroupBox("Anschrift", seite);
    auto* a = Formular(anschrift);
    Text(a, "Gemeinde", "gemeinde", &SchuelerSeite::gemeinde, 160);
    Text(a, "Wohnort", "wohnort", &SchuelerSeite::wohnort, 240);
    Text(a, "PLZ", "plz", &SchuelerSeite::plz, 70);
    Text(a, "Strasse", "strasse", &SchuelerSeite::strasse, 240);
    Ort(a, "Ort auswählen (PLZ)", "anschriftOrt", &SchuelerSeite::anschriftOrt, l.gemeinden,
        &SchuelerSeitenLogik::AnschriftOrtGewaehlt);
    Ort(a, "in anderem Land", "anschriftLand", &SchuelerSeite::anschriftLand, l.staat,
        &SchuelerSeitenLogik::AnschriftLandGewaehlt);
    Ort(a, "in anderem Bundesland", "anschriftBundesland", &SchuelerSeite::anschriftBundesland, l.bundeslaender,
        &SchuelerSeitenLogik::AnschriftBundeslandGewaehlt);
    zeile->addWidget(anschrift, 0, Qt::AlignTop);
    zeile->addStretch(1);
    layout->addLayout(zeile);

    auto* pruefen = Knopf(seite, "knopfDiesenSchueler", "diesen Schüler prüfen");
    auto* alle = Knopf(seite, "knopfAlleSchueler", "alle Schüler prüfen (grosse PLAUSI)");
    auto* knoepfe = new QHBoxLayout();
    knoepfe->addWidget(pruefen);
    knoepfe->addWidget(alle);
    knoepfe->addStretch(1);
    layout->addLayout(knoepfe);
    layout->addStretch(1);
    connect(pruefen, &QPushButton::clicked, this, [this] { Aktion([this] { logik_->Pruefen(); }); });
    connect(alle, &QPushButton::clicked, this, [this] { Aktion([this] { logik_->GrossePlausi(); }); });
    return seite;
}

QWidget* SchuelerSeitenWidget::JahrgangsdatenAufbauen() {
    const SchuelerListen& l = logik_->Listen();
    auto* seite = new QWidget();
    seite->setObjectName("seiteJahrgangsdaten");
    auto* layout = new QVBoxLayout(seite);
    auto* gruppe = new QGroupBox("Jahrgangsdaten", seite);
    auto* form = Formular(gruppe);
    Text(form, "Klasse", "klasse", &SchuelerSeite::klasse, 120);
    Code(form, "Jahrgang", &SchuelerSeite::jahrgang);
    Code(form, "Schulart", &SchuelerSeite::schulart);
    Code(form, "Wiederholer", &SchuelerSeite::wiederholer);
    Code(form, "Empfehlung", &SchuelerSeite::empfehlung);
    Code(form, "Schulartwechsel (nach Probe-HJ)", &SchuelerSeite::schulartwechsel);
    Code(form, "(Aufenthalt im) Ausland ", &SchuelerSeite::ausland);
    Code(form, "Ausländer", &SchuelerSeite::auslaender);
    Wert(form, "LRS", "lrs", &SchuelerSeite::lrs, &l.jaNein);
    Wert(form, "Dyskalkulie", "dyskalkulie", &SchuelerSeite::dyskalkulie, &l.jaNein);
    Code(form, "Ganztag", &SchuelerSeite::ganztag);
    Code(form, "Bildungsgang", &SchuelerSeite::bildungsgang);
    Code(form, "Extern (in Schule ...)\n(zu Gast in der Schule; kommt aus ...)", &SchuelerSeite::externeSchule);
    layout->addWidget(gruppe, 0, Qt::AlignLeft);
    layout->addStretch(1);
    return seite;
}

QWidget* SchuelerSeitenWidget::SchullaufbahnAufbauen() {
    auto* seite = new QWidget();
    seite->setObjectName("seiteSchullaufbahn");
    auto* layout = new QVBoxLayout(seite);
    auto* vorher = new QGroupBox("vorherige Schule (wenn Schule gewechselt wurde)", seite);
    auto* v = Formular(vorher);
    vorherigeSchule_ = Code(v, "vorherige_Schule", &SchuelerSeite::vorherigeSchule);
    Code(v, "Schulart (des Vorjahres)", &SchuelerSeite::herkunftSchulart);
    Code(v, "Jahrgang (des Vorjahres)", &SchuelerSeite::herkunftJahrgang);
    layout->addWidget(vorher, 0, Qt::AlignLeft);

    auto* foerder = new QGroupBox("Förderbedarf", seite);
    auto* f = Formular(foerder);
    Code(f, "Bedarf", &SchuelerSeite::bedarf);
    Code(f, "tatsächlich", &SchuelerSeite::tatsaechlich);
    layout->addWidget(foerder, 0, Qt::AlignLeft);

    auto* sprachen = new QGroupBox("Fremdsprachen", seite);
    fremdsprachen_ = new RasterAnsicht(logik_->Seite().fremdsprachen, sprachen);
    fremdsprachen_->setObjectName("tabelleFremdsprachen");
    fremdsprachen_->setFixedWidth(fremdsprachen_->Gesamtbreite());
    fremdsprachen_->setFixedHeight(fremdsprachen_->horizontalHeader()->sizeHint().height() +
                                   fremdsprachen_->verticalHeader()->defaultSectionSize() * 5 +
                                   2 * fremdsprachen_->frameWidth() + 2);
    (new QVBoxLayout(sprachen))->addWidget(fremdsprachen_);
    layout->addWidget(sprachen, 0, Qt::AlignLeft);
    layout->addStretch(1);
    return seite;
}

QWidget* SchuelerSeitenWidget::UnterrichtseinheitenAufbauen() {
    auto* seite = new QWidget();
    seite->setObjectName("seiteSchuelerUE");
    auto* layout = new QVBoxLayout(seite);
    ueTabelle_ = new RasterAnsicht(logik_->Seite().ue, seite);
    ueTabelle_->setObjectName("tabelleSchuelerUE");
    ueTabelle_->horizontalHeader()->setStretchLastSection(false);
    ueTabelle_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    layout->addWidget(ueTabelle_, 1);
    auto* summe = new QHBoxLayout();
    stundensumme_ = new QLabel("0", seite);
    stundensumme_->setObjectName("schuelerStundensumme");
    QFont fett = stundensumme_->font();
    fett.setBold(true);
    stundensumme_->setFont(fett);
    auto* summenLabel = new QLabel("Stundensumme:", seite);
    summenLabel->setBuddy(stundensumme_);
    summe->addWidget(summenLabel);
    summe->addWidget(stundensumme_);
    summe->addStretch(1);
    layout->addLayout(summe);

    const std::pair<const char*, const char*> knoepfe[] = {
        {"knopfSchuelerUEHinzufuegen", "UnterrichtsEinheit(en) hinzufügen"},
        {"knopfSchuelerUELoeschen", "UnterrichtEinheit löschen"},
        {"knopfUEGruppe", "UE-Gruppe hinzufügen"},
        {"knopfSchuelerUEAktualisieren", "Ansicht aktualisieren"},
        {"knopfSchuelerUELeereZeile", "leere Zeile hinzufügen"},
        {"knopfSchuelerUEAlleLoeschen", "alle UnterrichtsEinheiten löschen"}};
    UESeite& ue = logik_->UE();
    const std::function<void()> aktionen[] = {
        [&ue] { ue.Hinzufuegen(); },          [&ue] { ue.Loeschen(); },   [this] { logik_->UEGruppeHinzufuegen(); },
        [&ue] { ue.AnsichtAktualisieren(); }, [&ue] { ue.LeereZeile(); }, [&ue] { ue.AlleLoeschen(); }};
    // Two rows of three, so the sheets fit a window of 1280 pixels beside the record list.
    QHBoxLayout* reihe = nullptr;
    for (std::size_t i = 0; i < std::size(knoepfe); ++i) {
        if (i % 3 == 0) {
            if (reihe) reihe->addStretch(1);
            reihe = new QHBoxLayout();
            layout->addLayout(reihe);
        }
        auto* b = Knopf(seite, knoepfe[i].first, knoepfe[i].second);
        reihe->addWidget(b);
        connect(b, &QPushButton::clicked, this, [this, a = aktionen[i]] { Aktion(a); });
    }
    reihe->addStretch(1);
    return seite;
}

QWidget* SchuelerSeitenWidget::AbschlussAufbauen() {
    const SchuelerListen& l = logik_->Listen();
    auto* seite = new QWidget();
    seite->setObjectName("seiteAbschluss");
    auto* layout = new QVBoxLayout(seite);
    auto* abschluss = new QGroupBox("Abschluss", seite);
    auto* a = Formular(abschluss);
    Code(a, "allgemein (-bild. Abschluss)", &SchuelerSeite::allgemein);
    Wert(a, "Jahr", "allgemeinJahr", &SchuelerSeite::allgemeinJahr)->setAccessibleName("Jahr (allgemeinbildender)");
    Code(a, "Beruf (berufsbez. Abschluss)", &SchuelerSeite::beruf);
    Wert(a, "Jahr", "berufJahr", &SchuelerSeite::berufJahr)->setAccessibleName("Jahr (berufsbezogener)");
    layout->addWidget(abschluss, 0, Qt::AlignLeft);

    auto* ausbildung = new QGroupBox("Ausbildung", seite);
    auto* b = Formular(ausbildung);
    Code(b, "(Ausbildungs-) Beruf (/Fachr.)", &SchuelerSeite::ausbildungsberuf);
    Code(b, "Stellung (im Beruf)", &SchuelerSeite::stellung);
    Wert(b, "(Wochen-) Stunden", "wochenstunden", &SchuelerSeite::wochenstunden, &l.wochenstunden);
    Code(b, "Zeitform", &SchuelerSeite::zeitform);
    Text(b, "(gemeldeter) Standort", "standort", &SchuelerSeite::standort, 160);
    Text(b, "Standort (Name)", "standortName", &SchuelerSeite::standortName, 300);
    Ort(b, "Standort im eigenen Bundesland", "ausbildungOrt", &SchuelerSeite::ausbildungOrt, l.gemeinden,
        &SchuelerSeitenLogik::AusbildungOrtGewaehlt);
    Ort(b, "... oder in anderem Bundesland", "ausbildungBundesland", &SchuelerSeite::ausbildungBundesland,
        l.bundeslaender, &SchuelerSeitenLogik::AusbildungBundeslandGewaehlt);
    Ort(b, "... oder in anderem Land", "ausbildungLand", &SchuelerSeite::ausbildungLand, l.staat,
        &SchuelerSeitenLogik::AusbildungLandGewaehlt);
    layout->addWidget(ausbildung, 0, Qt::AlignLeft);
    layout->addStretch(1);
    return seite;
}

// --- model and widgets -------------------------------------------------------------------------

void SchuelerSeitenWidget::ModellInWidgets() {
    const SchuelerSeite& s = logik_->Seite();
    TextSetzen(kopfName_, s.anzeigeName);
    TextSetzen(kopfKlasse_, s.anzeigeKlasse);
    TextSetzen(id_, s.id);
    for (const TextBindung& b : texte_) TextSetzen(b.w, s.*b.feld);
    Auswahlen(geschlecht_, s.geschlecht);
    geburtsdatum_->Anzeigen(s.geburtsdatum);
    for (const CodeBindung& b : codes_) b.w->Anzeigen(s.*b.feld);
    for (const WertBindung& b : werte_) {
        const QSignalBlocker sperre(b.w);
        b.w->setCurrentText(Q(s.*b.feld));
    }
    for (const OrtBindung& b : orte_) {
        const QSignalBlocker sperre(b.w);
        b.w->setCurrentIndex(s.*b.feld < b.w->count() ? s.*b.feld : 0);
    }
    fremdsprachen_->Anzeigen();
    ueTabelle_->Anzeigen();
    ueTabelle_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    stundensumme_->setText(Q(s.stundensumme.text));
}

void SchuelerSeitenWidget::WidgetsInModell() {
    SchuelerSeite& s = logik_->Seite();
    for (const TextBindung& b : texte_) s.*b.feld = S(b.w->text());
    s.geschlecht = std::max(0, geschlecht_->checkedId());
    geburtsdatum_->Uebernehmen(s.geburtsdatum);
    for (const CodeBindung& b : codes_) b.w->Uebernehmen(s.*b.feld);
    for (const WertBindung& b : werte_) s.*b.feld = S(b.w->currentText());
}

void SchuelerSeitenWidget::Aktion(const std::function<void()>& f) {
    WidgetsInModell();
    f();
    ModellInWidgets();
}

void SchuelerSeitenWidget::Zeigen() {
    logik_->Zeigen();
    ModellInWidgets();
}

void SchuelerSeitenWidget::Uebernehmen() {
    WidgetsInModell();
    logik_->Uebernehmen();
    // A refused birth date shows the stored one again; the head follows the name and class.
    geburtsdatum_->Anzeigen(logik_->Seite().geburtsdatum);
    TextSetzen(kopfName_, logik_->Seite().anzeigeName);
    TextSetzen(kopfKlasse_, logik_->Seite().anzeigeKlasse);
}

void SchuelerSeitenWidget::NeuerSchueler() {
    tabs_->setCurrentIndex(0);
    name_->setFocus();
}

std::optional<std::vector<std::string>> SchuelerSeitenWidget::UEAuswaehlen() {
    return auswahl_->Auswaehlen(st_.UEBeschreibungen());
}

void SchuelerSeitenWidget::Ergebnisfenster() {
    if (ergebnisfensterZeigen) ergebnisfensterZeigen();
}

void SchuelerSeitenWidget::Gruppenfenster() {
    if (gruppenfensterZeigen) gruppenfensterZeigen();
}

} // namespace zev::qt
