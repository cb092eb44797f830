// `zev settings show|set`: the settings of a program folder without the dialog,
// with the dialog's checks; a refused value writes nothing.
#include "cli/cli.h"
#include "cli/record_json.h"
#include "io/file_io.h"
#include "model/encoding.h"
#include "storage/settings_file.h"
#include "support/cli_run.h"
#include "support/scripted_messages.h"
#include "support/temp_folder.h"
#include "support/this_year.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <sstream>

namespace zev {
namespace {

using test::Lauf;

using test::DateiBytes;
namespace fs = std::filesystem;

std::vector<std::uint8_t> Bild(const TEinstellungen& e) {
    const std::uint8_t* p = ImageOf(e);
    return {p, p + sizeof e};
}

class SettingsCommand : public ::testing::Test {
protected:
    test::Lauf Zev(std::vector<std::string> args, const std::string& ordner = "") {
        return test::ZevLauf(std::move(args), ordner.empty() ? home.Pfad() : ordner);
    }
    std::string Datei() const { return home / kEinstellungenDatei; }
    TEinstellungen Standard() const {
        TEinstellungen e;
        EinstellungenStandard(e, home.Pfad());
        return e;
    }
    void Schreiben(const TEinstellungen& e) {
        test::SkriptMeldungen m;
        ASSERT_TRUE(EinstellungenSchreiben(e, home.Pfad(), m));
    }
    TEinstellungen Gelesen() const {
        TEinstellungen e;
        test::SkriptMeldungen m;
        EinstellungenLesen(e, home.Pfad(), home.Pfad(), m);
        EXPECT_TRUE(m.gezeigt.empty());
        return e;
    }

