#include "ui/qt/settings_dialog.h"
#include "ui/qt/code_widgets.h"

#include "storage/settings_file.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QShowEvent>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeView>
#include <QVBoxLayout>

namespace zev::qt {

namespace {

// An exclusive group cannot be emptied by unchecking its button, so it is made
// non-exclusive for that moment; a stored index without an item shows no choice.
void Waehlen(QButtonGroup* gruppe, int index) {
    if (QAbstractButton* knopf = gruppe->button(index)) {
        knopf->setChecked(true);
        return;
    }
    gruppe->setExclusive(false);
    for (QAbstractButton* knopf : gruppe->buttons()) knopf->setChecked(false);
    gruppe->setExclusive(true);
}

// Only a chosen item replaces the value: no choice keeps what was stored.
void Uebernehmen(int& wert, int gewaehlt) {
    if (gewaehlt >= 0) wert = gewaehlt;
}

QCheckBox* Haken(const QString& text, const QString& name) {
    auto* box = new QCheckBox(text);
    box->setObjectName(name);
    return box;
}

QComboBox* Schwelle(const QString& name) {
    auto* combo = new QComboBox;
    combo->setObjectName(name);
    combo->addItems({"jede Warnung", "schwerwiegende Warnungen", "nur Fehler"});
    return combo;
}

// The form's paths end in a separator; the file system model wants the folder itself.
QString Ordnername(const std::string& pfad) {
    QString s = Q(pfad);
    while (s.size() > 1 && (s.endsWith('/') || s.endsWith('\\'))) s.chop(1);
    return s;
}

} // namespace

NeuerOrdnerDialog::NeuerOrdnerDialog(const QString& aktuellerOrdner, QWidget* parent) : QDialog(parent) {
    setWindowTitle("Neuen Ordner erstellen");
    setObjectName("neuerOrdnerDialog");

    aktuell_ = new QLineEdit(aktuellerOrdner);
    aktuell_->setObjectName("aktuellerOrdner");
    aktuell_->setReadOnly(true);
    aktuell_->setMinimumWidth(420);
    name_ = new QLineEdit;
    name_->setObjectName("neuerUnterordner");

    auto* erstellen = new QPushButton("Ordner erstellen");
    erstellen->setObjectName("ordnerErstellen");
    erstellen->setDefault(true);
    auto* abbrechen = new QPushButton("abbrechen");
    abbrechen->setObjectName("ordnerAbbrechen");
    abbrechen->setAutoDefault(false);
    connect(erstellen, &QPushButton::clicked, this, &QDialog::accept);
    connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);

    auto* felder = new QFormLayout;
    felder->addRow("aktueller Ordner", aktuell_);
    felder->addRow("neuer Unterordner", name_);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(erstellen);
    knoepfe->addWidget(abbrechen);
    auto* haupt = new QVBoxLayout(this);
    haupt->addLayout(felder);
    haupt->addLayout(knoepfe);
    name_->setFocus();
    TabFolgeNachLage(this);
}

QString NeuerOrdnerDialog::Name() const {
    return name_->text();
}

