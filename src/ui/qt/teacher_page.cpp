#include "ui/qt/teacher_page.h"

#include "control/lifecycle.h"
#include "pages/date_mask.h"
#include "ui/qt/code_widgets.h"
#include "ui/qt/colours.h"
#include "ui/qt/ue_chooser_dialog.h"
#include "ui/qt/ue_sheet.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <utility>

namespace zev::qt {

namespace {

// The length of a box and the combo of a key box come from the bound field's row.
template <class M> int Laenge(M LehrerSeite::*m) {
    return BindungVon<LehrerSeite>(kLehrerFelder, m)->feld->breite;
}
const KomboListe& Liste(const KatalogKombos& k, CodeFeld LehrerSeite::*m) {
    return k(BindungVon<LehrerSeite>(kLehrerFelder, m)->feld->katalog);
}

} // namespace

LehrerSeitenWidget::LehrerSeitenWidget(Steuerung& st, Meldungen& m, QWidget* eltern)
    : LehrerSeitenBasis(eltern), st_(st) {
    logik_ = std::make_unique<LehrerSeitenLogik>(st, static_cast<LehrerDialoge&>(*this), m);
    setObjectName("lehrerSeite");
    auswahl_ = new UEAuswahlDialog(m, this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* kopfzeile = new QHBoxLayout();
    kopf_ = new QLineEdit(this);
    kopf_->setObjectName("lehrerKopf");
    kopf_->setReadOnly(true);
    kopf_->setAccessibleName("aktueller Lehrer");
    QFont fett = kopf_->font();
    fett.setBold(true);
    kopf_->setFont(fett);
    auto* diesen = Knopf(this, "knopfDiesenLehrer", "diesen Lehrer prüfen (PLAUSI)");
    auto* alle = Knopf(this, "knopfAlleLehrer", "alle Lehrer prüfen (grosse PLAUSI)");
    kopfzeile->addWidget(kopf_, 1);
    kopfzeile->addWidget(diesen);
    kopfzeile->addWidget(alle);
    layout->addLayout(kopfzeile);

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName("unterseiten_lehrerblatt");
    // Each sheet's check button stays in view below its scrolling part.
    const auto blatt = [this](QWidget* inhalt) { return Rollbar(inhalt, std::exchange(pruefenUnten_, nullptr)); };
    tabs_->addTab(blatt(GrunddatenAufbauen()), "  Grundd./ Ausb./ Lehrb.  ");
    tabs_->addTab(blatt(StundenAufbauen()), "  Stunden  ");
    tabs_->addTab(blatt(ArbeitszeitAufbauen()), "  Arbeitszeit-...  ");
    tabs_->addTab(blatt(SonstigesAufbauen()), "  Sonstiges / PmsA / Zu- und Abg.  ");
    tabs_->addTab(UnterrichtseinheitenAufbauen(), "  Unt.-Einheiten  ");
    layout->addWidget(tabs_, 1);

    connect(diesen, &QPushButton::clicked, this, [this] { Pruefen(PruefKnopf::DiesenLehrer); });
    connect(alle, &QPushButton::clicked, this, &LehrerSeitenWidget::GrossePlausi);
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int i) {
        if (i == 0) name_->setFocus();
    });
    ModellInWidgets();
    TabFolgeNachLage(this);
}

RasterAnsicht* LehrerSeitenWidget::Tabelle(CodeRaster& r, const char* name) {
    auto* t = new RasterAnsicht(r);
    t->setObjectName(name);
    t->setFixedWidth(t->Gesamtbreite());
    t->setFixedHeight(t->horizontalHeader()->sizeHint().height() +
                      t->verticalHeader()->defaultSectionSize() * r.Zeilen() + 2 * t->frameWidth() + 2);
    connect(&t->Modell(), &RasterModell::zelleGeaendert, this, [this] { SummenZeigen(); });
    tabellen_.push_back(t);
    return t;
}

