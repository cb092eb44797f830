#include "ui/qt/school_year_dialog.h"

#include "catalog/catalogue_list.h"
#include "model/encoding.h"
#include "storage/year_archive.h"
#include "ui/qt/message_box.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

#include <set>

namespace zev::qt {

namespace {

QString T(std::string_view cp1252) {
    return QString::fromStdString(Cp1252ToUtf8(cp1252));
}

QString Jahrgang(std::string_view key) {
    return key.empty() ? QStringLiteral("(leer)") : T(key);
}

QTableWidgetItem* Zelle(const QString& text) {
    auto* z = new QTableWidgetItem(text);
    z->setFlags(z->flags() & ~Qt::ItemIsEditable);
    return z;
}

QPushButton* Knopf(const QString& text, const char* name) {
    auto* k = new QPushButton(text);
    k->setObjectName(name);
    k->setAccessibleName(text);
    return k;
}

QLabel* Beschriftung(const QString& text, QWidget* fuer) {
    auto* l = new QLabel(text);
    l->setBuddy(fuer);
    fuer->setAccessibleName(QString(text).remove('&').remove(':'));
    return l;
}

} // namespace

// --- students of a class -------------------------------------------------------------------

void SchuelerPlanModell::Zeilen(std::vector<std::size_t> indizes) {
    beginResetModel();
    zeilen_ = std::move(indizes);
    endResetModel();
}

void SchuelerPlanModell::Neu() {
    if (!zeilen_.empty()) emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

QVariant SchuelerPlanModell::data(const QModelIndex& i, int rolle) const {
    if (rolle != Qt::DisplayRole || !i.isValid() || static_cast<std::size_t>(i.row()) >= zeilen_.size()) return {};
    const std::size_t n = zeilen_[static_cast<std::size_t>(i.row())];
    const TSchuelerDS& s = d_.Schueler.DB[n];
    const SchuelerNeu neu = SchuelerNachPlan(p_, s, n);
    switch (i.column()) {
        case 0:
            return T(s.Schuelernummer.view());
        case 1:
            return T(s.Grunddaten.Name.view());
        case 2:
            return T(s.Grunddaten.Vorname.view());
        case 3:
            return Jahrgang(s.Jahrgangsdaten.Jahrgang.view());
        case 4:
            return neu.bleibt ? QString::fromStdString(std::string(EntscheidungsText(p_.schueler[n])))
                              : QStringLiteral("verlässt die Schule");
        case 5:
            return neu.bleibt ? Jahrgang(neu.jahrgang) : QString();
        default:
            return neu.bleibt ? T(neu.klasse) + (neu.klasseOhneNummer ? QStringLiteral(" (umbenennen)") : QString())
                              : QString();
    }
}

QVariant SchuelerPlanModell::headerData(int spalte, Qt::Orientation o, int rolle) const {
    if (o != Qt::Horizontal || rolle != Qt::DisplayRole) return QAbstractTableModel::headerData(spalte, o, rolle);
    static const char* const titel[] = {"Schülernummer", "Name",           "Vorname",    "Jahrgang",
                                        "Entscheidung",  "neuer Jahrgang", "neue Klasse"};
    return QString::fromUtf8(titel[spalte]);
}

// --- the assistant -------------------------------------------------------------------------

SchuljahrAssistent::SchuljahrAssistent(Steuerung& s, Meldungen& m, QWidget* eltern) : QWizard(eltern), s_(s), m_(m) {
    setObjectName("schuljahrAssistent");
    setWindowTitle("Schuljahreswechsel");
    setWizardStyle(QWizard::ClassicStyle);
    setOption(QWizard::NoBackButtonOnStartPage);
    setButtonText(QWizard::NextButton, "&Weiter >");
    setButtonText(QWizard::BackButton, "< &Zurück");
    setButtonText(QWizard::CancelButton, "Abbrechen");
    setButtonText(QWizard::FinishButton, "&Durchführen");
    button(QWizard::FinishButton)->setObjectName("knopfDurchfuehren");
    addPage(JahrgangsSeite());
    addPage(SchuelerSeite());
    addPage(UebersichtSeite());
    addPage(DurchfuehrenSeite());
    resize(900, 640);
}

bool SchuljahrAssistent::Vorbereiten() {
    if (!SchuljahrLaden(s_, m_)) return false;
    std::string fehler;
    plan_ = PlanAufstellen(s_.Daten(), s_.Katalogliste(), s_.Einstellungen(), fehler);
    if (!fehler.empty()) {
        m_.Fehler(fehler);
        return false;
    }
    const Datenbestand& d = s_.Daten();
    // The classes as the class area lists them, then names only students carry.
    klassenNamen_.clear();
    std::set<std::string> gesehen;
    for (const TKlasseDS& k : d.Klassen.DB) gesehen.insert(k.Klassenname.str());
    std::set<std::string> mitSchuelern;
    for (const TSchuelerDS& x : d.Schueler.DB) mitSchuelern.insert(x.Jahrgangsdaten.Klasse.str());
    for (const TKlasseDS& k : d.Klassen.DB)
        if (mitSchuelern.count(k.Klassenname.str())) klassenNamen_.push_back(k.Klassenname.str());
    for (const std::string& k : mitSchuelern)
        if (!gesehen.count(k)) klassenNamen_.push_back(k);
    klassen_->clear();
    for (const std::string& k : klassenNamen_) klassen_->addItem(k.empty() ? QStringLiteral("(ohne Klasse)") : T(k));

    const QSignalBlocker sperre(wiederholer_);
    wiederholer_->clear();
    for (const std::string& eintrag : s_.Katalogliste()(7)) {
        const std::string key = KeyOfEntry(eintrag);
        if (key.empty() || key == "00") continue;
        wiederholer_->addItem(T(eintrag), QString::fromStdString(key));
        if (key == plan_.wiederholerSchluessel) wiederholer_->setCurrentIndex(wiederholer_->count() - 1);
    }
    setWindowTitle(QString("Schuljahreswechsel: Berichtsjahr %1 → %2")
                       .arg(QString::fromStdString(plan_.berichtsjahr), QString::fromStdString(plan_.neuesJahr)));
    JahrgaengeZeigen();
    if (klassen_->count() > 0) klassen_->setCurrentRow(0);
    UebersichtZeigen();
    return true;
}

QWizardPage* SchuljahrAssistent::JahrgangsSeite() {
    auto* seite = new QWizardPage;
    seite->setTitle("1. Jahrgänge");
    seite->setSubTitle("Zu welchem Jahrgang die Schüler jedes Jahrgangs werden. Markierte Zeilen bitte prüfen.");
    auto* text = new QLabel("Zweistellige Jahrgänge rücken um eins auf, der höchste vorhandene Jahrgang verlässt die "
                            "Schule; andere Jahrgänge bleiben, ihre Schüler werden zum Entscheiden gelistet.");
    text->setWordWrap(true);
    jahrgaenge_ = new QTableWidget(0, 4);
    jahrgaenge_->setObjectName("tabelleJahrgaenge");
    jahrgaenge_->setAccessibleName("Jahrgänge");
    jahrgaenge_->setHorizontalHeaderLabels({"Jahrgang", "wird zu", "Schüler", "Hinweis"});
    jahrgaenge_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    jahrgaenge_->verticalHeader()->hide();
    auto* zurueck = Knopf("Archiviertes Schuljahr &zurückholen ...", "knopfZurueckholen");
    connect(zurueck, &QPushButton::clicked, this, [this] {
        QStringList jahre;
        for (const std::string& j : ArchivierteJahre(s_.Ordnerpfade().Daten)) jahre << QString::fromStdString(j);
        if (jahre.isEmpty()) {
            m_.Information("Es gibt noch kein archiviertes Schuljahr in:\r" + s_.Ordnerpfade().Daten +
                           kSchuljahreOrdner);
            return;
        }
        bool ok = false;
        const QString j = QInputDialog::getItem(this, "Schuljahr zurückholen", "Archiviertes Schuljahr:", jahre,
                                                static_cast<int>(jahre.size() - 1), false, &ok);
        if (ok) Zurueckholen(j.toStdString());
    });
    auto* l = new QVBoxLayout(seite);
    l->addWidget(text);
    l->addWidget(jahrgaenge_);
    l->addWidget(zurueck, 0, Qt::AlignLeft);
    return seite;
}

void SchuljahrAssistent::JahrgaengeZeigen() {
    const Katalog& k25 = s_.Katalogliste()(25);
    jahrgaenge_->setRowCount(static_cast<int>(plan_.jahrgaenge.size()));
    for (int r = 0; r < jahrgaenge_->rowCount(); ++r) {
        const JahrgangsZeile& z = plan_.jahrgaenge[static_cast<std::size_t>(r)];
        std::string anzeige = z.alt;
        CatalogueDisplayOfKey(k25, z.alt, anzeige);
        jahrgaenge_->setItem(r, 0, Zelle(z.alt.empty() ? QStringLiteral("(leer)") : T(anzeige)));
        auto* ziel = new QComboBox;
        ziel->setObjectName(QString("ziel%1").arg(r));
        ziel->setAccessibleName("wird zu (" + Jahrgang(z.alt) + ")");
        ziel->addItem("verlässt die Schule", QString());
        for (const std::string& eintrag : k25)
            if (const std::string key = KeyOfEntry(eintrag); !key.empty())
                ziel->addItem(T(eintrag), QString::fromStdString(key));
        if (!z.neu.empty() && ziel->findData(QString::fromStdString(z.neu)) < 0)
            ziel->addItem(T(z.neu), QString::fromStdString(z.neu));
        ziel->setCurrentIndex(std::max(0, ziel->findData(QString::fromStdString(z.neu))));
        connect(ziel, &QComboBox::currentIndexChanged, this, [this, ziel, alt = z.alt] {
            ZielSetzen(plan_, s_.Daten(), alt, ziel->currentData().toString().toStdString());
            modell_->Neu();
            UebersichtZeigen();
        });
        jahrgaenge_->setCellWidget(r, 1, ziel);
        jahrgaenge_->setItem(r, 2, Zelle(QString::number(z.schueler)));
        QString hinweis = z.hoechster ? "höchster Jahrgang" : z.pruefen && z.schueler > 0 ? "bitte prüfen" : "";
        jahrgaenge_->setItem(r, 3, Zelle(hinweis));
    }
    jahrgaenge_->resizeColumnToContents(0);
}

QWizardPage* SchuljahrAssistent::SchuelerSeite() {
    auto* seite = new QWizardPage;
    seite->setTitle("2. Schüler");
    seite->setSubTitle("Die Schüler nach Klassen mit ihrer Entscheidung; für markierte Schüler oder die ganze Klasse "
                       "änderbar.");
    klassen_ = new QListWidget;
    klassen_->setObjectName("listeKlassen");
    klassen_->setAccessibleName("Klassen");
    klassen_->setMaximumWidth(160);
    modell_ = new SchuelerPlanModell(s_.Daten(), plan_, this);
    schueler_ = new QTableView;
    schueler_->setObjectName("tabelleSchueler");
    schueler_->setAccessibleName("Schüler der Klasse");
    schueler_->setModel(modell_);
    schueler_->setSelectionBehavior(QAbstractItemView::SelectRows);
    schueler_->verticalHeader()->hide();
    schueler_->horizontalHeader()->setStretchLastSection(true);
    connect(klassen_, &QListWidget::currentRowChanged, this, [this] { KlasseGewaehlt(); });

    wiederholer_ = new QComboBox;
    wiederholer_->setObjectName("wiederholerSchluessel");
    connect(wiederholer_, &QComboBox::currentIndexChanged, this,
            [this] { plan_.wiederholerSchluessel = wiederholer_->currentData().toString().toStdString(); });

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(new QLabel("Markierte Schüler:"));
    const std::pair<Entscheidung, const char*> arten[] = {{Entscheidung::Versetzt, "versetzt"},
                                                          {Entscheidung::Wiederholt, "wiederholt"},
                                                          {Entscheidung::Verlaesst, "verlaesst"}};
    for (const auto& [e, name] : arten) {
        auto* k = Knopf(QString::fromStdString(std::string(EntscheidungsText(e))), name);
        connect(k, &QPushButton::clicked, this, [this, e = e] { Entscheiden(e, false); });
        knoepfe->addWidget(k);
    }
    knoepfe->addStretch();
    auto* klasse = new QHBoxLayout;
    klasse->addWidget(new QLabel("Ganze Klasse:"));
    for (const auto& [e, name] : arten) {
        auto* k =
            Knopf(QString::fromStdString(std::string(EntscheidungsText(e))), (std::string("klasse_") + name).c_str());
        k->setAccessibleName("ganze Klasse " + k->text());
        connect(k, &QPushButton::clicked, this, [this, e = e] { Entscheiden(e, true); });
        klasse->addWidget(k);
    }
    klasse->addStretch();

    auto* rechts = new QVBoxLayout;
    rechts->addWidget(schueler_);
    rechts->addLayout(knoepfe);
    rechts->addLayout(klasse);
    auto* form = new QFormLayout;
    form->addRow(Beschriftung("&Wiederholer-Schlüssel (Katalog 7):", wiederholer_), wiederholer_);
    rechts->addLayout(form);
    auto* l = new QHBoxLayout(seite);
    l->addWidget(klassen_);
    l->addLayout(rechts, 1);
    return seite;
}

void SchuljahrAssistent::KlasseGewaehlt() {
    const int r = klassen_->currentRow();
    std::vector<std::size_t> zeilen;
    if (r >= 0 && static_cast<std::size_t>(r) < klassenNamen_.size()) {
        const Datenbestand& d = s_.Daten();
        for (std::size_t i = 0; i < d.Schueler.DB.size(); ++i)
            if (d.Schueler.DB[i].Jahrgangsdaten.Klasse == klassenNamen_[static_cast<std::size_t>(r)])
                zeilen.push_back(i);
    }
    modell_->Zeilen(std::move(zeilen));
    schueler_->resizeColumnsToContents();
}

void SchuljahrAssistent::Entscheiden(Entscheidung e, bool ganzeKlasse) {
    const int r = klassen_->currentRow();
    if (ganzeKlasse && r >= 0 && static_cast<std::size_t>(r) < klassenNamen_.size()) {
        KlasseEntscheiden(plan_, s_.Daten(), klassenNamen_[static_cast<std::size_t>(r)], e);
    } else {
        for (const QModelIndex& i : schueler_->selectionModel()->selectedRows())
            SchuelerEntscheiden(plan_, modell_->Indizes()[static_cast<std::size_t>(i.row())], e);
    }
    modell_->Neu();
    UebersichtZeigen();
}

QWizardPage* SchuljahrAssistent::UebersichtSeite() {
    auto* seite = new QWizardPage;
    seite->setTitle("3. Was sich ändert");
    seite->setSubTitle("Schüler je Jahrgang vorher und nachher, Lehrer mit Abgang (angehakt: werden entfernt), Klassen "
                       "und was geleert wird.");
    zaehlung_ = new QTableWidget(0, 3);
    zaehlung_->setObjectName("tabelleZaehlung");
    zaehlung_->setHorizontalHeaderLabels({"Jahrgang", "vorher", "nachher"});
    zaehlung_->verticalHeader()->hide();
    zaehlung_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    zaehlung_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    zaehlung_->setFixedWidth(240);
    lehrer_ = new QListWidget;
    lehrer_->setObjectName("listeLehrerAbgang");
    lehrer_->setMaximumHeight(110);
    connect(lehrer_, &QListWidget::itemChanged, this, [this](QListWidgetItem* i) {
        const auto l = static_cast<std::size_t>(i->data(Qt::UserRole).toULongLong());
        if (l < plan_.lehrerGeht.size()) plan_.lehrerGeht[l] = i->checkState() == Qt::Checked;
    });
    ohneNummer_ = new QTableWidget(0, 2);
    ohneNummer_->setObjectName("tabelleOhneNummer");
    ohneNummer_->setHorizontalHeaderLabels({"Klasse ohne führende Zahl", "neuer Name"});
    ohneNummer_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    ohneNummer_->setMaximumHeight(110);
    ohneNummer_->verticalHeader()->hide();
    connect(ohneNummer_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* i) {
        if (i->column() != 1) return;
        const std::string alt = Utf8ToCp1252(i->data(Qt::UserRole).toString().toStdString());
        const std::string neu = Utf8ToCp1252(i->text().trimmed().toStdString()).substr(0, 10);
        if (neu.empty())
            plan_.klassenNamen.erase(alt);
        else
            plan_.klassenNamen[alt] = neu;
        modell_->Neu();
        // Not inside the table's own signal: the overview rebuilds the table.
        QMetaObject::invokeMethod(
            this, [this] { UebersichtZeigen(); }, Qt::QueuedConnection);
    });
    aenderungen_ = new QPlainTextEdit;
    aenderungen_->setObjectName("textAenderungen");
    aenderungen_->setReadOnly(true);

    auto* rechts = new QVBoxLayout;
    rechts->addWidget(Beschriftung("Lehrer mit Abgang:", lehrer_));
    rechts->addWidget(lehrer_);
    rechts->addWidget(Beschriftung("Klassen ohne führende Zahl:", ohneNummer_));
    rechts->addWidget(ohneNummer_);
    rechts->addWidget(Beschriftung("Außerdem:", aenderungen_));
    rechts->addWidget(aenderungen_, 2);
    auto* links = new QVBoxLayout;
    links->addWidget(Beschriftung("Schüler je Jahrgang:", zaehlung_));
    links->addWidget(zaehlung_);
    auto* l = new QHBoxLayout(seite);
    l->addLayout(links);
    l->addLayout(rechts, 1);
    return seite;
}

void SchuljahrAssistent::UebersichtZeigen() {
    const Datenbestand& d = s_.Daten();
    const SchuljahrUebersicht u = UebersichtVon(plan_, d);
    zaehlung_->setRowCount(static_cast<int>(u.jahrgaenge.size()));
    for (int r = 0; r < zaehlung_->rowCount(); ++r) {
        const auto& z = u.jahrgaenge[static_cast<std::size_t>(r)];
        zaehlung_->setItem(r, 0, Zelle(Jahrgang(z.key)));
        zaehlung_->setItem(r, 1, Zelle(QString::number(z.vorher)));
        zaehlung_->setItem(r, 2, Zelle(QString::number(z.nachher)));
    }
    {
        const QSignalBlocker sperre(lehrer_);
        lehrer_->clear();
        for (const std::size_t l : u.lehrerMitAbgang) {
            const TLehrerDS& t = d.Lehrer.DB[l];
            auto* i = new QListWidgetItem(T(t.Lehrernummer.view()) + " " + T(t.Grunddaten.Name.view()) + ", " +
                                          T(t.Grunddaten.Vorname.view()) + " (Abgang " +
                                          T(t.Zu_Abgang.Abgang.Datum.view()) + ")");
            i->setFlags(i->flags() | Qt::ItemIsUserCheckable);
            i->setCheckState(plan_.lehrerGeht[l] ? Qt::Checked : Qt::Unchecked);
            i->setData(Qt::UserRole, static_cast<qulonglong>(l));
            lehrer_->addItem(i);
        }
    }
    {
        // Names the person gave stay listed, so they can be changed again.
        std::vector<std::string> namen = u.ohneNummer;
        for (const auto& [alt, neu] : plan_.klassenNamen)
            if (std::find(namen.begin(), namen.end(), alt) == namen.end()) namen.push_back(alt);
        const QSignalBlocker sperre(ohneNummer_);
        ohneNummer_->setRowCount(static_cast<int>(namen.size()));
        for (int r = 0; r < ohneNummer_->rowCount(); ++r) {
            const std::string& alt = namen[static_cast<std::size_t>(r)];
            ohneNummer_->setItem(r, 0, Zelle(T(alt)));
            const auto it = plan_.klassenNamen.find(alt);
            auto* neu = new QTableWidgetItem(it == plan_.klassenNamen.end() ? QString() : T(it->second));
            neu->setData(Qt::UserRole, T(alt));
            ohneNummer_->setItem(r, 1, neu);
        }
    }
    QString text;
    text += QString("%1 versetzt, %2 wiederholen, %3 verlassen die Schule.\n")
                .arg(u.versetzt)
                .arg(u.wiederholt)
                .arg(u.verlassen);
    const auto liste = [&](const QString& titel, const std::vector<std::string>& v) {
        if (v.empty()) return;
        QStringList l;
        for (const std::string& x : v) l << Jahrgang(x);
        text += titel + l.join(", ") + "\n";
    };
    QStringList umbenannt;
    for (const auto& [alt, neu] : u.umbenannt) umbenannt << T(alt) + " → " + T(neu);
    if (!umbenannt.isEmpty()) text += "Klassen umbenannt: " + umbenannt.join(", ") + "\n";
    liste("Klassen entfernt (alle Schüler verlassen die Schule): ", u.entfernt);
    liste("Jahrgänge ohne Klasse danach (neue Eingangsklassen bitte anlegen): ", u.ohneKlasse);
    if (!u.zuPruefen.empty())
        text += QString("%1 Schüler in Jahrgängen ohne zweistellige Zahl bleiben in ihrem Jahrgang (bitte prüfen).\n")
                    .arg(u.zuPruefen.size());
    text += QString("Geleert: %1 UnterrichtsEinheiten und die Nichteinschulungen der Schule; bei Lehrern, Klassen und "
                    "Schülern die UE-Verweise und Prüfzähler; bei Schülern Zuzug, Wiederholer (außer bei "
                    "Wiederholern), Empfehlung, Schulartwechsel.\n")
                .arg(u.schulUE);
    aenderungen_->setPlainText(text);
    if (zusammenfassung_)
        zusammenfassung_->setText(
            QString(
                "Das Schuljahr %1 wird zuerst archiviert in:\n%2\n\nDanach werden die neuen Dateien in einem Schritt "
                "geschrieben (die bisherigen werden .SIC), und das Berichtsjahr wird %3.\n\n%4")
                .arg(QString::fromStdString(plan_.berichtsjahr),
                     QString::fromStdString(ArchivOrdner(s_.Ordnerpfade().Daten, plan_.berichtsjahr)),
                     QString::fromStdString(plan_.neuesJahr), text));
}

QWizardPage* SchuljahrAssistent::DurchfuehrenSeite() {
    auto* seite = new QWizardPage;
    seite->setTitle("4. Durchführen");
    seite->setSubTitle("Mit \"Durchführen\" wird der Schuljahreswechsel nach einer letzten Frage ausgeführt.");
    zusammenfassung_ = new QLabel;
    zusammenfassung_->setObjectName("zusammenfassung");
    zusammenfassung_->setWordWrap(true);
    zusammenfassung_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* l = new QVBoxLayout(seite);
    l->addWidget(zusammenfassung_);
    l->addStretch();
    return seite;
}

void SchuljahrAssistent::accept() {
    if (!m_.Frage("Wollen Sie den Schuljahreswechsel jetzt durchführen?\r\rDas Schuljahr " + plan_.berichtsjahr +
                  " wird archiviert in:\r" + ArchivOrdner(s_.Ordnerpfade().Daten, plan_.berichtsjahr) +
                  "\rund lässt sich von dort zurückholen."))
        return;
    if (!SchuljahrDurchfuehren(s_, plan_, "zev-manager", m_)) return;
    m_.Information("Der Schuljahreswechsel ist durchgeführt.\r\rBerichtsjahr jetzt: " + plan_.neuesJahr +
                   "\rDas Schuljahr " + plan_.berichtsjahr + " liegt in:\r" +
                   ArchivOrdner(s_.Ordnerpfade().Daten, plan_.berichtsjahr));
    QWizard::accept();
}

void SchuljahrAssistent::Zurueckholen(const std::string& jahr) {
    if (!SchuljahrZuruecknehmen(s_, jahr, "zev-manager", m_)) return;
    m_.Information("Das Schuljahr " + jahr +
                   " ist zurückgeholt.\r\rBerichtsjahr jetzt: " + s_.Einstellungen().Berichtsjahr.str());
    QWizard::accept();
}

} // namespace zev::qt
