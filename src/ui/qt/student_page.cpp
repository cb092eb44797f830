#include "ui/qt/student_page.h"

#include "control/lifecycle.h"
#include "pages/date_mask.h"
#include "ui/qt/code_widgets.h"
#include "ui/qt/ue_chooser_dialog.h"
#include "ui/qt/ue_sheet.h"

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
        if (i != kSchuelerFremdsprachenSeite) return;
        for (const CodeBindung& b : codes_)
            if (b.feld == &SchuelerSeite::vorherigeSchule) b.w->setFocus();
    });
    ModellInWidgets();
    TabFolgeNachLage(this);
}

// --- controls bound to fields ------------------------------------------------------------------

// The controls of the rows placed in box `kasten`, in the order of the rows. Box
// lengths and combo lists come from the bound field's row.
void SchuelerSeitenWidget::Felder(QFormLayout* form, int kasten) {
    const SchuelerListen& l = logik_->Listen();
    for (const Bindung<SchuelerSeite>& b : kSchuelerFelder) {
        const Platz& p = b.platz;
        if (p.kasten != kasten) continue;
        const felder::Feld& f = *b.feld;
        const char* beschriftung = p.beschriftung.data();
        QWidget* w = nullptr;
        if (b.code) {
            const KomboListe& liste = logik_->Kombos()(f.katalog);
            auto* c = new CodeFeldWidget(liste, Schluesselbreite(f.breite));
            c->Schluessel()->setMaxLength(f.breite);
            c->Kombo()->setMinimumContentsLength(24); // personal data and address side by side on a 1280-pixel screen
            codes_.push_back({c, b.code});
            connect(c, &CodeFeldWidget::gewaehlt, this, [this, feld = b.code, l = &liste](int i) {
                Aktion([&] { CodeFeldGewaehlt(logik_->Seite().*feld, *l, i); });
            });
            w = c;
        } else if (b.datum) {
            auto* d = new DatumsFeld(kMaskeGeburtsdatum);
            BeimVerlassen(d, this, logik_->Seite().*b.datum, [this](DatumsKasten& k) { logik_->DatumVerlassen(k); });
            daten_.push_back({d, b.datum});
            w = d;
        } else if (b.wahl) {
            QButtonGroup* g = nullptr;
            w = Wahlgruppe(nullptr, g, p.name.data(), {"???", "männlich", "weiblich"});
            wahlen_.push_back({g, b.wahl});
        } else if (p.werte == Platz::Werte::Keine) {
            auto* e = Textfeld(nullptr, p.name.data(), f.breite, p.pixel);
            texte_.push_back({e, b.text});
            w = e;
        } else {
            // A value combo offers its field's catalogue, or a fixed list of the page.
            const std::vector<std::string>& werte = p.werte == Platz::Werte::Fest1 ? l.jaNein
                                                    : p.werte == Platz::Werte::Fest2
                                                        ? l.wochenstunden
                                                        : logik_->Kombos()(f.katalog).texte;
            auto* k = new QComboBox();
            k->setEditable(true);
            k->setInsertPolicy(QComboBox::NoInsert);
            for (const std::string& t : werte) k->addItem(Q(t));
            k->lineEdit()->setMaxLength(f.breite);
            k->setMinimumContentsLength(6);
            werte_.push_back({k, b.text});
            w = k;
        }
        if (!p.name.empty()) w->setObjectName(QString::fromUtf8(p.name.data(), static_cast<int>(p.name.size())));
        if (!p.zugang.empty()) w->setAccessibleName(Q(p.zugang));
        FormZeile(form, beschriftung, w);
    }
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
    Felder(form, kKastenPerson);
    // The internal number below the Schülernummer, shown only.
    id_ = Textfeld(nullptr, "schuelerId", 12, 120);
    id_->setReadOnly(true);
    auto* idLabel = new QLabel("interne ID-Nummer");
    idLabel->setBuddy(id_);
    id_->setAccessibleName("interne ID-Nummer");
    form->insertRow(1, idLabel, id_);
    zeile->addWidget(person);

    auto* anschrift = new QGroupBox("Anschrift", seite);
    auto* a = Formular(anschrift);
    Felder(a, kKastenAnschrift);
    Ort(a, "Ort auswählen (PLZ)", "anschriftOrt", &SchuelerSeite::anschriftOrt, l.gemeinden,
        &SchuelerSeitenLogik::AnschriftOrtGewaehlt);
    Ort(a, "in anderem Land", "anschriftLand", &SchuelerSeite::anschriftLand, l.staat,
        &SchuelerSeitenLogik::AnschriftLandGewaehlt);
    Ort(a, "in anderem Bundesland", "anschriftBundesland", &SchuelerSeite::anschriftBundesland, l.bundeslaender,
        &SchuelerSeitenLogik::AnschriftBundeslandGewaehlt);
    zeile->addWidget(anschrift, 0, Qt::AlignTop);
    zeile->addStretch(1);
    layout->addLayout(zeile);

    const auto knoepfe = KnopfReihe(seite, layout,
                                    {{"knopfDiesenSchueler", "diesen Schüler prüfen"},
                                     {"knopfAlleSchueler", "alle Schüler prüfen (grosse PLAUSI)"}});
    QPushButton *pruefen = knoepfe[0], *alle = knoepfe[1];
    layout->addStretch(1);
    connect(pruefen, &QPushButton::clicked, this, [this] { Aktion([this] { logik_->Pruefen(); }); });
    connect(alle, &QPushButton::clicked, this, [this] { Aktion([this] { logik_->GrossePlausi(); }); });
    return seite;
}