QLabel* LehrerSeitenWidget::Summe(const char* name) {
    auto* l = new QLabel("0");
    l->setObjectName(name);
    l->setMinimumWidth(60);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

QWidget* LehrerSeitenWidget::GrunddatenAufbauen() {
    LehrerSeite& s = logik_->Seite();
    const KatalogKombos& kombos = logik_->Kombos();
    auto* seite = new QWidget();
    seite->setObjectName("seiteGrunddaten");
    auto* layout = new QVBoxLayout(seite);
    auto* gruppe = new QGroupBox("Grunddaten    (nur bei Schulen in freier Trägerschaft)", seite);
    auto* form = new QFormLayout(gruppe);
    lehrernummer_ = Textfeld(gruppe, "lehrernummer", Laenge(&LehrerSeite::lehrernummer), 120);
    FormZeile(form, "Lehrernummer", lehrernummer_);
    id_ = Textfeld(gruppe, "lehrerId", 12, 120);
    id_->setReadOnly(true);
    FormZeile(form, "interne ID-Nummer", id_);
    name_ = Textfeld(gruppe, "lehrerName", Laenge(&LehrerSeite::name), 300);
    FormZeile(form, "Name", name_);
    vorname_ = Textfeld(gruppe, "lehrerVorname", Laenge(&LehrerSeite::vorname), 300);
    FormZeile(form, "Vorname", vorname_);
    titel_ = Textfeld(gruppe, "lehrerTitel", Laenge(&LehrerSeite::titel), 120);
    FormZeile(form, "Titel", titel_);
    auto* geschlecht = Wahlgruppe(gruppe, geschlecht_, "geschlecht", {"???", "männlich", "weiblich"});
    FormZeile(form, "Geschlecht", geschlecht);
    geburtsdatum_ = new DatumsFeld(kMaskeGeburtsdatum, gruppe);
    geburtsdatum_->setObjectName("geburtsdatum");
    FormZeile(form, "Geburtsdatum", geburtsdatum_);
    BeimVerlassen(geburtsdatum_, this, logik_->Seite().geburtsdatum,
                  [this](DatumsKasten& k) { logik_->DatumVerlassen(k); });
    staat_ = new CodeFeldWidget(Liste(kombos, &LehrerSeite::staat), 48, gruppe);
    FormZeile(form, "Staatsangehörigkeit", staat_);
    beschaeftigung_ = new CodeFeldWidget(Liste(kombos, &LehrerSeite::beschaeftigung), 40, gruppe);
    FormZeile(form, "Beschäftigung", beschaeftigung_);
    layout->addWidget(gruppe);

    // One above the other: side by side the two grids are wider than a 1280-pixel screen leaves.
    auto* raster = new QVBoxLayout();
    auto* ausbildung = new QGroupBox("Ausbildung", seite);
    (new QVBoxLayout(ausbildung))->addWidget(Tabelle(s.ausbildung, "tabelleAusbildung"));
    auto* fach = new QGroupBox("Fächer der Lehrbefähigung", seite);
    (new QVBoxLayout(fach))->addWidget(Tabelle(s.fachLehrb, "tabelleFachLehrb"));
    raster->addWidget(ausbildung, 0, Qt::AlignLeft);
    raster->addWidget(fach, 0, Qt::AlignLeft);
    layout->addLayout(raster);
    auto* pruefen = Knopf(seite, "knopfPruefenGrunddaten", "diese Seite prüfen (PLAUSI)");
    pruefenUnten_ = pruefen;
    layout->addStretch(1);

    connect(pruefen, &QPushButton::clicked, this, [this] { Pruefen(PruefKnopf::LehrerGrunddaten); });
    const std::pair<CodeFeldWidget*, std::pair<CodeFeld LehrerSeite::*, const KomboListe*>> felder[] = {
        {staat_, {&LehrerSeite::staat, &Liste(kombos, &LehrerSeite::staat)}},
        {beschaeftigung_, {&LehrerSeite::beschaeftigung, &Liste(kombos, &LehrerSeite::beschaeftigung)}}};
    for (const auto& [w, ziel] : felder)
        connect(w, &CodeFeldWidget::gewaehlt, this, [this, feld = ziel.first, liste = ziel.second](int i) {
            Aktion([&] { CodeFeldGewaehlt(logik_->Seite().*feld, *liste, i); });
        });
    return seite;
}

QWidget* LehrerSeitenWidget::StundenAufbauen() {
    LehrerSeite& s = logik_->Seite();
    auto* seite = new QWidget();
    seite->setObjectName("seiteStunden");
    auto* layout = new QVBoxLayout(seite);
    auto* gruppe = new QGroupBox("Stunden    (nur bei Schulen in freier Trägerschaft)", seite);
    auto* g = new QHBoxLayout(gruppe);
    auto* lehramt = new QGroupBox("Lehramt", gruppe);
    (new QVBoxLayout(lehramt))->addWidget(Tabelle(s.lehramt, "tabelleLehramt"));
    g->addWidget(lehramt);
    auto* form = new QFormLayout();
    regelstunden_ = Textfeld(gruppe, "regelstunden", Laenge(&LehrerSeite::regelstunden), 80);
    FormZeile(form, "Regelstunden", regelstunden_);
    vertragsstunden_ = Textfeld(gruppe, "vertragsstunden", Laenge(&LehrerSeite::vertragsstunden), 80);
    FormZeile(form, "Vertragsstunden", vertragsstunden_);
    vertretung_ = Textfeld(gruppe, "vertretung", Laenge(&LehrerSeite::vertretung), 80);
    FormZeile(form, "Vertretung (-sstunden)", vertretung_);
    g->addLayout(form);
    g->addStretch(1);
    layout->addWidget(gruppe);

    auto* anrechnung = new QGroupBox("Anrechnungsstunden    (nur bei Schulen in freier Trägerschaft)", seite);
    auto* a = new QVBoxLayout(anrechnung);
    a->addWidget(Tabelle(s.anrechnung, "tabelleAnrechnung"));
    auto* summe = new QHBoxLayout();
    anrechnungSumme_ = Summe("anrechnungSumme");
    auto* neu = Knopf(anrechnung, "knopfAnrechnungNeu", "neu berechnen");
    summe->addWidget(new QLabel("Summe:"));
    summe->addWidget(anrechnungSumme_);
    summe->addWidget(neu);
    summe->addStretch(1);
    a->addLayout(summe);
    layout->addWidget(anrechnung);
    auto* pruefen = Knopf(seite, "knopfPruefenStunden", "Seiten (Std.n + Arb.zeit-...) prüfen (PLAUSI)");
    pruefenUnten_ = pruefen;
    layout->addStretch(1);
    connect(neu, &QPushButton::clicked, this, [this] { Aktion([this] { logik_->SummenNeu(); }); });
    connect(pruefen, &QPushButton::clicked, this, [this] { Pruefen(PruefKnopf::LehrerStunden); });
    return seite;
}

QWidget* LehrerSeitenWidget::ArbeitszeitAufbauen() {
    LehrerSeite& s = logik_->Seite();
    auto* seite = new QWidget();
    seite->setObjectName("seiteArbeitszeit");
    auto* layout = new QVBoxLayout(seite);
    const auto gruppe = [&](const char* titel, CodeRaster& r, const char* name, QLabel*& effektiv,
                            const char* summenname) {
        auto* box = new QGroupBox(titel, seite);
        auto* b = new QVBoxLayout(box);
        b->addWidget(Tabelle(r, name));
        auto* zeile = new QHBoxLayout();
        effektiv = Summe(summenname);
        auto* neu = Knopf(box, (std::string(summenname) + "Neu").c_str(), "neu berechnen");
        zeile->addWidget(new QLabel("effektiv:"));
        zeile->addWidget(effektiv);
        zeile->addWidget(neu);
        zeile->addStretch(1);
        b->addLayout(zeile);
        layout->addWidget(box);
        connect(neu, &QPushButton::clicked, this, [this] { Aktion([this] { logik_->SummenNeu(); }); });
    };
    gruppe("Arbeitszeitregelung    (nur bei Schulen in freier Trägerschaft)", s.azRegelung, "tabelleAZRegelung",
           regelungEffektiv_, "regelungEffektiv");
    gruppe("Arbeitszeitkonto    (nur bei Schulen in freier Trägerschaft)", s.azKonto, "tabelleAZKonto", kontoEffektiv_,
           "kontoEffektiv");
    auto* pruefen = Knopf(seite, "knopfPruefenArbeitszeit", "Seiten (Std.n + Arb.zeit-...) prüfen (PLAUSI)");
    pruefenUnten_ = pruefen;
    layout->addStretch(1);
    connect(pruefen, &QPushButton::clicked, this, [this] { Pruefen(PruefKnopf::LehrerStunden); });
    return seite;
}

QWidget* LehrerSeitenWidget::SonstigesAufbauen() {
    LehrerSeite& s = logik_->Seite();
    const KatalogKombos& kombos = logik_->Kombos();
    auto* seite = new QWidget();
    seite->setObjectName("seiteSonstiges");
    auto* layout = new QVBoxLayout(seite);

    auto* sonstiges = new QGroupBox("Sonstiges", seite);
    auto* so = new QVBoxLayout(sonstiges); // the groups' grid below the fields, to fit a 1280-pixel screen
    auto* form = new QFormLayout();
    taetigkeit_ = new CodeFeldWidget(Liste(kombos, &LehrerSeite::taetigkeit), 40, sonstiges);
    FormZeile(form, "Tätigkeit", taetigkeit_);
    klassenleiter_ = Textfeld(sonstiges, "klassenleiter", Laenge(&LehrerSeite::klassenleiter), 120);
    FormZeile(form, "Klassenleiter (Klasse ...)", klassenleiter_);
    FormZeile(form, "Schulleiter",
              Wahlgruppe(sonstiges, schulleiter_, "schulleiter", {"???", "Schulleiter", "Stellvertreter"}));
    so->addLayout(form);
    auto* personen = new QGroupBox("Personengruppe", sonstiges);
    (new QVBoxLayout(personen))->addWidget(Tabelle(s.personengruppe, "tabellePersonengruppe"));
    so->addWidget(personen, 0, Qt::AlignLeft);
    layout->addWidget(sonstiges);

    auto* einsatz = new QGroupBox("(PmsA) Einsatz", seite);
    auto* e = new QVBoxLayout(einsatz);
    e->addWidget(Tabelle(s.einsatz, "tabelleEinsatz"));
    auto* summe = new QHBoxLayout();
    einsatzSumme_ = Summe("einsatzSumme");
    auto* neu = Knopf(einsatz, "knopfEinsatzNeu", "neu berechnen");
    summe->addWidget(new QLabel("Summe:"));
    summe->addWidget(einsatzSumme_);
    summe->addWidget(neu);
    summe->addStretch(1);
    e->addLayout(summe);
    layout->addWidget(einsatz);

    auto* zuab = new QGroupBox("Zu- und Abgang", seite);
    auto* z = new QGridLayout(zuab);
    zugang_ = new CodeFeldWidget(Liste(kombos, &LehrerSeite::zugang), 60, zuab);
    zugangDatum_ = new DatumsFeld(kMaskeDatum20, zuab);
    zugangDatum_->setObjectName("zugangDatum");
    abgang_ = new CodeFeldWidget(Liste(kombos, &LehrerSeite::abgang), 60, zuab);
    abgangDatum_ = new DatumsFeld(kMaskeDatum20, zuab);
    abgangDatum_->setObjectName("abgangDatum");
    const auto zeile = [&](int r, const char* text, CodeFeldWidget* art, DatumsFeld* datum, const char* datumName) {
        auto* label = new QLabel(text, zuab);
        art->Benennen(text);
        label->setBuddy(art->Schluessel());
        auto* dl = new QLabel("Datum", zuab);
        datum->setAccessibleName(datumName);
        dl->setBuddy(datum);
        z->addWidget(label, r, 0);
        z->addWidget(art, r, 1);
        z->addWidget(dl, r, 2);
        z->addWidget(datum, r, 3);
    };
    zeile(0, "Zugang", zugang_, zugangDatum_, "Datum (Zugang)");
    zeile(1, "Abgang", abgang_, abgangDatum_, "Datum (Abgang)");
    for (auto [feld, kasten] :
         {std::pair{zugangDatum_, &logik_->Seite().zugangDatum}, std::pair{abgangDatum_, &logik_->Seite().abgangDatum}})
        BeimVerlassen(feld, this, *kasten, [this](DatumsKasten& k) { logik_->DatumVerlassen(k); });
    z->setColumnStretch(1, 1);
    layout->addWidget(zuab);
    auto* pruefen = Knopf(seite, "knopfPruefenSonstiges", "diese Seite prüfen (PLAUSI)");
    pruefenUnten_ = pruefen;
    layout->addStretch(1);

    connect(neu, &QPushButton::clicked, this, [this] { Aktion([this] { logik_->SummenNeu(); }); });
    connect(pruefen, &QPushButton::clicked, this, [this] { Pruefen(PruefKnopf::LehrerSonstiges); });
    const std::pair<CodeFeldWidget*, std::pair<CodeFeld LehrerSeite::*, const KomboListe*>> felder[] = {
        {taetigkeit_, {&LehrerSeite::taetigkeit, &Liste(kombos, &LehrerSeite::taetigkeit)}},
        {zugang_, {&LehrerSeite::zugang, &Liste(kombos, &LehrerSeite::zugang)}},
        {abgang_, {&LehrerSeite::abgang, &Liste(kombos, &LehrerSeite::abgang)}}};
    for (const auto& [w, ziel] : felder)
        connect(w, &CodeFeldWidget::gewaehlt, this, [this, feld = ziel.first, liste = ziel.second](int i) {
            Aktion([&] { CodeFeldGewaehlt(logik_->Seite().*feld, *liste, i); });
        });
    return seite;
}

QWidget* LehrerSeitenWidget::UnterrichtseinheitenAufbauen() {
    static constexpr UEBlattTexte kTexte = {"seiteLehrerUE",
                                            "tabelleLehrerUE",
                                            "stundensumme",
                                            false,
                                            {{{"knopfUEHinzufuegen", "UnterrichtsEinheit(en) hinzufügen ..."},
                                              {"knopfUELoeschenLehrer", "UnterrichtsEinheit löschen"},
                                              {"knopfUEAktualisieren", "Ansicht aktualisieren"},
                                              {"knopfUELeereZeile", "leere Zeile hinzufügen"},
                                              {"knopfUEAlleLoeschen", "alle UnterrichtsEinheiten löschen"}}}};
    ueBlatt_ = new UEBlatt(kTexte, logik_->Seite().ue, logik_->UE(), [this](const auto& f) { Aktion(f); });
    auto* pruefen = ueBlatt_->KnopfAnfuegen("knopfPruefenLehrerUE", "diese Seite prüfen (PLAUSI)", true);
    connect(pruefen, &QPushButton::clicked, this, [this] { Pruefen(PruefKnopf::LehrerUE); });
    return ueBlatt_;
}

void LehrerSeitenWidget::SummenZeigen() {
    logik_->SummenNeu();
    const LehrerSeite& s = logik_->Seite();
    const std::pair<QLabel*, const Summenanzeige*> summen[] = {{anrechnungSumme_, &s.anrechnungSumme},
                                                               {regelungEffektiv_, &s.regelungEffektiv},
                                                               {kontoEffektiv_, &s.kontoEffektiv},
                                                               {einsatzSumme_, &s.einsatzSumme}};
    for (const auto& [label, summe] : summen) {
        label->setText(Q(summe->text));
        QPalette p = label->palette();
        p.setColor(QPalette::WindowText, QFarbe(summe->farbe));
        label->setPalette(p);
    }
    ueBlatt_->SummeZeigen(s.stundensumme);
}

void LehrerSeitenWidget::ModellInWidgets() {
    const LehrerSeite& s = logik_->Seite();
    kopf_->setText(Q(s.anzeigeName));
    TextSetzen(lehrernummer_, s.lehrernummer);
    TextSetzen(id_, s.id);
    TextSetzen(name_, s.name);
    TextSetzen(vorname_, s.vorname);
    TextSetzen(titel_, s.titel);
    Auswahlen(geschlecht_, s.geschlecht);
    geburtsdatum_->Anzeigen(s.geburtsdatum);
    staat_->Anzeigen(s.staat);
    beschaeftigung_->Anzeigen(s.beschaeftigung);
    TextSetzen(regelstunden_, s.regelstunden);
    TextSetzen(vertragsstunden_, s.vertragsstunden);
    TextSetzen(vertretung_, s.vertretung);
    taetigkeit_->Anzeigen(s.taetigkeit);
    TextSetzen(klassenleiter_, s.klassenleiter);
    Auswahlen(schulleiter_, s.schulleiter);
    zugang_->Anzeigen(s.zugang);
    zugangDatum_->Anzeigen(s.zugangDatum);
    abgang_->Anzeigen(s.abgang);
    abgangDatum_->Anzeigen(s.abgangDatum);
    for (RasterAnsicht* t : tabellen_) t->Anzeigen();
    ueBlatt_->Tabelle()->Anzeigen();
    ueBlatt_->Tabelle()->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    SummenZeigen();
}

void LehrerSeitenWidget::WidgetsInModell() {
    LehrerSeite& s = logik_->Seite();
    s.lehrernummer = S(lehrernummer_->text());
    s.name = S(name_->text());
    s.vorname = S(vorname_->text());
    s.titel = S(titel_->text());
    s.geschlecht = std::max(0, geschlecht_->checkedId());
    geburtsdatum_->Uebernehmen(s.geburtsdatum);
    staat_->Uebernehmen(s.staat);
    beschaeftigung_->Uebernehmen(s.beschaeftigung);
    s.regelstunden = S(regelstunden_->text());
    s.vertragsstunden = S(vertragsstunden_->text());
    s.vertretung = S(vertretung_->text());
    taetigkeit_->Uebernehmen(s.taetigkeit);
    s.klassenleiter = S(klassenleiter_->text());
    s.schulleiter = std::max(0, schulleiter_->checkedId());
    zugang_->Uebernehmen(s.zugang);
    zugangDatum_->Uebernehmen(s.zugangDatum);
    abgang_->Uebernehmen(s.abgang);
    abgangDatum_->Uebernehmen(s.abgangDatum);
}

void LehrerSeitenWidget::Aktion(const std::function<void()>& f) {
    WidgetsInModell();
    f();
    ModellInWidgets();
}

void LehrerSeitenWidget::Zeigen() {
    logik_->Zeigen();
    ModellInWidgets();
}

void LehrerSeitenWidget::Uebernehmen() {
    WidgetsInModell();
    logik_->Uebernehmen();
    // A refused date shows the stored one again, a taken one its stored form.
    geburtsdatum_->Anzeigen(logik_->Seite().geburtsdatum);
    zugangDatum_->Anzeigen(logik_->Seite().zugangDatum);
    abgangDatum_->Anzeigen(logik_->Seite().abgangDatum);
}

void LehrerSeitenWidget::NeuerLehrer() {
    tabs_->setCurrentIndex(0);
    name_->setFocus();
}

void LehrerSeitenWidget::GrossePlausi() {
    Aktion([this] { logik_->GrossePlausi(); });
}

void LehrerSeitenWidget::Pruefen(PruefKnopf knopf) {
    Aktion([&] { logik_->Pruefen(knopf); });
}

std::optional<std::vector<std::string>> LehrerSeitenWidget::UEAuswaehlen() {
    return auswahl_->Auswaehlen(st_.UEBeschreibungen());
}

void LehrerSeitenWidget::Ergebnisfenster() {
    if (ergebnisfensterZeigen) ergebnisfensterZeigen();
}

void LehrerSeitenWidget::Gruppenfenster() {
    if (gruppenfensterZeigen) gruppenfensterZeigen();
}

} // namespace zev::qt