    test::TempOrdner home;
};

std::string Jahr() {
    return std::to_string(test::DiesesJahr());
}

TEST_F(SettingsCommand, ShowOnAFreshFolderListsTheDefaultsAndWritesNothing) {
    const Lauf l = Zev({"settings", "show"});
    EXPECT_EQ(l.status, 0);
    const std::string h = home.Pfad();
    std::string erwartet = "Schulnummer=00000\nDatenPfad=" + h + "Daten/\nExportPfad=" + h +
                           "Daten/Export/\nXMLDateiSchule=Schule.XML\nXMLDateiLehrer=Lehrer.XML\n"
                           "XMLDateiKlassen=Klassen.XML\nXMLDateiSchueler=Schueler.XML\nDatenquelle=1\n"
                           "ZwischenablageInfo=1\nXMLLayout=1\nUELoeschenOhneFrage=1\nStartSicherung=1\n"
                           "VorgaengerAlsVorlage=1\nWeiterfuehrendeSchule=1\nDateizugriff=1\nFreierTraeger=0\n";
    for (const char* bereich : {"Schule", "Lehrer", "Klassen", "Schueler"}) {
        for (int n = 1; n <= 3; ++n) {
            const std::string name = std::string("Import.") + bereich + "." + std::to_string(n) + ".";
            erwartet += name + "Datei=" + (n == 1 ? h + "Daten/Import/" + bereich + ".XML" : "") + "\n";
            erwartet += name + "Datensaetze=1\n" + name + "Einzelfelder=0\n";
        }
    }
    erwartet += "AlleTestsZeigen=0\nBerichtsjahr=" + Jahr() +
                "\nSchwelleSchule=0\nSchwelleLehrer=0\nSchwelleKlassen=0\nSchwelleSchueler=0\nUEInfoReihenfolge=0\n";
    EXPECT_EQ(l.out, erwartet);
    EXPECT_EQ(l.err, "Information: Die Einstellungsdatei:\n" + Datei() +
                         "\ngibt es noch nicht. Gezeigt werden die Standard-Einstellungen\nfür diesen "
                         "Programm-Ordner (zev settings set legt die Datei an).\n");
    EXPECT_FALSE(test::Da(Datei()));
    EXPECT_TRUE(test::Inhalt(home.Pfad()).empty());
}

// The file as the dialog's "OK" would write it after the same entries.
TEST_F(SettingsCommand, SetWritesExactlyTheNamedFields) {
    Lauf l =
        Zev({"settings", "set", "Schulnummer=12345", "DatenPfad=/srv/zev/Daten", "Datenquelle=0", "FreierTraeger=ja",
             "WeiterfuehrendeSchule=Nein", "XMLDateiKlassen=klassen", "Import.Lehrer.2.Datei=/srv/zev/ein/Lehrer-2.xml",
             "Import.Lehrer.2.Einzelfelder=2", "Import.Schule.1.Datensaetze=0", "Berichtsjahr=2010",
             "SchwelleSchueler=2", "ExportPfad=/srv/Prüfung/"});
    EXPECT_EQ(l.status, 0) << l.err;
    EXPECT_EQ(l.err, "");
    EXPECT_EQ(l.out, "Schulnummer=12345\n"
                     "DatenPfad=/srv/zev/Daten/\n"
                     "Datenquelle=0\n"
                     "FreierTraeger=1\n"
                     "WeiterfuehrendeSchule=0\n"
                     "XMLDateiKlassen=klassen.XML\n"
                     "Import.Lehrer.2.Datei=/srv/zev/ein/Lehrer-2.xml\n"
                     "Import.Lehrer.2.Einzelfelder=2\n"
                     "Import.Schule.1.Datensaetze=0\n"
                     "Berichtsjahr=2010\n"
                     "SchwelleSchueler=2\n"
                     "ExportPfad=/srv/Prüfung/\n");

    TEinstellungen e = Standard();
    e.Schulnummer = "12345";
    e.DatenPfad = "/srv/zev/Daten/";
    e.ImportPfad = "/srv/zev/Daten/Import/"; // follows the data folder, as in the dialog
    e.Datenquelle = 0;
    e.FreierTraeger = 1;
    e.WeiterfuehrendeSchule = 0;
    e.XMLDateiKlassen = "klassen.XML";
    e.XMLImport[2][2].Datei = "/srv/zev/ein/Lehrer-2.xml";
    e.XMLImport[2][2].Einzelfelder = 2;
    e.XMLImport[1][1].Datensaetze = 0;
    e.Berichtsjahr = "2010";
    e.SchwelleSchueler = 2;
    e.ExportPfad = "/srv/Pr\xFC"
                   "fung/";
    EXPECT_EQ(DateiBytes(Datei()), Bild(e));

    // A second call changes only its own fields of the file as it stands.
    l = Zev({"settings", "set", "Dateizugriff=0", "Import.Lehrer.2.Datei="});
    EXPECT_EQ(l.status, 0) << l.err;
    EXPECT_EQ(l.out, "Dateizugriff=0\nImport.Lehrer.2.Datei=\n");
    e.Dateizugriff = 0;
    e.XMLImport[2][2].Datei = "";
    EXPECT_EQ(DateiBytes(Datei()), Bild(e));
    EXPECT_EQ(test::Inhalt(home.Pfad()), std::vector<std::string>{"ZEVEinstellungen.DAT"});
}

// Every folder of the settings is derived from the program folder; one named
// relatively would be stored relatively and mean another folder when the program
// is started elsewhere. Each spelling stores the same absolute paths.
TEST_F(SettingsCommand, ARelativeHomeIsStoredAsAnAbsoluteFolder) {
    struct ZurueckIn {
        fs::path ordner = fs::current_path();
        ~ZurueckIn() { fs::current_path(ordner); }
    } zurueck;
    fs::create_directories(home / "a/b");
    fs::current_path(home / "a/b");
    const std::string b = fs::current_path().string() + "/";
    fs::current_path(home / "a");
    for (const std::string rel : {"b", "./b", "b/", "b/../b/.", "../a/b"}) {
        fs::remove(home / "a/b/ZEVEinstellungen.DAT");
        const Lauf l = test::ZevLauf({"--home", rel, "settings", "set", "Schulnummer=4711"});
        EXPECT_EQ(l.status, 0) << rel << l.err;
        TEinstellungen e;
        EinstellungenStandard(e, b);
        e.Schulnummer = "4711";
        EXPECT_EQ(e.DatenPfad.str(), b + "Daten/");
        EXPECT_EQ(e.XMLImport[2][1].Datei.str(), b + "Daten/Import/Lehrer.XML");
        EXPECT_EQ(DateiBytes(b + "ZEVEinstellungen.DAT"), Bild(e)) << rel;
    }
    // The working folder itself.
    fs::current_path(b);
    const Lauf l = test::ZevLauf({"--home", "", "settings", "show"});
    EXPECT_NE(l.out.find("\nDatenPfad=" + b + "Daten/\n"), std::string::npos) << l.out;
}

TEST_F(SettingsCommand, ChoicesYesNoAndNamesAtTheEdgesOfTheirRanges) {
    const Lauf l = Zev({"settings", "set", "XMLLayout=3", "UEInfoReihenfolge=3", "SchwelleLehrer=2", "Datenquelle=2",
                        "Import.Klassen.3.Datensaetze=1", "Import.Klassen.3.Einzelfelder=2", "AlleTestsZeigen=1",
                        "StartSicherung=0", "ZwischenablageInfo=JA", "Schulnummer=0123456789", "Berichtsjahr=2004",
                        "XMLDateiSchueler=" + std::string(76, 's'),
                        "XMLDateiSchule=  Schule-" + std::string(60, 'x') + ".xml  ", "XMLDateiLehrer="});
    ASSERT_EQ(l.status, 0) << l.err;
    const TEinstellungen e = Gelesen();
    EXPECT_EQ(e.XMLLayout.get(), 3);
    EXPECT_EQ(e.UEInfoReihenfolge.get(), 3);
    EXPECT_EQ(e.SchwelleLehrer.get(), 2);
    EXPECT_EQ(e.Datenquelle.get(), 2);
    EXPECT_EQ(e.XMLImport[3][3].Datensaetze.get(), 1);
    EXPECT_EQ(e.XMLImport[3][3].Einzelfelder.get(), 2);
    EXPECT_EQ(e.AlleTestsZeigen.get(), 1);
    EXPECT_EQ(e.StartSicherung.get(), 0);
    EXPECT_EQ(e.ZwischenablageInfo.get(), 1);
    EXPECT_EQ(e.Schulnummer.str(), "0123456789");
    EXPECT_EQ(e.Berichtsjahr.str(), "2004");
    EXPECT_EQ(e.XMLDateiSchueler.str(), std::string(76, 's') + ".XML"); // exactly 80
    EXPECT_EQ(e.XMLDateiSchule.str(), "Schule-" + std::string(60, 'x') + ".xml");
    EXPECT_EQ(e.XMLDateiLehrer.str(), "Lehrer.XML"); // empty: the default name
    const std::string naechstes = std::to_string(test::DiesesJahr() + 1);
    EXPECT_EQ(Zev({"settings", "set", "Berichtsjahr=" + naechstes}).status, 0);
    EXPECT_EQ(Gelesen().Berichtsjahr.str(), naechstes);
}

TEST_F(SettingsCommand, ShowJsonParsesAndRoundTripsThroughSet) {
    ASSERT_EQ(Zev({"settings", "set", "Schulnummer=98765", "DatenPfad=/srv/Grundschule Süd/Daten",
                   "XMLDateiLehrer=Lehrkräfte", "Import.Klassen.2.Datei=/srv/ein/Klassen 2.xml",
                   "Import.Klassen.2.Datensaetze=0", "UEInfoReihenfolge=1", "SchwelleSchule=1", "Dateizugriff=0"})
                  .status,
              0);
    const Lauf a = Zev({"settings", "show", "--json"});
    ASSERT_EQ(a.status, 0);
    EXPECT_EQ(a.err, "");
    const nlohmann::ordered_json j = nlohmann::ordered_json::parse(a.out);
    EXPECT_EQ(j.size(), 59u);
    EXPECT_EQ(j["Schulnummer"], "98765");
    EXPECT_EQ(j["DatenPfad"], "/srv/Grundschule Süd/Daten/");
    EXPECT_EQ(j["XMLDateiLehrer"], "Lehrkräfte.XML");
    EXPECT_EQ(j["Import.Klassen.2.Datensaetze"], 0);
    EXPECT_EQ(j["Dateizugriff"], 0);

    // The same names and values, as text lines.
    std::string zeilen;
    std::vector<std::string> args = {"settings", "set"};
    for (const auto& [name, wert] : j.items()) {
        args.push_back(name + "=" + (wert.is_string() ? wert.get<std::string>() : wert.dump()));
        zeilen += args.back() + "\n";
    }
    EXPECT_EQ(Zev({"settings", "show"}).out, zeilen);

    test::TempOrdner anderer;
    const Lauf b = Zev(args, anderer.Pfad());
    ASSERT_EQ(b.status, 0) << b.err;
    EXPECT_EQ(b.out, zeilen);
    EXPECT_EQ(Zev({"settings", "show", "--json"}, anderer.Pfad()).out, a.out);
    // Every field, the ones not named too (the import folder, the carried ANSI flag).
    TEinstellungen x, y;
    test::SkriptMeldungen m;
    EinstellungenLesen(x, home.Pfad(), home.Pfad(), m);
    EinstellungenLesen(y, anderer.Pfad(), anderer.Pfad(), m);
    EXPECT_EQ(AlsJson(x), AlsJson(y));
}

struct Abgelehnt {
    std::vector<std::string> args;
    std::string meldung; // before "zev settings: nichts geschrieben.\n"
};

std::vector<Abgelehnt> AbgelehnteWerte() {
    const std::string jahr = std::to_string(test::DiesesJahr() + 1);
    const std::string lang = "/" + std::string(249, 'x');
    const std::string pfad = "(Möglich sind höchstens 250 Zeichen, alle aus dem Windows-Zeichensatz 1252.)\n";
    const std::string schulnummer = "Die Schulnummer besteht aus 1 bis 10 Ziffern (0 bis 9).\n";
    const std::string kein = " wird nicht übernommen:\n";
    return {
        {{"Schulnumer=12345"},
         "zev settings: unbekannte Einstellung: Schulnumer (in Schulnumer=12345)\nDie Namen zeigt: zev settings "
         "show\n"},
        {{"datenpfad=/srv"},
         "zev settings: unbekannte Einstellung: datenpfad (in datenpfad=/srv); gemeint ist wohl DatenPfad\n"
         "Die Namen zeigt: zev settings show\n"},
        {{"ImportPfad=/srv/ein/"},
         "zev settings: unbekannte Einstellung: ImportPfad (in ImportPfad=/srv/ein/)\nDie Namen zeigt: zev settings "
         "show\n"},
        {{"Import.Lehrer.4.Datei=/a.xml"},
         "zev settings: unbekannte Einstellung: Import.Lehrer.4.Datei (in Import.Lehrer.4.Datei=/a.xml)\n"
         "Die Namen zeigt: zev settings show\n"},
        {{"Schulnummer"}, "zev settings: Schulnummer: es fehlt \"=\" (NAME=WERT)\n"},
        {{"Schulnummer=12a45"}, "zev settings: Schulnummer=12a45" + kein + schulnummer},
        {{"Berichtsjahr=2003"},
         "zev settings: Berichtsjahr=2003" + kein + "Das Berichtsjahr ist ein Jahr von 2004 bis " + jahr + ".\n"},
        {{"Datenquelle=3"},
         "zev settings: Datenquelle=3" + kein +
             "Möglich sind: 0 externe XML-Dateien, 1 interne ZEV-Dateien, 2 direkter Datenbank-Zugriff.\n"},
        {{"Dateizugriff=-1"},
         "zev settings: Dateizugriff=-1" + kein + "Möglich sind: 0 nur LESEN, 1 LESEN und SCHREIBEN.\n"},
        {{"XMLLayout=4"},
         "zev settings: XMLLayout=4" + kein +
             "Möglich sind: 0 voll expandiert, 1 Zeilenumbruch nach Element, 2 ohne Zeilenumbruch und "
             "Einrückungen, 3 Reserve.\n"},
        {{"SchwelleKlassen=eins"},
         "zev settings: SchwelleKlassen=eins" + kein +
             "Möglich sind: 0 jede Warnung, 1 schwerwiegende Warnungen, 2 nur Fehler.\n"},
        {{"UEInfoReihenfolge=4"},
         "zev settings: UEInfoReihenfolge=4" + kein +
             "Möglich sind: 0 ZEV-Struktur (Schulart, Jahrg., Fach, Klasse, ...), 1 schul-logisch (Fach, Klasse, "
             "Lehrer, Stunden, ...), 2 und 3 Reserve.\n"},
        {{"Import.Schueler.3.Datensaetze=2"},
         "zev settings: Import.Schueler.3.Datensaetze=2" + kein + "Möglich sind: 0 überschreiben, 1 anhängen.\n"},
        {{"Import.Schule.1.Einzelfelder=99999"},
         "zev settings: Import.Schule.1.Einzelfelder=99999" + kein +
             "Möglich sind: 0 alle überschreiben, 1 neuere (lt. Reihenfolge) übernehmen, 2 nur fehlende "
             "ergänzen.\n"},
        {{"FreierTraeger=2"}, "zev settings: FreierTraeger=2" + kein + "Möglich sind: 1 oder ja, 0 oder nein.\n"},
        {{"StartSicherung=yes"}, "zev settings: StartSicherung=yes" + kein + "Möglich sind: 1 oder ja, 0 oder nein.\n"},
        {{"DatenPfad=/srv/Łódź"},
         "zev settings: DatenPfad=/srv/Łódź" + kein +
             "Der Pfad:\n/srv/Łódź/\nkann nicht in den Einstellungen gespeichert werden!\n\n" + pfad},
        {{"ExportPfad=" + lang},
         "zev settings: ExportPfad=" + lang + kein + "Der Pfad:\n" + lang +
             "/\nkann nicht in den Einstellungen gespeichert werden!\n\n" + pfad},
        // The data folder fits, the import folder that follows it does not.
        {{"DatenPfad=/" + std::string(245, 'd') + "/"},
         "zev settings: DatenPfad=/" + std::string(245, 'd') + "/" + kein + "Der Pfad:\n/" + std::string(245, 'd') +
             "/Import/\nkann nicht in den Einstellungen gespeichert werden!\n\n" + pfad},
        {{"DatenPfad=Daten"},
         "zev settings: DatenPfad=Daten" + kein +
             "Der Ordner wird mit vollständigem Pfad angegeben (beginnend mit \"/\").\n"},
        {{"ExportPfad="},
         "zev settings: ExportPfad=" + kein +
             "Der Ordner wird mit vollständigem Pfad angegeben (beginnend mit \"/\").\n"},
        // Repeated without its control characters.
        {{"DatenPfad=/srv/a\tb"}, "zev settings: DatenPfad=/srv/a\\x09b" + kein + "Der Wert enthält Steuerzeichen.\n"},
        {{"XMLDateiSchule=\x1b[31mrot"},
         "zev settings: XMLDateiSchule=\\x1B[31mrot" + kein + "Der Wert enthält Steuerzeichen.\n"},
        {{"Foo\x1b=1"},
         "zev settings: unbekannte Einstellung: Foo\\x1B (in Foo\\x1B=1)\nDie Namen zeigt: zev settings show\n"},
        {{"Import.Lehrer.1.Datei=/srv/Łask.xml"},
         "zev settings: Import.Lehrer.1.Datei=/srv/Łask.xml" + kein +
             "Der Pfad:\n/srv/Łask.xml\nkann nicht in den Einstellungen gespeichert werden!\n\n" + pfad},
        {{"Import.Lehrer.1.Datei=Lehrer.xml"},
         "zev settings: Import.Lehrer.1.Datei=Lehrer.xml" + kein +
             "Die Datei wird mit vollständigem Pfad angegeben (beginnend mit \"/\"); ein leerer Wert heißt: keine "
             "Datei.\n"},
        {{"XMLDateiSchule=?"},
         "zev settings: XMLDateiSchule=?" + kein +
             "Dateiname: ? kann nicht benutzt werden!\n\nBeachten Sie die Regeln zur Bildung von Dateinamen!\n"},
        // A folder in the name would take the export out of the export folder.
        {{"XMLDateiLehrer=../../evil"},
         "zev settings: XMLDateiLehrer=../../evil" + kein +
             "Dateiname: ../../evil kann nicht benutzt werden!\n\nBeachten Sie die Regeln zur Bildung von "
             "Dateinamen!\n"},
        {{"XMLDateiSchueler=..\\Schueler.XML"},
         "zev settings: XMLDateiSchueler=..\\Schueler.XML" + kein +
             "Dateiname: ..\\Schueler.XML kann nicht benutzt werden!\n\nBeachten Sie die Regeln zur Bildung von "
             "Dateinamen!\n"},
        {{"XMLDateiLehrer=" + std::string(77, 'l')},
         "zev settings: XMLDateiLehrer=" + std::string(77, 'l') + kein +
             "Der Dateiname hat mit \".XML\" mehr als 80 Zeichen.\n"},
        {{"XMLDateiSchueler=Łukasz"},
         "zev settings: XMLDateiSchueler=Łukasz" + kein +
             "Der Dateiname enthält Zeichen, die es im Windows-Zeichensatz 1252 nicht gibt.\n"},
        {{"Schulnummer=1", "Schulnummer=2"}, "zev settings: Schulnummer ist mehrfach angegeben (Schulnummer=2)\n"},
        // Every argument is checked; valid ones are not taken either.
        {{"Schulnummer=55555", "Datenquelle=9", "Foo=1", "Berichtsjahr=2010"},
         "zev settings: Datenquelle=9" + kein +
             "Möglich sind: 0 externe XML-Dateien, 1 interne ZEV-Dateien, 2 direkter Datenbank-Zugriff.\n"
             "zev settings: unbekannte Einstellung: Foo (in Foo=1)\nDie Namen zeigt: zev settings show\n"},
    };
}

TEST_F(SettingsCommand, ARefusedValueIsNamedAndNothingIsWritten) {
    for (const bool mitDatei : {false, true}) {
        if (mitDatei) {
            TEinstellungen e = Standard();
            e.Schulnummer = "12345";
            Schreiben(e);
        }
        const auto vorher = DateiBytes(Datei());
        for (const Abgelehnt& a : AbgelehnteWerte()) {
            std::vector<std::string> args = {"settings", "set"};
            args.insert(args.end(), a.args.begin(), a.args.end());
            const Lauf l = Zev(args);
            EXPECT_EQ(l.status, 2) << a.args[0];
            EXPECT_EQ(l.out, "");
            EXPECT_EQ(l.err, a.meldung + "zev settings: nichts geschrieben.\n");
            EXPECT_EQ(test::Da(Datei()), mitDatei);
            EXPECT_EQ(DateiBytes(Datei()), vorher) << a.args[0];
            EXPECT_EQ(test::Inhalt(home.Pfad()).size(), mitDatei ? 1u : 0u);
        }
    }
}

TEST_F(SettingsCommand, AnUnreadableSettingsFileIsReportedAndLeftAlone) {
    const std::vector<std::uint8_t> kurz(100, 'x');
    test::DateiSchreiben(Datei(), kurz);
    const std::string format = "Fehler: Die vorhandene Einstellungsdatei entspricht\nnicht dem erwarteten Format!\n\n"
                               "Es werden die Standard-Einstellungen genutzt!\nPassen Sie die Einstellungen an und "
                               "bestätigen Sie diese!\n";
    for (const bool json : {false, true}) {
        std::vector<std::string> args = {"settings", "show"};
        if (json) args.push_back("--json");
        const Lauf l = Zev(args);
        EXPECT_EQ(l.status, 3);
        EXPECT_EQ(l.out, "");
        EXPECT_EQ(l.err, format + "zev settings: keine Ausgabe; die Einstellungsdatei bleibt, wie sie ist.\n");
    }
    Lauf l = Zev({"settings", "set", "Schulnummer=12345"});
    EXPECT_EQ(l.status, 3);
    EXPECT_EQ(l.out, "");
    EXPECT_EQ(l.err, format + "zev settings: nichts geschrieben; die Einstellungsdatei bleibt, wie sie ist.\n");
    EXPECT_EQ(DateiBytes(Datei()), kurz);
    EXPECT_EQ(test::Inhalt(home.Pfad()), std::vector<std::string>{"ZEVEinstellungen.DAT"});

    // One byte too many, and a folder in place of the file.
    std::vector<std::uint8_t> lang(kEinstellungenGroesse + 1, 0);
    test::DateiSchreiben(Datei(), lang);
    EXPECT_EQ(Zev({"settings", "set", "Schulnummer=12345"}).status, 3);
    EXPECT_EQ(DateiBytes(Datei()), lang);
    fs::remove(Datei());
    fs::create_directory(Datei());
    l = Zev({"settings", "set", "Schulnummer=12345"});
    EXPECT_EQ(l.status, 3);
    EXPECT_NE(l.err.find("Fehler: Die Datei:\n" + Datei() + "\nkann nicht gelesen werden!\n"), std::string::npos)
        << l.err;
    EXPECT_TRUE(fs::is_directory(Datei()));
    EXPECT_EQ(Zev({"settings", "show"}).status, 3);
}

// As in the program: a text with control characters is reported and gets its
// default; a set then stores the default, as the dialog's "OK" would.
TEST_F(SettingsCommand, TextsWithControlCharactersAreShownAndStoredWithTheirDefaults) {
    TEinstellungen e = Standard();
    e.Schulnummer = "12345";
    e.Berichtsjahr = "\x1b[31m";
    Schreiben(e);
    const std::string warnung = "Warnung: Die Einstellungsdatei:\n" + Datei() +
                                "\nenthält Steuerzeichen in den Feldern: Berichtsjahr\n\nFür diese Felder werden die "
                                "Standard-Einstellungen genutzt!\n";
    Lauf l = Zev({"settings", "show"});
    EXPECT_EQ(l.status, 0);
    EXPECT_EQ(l.err, warnung);
    EXPECT_NE(l.out.find("\nBerichtsjahr=" + Jahr() + "\n"), std::string::npos);
    l = Zev({"settings", "set", "Dateizugriff=0"});
    EXPECT_EQ(l.status, 0);
    EXPECT_EQ(l.err, warnung);
    e.Berichtsjahr = Standard().Berichtsjahr; // the whole field, as the reading puts it back
    e.Dateizugriff = 0;
    EXPECT_EQ(DateiBytes(Datei()), Bild(e));
}

TEST_F(SettingsCommand, AFailedWriteIsReportedAndKeepsThePreviousFile) {
    TEinstellungen e = Standard();
    e.Schulnummer = "12345";
    Schreiben(e);
    const auto vorher = DateiBytes(Datei());
    TEinstellungen neu = e;
    neu.Schulnummer = "54321";

    // Each fallible step of the run fails once: the run reports it, and the file is
    // the old one or, when the failing step came after the new one was in place, the new one.
    int fehlgeschlagen = 0; // runs whose writing failed
    for (int schritt = 1; schritt <= 40; ++schritt) {
        test::DateiSchreiben(Datei(), vorher);
        io::test::FehlerBeiSchritt(schritt);
        const Lauf l = Zev({"settings", "set", "Schulnummer=54321"});
        io::test::FehlerBeiSchritt(0);
        if (l.status == 0) {
            EXPECT_EQ(DateiBytes(Datei()), Bild(neu)) << schritt;
            continue;
        }
        if (l.err.find("\nkann nicht geschrieben werden!\n") != std::string::npos) ++fehlgeschlagen;
        EXPECT_EQ(l.status, 3) << schritt;
        EXPECT_EQ(l.out, "");
        EXPECT_EQ(l.err.rfind("Fehler: Die Datei:\n" + Datei() + "\nkann nicht ", 0), 0u) << l.err;
        const auto jetzt = DateiBytes(Datei());
        EXPECT_TRUE(jetzt == vorher || jetzt == Bild(neu)) << schritt;
        EXPECT_EQ(test::Inhalt(home.Pfad()), std::vector<std::string>{"ZEVEinstellungen.DAT"}) << schritt;
    }
    EXPECT_GT(fehlgeschlagen, 0); // some step of the writing failed

    // A program folder that is not there: reported, nothing made.
    const Lauf l = Zev({"settings", "set", "Schulnummer=54321"}, home / "fehlt/");
    EXPECT_EQ(l.status, 3);
    EXPECT_EQ(l.err.rfind("Fehler: Die Datei:\n" + (home / "fehlt/ZEVEinstellungen.DAT") +
                              "\nkann nicht geschrieben werden!\n",
                          0),
              0u)
        << l.err;
    EXPECT_FALSE(test::Da(home / "fehlt"));
}

// A program folder set up from scratch on the command line: the other commands use its folders.
TEST_F(SettingsCommand, SetThenDemoAndExportOnAFreshFolder) {
    for (const auto& x : fs::directory_iterator(ZEV_CATALOGUE_DIR))
        if (x.path().extension() == ".csv") fs::copy(x.path(), home.Pfad());
    const std::string daten = home / "Schuldaten/";
    Lauf l = Zev({"settings", "set", "Schulnummer=12345", "DatenPfad=" + home / "Schuldaten",
                  "ExportPfad=" + home / "Schuldaten/Export"});
    ASSERT_EQ(l.status, 0) << l.err;
    EXPECT_EQ(l.out, "Schulnummer=12345\nDatenPfad=" + daten + "\nExportPfad=" + daten + "Export/\n");

    l = Zev({"demo"});
    ASSERT_EQ(l.status, 0) << l.err;
    EXPECT_EQ(l.err, "");
    EXPECT_EQ(l.out,
              daten + "Schule.ZEV\n" + daten + "Lehrer.ZEV\n" + daten + "Klassen.ZEV\n" + daten + "Schueler.ZEV\n");
    l = Zev({"export", "schule"});
    EXPECT_EQ(l.status, 0) << l.err;
    EXPECT_EQ(l.out, daten + "Export/Schule.XML\n");
}

TEST_F(SettingsCommand, UsageAndHelp) {
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"settings"},
                                               {"settings", "list"},
                                               {"settings", "show", "--xml"},
                                               {"settings", "show", "--json", "x"},
                                               {"settings", "set"}}) {
        const Lauf l = Zev(args);
        EXPECT_EQ(l.status, 2) << args.back();
        EXPECT_EQ(l.out, "");
        EXPECT_EQ(l.err, "Aufruf: zev [--home ORDNER] settings show [--json] | set NAME=WERT...\n");
    }
    EXPECT_FALSE(test::Da(Datei()));

    Lauf l = Zev({"settings", "--help"});
    EXPECT_EQ(l.status, 0);
    EXPECT_EQ(l.out.rfind("Aufruf: zev [--home ORDNER] settings show [--json] | set NAME=WERT...\n\n", 0), 0u);
    // Every name that show lists is in the help, the twelve import entries as one pattern each.
    const Lauf zeigen = Zev({"settings", "show"});
    std::istringstream zeilen(zeigen.out);
    for (std::string z; std::getline(zeilen, z);) {
        std::string name = z.substr(0, z.find('='));
        if (name.rfind("Import.", 0) == 0) name = "Import.BEREICH.N." + name.substr(name.rfind('.') + 1);
        EXPECT_NE(l.out.find(" " + name), std::string::npos) << name;
    }
    std::istringstream hilfe(l.out);
    for (std::string z; std::getline(hilfe, z);) {
        std::size_t zeichen = 0;
        for (const char c : z) zeichen += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        EXPECT_LE(zeichen, 79u) << z;
    }
    l = Zev({"--help"});
    EXPECT_NE(l.out.find("\n  settings    die Programm-Einstellungen zeigen oder ändern\n"), std::string::npos);
}

} // namespace
} // namespace zev

