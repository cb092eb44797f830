// `zev demo`: the files it writes, its refusal to overwrite data, and what the
// export and the checks make of the demonstration school.
#include "cli/cli.h"
#include "storage/area_files.h"
#include "storage/settings_file.h"
#include "support/cli_run.h"
#include "support/scripted_messages.h"
#include "support/temp_folder.h"
#include "support/xmllint.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <map>
#include <sstream>

namespace zev {
namespace {

using test::Lauf;

using test::DateiBytes;
namespace fs = std::filesystem;
using Json = nlohmann::json;

const char* const kDateien[] = {"Schule.ZEV", "Lehrer.ZEV", "Klassen.ZEV", "Schueler.ZEV"};

// A program folder with the example catalogues and settings for school 12345.
class Programm {
public:
    explicit Programm(const std::function<void(TEinstellungen&)>& anpassen = {}) {
        for (const auto& x : fs::directory_iterator(ZEV_CATALOGUE_DIR))
            if (x.path().extension() == ".csv") fs::copy(x.path(), home.Pfad());
        TEinstellungen e;
        EinstellungenStandard(e, home.Pfad());
        e.Schulnummer = "12345";
        if (anpassen) anpassen(e);
        test::SkriptMeldungen m;
        EXPECT_TRUE(EinstellungenSchreiben(e, home.Pfad(), m));
    }
    test::Lauf Zev(std::vector<std::string> args) { return test::ZevLauf(std::move(args), home.Pfad()); }
    std::string Daten(const std::string& name = "") const { return home / ("Daten/" + name); }

    // Every file below the data folder with its bytes.
    std::map<std::string, std::vector<std::uint8_t>> Bestand() const {
        std::map<std::string, std::vector<std::uint8_t>> b;
        for (const auto& x : fs::recursive_directory_iterator(Daten()))
            if (x.is_regular_file()) b[fs::relative(x.path(), Daten()).string()] = DateiBytes(x.path().string());
        return b;
    }