EinstellungsDialog::EinstellungsDialog(TEinstellungen& record, std::string programmOrdner, Meldungen& m,
                                       QWidget* parent)
    : QDialog(parent), e_(record), m_(m), f_(FormularAnlegen(std::move(programmOrdner))) {
    setWindowTitle("Einstellungen zum ZEV-Manager");
    setObjectName("einstellungsDialog");

    // One model for the three folder choosers. It fills itself in the
    // background; looking a path up creates its nodes at once, so nothing here
    // waits for it.
    ordnerModell_ = new QFileSystemModel(this);
    ordnerModell_->setFilter(QDir::Dirs | QDir::Drives | QDir::NoDotAndDotDot);
    ordnerModell_->setOption(QFileSystemModel::DontUseCustomDirectoryIcons);
    ordnerModell_->setReadOnly(true);
    ordnerModell_->setRootPath(QDir::rootPath());
    // Rows read and sorted later move a chosen folder; the trees follow it until the
    // person scrolls, expands or chooses there.
    nachziehen_.setSingleShot(true);
    connect(&nachziehen_, &QTimer::timeout, this, [this] {
        for (auto& [baum, ziel] : ziele_) ZielZeigen(baum);
    });
    const auto spaeter = [this] { nachziehen_.start(0); };
    connect(ordnerModell_, &QFileSystemModel::directoryLoaded, this, spaeter);
    connect(ordnerModell_, &QAbstractItemModel::layoutChanged, this, spaeter);
    connect(ordnerModell_, &QAbstractItemModel::rowsInserted, this, spaeter);

    tabs_ = new QTabWidget;
    tabs_->setObjectName("einstellungenTabs");
    tabs_->addTab(ElementarSeite(), " elementare Einstellungen ");
    tabs_->addTab(ExportSeite(), " XML-Export ");
    tabs_->addTab(ImportSeite(), " XML-Import ");
    tabs_->addTab(BearbeitungSeite(), " Bearbeitung und Tests ");

    auto* standard = new QPushButton("Standard wiederherstellen");
    standard->setObjectName("standardWiederherstellen");
    standard->setAutoDefault(false);
    auto* ok = new QPushButton("OK");
    ok->setObjectName("ok");
    ok->setDefault(true);
    auto* abbrechen = new QPushButton("Abbrechen");
    abbrechen->setObjectName("abbrechen");
    abbrechen->setAutoDefault(false);
    connect(standard, &QPushButton::clicked, this, &EinstellungsDialog::Standard);
    connect(ok, &QPushButton::clicked, this, &EinstellungsDialog::Ok);
    connect(abbrechen, &QPushButton::clicked, this, &EinstellungsDialog::reject);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(standard);
    knoepfe->addStretch();
    knoepfe->addWidget(ok);
    knoepfe->addWidget(abbrechen);
    auto* haupt = new QVBoxLayout(this);
    haupt->addWidget(tabs_);
    haupt->addLayout(knoepfe);
    TabFolgeNachLage(this);
}

QTreeView* EinstellungsDialog::OrdnerBaum(const QString& name) {
    auto* baum = new QTreeView;
    baum->setObjectName(name);
    baum->setModel(ordnerModell_);
    for (int spalte = 1; spalte < ordnerModell_->columnCount(); ++spalte) baum->hideColumn(spalte);
    baum->setHeaderHidden(true);
    baum->setMinimumSize(260, 180);
    const auto selbst = [this, baum] {
        if (!anzeigen_) ziele_.erase(baum);
    };
    connect(baum->verticalScrollBar(), &QAbstractSlider::actionTriggered, this, selbst);
    connect(baum, &QTreeView::expanded, this, selbst);
    connect(baum, &QTreeView::collapsed, this, selbst);
    return baum;
}

QButtonGroup* EinstellungsDialog::Auswahl(QWidget* rahmen, const QString& name,
                                          std::initializer_list<const char*> texte) {
    auto* gruppe = new QButtonGroup(rahmen);
    auto* spalte = new QVBoxLayout(rahmen);
    int i = 0;
    for (const char* text : texte) {
        auto* knopf = new QRadioButton(QString::fromUtf8(text));
        knopf->setObjectName(name + "_" + QString::number(i));
        gruppe->addButton(knopf, i++);
        spalte->addWidget(knopf);
    }
    return gruppe;
}