QWidget* SchuelerSeitenWidget::JahrgangsdatenAufbauen() {
    auto* seite = new QWidget();
    seite->setObjectName("seiteJahrgangsdaten");
    auto* layout = new QVBoxLayout(seite);
    auto* gruppe = new QGroupBox("Jahrgangsdaten", seite);
    auto* form = Formular(gruppe);
    Felder(form, kKastenJahrgang);
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
    Felder(v, kKastenVorher);
    layout->addWidget(vorher, 0, Qt::AlignLeft);

    auto* foerder = new QGroupBox("Förderbedarf", seite);
    auto* f = Formular(foerder);
    Felder(f, kKastenFoerder);
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
    static constexpr UEBlattTexte kTexte = {"seiteSchuelerUE",
                                            "tabelleSchuelerUE",
                                            "schuelerStundensumme",
                                            true,
                                            {{{"knopfSchuelerUEHinzufuegen", "UnterrichtsEinheit(en) hinzufügen"},
                                              {"knopfSchuelerUELoeschen", "UnterrichtEinheit löschen"},
                                              {"knopfSchuelerUEAktualisieren", "Ansicht aktualisieren"},
                                              {"knopfSchuelerUELeereZeile", "leere Zeile hinzufügen"},
                                              {"knopfSchuelerUEAlleLoeschen", "alle UnterrichtsEinheiten löschen"}}}};
    ueBlatt_ = new UEBlatt(kTexte, logik_->Seite().ue, logik_->UE(), [this](const auto& f) { Aktion(f); });
    auto* gruppe = ueBlatt_->KnopfAnfuegen("knopfUEGruppe", "UE-Gruppe hinzufügen");
    connect(gruppe, &QPushButton::clicked, this,
            [this] { ueBlatt_->Ausfuehren([this] { logik_->UEGruppeHinzufuegen(); }); });
    return ueBlatt_;
}

QWidget* SchuelerSeitenWidget::AbschlussAufbauen() {
    const SchuelerListen& l = logik_->Listen();
    auto* seite = new QWidget();
    seite->setObjectName("seiteAbschluss");
    auto* layout = new QVBoxLayout(seite);
    auto* abschluss = new QGroupBox("Abschluss", seite);
    auto* a = Formular(abschluss);
    Felder(a, kKastenAbschluss);
    layout->addWidget(abschluss, 0, Qt::AlignLeft);

    auto* ausbildung = new QGroupBox("Ausbildung", seite);
    auto* b = Formular(ausbildung);
    Felder(b, kKastenAusbildung);
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
    for (const WahlBindung& b : wahlen_) Auswahlen(b.w, s.*b.feld);
    for (const DatumBindung& b : daten_) b.w->Anzeigen(s.*b.feld);
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
    ueBlatt_->Anzeigen(s.stundensumme);
}

void SchuelerSeitenWidget::WidgetsInModell() {
    SchuelerSeite& s = logik_->Seite();
    for (const TextBindung& b : texte_) s.*b.feld = S(b.w->text());
    for (const WahlBindung& b : wahlen_) s.*b.feld = std::max(0, b.w->checkedId());
    for (const DatumBindung& b : daten_) b.w->Uebernehmen(s.*b.feld);
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
    // A refused date shows the stored one again; the head follows the name and class.
    for (const DatumBindung& b : daten_) b.w->Anzeigen(logik_->Seite().*b.feld);
    TextSetzen(kopfName_, logik_->Seite().anzeigeName);
    TextSetzen(kopfKlasse_, logik_->Seite().anzeigeKlasse);
}

void SchuelerSeitenWidget::NeuerSchueler() {
    tabs_->setCurrentIndex(0);
    for (const TextBindung& b : texte_)
        if (b.feld == &SchuelerSeite::name) b.w->setFocus();
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
