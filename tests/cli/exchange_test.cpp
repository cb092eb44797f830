#include "cli/cli.h"
#include "storage/area_files.h"
#include "storage/settings_file.h"
#include "support/cli_run.h"
#include "support/scripted_messages.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <sstream>

namespace zev {
namespace {

using test::Lauf;

using test::DateiBytes;
using test::SkriptMeldungen;
using test::TempOrdner;

class Exchange : public ::testing::Test {
protected:
    void SetUp() override {
        EinstellungenStandard(e, home.Pfad());
        e.Schulnummer = "12345";
        Speichern();
        std::filesystem::create_directories(home / "Daten");
        BereichsDaten<TLehrerDS> l;
        l.DB.resize(2);
        for (int i = 0; i < 2; ++i) {
            InitLehrer(l.DB[static_cast<std::size_t>(i)], "12345");
            l.DB[static_cast<std::size_t>(i)].ID = i + 1;
            l.DB[static_cast<std::size_t>(i)].Lehrernummer = "L" + std::to_string(i + 1);
        }
        ASSERT_TRUE(BereichSchreiben(l, home / "Daten", e, m));
    }
    void Speichern() { ASSERT_TRUE(EinstellungenSchreiben(e, home.Pfad(), m)); }
    test::Lauf Zev(std::vector<std::string> args) { return test::ZevLauf(std::move(args), home.Pfad()); }
    std::string Text(const std::string& pfad) {
        const auto b = DateiBytes(pfad);
        return {b.begin(), b.end()};
    }
    TempOrdner home;
    TEinstellungen e;
    SkriptMeldungen m;
};

TEST_F(Exchange, ExportWritesTheNamedAreasFromTheInternalFiles) {
    const Lauf l = Zev({"export", "lehrer", "klassen"});
    EXPECT_EQ(l.status, 0) << l.err;
    EXPECT_EQ(l.out, home / "Daten/Export/Lehrer.XML\n" + home / "Daten/Export/Klassen.XML\n");
    EXPECT_EQ(l.err, "");
    EXPECT_NE(Text(home / "Daten/Export/Lehrer.XML").find("<Lehrernummer>L2</Lehrernummer>"), std::string::npos);
    EXPECT_FALSE(test::Da(home / "Daten/Export/Schule.XML"));
    EXPECT_EQ(Zev({"export", "turnhalle"}).status, 2);
}

TEST_F(Exchange, ImportDryRunReportsAndWritesNothingThenImportWrites) {
    ASSERT_EQ(Zev({"export", "lehrer"}).status, 0);
    std::filesystem::copy(home / "Daten/Export/Lehrer.XML", home / "Daten/Import/Lehrer.XML");
    const auto vorher = DateiBytes(home / "Daten/Lehrer.ZEV");

    Lauf l = Zev({"import", "lehrer", "--dry-run"});
    EXPECT_EQ(l.status, 0) << l.err;
    EXPECT_EQ(l.out, "[lehrer]\nDatei: " + (home / "Daten/Import/Lehrer.XML") +
                         "\nRoot-Tag: Alle_Lehrer\nDatensätze übernommen: 2\n");
    EXPECT_EQ(DateiBytes(home / "Daten/Lehrer.ZEV"), vorher);
    EXPECT_FALSE(test::Da(home / "Daten/Lehrer.SIC"));

    l = Zev({"import", "lehrer"});
    EXPECT_EQ(l.status, 0) << l.err;
    EXPECT_NE(l.out.find("gespeichert in " + home / "Daten/\n"), std::string::npos);
    EXPECT_EQ(DateiBytes(home / "Daten/Lehrer.SIC"), vorher);
    // Same teachers, fresh identifiers 1 and 2: the same file again.
    EXPECT_EQ(DateiBytes(home / "Daten/Lehrer.ZEV"), vorher);

    l = Zev({"import", "klassen"});
    EXPECT_EQ(l.out, "[klassen]\nkeine Import-Datei gefunden\n");
}

TEST_F(Exchange, QuestionsAreAnsweredByYesOrNo) {
    const std::string fremd = "<Alle_Klassen><Klasse><Schulnummer>999</Schulnummer><Klassenname>9z</Klassenname>"
                              "</Klasse></Alle_Klassen>";
    std::filesystem::create_directories(home / "Daten/Import");
    test::DateiSchreiben(home / "Daten/Import/Klassen.XML", std::vector<std::uint8_t>(fremd.begin(), fremd.end()));

    Lauf l = Zev({"import", "klassen", "--dry-run"});
    EXPECT_EQ(l.err, "Frage: Die Import-Datei enthält die Daten\neiner anderen Schule (Nr.: 999)!\n\nWollen Sie "
                     "diese Daten importieren?\n(Antwort: Nein)\nInformation: Die Datei " +
                         (home / "Daten/Import/Klassen.XML") +
                         " enthält keine übernehmbaren Datensätze. Die vorhandenen Daten bleiben unverändert.\n");
    EXPECT_NE(l.out.find("Datensätze übernommen: 0\nDatensätze anderer Schulen abgelehnt: 1\n"), std::string::npos);

    l = Zev({"--yes", "import", "klassen", "--dry-run"});
    EXPECT_NE(l.out.find("Datensätze übernommen: 1\n"), std::string::npos);
}

TEST_F(Exchange, ExportWithXmlSourceReadsTheImportEntries) {
    e.Datenquelle = 0;
    Speichern();
    const std::string k = "<Alle_Klassen><Klasse><Schulnummer>12345</Schulnummer><Klassenname>7c</Klassenname>"
                          "</Klasse></Alle_Klassen>";
    std::filesystem::create_directories(home / "Daten/Import");
    test::DateiSchreiben(home / "Daten/Import/Klassen.XML", std::vector<std::uint8_t>(k.begin(), k.end()));
    const Lauf l = Zev({"export", "klassen"});
    EXPECT_EQ(l.status, 0) << l.err;
    EXPECT_NE(Text(home / "Daten/Export/Klassen.XML").find("<Klassenname>7c</Klassenname>"), std::string::npos);
}

TEST_F(Exchange, BrokenImportFileGivesStatusThreeAndKeepsTheArea) {
    std::filesystem::create_directories(home / "Daten/Import");
    test::DateiSchreiben(home / "Daten/Import/Lehrer.XML", {'<', 'A', 'l', 'l', 'e'});
    const auto vorher = DateiBytes(home / "Daten/Lehrer.ZEV");
    const Lauf l = Zev({"import", "lehrer"});
    EXPECT_EQ(l.status, 3);
    EXPECT_EQ(l.err.rfind("Fehler: Der Parser hat einen Fehler in der XML-Datei\nbzw. in der XML-Struktur "
                          "festgestellt!\n\n(Zeile 1, Spalte ",
                          0),
              0u);
    EXPECT_NE(l.out.find("nicht eingelesen\n"), std::string::npos);
    EXPECT_EQ(DateiBytes(home / "Daten/Lehrer.ZEV"), vorher);
}

// An area whose internal file cannot be read is held empty; exporting it would
// replace the good XML file with an empty area. Every kind of unreadable file
// keeps the XML file as it is, says so, and ends with status 3, while the other
// areas named are exported.
TEST_F(Exchange, AnAreaThatCouldNotBeLoadedIsNotExported) {
    ASSERT_EQ(Zev({"export", "lehrer"}).status, 0);
    const std::string zev = home / "Daten/Lehrer.ZEV", xml = home / "Daten/Export/Lehrer.XML";
    const auto gut = DateiBytes(zev), export_ = DateiBytes(xml);
    const std::string beschaedigt = "Fehler: Die Datei:\n" + zev +
                                    "\nist beschädigt oder unvollständig und wird "
                                    "nicht gelesen!\n";
    const auto lesefehler = [&](const std::string& grund) {
        return "Fehler: Die Datei:\n" + zev + "\nkann nicht gelesen werden!\n\n" + grund + "\n";
    };
    const std::string benutzen = "Fehler: interne Lehrer-Datei kann nicht benutzt werden\nPrüfen Sie die Möglichkeit "
                                 "eine Datei im Ordner:\n" +
                                 home / "Daten/" + "\nzu lesen und zu öffnen!\n";
    struct Fall {
        const char* art;
        std::function<void()> anlegen;
        std::string fehler;
    };
    const std::vector<Fall> faelle = {
        {"gekürzt",
         [&] {
             test::DateiSchreiben(zev, {gut.begin(), gut.begin() + 100});
         },
         beschaedigt},
        {"leer", [&] { test::DateiSchreiben(zev, {}); }, beschaedigt},
        {"lauter 0xFF", [&] { test::DateiSchreiben(zev, std::vector<std::uint8_t>(gut.size(), 0xFF)); },
         "Fehler: Datei ist keine Lehrer-Datenbank für den ZEV-Manager!\n"},
        {"Ordner", [&] { std::filesystem::create_directory(zev); }, benutzen},
        {"FIFO", [&] { ASSERT_EQ(::mkfifo(zev.c_str(), 0600), 0); }, lesefehler("keine reguläre Datei")},
        {"ohne Leserecht",
         [&] {
             test::DateiSchreiben(zev, gut);
             std::filesystem::permissions(zev, std::filesystem::perms::none);
         },
         benutzen},
        {"Link ins Leere", [&] { std::filesystem::create_symlink("Lehrer.alt", zev); },
         lesefehler("No such file or directory")},
        {"Link-Schleife", [&] { std::filesystem::create_symlink("Lehrer.ZEV", zev); },
         lesefehler("Too many levels of symbolic links")},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.art);
        std::filesystem::remove(zev);
        f.anlegen();
        // root reads a file without read permission all the same.
        if (std::string(f.art) == "ohne Leserecht" && ::geteuid() == 0) continue;
        const Lauf l = Zev({"export", "lehrer", "klassen"});
        EXPECT_EQ(l.status, 3);
        EXPECT_EQ(l.out, home / "Daten/Export/Klassen.XML\n");
        EXPECT_EQ(l.err, f.fehler + "Fehler: Die Lehrerdaten konnten nicht geladen werden!\nDie XML-Datei:\n" + xml +
                             "\nwird nicht geschrieben und bleibt, wie sie ist.\n");
        EXPECT_EQ(DateiBytes(xml), export_);
        std::filesystem::remove_all(zev);
    }
}

// With the XML files as the source, an import file that is there but refused
// leaves the area unloaded as well.
TEST_F(Exchange, AnAreaWhoseImportFileWasRefusedIsNotExported) {
    ASSERT_EQ(Zev({"export", "lehrer"}).status, 0);
    const auto export_ = DateiBytes(home / "Daten/Export/Lehrer.XML");
    e.Datenquelle = 0;
    Speichern();
    for (const std::string kaputt : {"<Alle_Lehrer><Lehrer>", "<Alle_Klassen></Alle_Klassen>"}) {
        test::DateiSchreiben(home / "Daten/Import/Lehrer.XML", std::vector<std::uint8_t>(kaputt.begin(), kaputt.end()));
        const Lauf l = Zev({"export", "lehrer"});
        EXPECT_EQ(l.status, 3) << kaputt;
        EXPECT_EQ(l.out, "");
        EXPECT_NE(l.err.find("Fehler: Die Lehrerdaten konnten nicht geladen werden!\n"), std::string::npos);
        EXPECT_EQ(DateiBytes(home / "Daten/Export/Lehrer.XML"), export_);
    }
}

// The export stays in the export folder and replaces only what an export may
// replace, whatever names a settings file made elsewhere holds.
TEST_F(Exchange, TheExportNeverWritesOutsideItsFolderNorOverTheData) {
    const auto lehrer = DateiBytes(home / "Daten/Lehrer.ZEV");
    e.XMLDateiLehrer = "../../evil.XML";
    e.XMLDateiKlassen = "Lehrer.ZEV";
    e.ExportPfad = home / "Daten/";
    Speichern();
    const Lauf l = Zev({"export", "lehrer", "klassen"});
    EXPECT_EQ(l.status, 3);
    EXPECT_EQ(l.out, "");
    EXPECT_EQ(l.err, "Fehler: Dateiname: ../../evil.XML kann nicht benutzt werden!\n\nBeachten Sie die Regeln zur "
                     "Bildung von Dateinamen!\n\nDie XML-Datei wird nicht geschrieben.\nFehler: Die Datei:\n" +
                         (home / "Daten/Lehrer.ZEV") +
                         "\nwird nicht geschrieben!\n\nDateien des ZEV-Managers (*.ZEV, *.SIC, *.LS1, *.LS2, "
                         "*.defekt,\nZEVEinstellungen.DAT, Katalog*.csv) werden nie überschrieben.\n");
    EXPECT_EQ(DateiBytes(home / "Daten/Lehrer.ZEV"), lehrer);
    EXPECT_FALSE(test::Da(std::filesystem::path(home.Pfad()).parent_path().parent_path() / "evil.XML"));
    EXPECT_FALSE(test::Da(home / "evil.XML"));
    EXPECT_EQ(test::Inhalt(home / "Daten"), (std::vector<std::string>{"Import", "Lehrer.ZEV"}));
}

} // namespace
} // namespace zev