QWidget* EinstellungsDialog::ElementarSeite() {
    auto* seite = new QWidget;

    schulnummer_ = new QLineEdit;
    schulnummer_->setObjectName("schulnummer");
    schulnummer_->setMaxLength(10);
    berichtsjahr_ = new QComboBox;
    berichtsjahr_->setObjectName("berichtsjahr");
    berichtsjahr_->setEditable(true);
    berichtsjahr_->setInsertPolicy(QComboBox::NoInsert);
    for (const char* jahr : kBerichtsjahre) berichtsjahr_->addItem(jahr);
    berichtsjahr_->lineEdit()->setMaxLength(10);
    auto* felder = new QFormLayout;
    felder->addRow("Schulnummer", schulnummer_);
    felder->addRow("Berichtsjahr", berichtsjahr_);

    auto* schule = new QGroupBox("Einstellungen zur Schule");
    freierTraeger_ = Haken("Schule in freier Trägerschaft", "freierTraeger");
    weiterfuehrend_ = Haken("weiterführende (spätbeginnende) Schule (z.B. BS, FG, ...)", "weiterfuehrendeSchule");
    auto* schulSpalte = new QVBoxLayout(schule);
    schulSpalte->addWidget(freierTraeger_);
    schulSpalte->addWidget(weiterfuehrend_);

    auto* quelle = new QGroupBox("primärer Dateizugriff / Datenquellen");
    datenquelle_ = Auswahl(quelle, "datenquelle",
                           {"externe *.XML-Dateien", "interne *.ZEV-Dateien", "direkter Datenbank-Zugriff"});
    auto* zugriff = new QGroupBox("Dateizugriff");
    dateizugriff_ = Auswahl(zugriff, "dateizugriff", {"nur LESEN", "LESEN und SCHREIBEN"});
    startSicherung_ = Haken("beim Start automatisch alle Daten sicherheitskopieren", "startSicherung");

    auto* links = new QVBoxLayout;
    links->addLayout(felder);
    links->addWidget(schule);
    links->addWidget(quelle);
    links->addWidget(zugriff);
    links->addWidget(startSicherung_);
    links->addStretch();

    auto* daten = new QGroupBox("Daten-Ordner (ZEV-Dateien)");
    datenBaum_ = OrdnerBaum("datenOrdnerBaum");
    datenPfad_ = new QLineEdit;
    datenPfad_->setObjectName("datenPfad");
    datenPfad_->setReadOnly(true);
    auto* neu = new QPushButton("neuer Ordner ...");
    neu->setObjectName("datenNeuerOrdner");
    neu->setAutoDefault(false);
    auto* pfadZeile = new QFormLayout;
    pfadZeile->addRow("Pfad", datenPfad_);
    auto* datenSpalte = new QVBoxLayout(daten);
    datenSpalte->addWidget(datenBaum_, 1);
    datenSpalte->addLayout(pfadZeile);
    datenSpalte->addWidget(neu, 0, Qt::AlignRight);
    connect(datenBaum_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& index) { OrdnerGewaehlt(OrdnerWahl::Daten, index); });
    connect(neu, &QPushButton::clicked, this, [this] { NeuerOrdner(OrdnerWahl::Daten); });

    auto* zeile = new QHBoxLayout(seite);
    zeile->addLayout(links);
    zeile->addWidget(daten, 1);
    return seite;
}

