#include "cli/cli.h"
#include "plausi/check_report.h"
#include "storage/area_files.h"
#include "storage/settings_file.h"
#include "support/cli_run.h"
#include "support/scripted_messages.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <filesystem>
#include <map>
#include <memory>
#include <sstream>

namespace zev {
namespace {

using test::Lauf;

class Check : public ::testing::Test {
protected:
    void SetUp() override {
        for (const auto& x : std::filesystem::directory_iterator(ZEV_CATALOGUE_DIR))
            if (x.path().extension() == ".csv") std::filesystem::copy(x.path(), home.Pfad());
        EinstellungenStandard(e, home.Pfad());
        e.Schulnummer = "12345";
        ASSERT_TRUE(EinstellungenSchreiben(e, home.Pfad(), m));
        std::filesystem::create_directories(home / "Daten");
        BereichsDaten<TLehrerDS> l;
        l.DB.resize(2);
        for (std::size_t i = 0; i < 2; ++i) {
            InitLehrer(l.DB[i], "12345");
            l.DB[i].Lehrernummer = i == 0 ? "L1" : "L\xE4";
            l.DB[i].Sonstiges.Taetigkeit = "01";
            l.DB[i].Sonstiges.Personengruppe[1] = "01";
        }
        l.DB[1].Sonstiges.Personengruppe[1] = "";
        ASSERT_TRUE(BereichSchreiben(l, home / "Daten", e, m));
    }
    test::Lauf Zev(std::vector<std::string> args) { return test::ZevLauf(std::move(args), home.Pfad()); }
    test::TempOrdner home;
    TEinstellungen e;
    test::SkriptMeldungen m;
};

TEST_F(Check, SchoolAsJson) {
    const Lauf l = Zev({"check", "schule", "--json", "--seed", "3"});
    EXPECT_EQ(l.status, 1) << l.err;
    EXPECT_EQ(l.err, "");
    const auto j = nlohmann::json::parse(l.out);
    EXPECT_EQ(j["threshold"], 0);
    EXPECT_EQ(j["verdict"], "Tests NICHT bestanden!!!");
    EXPECT_GT(j["errors"].get<int>(), 0);
    const auto& r = j["results"];
    EXPECT_EQ(r[0]["number"], 1);
    EXPECT_EQ(r[1], nlohmann::json::parse(R"({"number": 100, "code": 1, "i": 0, "r": 0.0,
        "title": "Schulnummer eingetragen und passend zu den Programm-Einstellungen prüfen",
        "text": "  -->  alle Angaben zur Schulnummer o.B.", "colour": "#008000"})"));
    EXPECT_EQ(r[3]["number"], 106);
    EXPECT_EQ(r[3]["colour"], "#FF0000");
    // The same seed gives the same demonstration line.
    EXPECT_EQ(nlohmann::json::parse(Zev({"check", "schule", "--json", "--seed", "3"}).out)["results"][0], r[0]);
}

TEST_F(Check, SchoolAsText) {
    const Lauf l = Zev({"check", "schule"});
    EXPECT_EQ(l.out.rfind("Datentest (interne PLAUSI)\nTest-Alarm-Schwelle: ab Warnungen\n\nEinzel-Tests mit "
                          "Ergebnissen:\n[1]   Blindfehlertest",
                          0),
              0u);
    EXPECT_NE(l.out.find("\n[106]   eingetragene Organisationsform anhand der aktuellen Liste prüfen\n  -->  !!! keine "
                         "Organisationsform eingetragen oder Eintrag fehlerhaft\n\n"),
              std::string::npos);
    EXPECT_NE(l.out.find("Gesamt-Test-Ergebnis: Tests NICHT bestanden!!!\nmit "), std::string::npos);
    EXPECT_EQ(l.out.find("\x1b["), std::string::npos);
}

TEST_F(Check, AllTeachersAndOneTeacher) {
    Lauf l = Zev({"check", "lehrer", "--json"});
    EXPECT_EQ(l.status, 1) << l.err;
    EXPECT_EQ(l.err, "Frage: Diese Schule ist keine Schule in freier Trägerschaft!\n(Bestimmte Lehrer-Daten müssen "
                     "hier nicht verwaltet werden.)\n\nWollen Sie diese (nicht relevanten) Lehrer-Daten trotzdem "
                     "testen?\n(Antwort: Nein)\n");
    const auto j = nlohmann::json::parse(l.out);
    EXPECT_EQ(j["teachers"], nlohmann::json::parse(R"([
        {"Lehrernummer": "L1", "Name": "  - frei -", "Vorname": "", "Warnungen": 0, "Fehler": 0,
         "Ergebnis": "alles i.O."},
        {"Lehrernummer": "Lä", "Name": "  - frei -", "Vorname": "", "Warnungen": 0, "Fehler": 1,
         "Ergebnis": "fehlerhaft!!!"}])"));

    l = Zev({"check", "lehrer", "--nr", "L1"});
    EXPECT_EQ(l.status, 0) << l.out;
    EXPECT_NE(l.out.find("Gesamt-Test-Ergebnis: alle Tests bestanden!!!\n"), std::string::npos);
    l = Zev({"--yes", "check", "lehrer", "--nr", "Lä", "--json"});
    EXPECT_EQ(l.status, 1);
    EXPECT_EQ(nlohmann::json::parse(l.out)["results"].size(), 38u); // slot 1 and 37 tests, free-carrier ones included

    l = Zev({"check", "lehrer", "--nr", "X9"});
    EXPECT_EQ(l.status, 3);
    EXPECT_EQ(l.err, "Fehler: Kein Lehrer mit der Lehrernummer X9 gefunden!\n");
}

std::string Text(const std::string& pfad) {
    const auto b = test::DateiBytes(pfad);
    return {b.begin(), b.end()};
}

TEST_F(Check, SchoolReportsBesideTheListing) {
    const std::string vorher = HeutigesDatum();
    const Lauf l = Zev({"check", "schule", "--seed", "3", "--csv", home / "b.csv", "--html", home / "b.html"});
    const std::string nachher = HeutigesDatum();
    EXPECT_EQ(l.status, 1);
    EXPECT_EQ(l.err, "");
    EXPECT_EQ(l.out, Zev({"check", "schule", "--seed", "3"}).out);
    // The CSV holds the results of the run as the listing gives them: number, code,
    // title, and the text without its arrow.
    const auto j = nlohmann::json::parse(Zev({"check", "schule", "--json", "--seed", "3"}).out);
    std::string csv = "\xEF\xBB\xBFNummer;Code;Titel;Text\r\n";
    for (const auto& r : j["results"])
        csv += r["number"].dump() + ";" + r["code"].dump() + ";" + r["title"].get<std::string>() + ";" +
               r["text"].get<std::string>().substr(7) + "\r\n";
    EXPECT_EQ(j["results"].size(), 17u);
    EXPECT_EQ(Text(home / "b.csv"), csv);

    const std::string h = Text(home / "b.html");
    EXPECT_TRUE(h.find("<p>Schulnummer: 12345\nDatum: " + vorher + "</p>\n") != std::string::npos ||
                h.find("<p>Schulnummer: 12345\nDatum: " + nachher + "</p>\n") != std::string::npos);
    EXPECT_NE(h.find("<p class=\"urteil\">Gesamt-Test-Ergebnis: <span style=\"color:#FF0000\">Tests NICHT "
                     "bestanden!!!</span></p>\n<p>mit 0 Warnung(en)     und 2 Fehler</p>\n</body>\n</html>\n"),
              std::string::npos);
}

TEST_F(Check, OneTeachersReportEscapesItsTexts) {
    BereichsDaten<TLehrerDS> l;
    l.DB.resize(1);
    InitLehrer(l.DB[0], "12345");
    l.DB[0].Lehrernummer = "L1";
    l.DB[0].Sonstiges.Klassenleiter = "5a"; // no such class: a warning whose text quotes "Klassen"
    ASSERT_TRUE(BereichSchreiben(l, home / "Daten", e, m));

    const Lauf r = Zev({"check", "lehrer", "--nr", "L1", "--json", "--html", home / "l.html", "--csv", home / "l.csv"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(nlohmann::json::parse(r.out)["verdict"], "Tests NICHT bestanden!!!");
    EXPECT_NE(Text(home / "l.csv")
                  .find("\r\n264;2;eingetragene Klassenleiterfunktion prüfen;\"Klasse nicht in der "
                        "internen Datenbank gefunden --> ev. 1x zu \"\"Klassen\"\" wechseln\"\r\n"),
              std::string::npos);
    EXPECT_NE(Text(home / "l.html")
                  .find("<span style=\"color:#800080\">  --&gt;  Klasse nicht in der internen Datenbank gefunden "
                        "--&gt; ev. 1x zu &quot;Klassen&quot; wechseln</span>\n"),
              std::string::npos);
}

TEST_F(Check, ReportFailuresAndUsage) {
    const Lauf l = Zev({"check", "schule", "--csv", home / "fehlt/b.csv"});
    EXPECT_EQ(l.status, 3);
    EXPECT_EQ(l.err, "Fehler: Die Datei:\n" + (home / "fehlt/b.csv") +
                         "\nkann nicht geschrieben werden!\n\nNo such file or directory\n\nDie bisherige Datei bleibt "
                         "unverändert.\n");
    EXPECT_NE(l.out.find("Gesamt-Test-Ergebnis: "), std::string::npos);

    EXPECT_EQ(Zev({"check", "schule", "--csv"}).status, 2);
    EXPECT_EQ(Zev({"check", "lehrer", "--html"}).status, 2);
}

// A report goes to a new file or over a regular file that is none of the
// program's own. Anything else is named with the reason, left exactly as it was,
// and the run ends with status 3, for both formats and both kinds of report.
TEST_F(Check, AReportNeverReplacesTheDataADeviceOrAFolder) {
    namespace fs = std::filesystem;
    const std::string eigen = "Dateien des ZEV-Managers (*.ZEV, *.SIC, *.LS1, *.LS2, *.defekt,\nZEVEinstellungen.DAT, "
                              "Katalog*.csv) werden nie überschrieben.";
    const std::string daten = home / "Daten/Lehrer.ZEV";
    for (const char* n : {"Lehrer.SIC", "Lehrer.LS1", "Lehrer.LS2", "Lehrer.ZEV.defekt", "schule.zev"})
        fs::copy_file(daten, home / (std::string("Daten/") + n));
    ASSERT_EQ(::mkfifo((home / "f.csv").c_str(), 0600), 0);
    fs::create_directory(home / "d.html");
    fs::create_symlink(daten, home / "link.html");
    fs::create_symlink("schleife.csv", home / "schleife.csv");
    // A device node of its own (the one of /dev/full), where the system lets us make one.
    const bool geraet = ::mknod((home / "voll.csv").c_str(), S_IFCHR | 0600, makedev(1, 7)) == 0;
    struct Fall {
        std::string pfad, grund;
    };
    std::vector<Fall> faelle = {
        {daten, eigen},
        {home / "Daten/Lehrer.SIC", eigen},
        {home / "Daten/Lehrer.LS1", eigen},
        {home / "Daten/Lehrer.LS2", eigen},
        {home / "Daten/Lehrer.ZEV.defekt", eigen},
        {home / "Daten/schule.zev", eigen},
        {home / "Daten/Neu.SIC", eigen},
        {home / "ZEVEinstellungen.DAT", eigen},
        {home / "Katalog1.csv", eigen},
        {home / "link.html", eigen},
        {home / "f.csv", "keine reguläre Datei"},
        {home / "d.html", "Is a directory"},
        {home / "schleife.csv", "Too many levels of symbolic links"},
    };
    if (geraet) faelle.push_back({home / "voll.csv", "keine reguläre Datei"});
    std::map<std::string, std::vector<std::uint8_t>> vorher;
    for (const Fall& f : faelle)
        if (std::error_code ec; fs::is_regular_file(f.pfad, ec)) vorher[f.pfad] = test::DateiBytes(f.pfad);
    const auto unveraendert = [&](const Fall& f) {
        if (vorher.contains(f.pfad)) {
            EXPECT_EQ(test::DateiBytes(f.pfad), vorher[f.pfad]) << f.pfad;
        }
    };
    for (const Fall& f : faelle) {
        for (const std::vector<std::string>& aufruf :
             {std::vector<std::string>{"check", "schule", "--html", f.pfad},
              std::vector<std::string>{"check", "lehrer", "--nr", "L1", "--csv", f.pfad},
              std::vector<std::string>{"check", "lehrer", "--csv", f.pfad}}) {
            const Lauf l = Zev(aufruf);
            EXPECT_EQ(l.status, 3) << f.pfad;
            // The teacher checks ask their question about free-carrier data first.
            EXPECT_EQ(l.err.substr(std::min(l.err.size(), l.err.find("Fehler: "))),
                      "Fehler: Die Datei:\n" + f.pfad + "\nwird nicht geschrieben!\n\n" + f.grund + "\n");
            unveraendert(f);
        }
    }
    EXPECT_FALSE(test::Da(home / "Daten/Neu.SIC"));
    EXPECT_EQ(fs::symlink_status(home / "link.html").type(), fs::file_type::symlink);
    EXPECT_EQ(fs::status(home / "f.csv").type(), fs::file_type::fifo);
    EXPECT_TRUE(fs::is_directory(home / "d.html"));
    EXPECT_TRUE(fs::is_empty(home / "d.html"));
    if (geraet) {
        EXPECT_EQ(fs::status(home / "voll.csv").type(), fs::file_type::character);
    }
    // A regular file of another name is replaced, through a link as well.
    test::DateiSchreiben(home / "alt.csv", {'x'});
    fs::create_symlink(home / "alt.csv", home / "zu-alt.csv");
    EXPECT_EQ(Zev({"check", "schule", "--csv", home / "zu-alt.csv"}).status, 1);
    EXPECT_EQ(Text(home / "alt.csv").substr(0, 27), "\xEF\xBB\xBFNummer;Code;Titel;Text\r\n");
}

TEST_F(Check, TheOverviewOfAllTeachersAsAReport) {
    const std::string vorher = HeutigesDatum();
    const Lauf l = Zev({"check", "lehrer", "--html", home / "g.html", "--csv", home / "g.csv"});
    const std::string nachher = HeutigesDatum();
    EXPECT_EQ(l.status, 1);
    EXPECT_EQ(l.out, Zev({"check", "lehrer"}).out);
    // Two teachers, not the eleven rows of the grid.
    EXPECT_EQ(Text(home / "g.csv"), "\xEF\xBB\xBFLehrernummer;Name;Vorname;Warnungen;Fehler;Ergebnis\r\n"
                                    "L1;  - frei -;;0;0;alles i.O.\r\n"
                                    "Lä;  - frei -;;0;1;fehlerhaft!!!\r\n");
    const std::string h = Text(home / "g.html");
    EXPECT_EQ(h.rfind("<!DOCTYPE html>\n", 0), 0u);
    EXPECT_TRUE(h.find("<p>Schulnummer: 12345\nDatum: " + vorher + "</p>\n") != std::string::npos ||
                h.find("<p>Schulnummer: 12345\nDatum: " + nachher + "</p>\n") != std::string::npos);
    EXPECT_NE(h.find("<tbody>\n"
                     "<tr><td>L1</td><td>  - frei -</td><td></td><td>0</td><td>0</td><td class=\"fett\" "
                     "style=\"color:#008000\">alles i.O.</td></tr>\n"
                     "<tr><td>Lä</td><td>  - frei -</td><td></td><td>0</td><td>1</td><td class=\"fett\" "
                     "style=\"color:#FF0000\">fehlerhaft!!!</td></tr>\n"
                     "</tbody>\n"),
              std::string::npos);

    const Lauf f = Zev({"check", "lehrer", "--json", "--csv", home / "fehlt/g.csv"});
    EXPECT_EQ(f.status, 3);
    EXPECT_NE(f.err.find("Fehler: Die Datei:\n" + (home / "fehlt/g.csv") + "\nkann nicht geschrieben werden!\n"),
              std::string::npos);
    EXPECT_EQ(nlohmann::json::parse(f.out)["teachers"].size(), 2u);
}

TEST_F(Check, Usage) {
    EXPECT_EQ(Zev({"check"}).status, 2);
    EXPECT_EQ(Zev({"check", "klassen", "schueler"}).status, 2);
    EXPECT_EQ(Zev({"check", "schule", "--nr", "1"}).status, 2);
    EXPECT_EQ(Zev({"check", "schule", "--seed", "x"}).status, 2);
}

// The demonstration school in report year 2025: its deliberate class and student
// findings, each area as a grid, one record by its number, and the exit codes.
TEST_F(Check, ClassesAndStudentsOfTheDemoSchool) {
    e.Berichtsjahr = "2025";
    ASSERT_TRUE(EinstellungenSchreiben(e, home.Pfad(), m));
    ASSERT_EQ(Zev({"demo", "--force"}).status, 0);

    Lauf l = Zev({"check", "klassen", "--json"});
    EXPECT_EQ(l.status, 1) << l.err;
    auto j = nlohmann::json::parse(l.out);
    ASSERT_EQ(j["classes"].size(), 12u);
    for (const auto& k : j["classes"])
        EXPECT_EQ(k["Ergebnis"], k["Klassenname"] == "8a" ? "mit Warnung(en)!" : "alles i.O.") << k;
    l = Zev({"check", "klassen", "--nr", "8a", "--json", "--seed", "1"});
    EXPECT_EQ(l.status, 1);
    j = nlohmann::json::parse(l.out);
    EXPECT_EQ(j["warnings"], 1);
    EXPECT_EQ(j["errors"], 0);
    EXPECT_EQ(Zev({"check", "klassen", "--nr", "7a"}).status, 0);

    l = Zev({"check", "schueler", "--json"});
    EXPECT_EQ(l.status, 1);
    j = nlohmann::json::parse(l.out);
    ASSERT_EQ(j["students"].size(), 300u);
    std::map<std::string, int> befunde; // class -> students with findings
    for (const auto& s : j["students"])
        if (s["Ergebnis"] != "alles i.O.") ++befunde[s["Klasse"].get<std::string>()];
    EXPECT_EQ(befunde.size(), 3u);
    EXPECT_EQ(befunde["3a"], 1);
    EXPECT_EQ(befunde["6a"], 1);
    EXPECT_GT(befunde["11a"], 0);
    const std::string erster3a = j["students"][50]["Schülernummer"];
    l = Zev({"check", "schueler", "--nr", erster3a, "--json"});
    EXPECT_EQ(l.status, 1);
    int gefunden = 0;
    const auto einer = nlohmann::json::parse(l.out);
    for (const auto& r : einer["results"])
        if (r["code"].get<int>() >= 2 && r["number"].get<int>() >= 10) {
            EXPECT_EQ(r["number"], 454);
            EXPECT_EQ(r["text"], "  -->  tatsächliche Förderung ohne Förderbedarf eingetragen");
            ++gefunden;
        }
    EXPECT_EQ(gefunden, 1);
    EXPECT_EQ(Zev({"check", "schueler", "--nr", j["students"][0]["Schülernummer"]}).status, 0);

    l = Zev({"check", "schueler", "--nr", "0815"});
    EXPECT_EQ(l.status, 3);
    EXPECT_EQ(l.err, "Fehler: Kein Schüler mit der Schülernummer 0815 gefunden!\n");
    l = Zev({"check", "klassen", "--nr", "11b"});
    EXPECT_EQ(l.status, 3);
    EXPECT_EQ(l.err, "Fehler: Keine Klasse mit dem Klassennamen 11b gefunden!\n");
}

} // namespace
} // namespace zev