namespace zev {
namespace {

// A window writing its settings holds their lock for that moment: `set` refuses
// with its name, writes nothing, and takes its turn when it may wait.
TEST_F(SettingsCommand, SetRefusesWhileAnotherWriterHoldsTheSettings) {
    ASSERT_EQ(Zev({"settings", "set", "Schulnummer=11111"}).status, 0);
    const auto vorher = test::DateiBytes(Datei());
    io::Dateisperre fenster;
    ASSERT_EQ(fenster.Nehmen(home / kEinstellungsSperrDatei, io::DieserLauf("zev-manager")),
              io::Dateisperre::Ergebnis::Gehalten);
    const Lauf l = Zev({"settings", "set", "Schulnummer=22222"});
    EXPECT_EQ(l.status, 3);
    const io::Sperrinhaber ich = io::DieserLauf("zev-manager");
    EXPECT_EQ(l.err.rfind("Fehler: Die Einstellungsdatei " + Datei() +
                              " wird gerade von zev-manager benutzt (Benutzer " + ich.benutzer + ", Rechner " +
                              ich.rechner + ", seit ",
                          0),
              0u)
        << l.err;
    EXPECT_EQ(l.err.substr(l.err.size() - 32), ").\n\nEs wird nichts geschrieben.\n");
    EXPECT_EQ(test::DateiBytes(Datei()), vorher);
    fenster.Freigeben();
    EXPECT_EQ(Zev({"--wait", "5", "settings", "set", "Schulnummer=22222"}).status, 0);
    const auto inhalt = test::Inhalt(home.Pfad());
    EXPECT_EQ(std::count(inhalt.begin(), inhalt.end(), kEinstellungsSperrDatei), 0);
}

} // namespace
} // namespace zev