QWidget* EinstellungsDialog::ExportSeite() {
    auto* seite = new QWidget;

    auto* ordner = new QGroupBox("Export-Ordner");
    exportBaum_ = OrdnerBaum("exportOrdnerBaum");
    exportPfad_ = new QLineEdit;
    exportPfad_->setObjectName("exportPfad");
    exportPfad_->setReadOnly(true);
    auto* neu = new QPushButton("neuer Ordner ...");
    neu->setObjectName("exportNeuerOrdner");
    neu->setAutoDefault(false);
    auto* pfadZeile = new QFormLayout;
    pfadZeile->addRow("Pfad", exportPfad_);
    auto* ordnerSpalte = new QVBoxLayout(ordner);
    ordnerSpalte->addWidget(exportBaum_, 1);
    ordnerSpalte->addLayout(pfadZeile);
    ordnerSpalte->addWidget(neu, 0, Qt::AlignRight);
    connect(exportBaum_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& index) { OrdnerGewaehlt(OrdnerWahl::Export, index); });
    connect(neu, &QPushButton::clicked, this, [this] { NeuerOrdner(OrdnerWahl::Export); });

    auto* namen = new QGroupBox("Dateinamen");
    auto* felder = new QFormLayout(namen);
    const char* titel[4] = {"Schul-Daten", "Lehrer-Daten", "Klassen-Daten", "Schüler-Daten"};
    const char* namenFelder[4] = {"xmlDateiSchule", "xmlDateiLehrer", "xmlDateiKlassen", "xmlDateiSchueler"};
    for (int i = 0; i < 4; ++i) {
        xmlDatei_[i] = new QLineEdit;
        xmlDatei_[i]->setObjectName(namenFelder[i]);
        felder->addRow(QString::fromUtf8(titel[i]), xmlDatei_[i]);
    }

    auto* layout = new QGroupBox("XML-Datei");
    xmlLayout_ =
        Auswahl(layout, "xmlLayout",
                {"voll expandiert", "Zeilenumbruch nach Element", "ohne Zeilenumbruch und Einrückungen", "Reserve"});
    // The character set of the output is fixed; the setting is only carried.
    ansi_ = Haken("Ausgabe im ANSI-Zeichensatz", "ansiAusgabe");
    ansi_->setVisible(false);

    auto* rechts = new QVBoxLayout;
    rechts->addWidget(namen);
    rechts->addWidget(layout);
    rechts->addWidget(ansi_);
    rechts->addStretch();
    auto* zeile = new QHBoxLayout(seite);
    zeile->addWidget(ordner, 1);
    zeile->addLayout(rechts);
    return seite;
}

QWidget* EinstellungsDialog::ImportSeite() {
    auto* seite = new QWidget;

    importBereiche_ = new QTabBar;
    importBereiche_->setObjectName("importBereiche");
    for (const char* bereich : {"   Schule   ", "   Lehrer   ", "   Klassen   ", "   Schüler   "})
        importBereiche_->addTab(QString::fromUtf8(bereich));
    importBereiche_->setExpanding(false);
    importReihenfolge_ = new QSpinBox;
    importReihenfolge_->setObjectName("importReihenfolge");
    importReihenfolge_->setRange(1, 3);
    importDatei_ = new QLineEdit;
    importDatei_->setObjectName("importDatei");
    auto* kopf = new QHBoxLayout;
    kopf->addWidget(new QLabel("Reihenfolge"));
    kopf->addWidget(importReihenfolge_);
    kopf->addSpacing(12);
    kopf->addWidget(new QLabel("Datei:"));
    kopf->addWidget(importDatei_, 1);

    importBaum_ = OrdnerBaum("importOrdnerBaum");
    importListe_ = new QListWidget;
    importListe_->setObjectName("importDateiliste");
    importListe_->setMinimumSize(200, 180);
    auto* waehler = new QHBoxLayout;
    waehler->addWidget(importBaum_, 3);
    waehler->addWidget(importListe_, 2);

    auto* saetze = new QGroupBox("Datensätze");
    importDatensaetze_ = Auswahl(saetze, "importDatensaetze", {"überschreiben", "anhängen"});
    auto* einzeln = new QGroupBox("Daten (Einzeldatenfelder)");
    importEinzelfelder_ = Auswahl(einzeln, "importEinzelfelder",
                                  {"alle überschreiben", "neuere (lt. Reihenf.) übernehmen", "nur fehlende ergänzen"});
    auto* modi = new QHBoxLayout;
    modi->addWidget(saetze);
    modi->addWidget(einzeln);
    modi->addStretch();

    auto* spalte = new QVBoxLayout(seite);
    spalte->addWidget(importBereiche_);
    spalte->addLayout(kopf);
    spalte->addLayout(waehler, 1);
    spalte->addLayout(modi);

    connect(importBereiche_, &QTabBar::currentChanged, this,
            [this](int tab) { ImportWechseln(tab + 1, f_.ImportReihenfolge); });
    connect(importReihenfolge_, &QSpinBox::valueChanged, this,
            [this](int reihenfolge) { ImportWechseln(f_.ImportBereich, reihenfolge); });
    connect(importBaum_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &EinstellungsDialog::ImportOrdnerGewaehlt);
    connect(importListe_, &QListWidget::currentRowChanged, this, &EinstellungsDialog::ImportDateiGewaehlt);
    // Clicking the file already chosen puts it back after "Datei:" was edited.
    connect(importListe_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { ImportDateiGewaehlt(importListe_->row(item)); });
    return seite;
}

