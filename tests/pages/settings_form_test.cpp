#include "pages/settings_form.h"

#include "model/encoding.h"
#include "storage/settings_file.h"
#include "support/scripted_messages.h"
#include "support/temp_folder.h"
#include "support/this_year.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

namespace zev {
namespace {

using test::DateiBytes;
using test::Gezeigt;
using test::SkriptMeldungen;
using test::TempOrdner;

std::vector<std::uint8_t> Bild(const TEinstellungen& e) {
    const std::uint8_t* p = ImageOf(e);
    return {p, p + sizeof e};
}

void Anlegen(const std::string& pfad) {
    std::filesystem::create_directories(pfad);
}
void Leer(const std::string& pfad) {
    test::DateiSchreiben(pfad, {});
}

class EinstellungsFormularTest : public ::testing::Test {
protected:
    void SetUp() override {
        EinstellungenStandard(e, prog);
        f = FormularAnlegen(prog);
        FormularAnzeigen(f, e);
    }
    std::string Datei() const { return t / kEinstellungenDatei; }

    TempOrdner t;
    const std::string prog = t.Pfad();
    TEinstellungen e{};
    EinstellungsFormular f;
    SkriptMeldungen m;
};

TEST(Berichtsjahr, TheListRunsFrom2004ToTheYearAfterTheCurrentOne) {
    const auto jahre = BerichtsjahrAuswahl(2026);
    ASSERT_EQ(jahre.size(), 24u);
    EXPECT_EQ(jahre.front(), "2004");
    EXPECT_EQ(jahre[6], "2010");
    EXPECT_EQ(jahre.back(), "2027");
    EXPECT_EQ(BerichtsjahrAuswahl(2004), (std::vector<std::string>{"2004", "2005"}));
    // What the dialog lists: up to the machine's year + 1.
    std::vector<std::string> gelistet(kBerichtsjahre.begin(), kBerichtsjahre.end());
    EXPECT_EQ(gelistet, BerichtsjahrAuswahl(test::DiesesJahr()));
    EXPECT_EQ(gelistet.back(), std::to_string(test::DiesesJahr() + 1));
}

TEST(SettingsPaths, APathTheSettingsCannotHoldIsRefusedWhereItIsChosen) {
    TempOrdner o;
    SkriptMeldungen m;
    TEinstellungen e;
    EinstellungenStandard(e, o.Pfad());
    auto f = FormularAnlegen(o.Pfad());
    FormularAnzeigen(f, e);
    const auto vorher = Bild(e);
    f.Schulnummer = "55555";
    f.DatenPfad = o / "Łódź";
    EXPECT_FALSE(FormularOk(f, e, m));
    EXPECT_EQ(m.Texte(),
              std::vector<std::string>{"Der Pfad:\r" + (o / "Łódź/") +
                                       "\rkann nicht in den Einstellungen gespeichert werden!\r\r(Möglich "
                                       "sind höchstens 250 Zeichen, alle aus dem Windows-Zeichensatz 1252.)"});
    EXPECT_EQ(Bild(e), vorher);
    EXPECT_FALSE(test::Da(o / "ZEVEinstellungen.DAT"));

    // An export folder of 251 characters, and a new folder of such a name.
    m.gezeigt.clear();
    FormularAnzeigen(f, e);
    f.ExportPfad = "/" + std::string(249, 'x') + "/";
    EXPECT_FALSE(FormularOk(f, e, m));
    EXPECT_EQ(m.gezeigt.size(), 1u);
    f.ExportPfad = o.Pfad();
    EXPECT_FALSE(NeuenOrdnerErstellen(f, OrdnerWahl::Export, "Łódź", m));
    EXPECT_FALSE(test::Da(o / "Łódź"));
    EXPECT_TRUE(FormularOk(f, e, m));
}

// The school number goes into every record and every data file's header: "OK"
// takes one to ten digits only, as `zev settings` does; anything else is
// reported, nothing is taken or written, and the dialog stays open.
TEST_F(EinstellungsFormularTest, OkTakesOnlyASchoolNumberOfOneToTenDigits) {
    for (const std::string nr : {"12a45", "", "12345678901", " 12345", "12345 ", "\xD9\xA1\xD9\xA2", "-1"}) {
        m.gezeigt.clear();
        const auto vorher = Bild(e);
        f.Schulnummer = nr;
        EXPECT_FALSE(FormularOk(f, e, m)) << nr;
        EXPECT_EQ(m.Texte(), std::vector<std::string>{"Schulnummer: " + nr +
                                                      " kann nicht benutzt werden!\r\rDie Schulnummer besteht aus "
                                                      "1 bis 10 Ziffern (0 bis 9)."})
            << nr;
        EXPECT_EQ(Bild(e), vorher) << nr;
        EXPECT_FALSE(test::Da(Datei())) << nr;
    }
    for (const std::string nr : {"0", "1234567890"}) {
        f.Schulnummer = nr;
        EXPECT_TRUE(FormularOk(f, e, m)) << nr;
        EXPECT_EQ(e.Schulnummer.str(), nr);
    }
}

// A folder in an XML file name would send the export out of the export folder:
// refused as the rule refuses a bad short name, so the area keeps its default.
TEST_F(EinstellungsFormularTest, FileNamesWithAFolderAreRefused) {
    f.Schulnummer = "12345";
    f.XMLDateien = {"../../evil", "sub/Lehrer.XML", "..\\Klassen", "a/"};
    EXPECT_TRUE(FormularOk(f, e, m));
    for (int a = ImportSchule; a <= ImportSchueler; ++a)
        EXPECT_EQ(XMLDateiName(e, a).str(),
                  std::string(std::array{"Schule", "Lehrer", "Klassen", "Schueler"}[a - 1]) + ".XML");
    std::vector<std::string> erwartet;
    for (const std::string n : {"../../evil", "sub/Lehrer.XML", "..\\Klassen", "a/"})
        erwartet.push_back("Dateiname: " + n +
                           " kann nicht benutzt werden!\r\rBeachten Sie die Regeln zur Bildung von Dateinamen!");
    EXPECT_EQ(m.Texte(), erwartet);
}

TEST_F(EinstellungsFormularTest, ShowFillsEveryElementFromTheRecord) {
    e.Schulnummer = "12345";
    e.DatenPfad = "/srv/Sch\xFCler/";
    e.Datenquelle = 0;
    e.Dateizugriff = 0;
    e.Berichtsjahr = "2007";
    e.FreierTraeger = 1;
    e.WeiterfuehrendeSchule = 2; // only 1 is a check mark
    e.XMLDateiKlassen = "K\xE4stchen.XML";
    e.XMLLayout = 3;
    e.SchwelleKlassen = 2;
    e.UEInfoReihenfolge = 1;
    e.AlleTestsZeigen = 1;
    FormularAnzeigen(f, e);

    EXPECT_EQ(f.Schulnummer, "12345");
    EXPECT_EQ(f.DatenPfad, "/srv/Schüler/");
    EXPECT_EQ(f.ExportPfad, prog + "Daten/Export/");
    EXPECT_EQ(f.Datenquelle, 0);
    EXPECT_EQ(f.Dateizugriff, 0);
    EXPECT_EQ(f.Berichtsjahr, "2007");
    EXPECT_TRUE(f.FreierTraeger);
    EXPECT_FALSE(f.WeiterfuehrendeSchule);
    EXPECT_TRUE(f.StartSicherung);
    EXPECT_TRUE(f.AnsiAusgabe);
    EXPECT_EQ(f.XMLDateien[0], "Schule.XML");
    EXPECT_EQ(f.XMLDateien[2], "Kästchen.XML");
    EXPECT_EQ(f.XMLLayout, 3);
    EXPECT_EQ(f.SchwelleSchule, 0);
    EXPECT_EQ(f.SchwelleKlassen, 2);
    EXPECT_EQ(f.UEInfoReihenfolge, 1);
    EXPECT_TRUE(f.AlleTestsZeigen);
    EXPECT_EQ(std::memcmp(&f.Kopie, &e, sizeof e), 0);
    // The default import entry's file does not exist yet: "Datei:" keeps its name.
    EXPECT_EQ(f.ImportBereich, 1);
    EXPECT_EQ(f.ImportReihenfolge, 1);
    EXPECT_EQ(f.ImportOrdner, prog + "Daten/Import/");
    EXPECT_EQ(f.ImportDatei, prog + "Daten/Import/Schule.XML");
    EXPECT_EQ(f.ImportDateiIndex, -1);
    EXPECT_EQ(f.ImportDatensaetze, 1);
    EXPECT_EQ(f.ImportEinzelfelder, 0);
    // A check field other than 1 is stored back as 0.
    FormularUebernehmen(f, e, m);
    EXPECT_EQ(e.WeiterfuehrendeSchule, 0);
}

// The byte layout of the record is fixed where the record is declared; reading back
// is the settings file's test.
TEST_F(EinstellungsFormularTest, OkTakesTheFormAndWritesTheWholeRecordAs5120Bytes) {
    f.Schulnummer = "98765";
    f.Berichtsjahr = "2009";
    f.XMLLayout = 2;
    ASSERT_TRUE(FormularOk(f, e, m));
    EXPECT_TRUE(m.gezeigt.empty());
    EXPECT_EQ(e.Schulnummer.str() + e.Berichtsjahr.str() + std::to_string(e.XMLLayout.get()), "9876520092");
    const auto bytes = DateiBytes(Datei());
    EXPECT_EQ(bytes.size(), 5120u);
    EXPECT_EQ(bytes, Bild(e));
}

// A separator is appended while the path is shorter than 250 characters; a stored
// Windows path keeps its own; the import folder follows the data folder, cut to
// its field as well; umlauts are stored as Windows-1252.
TEST_F(EinstellungsFormularTest, FoldersGetASeparatorAndTheImportFolderFollowsTheDataFolder) {
    const std::string a249 = "/" + std::string(248, 'a'), b250 = "/" + std::string(249, 'b');
    struct Fall {
        std::string daten, export_, datenPfad, importPfad, exportPfad;
    };
    for (const Fall& fall :
         {Fall{t / "Anders", t / "Ausgabe", t / "Anders/", t / "Anders/Import/", t / "Ausgabe/"},
          Fall{"C:\\ZEV\\", "/export/", "C:\\ZEV\\", "C:\\ZEV\\Import/", "/export/"},
          Fall{"/daten/Prüfung", "/e",
               "/daten/Pr\xFC"
               "fung/",
               "/daten/Pr\xFC"
               "fung/Import/",
               "/e/"},
          Fall{a249, b250, a249 + "/", a249 + "/", b250},
          Fall{"/" + std::string(300, 'c'), "/e", "/" + std::string(249, 'c'), "/" + std::string(249, 'c'), "/e/"}}) {
        SCOPED_TRACE(fall.daten);
        f.DatenPfad = fall.daten;
        f.ExportPfad = fall.export_;
        FormularUebernehmen(f, e, m);
        EXPECT_EQ(e.DatenPfad.str(), fall.datenPfad);
        EXPECT_EQ(e.ImportPfad.str(), fall.importPfad);
        EXPECT_EQ(e.ExportPfad.str(), fall.exportPfad);
    }
    EXPECT_TRUE(m.gezeigt.empty());
}

TEST_F(EinstellungsFormularTest, FileNamesAreNormalisedAndEmptyOnesGetTheDefault) {
    f.XMLDateien = {"schule", "", "Daten.xml", "?"};
    FormularUebernehmen(f, e, m);
    EXPECT_EQ(e.XMLDateiSchule.str(), "schule.XML");
    EXPECT_EQ(e.XMLDateiLehrer.str(), "Lehrer.XML");
    EXPECT_EQ(e.XMLDateiKlassen.str(), "Daten.xml");
    EXPECT_EQ(e.XMLDateiSchueler.str(), "Schueler.XML");
    const std::vector<Gezeigt> erwartet = {
        {MeldungsArt::Fehler,
         "Dateiname: ? kann nicht benutzt werden!\r\rBeachten Sie die Regeln zur Bildung von Dateinamen!", Tasten::Ok}};
    EXPECT_EQ(m.gezeigt, erwartet);
}

TEST_F(EinstellungsFormularTest, FileNamesAreTrimmedConvertedAndCutTo80) {
    f.XMLDateien = {"  \t ", " Lehrkräfte ", std::string(90, 'k'), "abc"};
    FormularUebernehmen(f, e, m);
    EXPECT_EQ(e.XMLDateiSchule.str(), "Schule.XML");
    EXPECT_EQ(e.XMLDateiLehrer.str(), std::string("Lehrkr\xE4") + "fte.XML");
    EXPECT_EQ(e.XMLDateiKlassen.str(), std::string(80, 'k'));
    EXPECT_EQ(e.XMLDateiSchueler.str(), "abc.XML");
    EXPECT_TRUE(m.gezeigt.empty());
}

TEST_F(EinstellungsFormularTest, TextsAreCutAndEveryCheckAndChoiceIsTaken) {
    e.Reserviert1092 = 7;
    FormularAnzeigen(f, e);
    f.Schulnummer = "123456789012";
    f.Berichtsjahr = "2010/2011 Schuljahr";
    f.Datenquelle = 2;
    f.Dateizugriff = 0;
    f.XMLLayout = 0;
    f.SchwelleSchule = 1;
    f.SchwelleLehrer = 2;
    f.SchwelleKlassen = 1;
    f.SchwelleSchueler = 2;
    f.UEInfoReihenfolge = 3;
    f.AnsiAusgabe = false;
    f.ZwischenablageInfo = false;
    f.UELoeschenOhneFrage = false;
    f.StartSicherung = false;
    f.VorgaengerAlsVorlage = false;
    f.WeiterfuehrendeSchule = false;
    f.FreierTraeger = true;
    f.AlleTestsZeigen = true;
    FormularUebernehmen(f, e, m);

    EXPECT_EQ(e.Schulnummer.str(), "1234567890");
    EXPECT_EQ(e.Berichtsjahr.str(), "2010/2011 ");
    EXPECT_EQ(e.Datenquelle, 2);
    EXPECT_EQ(e.Dateizugriff, 0);
    EXPECT_EQ(e.XMLLayout, 0);
    EXPECT_EQ(e.SchwelleSchule, 1);
    EXPECT_EQ(e.SchwelleLehrer, 2);
    EXPECT_EQ(e.SchwelleKlassen, 1);
    EXPECT_EQ(e.SchwelleSchueler, 2);
    EXPECT_EQ(e.UEInfoReihenfolge, 3);
    EXPECT_EQ(e.AnsiAusgabe, 0);
    EXPECT_EQ(e.ZwischenablageInfo, 0);
    EXPECT_EQ(e.UELoeschenOhneFrage, 0);
    EXPECT_EQ(e.StartSicherung, 0);
    EXPECT_EQ(e.VorgaengerAlsVorlage, 0);
    EXPECT_EQ(e.WeiterfuehrendeSchule, 0);
    EXPECT_EQ(e.FreierTraeger, 1);
    EXPECT_EQ(e.AlleTestsZeigen, 1);
    EXPECT_EQ(e.Reserviert1092, 7); // not an element of the dialog
}

// "Abbrechen" after changes, a restore of the defaults and an import tab change: the dialog test.

TEST_F(EinstellungsFormularTest, ImportEntryIsStoredBeforeTheTabOrOrderChanges) {
    f.ImportDatei = "/import/schule1.XML";
    f.ImportDatensaetze = 0;
    f.ImportEinzelfelder = 2;
    ImportEintragWechseln(f, e, ImportLehrer, 1);
    EXPECT_EQ(e.XMLImport[1][1].Datei.str(), "/import/schule1.XML");
    EXPECT_EQ(e.XMLImport[1][1].Datensaetze, 0);
    EXPECT_EQ(e.XMLImport[1][1].Einzelfelder, 2);
    EXPECT_EQ(f.ImportBereich, 2);
    EXPECT_EQ(f.ImportDatensaetze, 1);
    EXPECT_EQ(f.ImportEinzelfelder, 0);

    const std::string lang = "/" + std::string(299, 'l');
    f.ImportDatei = lang;
    f.ImportEinzelfelder = 1;
    ImportEintragWechseln(f, e, ImportLehrer, 3);
    EXPECT_EQ(e.XMLImport[2][1].Datei.str(), lang.substr(0, 250));
    EXPECT_EQ(e.XMLImport[2][1].Einzelfelder, 1);
    // Orders 2 and 3 start empty: the chooser shows the program folder, "Datei:" stays empty.
    EXPECT_EQ(f.ImportReihenfolge, 3);
    EXPECT_EQ(f.ImportOrdner, prog);
    EXPECT_EQ(f.ImportDatei, "");

    // Back to the first entry: shown as stored, though neither file nor folder exists.
    ImportEintragWechseln(f, e, ImportSchule, 1);
    EXPECT_EQ(f.ImportOrdner, "/import/");
    EXPECT_EQ(f.ImportDatei, "/import/schule1.XML");
    EXPECT_EQ(f.ImportDatensaetze, 0);
    EXPECT_EQ(f.ImportEinzelfelder, 2);
    // Showing and storing an entry does not change it; entries never shown are untouched.
    EXPECT_TRUE(e.XMLImport[2][3].Datei.empty());
    EXPECT_TRUE(e.XMLImport[2][2].Datei.empty());
    EXPECT_TRUE(e.XMLImport[3][1].Datei == PfadAusFeld(e.ImportPfad) + "Klassen.XML");
}

TEST_F(EinstellungsFormularTest, AnAreaOrOrderOutOfRangeCountsAsSchoolOrderOne) {
    e.XMLImport[1][1].Einzelfelder = 2;
    FormularAnzeigen(f, e);
    ImportEintragWechseln(f, e, 4, 2);
    f.ImportDatei = "/vier/zwei.XML";
    ImportEintragWechseln(f, e, 5, 1);
    EXPECT_EQ(e.XMLImport[4][2].Datei.str(), "/vier/zwei.XML");
    EXPECT_EQ(f.ImportBereich, 1);
    EXPECT_EQ(f.ImportReihenfolge, 1);
    EXPECT_EQ(f.ImportEinzelfelder, 2);
    ImportEintragWechseln(f, e, 2, 0);
    EXPECT_EQ(f.ImportBereich, 1);
    EXPECT_EQ(f.ImportReihenfolge, 1);
}

TEST_F(EinstellungsFormularTest, ImportChooserListsXmlFilesAndChoosesTheStoredOne) {
    const std::string ordner = t / "Import/";
    Anlegen(ordner);
    Leer(ordner + "Schule.XML");
    Leer(ordner + "alt.xml");
    Leer(ordner + "Notiz.txt");
    Leer(ordner + "x.Xml");
    Anlegen(ordner + "Ordner.XML");
    e.XMLImport[1][1].Datei = ordner + "Schule.XML";
    FormularAnzeigen(f, e);

    EXPECT_EQ(f.ImportOrdner, ordner);
    EXPECT_EQ(f.ImportDateien, (std::vector<std::string>{"Schule.XML", "alt.xml", "x.Xml"}));
    EXPECT_EQ(f.ImportDateiIndex, 0);
    EXPECT_EQ(f.ImportDatei, ordner + "Schule.XML");

    ImportDateiWaehlen(f, 1);
    EXPECT_EQ(f.ImportDatei, ordner + "alt.xml");
    ImportDateiWaehlen(f, 3); // no such line: nothing changes
    EXPECT_EQ(f.ImportDateiIndex, 1);
    EXPECT_EQ(f.ImportDatei, ordner + "alt.xml");

    ImportOrdnerWaehlen(f, t / "Import/Ordner.XML");
    EXPECT_EQ(f.ImportDatei, ordner + "Ordner.XML/");
    EXPECT_TRUE(f.ImportDateien.empty());
    EXPECT_EQ(f.ImportDateiIndex, -1);

    ImportOrdnerWaehlen(f, t / "Import");
    ImportDateiWaehlen(f, 2);
    ImportEintragWechseln(f, e, ImportSchule, 2);
    EXPECT_EQ(e.XMLImport[1][1].Datei.str(), ordner + "x.Xml");
}

TEST_F(EinstellungsFormularTest, RestoringDefaultsRefillsTheFormWithoutWriting) {
    e.Schulnummer = "55555";
    e.DatenPfad = "/anders/";
    e.XMLImport[3][2].Datei = "/k/2.XML";
    f.ImportReihenfolge = 2;
    f.ImportBereich = 3;
    f.Schulnummer = "66666";
    f.AlleTestsZeigen = true;
    StandardWiederherstellen(f, e);

    TEinstellungen standard{};
    EinstellungenStandard(standard, prog);
    EXPECT_EQ(Bild(e), Bild(standard));
    EXPECT_EQ(f.Schulnummer, "00000");
    EXPECT_EQ(f.DatenPfad, prog + "Daten/");
    EXPECT_EQ(f.ExportPfad, prog + "Daten/Export/");
    EXPECT_EQ(f.Berichtsjahr, std::to_string(test::DiesesJahr()));
    EXPECT_FALSE(f.AlleTestsZeigen);
    EXPECT_EQ(f.XMLDateien[3], "Schueler.XML");
    // The shown import entry stays the chosen tab and order.
    EXPECT_EQ(f.ImportBereich, 3);
    EXPECT_EQ(f.ImportReihenfolge, 2);
    EXPECT_EQ(f.ImportDatei, "");
    EXPECT_FALSE(test::Da(Datei()));
}

// A folder without a name, and the data chooser's new folder: the dialog test.
TEST_F(EinstellungsFormularTest, NewFolderThatCannotBeCreatedIsReported) {
    const std::string fehler =
        "KEIN Ordner erstellt!\r\rPrüfen Sie, ob Sie über die notwendigen\rRechte verfügen "
        "bzw. ob eventuell nicht\rzugelassene Zeichen (z.B.: / : < > )\rim Namen enthalten sind!";
    Leer(t / "Datei");
    Anlegen(t / "da/schon");
    f.DatenPfad = t / "Datei"; // a file, not a folder
    f.ExportPfad = t / "da";
    EXPECT_FALSE(NeuenOrdnerErstellen(f, OrdnerWahl::Daten, "Neu", m));
    EXPECT_FALSE(NeuenOrdnerErstellen(f, OrdnerWahl::Export, "schon", m)); // exists already
    EXPECT_FALSE(NeuenOrdnerErstellen(f, OrdnerWahl::Export, "a/b", m));
    EXPECT_FALSE(NeuenOrdnerErstellen(f, OrdnerWahl::Export, "Ωmega", m)); // no Windows-1252 character
    ASSERT_EQ(m.gezeigt.size(), 4u);
    for (const Gezeigt& g : m.gezeigt) EXPECT_EQ(g, (Gezeigt{MeldungsArt::Fehler, fehler, Tasten::Ok}));
    EXPECT_EQ(f.DatenPfad, t / "Datei");
    EXPECT_EQ(f.ExportPfad, t / "da");
    EXPECT_EQ(test::Inhalt(t / "da"), std::vector<std::string>{"schon"});
}

TEST_F(EinstellungsFormularTest, NewFolderBecomesTheChosenPathOfItsChooserOnly) {
    Anlegen(t / "Daten/Export");
    EXPECT_TRUE(NeuenOrdnerErstellen(f, OrdnerWahl::Export, "Übergabe 2024", m));
    EXPECT_TRUE(m.gezeigt.empty());
    EXPECT_EQ(f.ExportPfad, prog + "Daten/Export/Übergabe 2024");
    EXPECT_EQ(f.DatenPfad, prog + "Daten/");
    EXPECT_TRUE(std::filesystem::is_directory(f.ExportPfad));
    FormularUebernehmen(f, e, m);
    EXPECT_EQ(e.ExportPfad.str(), Utf8ToCp1252(t / "Daten/Export/Übergabe 2024/"));
}

} // namespace
} // namespace zev