namespace zev {
namespace {

// The report as one JSON object: per area its files with their counts and every
// value not taken as the file holds it, and whether the area was stored.
TEST_F(Exchange, ImportJsonIsOneObjectWithEveryLoss) {
    const std::string datei = "<Alle_Klassen><Klasse><Schulnummer>12345</Schulnummer><Klassenname>5a-und-zu-lang"
                              "</Klassenname></Klasse><Klasse><Schulnummer>12345</Schulnummer><Klassenname>5a-und-"
                              "zu-lang</Klassenname></Klasse></Alle_Klassen>";
    std::filesystem::create_directories(home / "Daten/Import");
    test::DateiSchreiben(home / "Daten/Import/Klassen.XML", std::vector<std::uint8_t>(datei.begin(), datei.end()));
    const Lauf l = Zev({"import", "klassen", "--json"});
    EXPECT_EQ(l.status, 0) << l.err;
    const auto j = nlohmann::json::parse(l.out);
    ASSERT_EQ(j["bereiche"].size(), 1u);
    const auto& b = j["bereiche"][0];
    EXPECT_EQ(b["bereich"], "klassen");
    EXPECT_EQ(b["gespeichert"], true);
    const auto& d = b["dateien"][0];
    EXPECT_EQ(d["datei"], home / "Daten/Import/Klassen.XML");
    EXPECT_EQ(d["datensaetze"], 2);
    EXPECT_EQ(d["verluste"],
              nlohmann::json::parse(R"j([
        {"datensatz": "1. Klasse (5a-und-zu-)", "element": "Klassenname", "wert": "5a-und-zu-lang",
         "was": "auf 10 Zeichen gekürzt"},
        {"datensatz": "2. Klasse (5a-und-zu-)", "element": "Klassenname", "wert": "5a-und-zu-lang",
         "was": "auf 10 Zeichen gekürzt"},
        {"datensatz": "2. Klasse (5a-und-zu-)", "element": "Klassenname", "wert": "5a-und-zu-",
         "was": "doppelter Klassenname"}])j"));
}

} // namespace
} // namespace zev