QWidget* EinstellungsDialog::BearbeitungSeite() {
    auto* seite = new QWidget;

    zwischenablage_ = Haken("über Inhalt der Zwischenablagen (Lehrer, Schüler) informieren", "zwischenablageInfo");
    ueLoeschen_ = Haken("UnterrichtsEinheiten bei Schülern / Lehrern ohne Nachfrage löschen", "ueLoeschenOhneFrage");
    vorgaenger_ = Haken("bei neuen Schülern den Vorgänger als Vorlage nutzen", "vorgaengerAlsVorlage");
    auto* ue = new QGroupBox("Info-Reihenfolge bei UE's");
    ueInfo_ = Auswahl(ue, "ueInfoReihenfolge",
                      {"ZEV-Struktur (Schulart, Jahrg., Fach, Klasse, ...)",
                       "schul-logisch (Fach, Klasse, Lehrer, Stunden, ...)", "Reserve", "Reserve"});
    auto* links = new QVBoxLayout;
    links->addWidget(zwischenablage_);
    links->addWidget(ueLoeschen_);
    links->addWidget(vorgaenger_);
    links->addWidget(ue);
    links->addStretch();

    auto* alarm = new QGroupBox("Alarm-Schwellenwerte");
    auto* felder = new QFormLayout(alarm);
    const char* titel[4] = {"Schul-Daten-Tests", "Lehrer-Daten-Tests", "Klassen-Daten-Tests", "Schüler-Daten-Tests"};
    const char* namen[4] = {"schwelleSchule", "schwelleLehrer", "schwelleKlassen", "schwelleSchueler"};
    for (int i = 0; i < 4; ++i) {
        schwelle_[i] = Schwelle(namen[i]);
        felder->addRow(QString::fromUtf8(titel[i]), schwelle_[i]);
    }
    alleTests_ = Haken("immer alle Tests anzeigen", "alleTestsZeigen");
    auto* rechts = new QVBoxLayout;
    rechts->addWidget(alarm);
    rechts->addWidget(alleTests_);
    rechts->addStretch();

    auto* zeile = new QHBoxLayout(seite);
    zeile->addLayout(links);
    zeile->addLayout(rechts);
    return seite;
}

void EinstellungsDialog::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        FormularAnzeigen(f_, e_);
        gezeigt_ = true;
        tabs_->setCurrentIndex(0);
        Anzeigen();
    }
    QDialog::showEvent(event);
}

void EinstellungsDialog::OrdnerZeigen(QTreeView* baum, const std::string& ordner) {
    ziele_[baum] = ordner.empty() ? QString() : Ordnername(ordner);
    ZielZeigen(baum);
}

void EinstellungsDialog::ZielZeigen(QTreeView* baum) {
    const QString ziel = ziele_[baum];
    const QModelIndex index = ziel.isEmpty() ? QModelIndex() : ordnerModell_->index(ziel);
    const QScopedValueRollback sperre(anzeigen_, true);
    if (!index.isValid()) {
        baum->setCurrentIndex(index);
        return;
    }
    for (QModelIndex p = index.parent(); p.isValid(); p = p.parent()) baum->expand(p);
    baum->expand(index);
    baum->setCurrentIndex(index);
    baum->scrollTo(index, QAbstractItemView::PositionAtCenter);
}

