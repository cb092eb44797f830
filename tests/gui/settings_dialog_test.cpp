// The settings dialog on the offscreen platform: controls found by object name,
// the new-folder dialog answered from a timer.
#include "ui/qt/settings_dialog.h"

#include "storage/settings_file.h"
#include "support/scripted_messages.h"
#include "support/temp_folder.h"
#include "support/this_year.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <cstring>
#include <filesystem>
#include <functional>

using namespace zev;
using zev::qt::EinstellungsDialog;
using zev::qt::NeuerOrdnerDialog;

namespace {

std::vector<std::uint8_t> Bild(const TEinstellungen& e) {
    const std::uint8_t* p = ImageOf(e);
    return {p, p + sizeof e};
}

template <class W> W* Element(QWidget& dialog, const char* name) {
    W* w = dialog.findChild<W*>(name);
    if (!w) qFatal("kein Element %s", name);
    return w;
}

// Answers the new-folder dialog once it is open: `name` goes into the name box,
// then the given button is clicked.
void NeuerOrdnerBeantworten(QWidget& eltern, QString name, const char* knopf, QString* aktuell = nullptr) {
    QTimer::singleShot(0, &eltern, [&eltern, name, knopf, aktuell] {
        auto* dialog = eltern.findChild<NeuerOrdnerDialog*>();
        if (!dialog) qFatal("kein Dialog \"Neuen Ordner erstellen\"");
        if (aktuell) *aktuell = Element<QLineEdit>(*dialog, "aktuellerOrdner")->text();
        Element<QLineEdit>(*dialog, "neuerUnterordner")->setText(name);
        Element<QPushButton>(*dialog, knopf)->click();
    });
}

} // namespace

class EinstellungsDialogTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::TempOrdner> t_;
    std::string prog_;
    TEinstellungen e_{};
    test::SkriptMeldungen m_;

    std::string Datei() const { return *t_ / kEinstellungenDatei; }