    test::TempOrdner home;
};

std::string Geschrieben(const Programm& p) {
    std::string s;
    for (const char* d : kDateien) s += p.Daten(d) + "\n";
    return s;
}

TEST(DemoCommand, WritesTheFourDataFilesAndPrintsTheirPaths) {
    Programm p;
    const Lauf l = p.Zev({"demo"});
    EXPECT_EQ(l.status, 0) << l.err;
    EXPECT_EQ(l.err, "");
    EXPECT_EQ(l.out, Geschrieben(p));
    EXPECT_EQ(fs::file_size(p.Daten("Schule.ZEV")), 88656u);
    EXPECT_EQ(fs::file_size(p.Daten("Lehrer.ZEV")), 68u + 25 * 1052);
    EXPECT_EQ(fs::file_size(p.Daten("Klassen.ZEV")), 68u + 12 * 300);
    EXPECT_EQ(fs::file_size(p.Daten("Schueler.ZEV")), 68u + 300 * 772);
    EXPECT_FALSE(test::Da(p.Daten("Lehrer.SIC")));

    // Read back as the program reads them: the header carries the settings' school number.
    BereichsDatei<TSchuelerDS> f;
    std::string fehler;
    ASSERT_EQ(BereichsdateiLesen(p.Daten("Schueler.ZEV"), f, fehler), LeseStatus::Ok);
    EXPECT_EQ(f.Kopf.Schulnummer.str(), "12345");
    EXPECT_EQ(f.Saetze[299].Schulnummer.str(), "12345");
}

TEST(DemoCommand, RefusesWhereDataExistAndChangesNothing) {
    Programm p;
    fs::create_directories(p.Daten());
    test::DateiSchreiben(p.Daten("Klassen.ZEV"), {'a', 'l', 't'});
    auto vorher = p.Bestand();
    Lauf l = p.Zev({"demo"});
    EXPECT_EQ(l.status, 3);
    EXPECT_EQ(l.out, "");
    EXPECT_EQ(l.err, "Fehler: Im Daten-Ordner\n" + p.Daten() +
                         "\ngibt es schon Daten (Klassen.ZEV).\nMit --force werden sie durch die Demo-Schule "
                         "ersetzt;\ndie bisherigen Dateien bleiben als .SIC erhalten.\n");
    EXPECT_EQ(p.Bestand(), vorher);

    fs::remove(p.Daten("Klassen.ZEV"));
    ASSERT_EQ(p.Zev({"demo"}).status, 0);
    vorher = p.Bestand();
    l = p.Zev({"demo"});
    EXPECT_EQ(l.status, 3);
    EXPECT_NE(l.err.find("\ngibt es schon Daten (Schule.ZEV, Lehrer.ZEV, Klassen.ZEV, Schueler.ZEV).\n"),
              std::string::npos)
        << l.err;
    EXPECT_EQ(p.Bestand(), vorher);
}

// Two runs give the same bytes; --force keeps what it replaced as .SIC.
TEST(DemoCommand, ForceReplacesTheDataAndKeepsThePreviousFilesAsSic) {
    Programm p, frisch;
    ASSERT_EQ(frisch.Zev({"demo"}).status, 0);
    fs::create_directories(p.Daten());
    test::DateiSchreiben(p.Daten("Lehrer.ZEV"), {'a', 'l', 't'});
    const Lauf l = p.Zev({"demo", "--force"});
    EXPECT_EQ(l.status, 0) << l.err;
    EXPECT_EQ(l.err, "");
    EXPECT_EQ(l.out, Geschrieben(p));
    EXPECT_EQ(DateiBytes(p.Daten("Lehrer.SIC")), (std::vector<std::uint8_t>{'a', 'l', 't'}));
    EXPECT_FALSE(test::Da(p.Daten("Schule.SIC")));
    for (const char* d : kDateien) EXPECT_EQ(DateiBytes(p.Daten(d)), DateiBytes(frisch.Daten(d))) << d;
}

TEST(DemoCommand, UsageAndHelp) {
    Programm p;
    Lauf l = p.Zev({"demo", "--jetzt"});
    EXPECT_EQ(l.status, 2);
    EXPECT_EQ(l.err, "Aufruf: zev [--home ORDNER] [--wait SEK] demo [--force]\n");
    EXPECT_FALSE(test::Da(p.Daten("Schule.ZEV")));
    l = p.Zev({"demo", "--help"});
    EXPECT_EQ(l.status, 0);
    EXPECT_EQ(l.out.rfind("Aufruf: zev [--home ORDNER] [--wait SEK] demo [--force]\n\n", 0), 0u);
    l = p.Zev({"--help"});
    EXPECT_NE(l.out.find("\n  demo        eine Demo-Schule in den Daten-Ordner schreiben\n"), std::string::npos);
}

// Result codes of the counted tests (10 and above) that are findings.
std::map<int, int> Befunde(const Json& ergebnis) {
    std::map<int, int> b;
    for (const Json& r : ergebnis["results"])
        if (r["number"].get<int>() >= 10 && r["code"].get<int>() >= 2) b[r["number"]] = r["code"];
    return b;
}

// For a public school and one of an independent body (whose files carry every
// teacher block): the export is valid and the check finds the deliberate faults.
TEST(DemoCommand, ExportValidatesAndTheSchoolCheckFindsExactlyTheDeliberateFaults) {
    for (int frei : {0, 1}) {
        Programm p([&](TEinstellungen& e) { e.FreierTraeger = static_cast<std::uint16_t>(frei); });
        ASSERT_EQ(p.Zev({"demo"}).status, 0);
        Lauf l = p.Zev({"export"});
        ASSERT_EQ(l.status, 0) << l.err;
        for (const char* name : {"Schule", "Lehrer", "Klassen", "Schueler"}) {
            const std::string xml = p.Daten("Export/") + name + ".XML";
            EXPECT_NE(l.out.find(xml + "\n"), std::string::npos);
            const auto [ok, ausgabe] = test::SchemaGueltig(std::string(name) + ".xsd", xml);
            EXPECT_TRUE(ok) << "FreierTraeger " << frei << ": " << ausgabe;
        }
        l = p.Zev({"check", "schule", "--json", "--seed", "1"});
        EXPECT_EQ(l.status, 1);
        EXPECT_EQ(l.err, "");
        const Json j = Json::parse(l.out);
        EXPECT_EQ(Befunde(j), (std::map<int, int>{{112, 2}, {178, 3}, {186, 5}})) << "FreierTraeger " << frei;
        bool freieTraeger = false; // the tests of independent schools ran
        for (const Json& r : j["results"]) freieTraeger = freieTraeger || r["number"] == 120;
        EXPECT_EQ(freieTraeger, frei == 1);
        EXPECT_EQ(j["warnings"], 2);
        EXPECT_EQ(j["errors"], 1);
    }

    Programm p;
    ASSERT_EQ(p.Zev({"demo"}).status, 0);
    const Lauf l = p.Zev({"check", "schule"});
    EXPECT_NE(l.out.find("\n[112]   eingetragene Nichteinschulungsart und Zahlen prüfen\n  -->  es fehlen die "
                         "Zählungen zu den männlichen bzw. weiblich Nichteinschulungen\n\n"),
              std::string::npos)
        << l.out;
    EXPECT_NE(l.out.find("\n[178]   eingetragene Klassen der UnterrichtsEinheiten anhand der aktuellen Liste "
                         "prüfen\n  -->  !!! Klasse der UE mit laufender Nr.: 40 nicht in der internen "
                         "Klassen-Datenbank gefunden\n\n"),
              std::string::npos);
    EXPECT_NE(l.out.find("\n[186]   eingetragene Stundenanzahl anhand der aktuellen Liste prüfen\n  -->  !!! keine "
                         "Stundenanzahl eingetragen oder Eintrag fehlerhaft (letzte fehlerhafte UE ist laufende "
                         "Nr.: 39 )\n\n"),
              std::string::npos);
    EXPECT_NE(l.out.find("\n[170]   eingetragene UnterrichtsEinheiten anhand der aktuellen Einzel-Listen prüfen\n"
                         "  -->  Anzahl der getesteten UnterrichtsEinheiten: 40\n"),
              std::string::npos);
    EXPECT_NE(l.out.find("\nGesamt-Test-Ergebnis: Tests NICHT bestanden!!!\nmit 2 Warnung(en)     und 1 Fehler\n"),
              std::string::npos);
}

TEST(DemoCommand, TeacherCheckFindsOnlyTheClassTeacherOfTheMissingClass) {
    Programm p;
    ASSERT_EQ(p.Zev({"demo"}).status, 0);
    for (const bool ja : {false, true}) {
        std::vector<std::string> args = {"check", "lehrer", "--json"};
        if (ja) args.insert(args.begin(), "--yes"); // the data of independent schools too
        const Lauf l = p.Zev(args);
        EXPECT_EQ(l.status, 1);
        const Json lehrer = Json::parse(l.out)["teachers"];
        ASSERT_EQ(lehrer.size(), 25u);
        std::vector<std::string> mitWarnung;
        for (const Json& t : lehrer) {
            if (t["Ergebnis"] == "alles i.O.") continue;
            EXPECT_EQ(t["Ergebnis"], "mit Warnung(en)!");
            EXPECT_EQ(t["Warnungen"], 1);
            EXPECT_EQ(t["Fehler"], 0);
            mitWarnung.push_back(t["Lehrernummer"]);
        }
        ASSERT_EQ(mitWarnung.size(), 1u) << "mit --yes: " << ja;

        std::vector<std::string> einer = {"check", "lehrer", "--nr", mitWarnung[0], "--json"};
        if (ja) einer.insert(einer.begin(), "--yes");
        const Json j = Json::parse(p.Zev(einer).out);
        EXPECT_EQ(Befunde(j), (std::map<int, int>{{264, 2}}));
        for (const Json& r : j["results"]) {
            if (r["number"] == 264) {
                EXPECT_EQ(r["text"], "  -->  Klasse nicht in der internen Datenbank gefunden --> ev. 1x zu "
                                     "\"Klassen\" wechseln");
            }
        }
    }
}

} // namespace
} // namespace zev