void EinstellungsDialog::Anzeigen() {
    anzeigen_ = true;
    schulnummer_->setText(Q(f_.Schulnummer));
    berichtsjahr_->setCurrentIndex(berichtsjahr_->findText(Q(f_.Berichtsjahr)));
    berichtsjahr_->setEditText(Q(f_.Berichtsjahr));
    OrdnerZeigen(datenBaum_, f_.DatenPfad);
    datenPfad_->setText(Q(f_.DatenPfad));
    Waehlen(datenquelle_, f_.Datenquelle);
    Waehlen(dateizugriff_, f_.Dateizugriff);
    freierTraeger_->setChecked(f_.FreierTraeger);
    weiterfuehrend_->setChecked(f_.WeiterfuehrendeSchule);
    startSicherung_->setChecked(f_.StartSicherung);

    OrdnerZeigen(exportBaum_, f_.ExportPfad);
    exportPfad_->setText(Q(f_.ExportPfad));
    for (int i = 0; i < 4; ++i) xmlDatei_[i]->setText(Q(f_.XMLDateien[i]));
    Waehlen(xmlLayout_, f_.XMLLayout);
    ansi_->setChecked(f_.AnsiAusgabe);

    zwischenablage_->setChecked(f_.ZwischenablageInfo);
    ueLoeschen_->setChecked(f_.UELoeschenOhneFrage);
    vorgaenger_->setChecked(f_.VorgaengerAlsVorlage);
    alleTests_->setChecked(f_.AlleTestsZeigen);
    const int schwellen[4] = {f_.SchwelleSchule, f_.SchwelleLehrer, f_.SchwelleKlassen, f_.SchwelleSchueler};
    for (int i = 0; i < 4; ++i) schwelle_[i]->setCurrentIndex(schwellen[i] < schwelle_[i]->count() ? schwellen[i] : -1);
    Waehlen(ueInfo_, f_.UEInfoReihenfolge);
    anzeigen_ = false;

    ImportAnzeigen();
}

void EinstellungsDialog::ImportAnzeigen() {
    anzeigen_ = true;
    importBereiche_->setCurrentIndex(f_.ImportBereich - 1);
    importReihenfolge_->setValue(f_.ImportReihenfolge);
    OrdnerZeigen(importBaum_, f_.ImportOrdner);
    importListe_->clear();
    for (const std::string& name : f_.ImportDateien) importListe_->addItem(Q(name));
    importListe_->setCurrentRow(f_.ImportDateiIndex);
    importDatei_->setText(Q(f_.ImportDatei));
    Waehlen(importDatensaetze_, f_.ImportDatensaetze);
    Waehlen(importEinzelfelder_, f_.ImportEinzelfelder);
    anzeigen_ = false;
}

void EinstellungsDialog::Einsammeln() {
    f_.Schulnummer = S(schulnummer_->text());
    f_.Berichtsjahr = S(berichtsjahr_->currentText());
    Uebernehmen(f_.Datenquelle, datenquelle_->checkedId());
    Uebernehmen(f_.Dateizugriff, dateizugriff_->checkedId());
    f_.FreierTraeger = freierTraeger_->isChecked();
    f_.WeiterfuehrendeSchule = weiterfuehrend_->isChecked();
    f_.StartSicherung = startSicherung_->isChecked();

    for (int i = 0; i < 4; ++i) f_.XMLDateien[i] = S(xmlDatei_[i]->text());
    Uebernehmen(f_.XMLLayout, xmlLayout_->checkedId());
    f_.AnsiAusgabe = ansi_->isChecked();

    f_.ZwischenablageInfo = zwischenablage_->isChecked();
    f_.UELoeschenOhneFrage = ueLoeschen_->isChecked();
    f_.VorgaengerAlsVorlage = vorgaenger_->isChecked();
    f_.AlleTestsZeigen = alleTests_->isChecked();
    Uebernehmen(f_.SchwelleSchule, schwelle_[0]->currentIndex());
    Uebernehmen(f_.SchwelleLehrer, schwelle_[1]->currentIndex());
    Uebernehmen(f_.SchwelleKlassen, schwelle_[2]->currentIndex());
    Uebernehmen(f_.SchwelleSchueler, schwelle_[3]->currentIndex());
    Uebernehmen(f_.UEInfoReihenfolge, ueInfo_->checkedId());

    f_.ImportDatei = S(importDatei_->text());
    Uebernehmen(f_.ImportDatensaetze, importDatensaetze_->checkedId());
    Uebernehmen(f_.ImportEinzelfelder, importEinzelfelder_->checkedId());
}