private slots:
    void init() {
        t_ = std::make_unique<test::TempOrdner>();
        prog_ = t_->Pfad();
        EinstellungenStandard(e_, prog_);
        m_.gezeigt.clear();
        std::filesystem::create_directories(prog_ + "Daten/Export");
    }

    void showsEveryElementWithItsCaption() {
        EinstellungsDialog d(e_, prog_, m_);
        d.show();
        QCOMPARE(d.windowTitle(), QString("Einstellungen zum ZEV-Manager"));
        auto* tabs = Element<QTabWidget>(d, "einstellungenTabs");
        QCOMPARE(tabs->currentIndex(), 0);
        QCOMPARE(tabs->tabText(0), QString(" elementare Einstellungen "));
        QCOMPARE(tabs->tabText(1), QString(" XML-Export "));
        QCOMPARE(tabs->tabText(2), QString(" XML-Import "));
        auto* bereiche = Element<QTabBar>(d, "importBereiche");
        QCOMPARE(bereiche->count(), 4);
        QCOMPARE(bereiche->tabText(3), QString("   Schüler   "));

        QStringList texte;
        for (auto* w : d.findChildren<QLabel*>()) texte << w->text();
        for (auto* w : d.findChildren<QGroupBox*>()) texte << w->title();
        for (auto* w : d.findChildren<QAbstractButton*>()) texte << w->text();
        for (auto* w : d.findChildren<QComboBox*>())
            for (int i = 0; i < w->count(); ++i) texte << w->itemText(i);
        for (const char* c : {"Schulnummer",
                              "Daten-Ordner (ZEV-Dateien)",
                              "Pfad",
                              "Schul-Daten",
                              "Lehrer-Daten",
                              "Klassen-Daten",
                              "Schüler-Daten",
                              "Ausgabe im ANSI-Zeichensatz",
                              "primärer Dateizugriff / Datenquellen",
                              "externe *.XML-Dateien",
                              "interne *.ZEV-Dateien",
                              "direkter Datenbank-Zugriff",
                              "über Inhalt der Zwischenablagen (Lehrer, Schüler) informieren",
                              "XML-Datei",
                              "voll expandiert",
                              "Zeilenumbruch nach Element",
                              "ohne Zeilenumbruch und Einrückungen",
                              "Reserve",
                              "UnterrichtsEinheiten bei Schülern / Lehrern ohne Nachfrage löschen",
                              "beim Start automatisch alle Daten sicherheitskopieren",
                              "bei neuen Schülern den Vorgänger als Vorlage nutzen",
                              "weiterführende (spätbeginnende) Schule (z.B. BS, FG, ...)",
                              "Dateizugriff",
                              "nur LESEN",
                              "LESEN und SCHREIBEN",
                              "Einstellungen zur Schule",
                              "immer alle Tests anzeigen",
                              "Berichtsjahr",
                              "Alarm-Schwellenwerte",
                              "Schul-Daten-Tests",
                              "Lehrer-Daten-Tests",
                              "Klassen-Daten-Tests",
                              "Schüler-Daten-Tests",
                              "jede Warnung",
                              "schwerwiegende Warnungen",
                              "nur Fehler",
                              "Info-Reihenfolge bei UE's",
                              "ZEV-Struktur (Schulart, Jahrg., Fach, Klasse, ...)",
                              "schul-logisch (Fach, Klasse, Lehrer, Stunden, ...)",
                              "Reihenfolge",
                              "Datei:",
                              "Datensätze",
                              "überschreiben",
                              "anhängen",
                              "Daten (Einzeldatenfelder)",
                              "alle überschreiben",
                              "neuere (lt. Reihenf.) übernehmen",
                              "nur fehlende ergänzen",
                              "neuer Ordner ...",
                              "Standard wiederherstellen",
                              "OK",
                              "Abbrechen",
                              "2004",
                              "2010"})
            QVERIFY2(texte.contains(QString::fromUtf8(c)), c);

        QVERIFY(!Element<QCheckBox>(d, "ansiAusgabe")->isVisibleTo(&d));
        QCOMPARE(Element<QLineEdit>(d, "schulnummer")->text(), QString("00000"));
        QCOMPARE(Element<QComboBox>(d, "berichtsjahr")->currentText(), QString::number(test::DiesesJahr()));
        QCOMPARE(Element<QLineEdit>(d, "datenPfad")->text(), QString::fromStdString(prog_ + "Daten/"));
        QVERIFY(Element<QLineEdit>(d, "datenPfad")->isReadOnly());
        QVERIFY(Element<QRadioButton>(d, "datenquelle_1")->isChecked());
        QVERIFY(Element<QRadioButton>(d, "dateizugriff_1")->isChecked());
        QVERIFY(Element<QRadioButton>(d, "xmlLayout_1")->isChecked());
        QCOMPARE(Element<QSpinBox>(d, "importReihenfolge")->minimum(), 1);
        QCOMPARE(Element<QSpinBox>(d, "importReihenfolge")->maximum(), 3);
        // The chooser stands on the chosen folder.
        auto* baum = Element<QTreeView>(d, "datenOrdnerBaum");
        auto* modell = qobject_cast<QFileSystemModel*>(baum->model());
        QVERIFY(modell);
        QCOMPARE(modell->filePath(baum->currentIndex()), QString::fromStdString(prog_ + "Daten"));
    }

    void fitsOnA1280x800Screen() {
        EinstellungsDialog d(e_, prog_, m_);
        d.show();
        auto* tabs = Element<QTabWidget>(d, "einstellungenTabs");
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            const QSize bedarf = d.minimumSizeHint().expandedTo(d.sizeHint());
            QVERIFY2(bedarf.width() <= 1280 && bedarf.height() <= 760, qPrintable(tabs->tabText(i)));
        }
        d.resize(1280, 760);
        QTest::qWait(0);
        // Every control of the page on view lies inside the dialog.
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            for (auto* w : tabs->widget(i)->findChildren<QWidget*>()) {
                if (!w->isVisibleTo(&d)) continue;
                const QRect r(w->mapTo(&d, QPoint(0, 0)), w->size());
                QVERIFY2(d.rect().contains(r), qPrintable(w->objectName()));
            }
        }
    }

    void okTakesEveryElementAndWritesTheFile() {
        EinstellungsDialog d(e_, prog_, m_);
        d.show();
        Element<QLineEdit>(d, "schulnummer")->setText("4711");
        Element<QComboBox>(d, "berichtsjahr")->setEditText("2011");
        Element<QRadioButton>(d, "datenquelle_0")->click();
        Element<QRadioButton>(d, "dateizugriff_0")->click();
        Element<QCheckBox>(d, "freierTraeger")->setChecked(true);
        Element<QCheckBox>(d, "startSicherung")->setChecked(false);
        Element<QLineEdit>(d, "xmlDateiSchule")->setText("schule");
        Element<QLineEdit>(d, "xmlDateiLehrer")->clear();
        Element<QLineEdit>(d, "xmlDateiSchueler")->setText("?");
        Element<QRadioButton>(d, "xmlLayout_2")->click();
        Element<QComboBox>(d, "schwelleLehrer")->setCurrentIndex(2);
        Element<QRadioButton>(d, "ueInfoReihenfolge_1")->click();
        Element<QCheckBox>(d, "alleTestsZeigen")->setChecked(true);
        // The export folder chosen in its tree, given without separator.
        auto* baum = Element<QTreeView>(d, "exportOrdnerBaum");
        auto* modell = qobject_cast<QFileSystemModel*>(baum->model());
        baum->setCurrentIndex(modell->index(QString::fromStdString(prog_ + "Daten")));
        QCOMPARE(Element<QLineEdit>(d, "exportPfad")->text(), QString::fromStdString(prog_ + "Daten"));

        Element<QPushButton>(d, "ok")->click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(e_.Schulnummer.str(), std::string("4711"));
        QCOMPARE(e_.Berichtsjahr.str(), std::string("2011"));
        QCOMPARE(int(e_.Datenquelle), 0);
        QCOMPARE(int(e_.Dateizugriff), 0);
        QCOMPARE(int(e_.FreierTraeger), 1);
        QCOMPARE(int(e_.StartSicherung), 0);
        QCOMPARE(e_.XMLDateiSchule.str(), std::string("schule.XML"));
        QCOMPARE(e_.XMLDateiLehrer.str(), std::string("Lehrer.XML"));
        QCOMPARE(e_.XMLDateiSchueler.str(), std::string("Schueler.XML"));
        QCOMPARE(int(e_.XMLLayout), 2);
        QCOMPARE(int(e_.SchwelleLehrer), 2);
        QCOMPARE(int(e_.UEInfoReihenfolge), 1);
        QCOMPARE(int(e_.AlleTestsZeigen), 1);
        QCOMPARE(e_.ExportPfad.str(), prog_ + "Daten/");
        QCOMPARE(e_.ImportPfad.str(), prog_ + "Daten/Import/");
        QCOMPARE(m_.Texte(), std::vector<std::string>{"Dateiname: ? kann nicht benutzt werden!\r\rBeachten Sie die "
                                                      "Regeln zur Bildung von Dateinamen!"});
        const auto bytes = test::DateiBytes(Datei());
        QCOMPARE(bytes.size(), std::size_t(5120));
        QVERIFY(bytes == Bild(e_));
    }

    void okWithAPathTheSettingsCannotHoldKeepsTheDialogOpen() {
        std::filesystem::create_directories(prog_ + "Łódź");
        const auto vorher = Bild(e_);
        EinstellungsDialog d(e_, prog_, m_);
        d.show();
        Element<QLineEdit>(d, "schulnummer")->setText("4711");
        auto* baum = Element<QTreeView>(d, "exportOrdnerBaum");
        auto* modell = qobject_cast<QFileSystemModel*>(baum->model());
        baum->setCurrentIndex(modell->index(QString::fromStdString(prog_ + "Łódź")));

        Element<QPushButton>(d, "ok")->click();
        QVERIFY(d.isVisible());
        QCOMPARE(d.result(), int(QDialog::Rejected));
        QCOMPARE(m_.gezeigt.size(), std::size_t(1));
        QVERIFY(m_.Texte()[0].rfind("Der Pfad:\r" + prog_ + "Łódź/\r", 0) == 0);
        QVERIFY(Bild(e_) == vorher);
        QVERIFY(!test::Da(Datei()));
        // What was typed is still there; another folder and OK take it.
        QCOMPARE(Element<QLineEdit>(d, "schulnummer")->text(), QString("4711"));
        baum->setCurrentIndex(modell->index(QString::fromStdString(prog_ + "Daten")));
        Element<QPushButton>(d, "ok")->click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(e_.Schulnummer.str(), std::string("4711"));
        QCOMPARE(e_.ExportPfad.str(), prog_ + "Daten/");
        QVERIFY(test::Da(Datei()));
    }

    // What `zev settings` refuses, the dialog refuses too: a school number that is
    // not 1 to 10 digits keeps the dialog open with nothing written; a file name
    // with a folder in it is reported and the area keeps its default name.
    void okRefusesWhatTheCommandLineRefuses() {
        const auto vorher = Bild(e_);
        EinstellungsDialog d(e_, prog_, m_);
        d.show();
        Element<QLineEdit>(d, "schulnummer")->setText("12a45");
        Element<QLineEdit>(d, "xmlDateiLehrer")->setText("../../evil");
        Element<QPushButton>(d, "ok")->click();
        QVERIFY(d.isVisible());
        QCOMPARE(d.result(), int(QDialog::Rejected));
        QCOMPARE(m_.Texte(), std::vector<std::string>{"Schulnummer: 12a45 kann nicht benutzt werden!\r\rDie "
                                                      "Schulnummer besteht aus 1 bis 10 Ziffern (0 bis 9)."});
        QVERIFY(Bild(e_) == vorher);
        QVERIFY(!test::Da(Datei()));

        m_.gezeigt.clear();
        Element<QLineEdit>(d, "schulnummer")->setText("1245");
        Element<QPushButton>(d, "ok")->click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(e_.Schulnummer.str(), std::string("1245"));
        QCOMPARE(e_.XMLDateiLehrer.str(), std::string("Lehrer.XML"));
        QCOMPARE(m_.Texte(), std::vector<std::string>{"Dateiname: ../../evil kann nicht benutzt werden!\r\rBeachten "
                                                      "Sie die Regeln zur Bildung von Dateinamen!"});
        QVERIFY(test::DateiBytes(Datei()) == Bild(e_));
    }

    void cancelRestoresTheRecordByteForByte() {
        e_.AnsiAusgabe = 4;
        e_.Reserviert4348[3] = 0x1234;
        const auto vorher = Bild(e_);
        EinstellungsDialog d(e_, prog_, m_);
        d.show();
        Element<QLineEdit>(d, "schulnummer")->setText("1");
        Element<QLineEdit>(d, "xmlDateiKlassen")->setText("k");
        Element<QRadioButton>(d, "importDatensaetze_0")->click();
        Element<QLineEdit>(d, "importDatei")->setText("/x/y.XML");
        Element<QTabBar>(d, "importBereiche")->setCurrentIndex(3); // stores the Schule entry
        QCOMPARE(e_.XMLImport[1][1].Datei.str(), std::string("/x/y.XML"));
        Element<QPushButton>(d, "standardWiederherstellen")->click();
        QVERIFY(Bild(e_) != vorher);
        QCOMPARE(Element<QLineEdit>(d, "xmlDateiKlassen")->text(), QString("Klassen.XML"));

        Element<QPushButton>(d, "abbrechen")->click();
        QCOMPARE(d.result(), int(QDialog::Rejected));
        QVERIFY(std::memcmp(ImageOf(e_), vorher.data(), vorher.size()) == 0);
        QVERIFY(!test::Da(Datei()));
        QVERIFY(m_.gezeigt.empty());
    }

    void folderTreesOpenAtTheChosenFolders() {
        // Siblings sorted before the chosen folders: once their folder is read they
        // push the chosen one down, out of a view that scrolled to it before.
        for (int i = 0; i < 40; ++i) std::filesystem::create_directories(prog_ + "Daten/A" + std::to_string(i + 10));
        std::filesystem::create_directories(prog_ + "Daten/Tief/Unten/Kind");
        e_.DatenPfad = prog_ + "Daten/Tief/Unten/";
        e_.ExportPfad = prog_ + "Daten/Export/";
        EinstellungsDialog d(e_, prog_, m_);
        auto* modell = d.findChild<QFileSystemModel*>();
        QStringList gelesen;
        connect(modell, &QFileSystemModel::directoryLoaded, &d, [&gelesen](const QString& o) { gelesen << o; });
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        const QString daten = QString::fromStdString(prog_ + "Daten");
        QTRY_VERIFY(gelesen.contains(daten) && gelesen.contains(daten + "/Tief/Unten"));
        QTest::qWait(50);
        const std::pair<const char*, QString> baeume[] = {{"datenOrdnerBaum", daten + "/Tief/Unten"},
                                                          {"exportOrdnerBaum", daten + "/Export"}};
        int tab = 0;
        for (const auto& [name, ordner] : baeume) {
            Element<QTabWidget>(d, "einstellungenTabs")->setCurrentIndex(tab++);
            auto* baum = Element<QTreeView>(d, name);
            const QModelIndex ziel = modell->index(ordner);
            QCOMPARE(modell->filePath(baum->currentIndex()), ordner);
            QVERIFY(baum->selectionModel()->isSelected(ziel));
            QVERIFY(baum->isExpanded(ziel));
            for (QModelIndex p = ziel.parent(); p.isValid(); p = p.parent()) QVERIFY(baum->isExpanded(p));
            const QRect zeile = baum->visualRect(ziel);
            QVERIFY2(zeile.top() >= 0 && zeile.bottom() < baum->viewport()->height(), name);
        }
        // A folder the person chooses stays chosen while the model reads on.
        auto* baum = Element<QTreeView>(d, "exportOrdnerBaum");
        baum->setCurrentIndex(modell->index(daten + "/A10"));
        emit modell->directoryLoaded(daten);
        QTest::qWait(20);
        QCOMPARE(modell->filePath(baum->currentIndex()), daten + "/A10");
        QCOMPARE(Element<QLineEdit>(d, "exportPfad")->text(), daten + "/A10");
        d.reject();
    }

    void escapeCancelsAsWell() {
        const auto vorher = Bild(e_);
        EinstellungsDialog d(e_, prog_, m_);
        d.show();
        Element<QSpinBox>(d, "importReihenfolge")->setValue(2); // stores order 1
        Element<QPushButton>(d, "standardWiederherstellen")->click();
        d.reject();
        QVERIFY(Bild(e_) == vorher);
    }

    void importTabAndOrderShowTheirEntries() {
        const std::string ordner = prog_ + "Daten/Import/";
        std::filesystem::create_directories(ordner);
        test::DateiSchreiben(ordner + "Schule.XML", {});
        test::DateiSchreiben(ordner + "zwei.xml", {});
        test::DateiSchreiben(ordner + "Lehrer.txt", {});
        EinstellungsDialog d(e_, prog_, m_);
        d.show();
        auto* datei = Element<QLineEdit>(d, "importDatei");
        auto* liste = Element<QListWidget>(d, "importDateiliste");
        QCOMPARE(datei->text(), QString::fromStdString(ordner + "Schule.XML"));
        QCOMPARE(liste->count(), 2);
        QCOMPARE(liste->currentRow(), 0);

        liste->setCurrentRow(1);
        QCOMPARE(datei->text(), QString::fromStdString(ordner + "zwei.xml"));
        Element<QRadioButton>(d, "importEinzelfelder_2")->click();
        Element<QTabBar>(d, "importBereiche")->setCurrentIndex(1);
        QCOMPARE(e_.XMLImport[1][1].Datei.str(), ordner + "zwei.xml");
        QCOMPARE(int(e_.XMLImport[1][1].Einzelfelder), 2);
        // Lehrer.XML is not there yet: its name is kept, nothing is chosen in the list.
        QCOMPARE(datei->text(), QString::fromStdString(ordner + "Lehrer.XML"));
        QCOMPARE(liste->currentRow(), -1);
        QVERIFY(Element<QRadioButton>(d, "importEinzelfelder_0")->isChecked());

        Element<QSpinBox>(d, "importReihenfolge")->setValue(3);
        QCOMPARE(datei->text(), QString()); // an empty entry stays empty
        Element<QTabBar>(d, "importBereiche")->setCurrentIndex(0);
        QCOMPARE(datei->text(), QString());
        Element<QSpinBox>(d, "importReihenfolge")->setValue(1);
        QCOMPARE(datei->text(), QString::fromStdString(ordner + "zwei.xml"));
        QVERIFY(Element<QRadioButton>(d, "importEinzelfelder_2")->isChecked());

        // Choosing a folder puts the folder into "Datei:".
        auto* baum = Element<QTreeView>(d, "importOrdnerBaum");
        auto* modell = qobject_cast<QFileSystemModel*>(baum->model());
        baum->setCurrentIndex(modell->index(QString::fromStdString(prog_ + "Daten")));
        QCOMPARE(datei->text(), QString::fromStdString(prog_ + "Daten/"));
        QCOMPARE(liste->count(), 0);

        Element<QPushButton>(d, "ok")->click();
        QCOMPARE(e_.XMLImport[1][1].Datei.str(), prog_ + "Daten/");
    }

    void newFolderIsCreatedAndChosen() {
        EinstellungsDialog d(e_, prog_, m_);
        d.show();
        QString aktuell;
        NeuerOrdnerBeantworten(d, "Neu", "ordnerErstellen", &aktuell);
        Element<QPushButton>(d, "datenNeuerOrdner")->click();
        QCOMPARE(aktuell, QString::fromStdString(prog_ + "Daten/"));
        QVERIFY(m_.gezeigt.empty());
        QVERIFY(std::filesystem::is_directory(prog_ + "Daten/Neu"));
        QCOMPARE(Element<QLineEdit>(d, "datenPfad")->text(), QString::fromStdString(prog_ + "Daten/Neu"));
        QCOMPARE(Element<QLineEdit>(d, "exportPfad")->text(), QString::fromStdString(prog_ + "Daten/Export/"));
        auto* baum = Element<QTreeView>(d, "datenOrdnerBaum");
        auto* modell = qobject_cast<QFileSystemModel*>(baum->model());
        QCOMPARE(modell->filePath(baum->currentIndex()), QString::fromStdString(prog_ + "Daten/Neu"));

        Element<QPushButton>(d, "ok")->click();
        QCOMPARE(e_.DatenPfad.str(), prog_ + "Daten/Neu/");
        QCOMPARE(e_.ImportPfad.str(), prog_ + "Daten/Neu/Import/");
        QCOMPARE(e_.ExportPfad.str(), prog_ + "Daten/Export/");
    }

    void newFolderRefusalsAndCancel() {
        std::filesystem::create_directories(prog_ + "Daten/Export/da");
        EinstellungsDialog d(e_, prog_, m_);
        d.show();
        NeuerOrdnerBeantworten(d, "", "ordnerErstellen");
        Element<QPushButton>(d, "exportNeuerOrdner")->click();
        NeuerOrdnerBeantworten(d, "da", "ordnerErstellen");
        Element<QPushButton>(d, "exportNeuerOrdner")->click();
        NeuerOrdnerBeantworten(d, "Nie", "ordnerAbbrechen");
        Element<QPushButton>(d, "datenNeuerOrdner")->click();

        const std::vector<test::Gezeigt> erwartet = {
            {MeldungsArt::Fehler,
             "Ein Ordnername muss aus mindestens einem\rzugelassenen Zeichen bestehen!\r\rKEIN Ordner erstellt!",
             Tasten::Ok},
            {MeldungsArt::Fehler,
             "KEIN Ordner erstellt!\r\rPrüfen Sie, ob Sie über die notwendigen\rRechte verfügen bzw. ob eventuell "
             "nicht\rzugelassene Zeichen (z.B.: / : < > )\rim Namen enthalten sind!",
             Tasten::Ok}};
        QVERIFY(m_.gezeigt == erwartet);
        QVERIFY(!std::filesystem::exists(prog_ + "Daten/Nie"));
        QCOMPARE(Element<QLineEdit>(d, "exportPfad")->text(), QString::fromStdString(prog_ + "Daten/Export/"));
        QCOMPARE(Element<QLineEdit>(d, "datenPfad")->text(), QString::fromStdString(prog_ + "Daten/"));
    }
};

QTEST_MAIN(EinstellungsDialogTest)
#include "settings_dialog_test.moc"
