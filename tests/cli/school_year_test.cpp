// `zev school-year` on the demonstration school: the plan, the new year on disk,
// the archive, taking the year back to the same bytes, the choices of the command
// line, refusals that change nothing, and runs killed at random moments.
#include "cli/cli.h"
#include "storage/area_files.h"
#include "storage/settings_file.h"
#include "storage/year_archive.h"
#include "support/cli_run.h"
#include "support/lock_holder.h"
#include "support/scripted_messages.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <map>
#include <random>
#include <set>
#include <signal.h>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace zev {
namespace {

using test::DateiBytes;
using test::Lauf;
namespace fs = std::filesystem;
using Json = nlohmann::json;
using Bytes = std::vector<std::uint8_t>;

const char* const kDateien[] = {"Schule.ZEV", "Lehrer.ZEV", "Klassen.ZEV", "Schueler.ZEV"};

// A program folder with the example catalogues, settings for school 12345 and report
// year 2025, and the demonstration school in its data folder.
struct Schule {
    test::TempOrdner home;

    Schule() {
        for (const auto& x : fs::directory_iterator(ZEV_CATALOGUE_DIR))
            if (x.path().extension() == ".csv") fs::copy(x.path(), home.Pfad());
        TEinstellungen e;
        EinstellungenStandard(e, home.Pfad());
        e.Schulnummer = "12345";
        e.Berichtsjahr = "2025";
        test::SkriptMeldungen m;
        EXPECT_TRUE(EinstellungenSchreiben(e, home.Pfad(), m));
        EXPECT_EQ(Zev({"demo"}).status, 0);
    }
    Lauf Zev(std::vector<std::string> args) { return test::ZevLauf(std::move(args), home.Pfad()); }
    std::string Daten(const std::string& name = "") const { return home / ("Daten/" + name); }
    std::string Einstellungen() const { return home / "ZEVEinstellungen.DAT"; }
    // The four area files and the settings.
    std::map<std::string, Bytes> Jahr() const {
        std::map<std::string, Bytes> j;
        for (const char* d : kDateien) j[d] = DateiBytes(Daten(d));
        j["ZEVEinstellungen.DAT"] = DateiBytes(Einstellungen());
        return j;
    }
    template <class R> std::vector<R> Saetze(const char* datei) const {
        BereichsDatei<R> f;
        std::string fehler;
        EXPECT_EQ(BereichsdateiLesen(Daten(datei), f, fehler), LeseStatus::Ok) << datei;
        return f.Saetze;
    }
    std::map<std::string, int> ProJahrgang() const {
        std::map<std::string, int> n;
        for (const TSchuelerDS& s : Saetze<TSchuelerDS>("Schueler.ZEV")) ++n[s.Jahrgangsdaten.Jahrgang.str()];
        return n;
    }
    std::string Berichtsjahr() const {
        const Bytes b = DateiBytes(Einstellungen());
        TEinstellungen e;
        std::memcpy(&e, b.data(), sizeof e);
        return e.Berichtsjahr.str();
    }
};

TEST(SchoolYearCommand, PreviewPrintsThePlanAndWritesNothing) {
    Schule s;
    const auto vorher = s.Jahr();
    Lauf l = s.Zev({"school-year", "--preview", "--json"});
    ASSERT_EQ(l.status, 0) << l.err;
    EXPECT_EQ(l.err, "");
    const Json j = Json::parse(l.out);
    EXPECT_EQ(j["berichtsjahr"], "2025");
    EXPECT_EQ(j["neuesBerichtsjahr"], "2026");
    EXPECT_EQ(j["versetzt"], 275);
    EXPECT_EQ(j["verlassen"], 25);
    EXPECT_EQ(j["wiederholt"], 0);
    EXPECT_EQ(j["klassenEntfernt"], Json::array({"11a"}));
    EXPECT_EQ(j["jahrgaengeOhneKlasse"], Json::array({"01"}));
    EXPECT_EQ(j["geleerteSchulUE"], 40);
    EXPECT_EQ(j["klassenUmbenannt"].size(), 11u);
    EXPECT_EQ(j["klassenUmbenannt"][5], (Json{{"alt", "5b"}, {"neu", "6b"}}));
    EXPECT_EQ(j["zaehlung"][0], (Json{{"jahrgang", "01"}, {"vorher", 25}, {"nachher", 0}}));
    EXPECT_EQ(j["zaehlung"][5], (Json{{"jahrgang", "06"}, {"vorher", 25}, {"nachher", 50}}));
    EXPECT_EQ(j["zaehlung"].back(), (Json{{"jahrgang", "11"}, {"vorher", 25}, {"nachher", 25}}));

    l = s.Zev({"school-year", "--preview"});
    ASSERT_EQ(l.status, 0) << l.err;
    EXPECT_NE(
        l.out.find("Schuljahreswechsel: Berichtsjahr 2025 -> 2026\nArchiv: " + s.Daten("Schuljahre/2025/") + "\n"),
        std::string::npos)
        << l.out;
    EXPECT_NE(l.out.find("\n  11      verlässt           25  25\n"), std::string::npos) << l.out;
    EXPECT_NE(l.out.find("\nSchüler: 275 versetzt, 0 wiederholt (Wiederholer-Schlüssel 01), 25 verlassen die "
                         "Schule\n"),
              std::string::npos);
    EXPECT_NE(l.out.find("\nKlassen entfernt (alle Schüler verlassen die Schule): 11a\n"), std::string::npos);
    EXPECT_EQ(s.Jahr(), vorher);
    EXPECT_FALSE(test::Da(s.Daten("Schuljahre")));
}

TEST(SchoolYearCommand, ApplyArchivesMovesUpAndUndoGivesTheSameBytesBack) {
    Schule s;
    const auto vorher = s.Jahr();
    Lauf l = s.Zev({"school-year", "--apply"});
    ASSERT_EQ(l.status, 0) << l.err;
    EXPECT_NE(l.out.find("\nDurchgeführt. Berichtsjahr jetzt 2026; das Schuljahr 2025 liegt in " +
                         s.Daten("Schuljahre/2025/") + "\n"),
              std::string::npos)
        << l.out;

    // The archive holds the old year byte for byte, and `zev dump` reads it there.
    const std::string archiv = s.Daten("Schuljahre/2025/");
    for (const auto& [name, bytes] : vorher) EXPECT_EQ(DateiBytes(archiv + name), bytes) << name;
    EXPECT_EQ(test::Inhalt(archiv).size(), 6u);
    l = s.Zev({"dump", archiv + "Schueler.ZEV"});
    ASSERT_EQ(l.status, 0) << l.err;
    EXPECT_EQ(Json::parse(l.out)["records"].size(), 300u);

    // The new year.
    EXPECT_EQ(s.Berichtsjahr(), "2026");
    EXPECT_EQ(s.ProJahrgang(), (std::map<std::string, int>{{"02", 25},
                                                           {"03", 25},
                                                           {"04", 25},
                                                           {"05", 25},
                                                           {"06", 50},
                                                           {"07", 25},
                                                           {"08", 25},
                                                           {"09", 25},
                                                           {"10", 25},
                                                           {"11", 25}}));
    std::vector<std::string> klassen;
    for (const TKlasseDS& k : s.Saetze<TKlasseDS>("Klassen.ZEV")) klassen.push_back(k.Klassenname.str());
    EXPECT_EQ(klassen, (std::vector<std::string>{"2a", "3a", "4a", "5a", "6a", "6b", "7a", "8a", "9a", "10a", "11a"}));
    for (const TSchuelerDS& x : s.Saetze<TSchuelerDS>("Schueler.ZEV")) {
        EXPECT_EQ(x.Jahrgangsdaten.Klasse.str().substr(0, x.Jahrgangsdaten.Klasse.size() - 1),
                  std::to_string(std::stoi(x.Jahrgangsdaten.Jahrgang.str())));
        EXPECT_EQ(x.Jahrgangsdaten.Unterrichtseinheit[1].Nummer, 0);
        EXPECT_EQ(x.Jahrgangsdaten.Wiederholer, "");
    }
    for (const char* d : kDateien) EXPECT_EQ(DateiBytes(s.Daten(Nebendatei(d, "SIC"))), vorher.at(d)) << d;

    // Back, after the question.
    const auto neu = s.Jahr();
    l = s.Zev({"school-year", "--undo", "2025"});
    EXPECT_EQ(l.status, 3);
    EXPECT_EQ(l.err.rfind("Frage: Wollen Sie das Schuljahr 2025 aus dem Archiv:\n" + archiv +
                              "\nzurückholen?\n\nDie jetzigen Dateien (Berichtsjahr 2026) werden zu "
                              "Sicherheitskopien (.SIC).\n",
                          0),
              0u)
        << l.err;
    EXPECT_EQ(s.Jahr(), neu);
    l = s.Zev({"--yes", "school-year", "--undo", "2025"});
    ASSERT_EQ(l.status, 0) << l.err;
    EXPECT_EQ(l.out, "Schuljahr 2025 zurückgeholt aus " + archiv + "\nBerichtsjahr: 2025\n");
    EXPECT_EQ(s.Jahr(), vorher);
    for (const char* d : kDateien) EXPECT_EQ(DateiBytes(s.Daten(Nebendatei(d, "SIC"))), neu.at(d)) << d;

    // The archive fits the files again, so the step can be done once more.
    l = s.Zev({"school-year", "--apply"});
    ASSERT_EQ(l.status, 0) << l.err;
    EXPECT_EQ(s.Jahr(), neu);
}

TEST(SchoolYearCommand, ChoicesOfTheCommandLine) {
    Schule s;
    const auto alt = s.Saetze<TSchuelerDS>("Schueler.ZEV");
    // A student of 5a who repeats, one of 7a who leaves; the 11th grade goes on to 12.
    std::string wiederholer, abgaenger;
    for (const TSchuelerDS& x : alt) {
        if (wiederholer.empty() && x.Jahrgangsdaten.Klasse == "5a") wiederholer = x.Schuelernummer.str();
        if (abgaenger.empty() && x.Jahrgangsdaten.Klasse == "7a") abgaenger = x.Schuelernummer.str();
    }
    Lauf l = s.Zev({"school-year", "--apply", "--repeaters", wiederholer, "--leavers", abgaenger, "--grade", "11=12",
                    "--grade", "01=", "--repeat-key", "02"});
    ASSERT_EQ(l.status, 0) << l.err;
    EXPECT_EQ(s.ProJahrgang(), (std::map<std::string, int>{{"03", 25},
                                                           {"04", 25},
                                                           {"05", 26},
                                                           {"06", 49},
                                                           {"07", 25},
                                                           {"08", 24},
                                                           {"09", 25},
                                                           {"10", 25},
                                                           {"11", 25},
                                                           {"12", 25}}));
    int gefunden = 0;
    for (const TSchuelerDS& x : s.Saetze<TSchuelerDS>("Schueler.ZEV")) {
        EXPECT_NE(x.Schuelernummer, abgaenger);
        if (x.Schuelernummer != wiederholer) continue;
        ++gefunden;
        EXPECT_EQ(x.Jahrgangsdaten.Klasse, "5a");
        EXPECT_EQ(x.Jahrgangsdaten.Jahrgang, "05");
        EXPECT_EQ(x.Jahrgangsdaten.Wiederholer, "02");
    }
    EXPECT_EQ(gefunden, 1);
}

TEST(SchoolYearCommand, WrongCallsAndAHeldFolderChangeNothing) {
    Schule s;
    const auto vorher = s.Jahr();
    const struct {
        std::vector<std::string> args;
        int status;
        std::string err;
    } faelle[] = {
        {{"school-year"}, 2, ""},
        {{"school-year", "--preview", "--apply"}, 2, ""},
        {{"school-year", "--preview", "--leavers", "1"}, 2, ""},
        {{"school-year", "--apply", "--grade", "05"},
         2,
         "zev school-year: --grade braucht ALT=NEU (NEU leer oder - : verlässt die Schule), nicht: 05\n"},
        {{"school-year", "--apply", "--grade", "05=77"},
         2,
         "zev school-year: --grade 05=77: 77 ist kein Jahrgang (Katalog 25)\n"},
        {{"school-year", "--apply", "--leavers", "0815"},
         2,
         "zev school-year: --leavers: keine Schülerin und kein Schüler mit der Nummer 0815\n"},
        {{"school-year", "--apply", "--repeat-key", "00"},
         2,
         "zev school-year: --repeat-key 00 ist kein Schlüssel einer Wiederholung (Katalog 7)\n"},
        {{"school-year", "--undo", "2024"},
         3,
         "Fehler: Es gibt kein Archiv des Schuljahres 2024 in:\n" + s.Daten("Schuljahre") +
             "\n\nArchivierte Schuljahre: keine\n"},
    };
    for (const auto& f : faelle) {
        const Lauf l = s.Zev(f.args);
        EXPECT_EQ(l.status, f.status) << f.args.back() << l.err;
        if (!f.err.empty()) {
            EXPECT_EQ(l.err, f.err);
        }
        EXPECT_EQ(s.Jahr(), vorher);
        EXPECT_FALSE(test::Da(s.Daten("Schuljahre/2025")));
    }
    // Files of another school are only read: the step refuses and writes nothing.
    ASSERT_EQ(s.Zev({"settings", "set", "Schulnummer=54321"}).status, 0);
    const auto andere = s.Jahr();
    const Lauf fremd = s.Zev({"school-year", "--apply"});
    EXPECT_EQ(fremd.status, 3);
    EXPECT_EQ(fremd.err, "Fehler: Die *.ZEV-Dateien werden nur gelesen (Zugriff \"nur LESEN\"): eine von ihnen "
                         "gehört zu einer anderen Schule als der Schulnummer der Einstellungen, oder die "
                         "Einstellungen erlauben nur das Lesen.\n\nDer Schuljahreswechsel wird nicht durchgeführt.\n");
    EXPECT_EQ(s.Jahr(), andere);
    EXPECT_FALSE(test::Da(s.Daten("Schuljahre/2025")));
    ASSERT_EQ(s.Zev({"settings", "set", "Schulnummer=12345"}).status, 0);

    test::Kind halter(test::HalterStarten(s.Daten("ZEV.LCK"), "zev-manager"));
    ASSERT_GT(halter.pid, 0);
    const Lauf l = s.Zev({"school-year", "--apply"});
    EXPECT_EQ(l.status, 3);
    EXPECT_NE(l.err.find("wird gerade von zev-manager benutzt"), std::string::npos) << l.err;
    EXPECT_EQ(s.Jahr(), vorher);
    EXPECT_FALSE(test::Da(s.Daten("Schuljahre/2025")));
}

// A copy of every file below `von` into `nach` (emptied first).
void Abbild(const std::string& von, const std::string& nach) {
    fs::remove_all(nach);
    fs::copy(von, nach, fs::copy_options::recursive);
}

TEST(SchoolYearCommand, KilledApplyNeverLeavesAMixedYear) {
    const char* wert = std::getenv("ZEV_KILLS");
    const int kills = wert ? std::atoi(wert) / 20 : 25;
    Schule s;
    const auto alt = s.Jahr();
    test::TempOrdner sicherung;
    Abbild(s.home.Pfad(), sicherung / "home");
    ASSERT_EQ(s.Zev({"school-year", "--apply"}).status, 0);
    const auto erwartet = s.Jahr();
    Abbild(sicherung / "home", s.home / "");

    std::mt19937 zufall(2025);
    int alteJahre = 0, neueJahre = 0;
    for (int k = 0; k < kills; ++k) {
        const pid_t kind = ::fork();
        ASSERT_GE(kind, 0);
        if (kind == 0) {
            std::ostringstream out, err;
            ::_exit(cli::Ausfuehren({"--home", s.home.Pfad(), "school-year", "--apply"}, out, err, "/nirgends/"));
        }
        ::usleep(static_cast<useconds_t>(zufall() % 400000));
        ::kill(kind, SIGKILL);
        ::waitpid(kind, nullptr, 0);
        SCOPED_TRACE("kill " + std::to_string(k + 1));
        // What the next writing run finds, after it finished what the killed one began (`zev demo`
        // then refuses to write over the data).
        const Lauf l = s.Zev({"demo"});
        ASSERT_EQ(l.err.find("Fehler: Ein unterbrochener"), std::string::npos) << l.err;
        const auto jetzt = s.Jahr();
        if (jetzt == erwartet) {
            ++neueJahre;
            std::vector<Jahresdatei> archiv;
            EXPECT_EQ(ArchivLesen(s.Daten(), "2025", archiv), "");
        } else {
            ASSERT_TRUE(jetzt == alt) << "gemischtes Jahr";
            ++alteJahre;
        }
        EXPECT_FALSE(test::Da(s.Daten("Schueler.NEU")));
        Abbild(sicherung / "home", s.home / "");
    }
    RecordProperty("old", alteJahre);
    RecordProperty("new", neueJahre);
}

} // namespace
} // namespace zev