void EinstellungsDialog::Ok() {
    Einsammeln();
    // A refused path or a failed write keeps the dialog open with what was entered.
    // The settings are locked from the check of their file to its write.
    io::Dateisperre sperre;
    if (!EinstellungenSperren(sperre, f_.ProgrammOrdner, "zev-manager", 5, m_)) return;
    const bool ok = FormularOk(f_, e_, m_);
    sperre.Freigeben();
    if (ok) {
        accept();
    } else if (f_.NeuGeladen) {
        f_.NeuGeladen = false;
        Anzeigen();
    }
}

void EinstellungsDialog::reject() {
    // Before the first showing there is no copy to go back to.
    if (gezeigt_) FormularAbbrechen(f_, e_);
    QDialog::reject();
}

void EinstellungsDialog::Standard() {
    Einsammeln();
    StandardWiederherstellen(f_, e_);
    Anzeigen();
}

void EinstellungsDialog::NeuerOrdner(OrdnerWahl w) {
    Einsammeln();
    NeuerOrdnerDialog dialog(Q(GewaehlterOrdner(f_, w)), this);
    if (dialog.exec() != QDialog::Accepted) return;
    if (!NeuenOrdnerErstellen(f_, w, S(dialog.Name()), m_)) return;
    anzeigen_ = true;
    const std::string& ordner = GewaehlterOrdner(f_, w);
    OrdnerZeigen(w == OrdnerWahl::Daten ? datenBaum_ : exportBaum_, ordner);
    (w == OrdnerWahl::Daten ? datenPfad_ : exportPfad_)->setText(Q(ordner));
    anzeigen_ = false;
}

void EinstellungsDialog::OrdnerGewaehlt(OrdnerWahl w, const QModelIndex& index) {
    if (anzeigen_ || !index.isValid()) return;
    ziele_.erase(w == OrdnerWahl::Daten ? datenBaum_ : exportBaum_); // the person's choice stays
    std::string& ordner = GewaehlterOrdner(f_, w);
    ordner = S(ordnerModell_->filePath(index));
    (w == OrdnerWahl::Daten ? datenPfad_ : exportPfad_)->setText(Q(ordner));
}

void EinstellungsDialog::ImportWechseln(int bereich, int reihenfolge) {
    if (anzeigen_) return;
    Einsammeln();
    ImportEintragWechseln(f_, e_, bereich, reihenfolge);
    ImportAnzeigen();
}

void EinstellungsDialog::ImportOrdnerGewaehlt(const QModelIndex& index) {
    if (anzeigen_ || !index.isValid()) return;
    ziele_.erase(importBaum_);
    Einsammeln();
    ImportOrdnerWaehlen(f_, S(ordnerModell_->filePath(index)));
    ImportAnzeigen();
}

void EinstellungsDialog::ImportDateiGewaehlt(int zeile) {
    if (anzeigen_ || zeile < 0) return;
    Einsammeln();
    ImportDateiWaehlen(f_, zeile);
    importDatei_->setText(Q(f_.ImportDatei));
}

} // namespace zev::qt