namespace zev {
namespace {

// Settings another program wrote while the dialog was open are never overwritten
// unasked; each answer loses nothing.
TEST_F(EinstellungsFormularTest, OkOverSettingsAnotherProgramChangedAsksFirst) {
    const std::string kText =
        "Die Datei " + Datei() +
        " wurde seit dem Laden von einem anderen Programm geändert.\r\rMeine Fassung speichern: die andere Fassung "
        "wird überschrieben.\rDie andere Fassung laden: Ihre Eingaben in diesem Dialog gehen verloren.\rAbbrechen: es "
        "wird nichts geschrieben.";
    struct Fall {
        std::size_t wahl;
        bool ja;
        bool ok;
        std::string datei; // the school number in the file afterwards
        std::string form;  // ... in the form afterwards
    };
    for (const Fall& fall : {Fall{0, false, true, "11111", "11111"}, Fall{1, true, false, "22222", "22222"},
                             Fall{1, false, false, "22222", "11111"}, Fall{2, false, false, "22222", "11111"}}) {
        SCOPED_TRACE(testing::Message() << "Wahl " << fall.wahl << (fall.ja ? " Ja" : ""));
        std::filesystem::remove(Datei());
        io::Dateistand stand = EinstellungsStand(prog);
        f = FormularAnlegen(prog);
        f.Stand = &stand;
        FormularAnzeigen(f, e);
        f.Schulnummer = "11111";
        // `zev settings set Schulnummer=22222` meanwhile.
        TEinstellungen fremd;
        EinstellungenStandard(fremd, prog);
        fremd.Schulnummer = "22222";
        ASSERT_TRUE(EinstellungenSchreiben(fremd, prog, m));

        SkriptMeldungen mf;
        mf.Wahlen({fall.wahl});
        mf.Antworten({fall.ja});
        EXPECT_EQ(FormularOk(f, e, mf), fall.ok);
        ASSERT_FALSE(mf.gezeigt.empty());
        EXPECT_EQ(mf.gezeigt[0].text, kText);
        TEinstellungen gelesen;
        EinstellungenLesen(gelesen, prog, prog, m);
        EXPECT_EQ(Cp1252ToUtf8(gelesen.Schulnummer.view()), fall.datei);
        EXPECT_EQ(f.Schulnummer, fall.form);
        EXPECT_EQ(f.NeuGeladen, fall.wahl == 1 && fall.ja);
        // Answered, the file is the dialog's: the next OK writes without a question.
        mf.gezeigt.clear();
        if (fall.ok || fall.ja) {
            EXPECT_TRUE(FormularOk(f, e, mf));
            EXPECT_TRUE(mf.gezeigt.empty());
        }
    }
}

} // namespace
} // namespace zev
