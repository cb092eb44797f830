// Two writers on one data folder, as separate processes: every run either completes
// or refuses with the holder's name, and what is left is what some serial order of
// the completed runs leaves. A killed holder frees the folder at once.
#include "cli/cli.h"
#include "cli/console_messages.h"
#include "control/lifecycle.h"
#include "io/file_lock.h"
#include "model/database.h"
#include "storage/settings_file.h"
#include "support/cli_run.h"
#include "support/lock_holder.h"
#include "support/scripted_messages.h"
#include "support/temp_folder.h"
#include "xml/export_trees.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <filesystem>
#include <map>
#include <set>
#include <sstream>

extern char** environ;

namespace zev {
namespace {

using test::DateiBytes;
using test::TempOrdner;
namespace fs = std::filesystem;

const char* const kDateien[] = {"Schule.ZEV", "Lehrer.ZEV", "Klassen.ZEV", "Schueler.ZEV"};
using Zustand = std::array<std::vector<std::uint8_t>, 4>;

struct Prozess {
    pid_t pid = -1;
    std::string fehlerDatei;
};

// Starts `zev ARGS` with its standard error going to `fehlerDatei`.
Prozess Starten(const std::vector<std::string>& args, const std::string& fehlerDatei) {
    std::vector<std::string> alle = {ZEV_BINARY};
    alle.insert(alle.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& a : alle) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t aktionen;
    posix_spawn_file_actions_init(&aktionen);
    posix_spawn_file_actions_addopen(&aktionen, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&aktionen, 2, fehlerDatei.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    Prozess p{-1, fehlerDatei};
    if (posix_spawn(&p.pid, argv[0], &aktionen, nullptr, argv.data(), environ) != 0) p.pid = -1;
    posix_spawn_file_actions_destroy(&aktionen);
    return p;
}

int Warten(const Prozess& p) {
    int status = 0;
    if (::waitpid(p.pid, &status, 0) != p.pid || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

std::string Text(const std::string& pfad) {
    const auto b = DateiBytes(pfad);
    return {b.begin(), b.end()};
}

// Two program folders on one data folder; the first imports the school from A.XML,
// the second from B.XML, each adding three lesson units of its own.
class OneWriterProcesses : public ::testing::Test {
protected:
    void SetUp() override {
        for (const TempOrdner* home : {&eins, &zwei}) {
            for (const auto& x : fs::directory_iterator(ZEV_CATALOGUE_DIR))
                if (x.path().extension() == ".csv") fs::copy(x.path(), home->Pfad());
        }
        fs::create_directories(Daten());
        for (const auto& [home, datei, erste] :
             {std::tuple{&eins, std::string("A.XML"), 901}, std::tuple{&zwei, std::string("B.XML"), 911}}) {
            const test::Lauf l = test::ZevLauf({"settings", "set", "Schulnummer=12345", "DatenPfad=" + Daten(),
                                                "Import.Schule.1.Datei=" + wurzel / datei},
                                               home->Pfad());
            ASSERT_EQ(l.status, 0) << l.err;
            SchulDateiSchreiben(datei, erste);
        }
    }

    void SchulDateiSchreiben(const std::string& datei, int ersteUE) {
        TSchuleDS s;
        InitSchule(s, "12345");
        for (int k = 1; k <= 3; ++k) {
            auto& u = s.Unterrichtseinheit[k];
            u.UE_ID = ersteUE + k;
            u.UE_ID_Text = std::to_string(ersteUE + k);
            u.Jahrgang = "05";
            u.Fach = "D";
            u.Stunden = "4";
        }
        TEinstellungen e;
        EinstellungenStandard(e, eins.Pfad());
        e.Schulnummer = "12345";
        test::SkriptMeldungen m;
        const std::string ordner = wurzel / ("xml-" + datei);
        fs::create_directories(ordner);
        ASSERT_TRUE(WriteSchoolXml(s, e, ordner, m));
        fs::rename(XmlExportPfad(e, 1, ordner), wurzel / datei);
    }

    std::string Daten(const std::string& name = "") const { return wurzel / ("Daten/" + name); }

    Zustand Lesen() const {
        Zustand z;
        for (std::size_t i = 0; i < 4; ++i) z[i] = DateiBytes(Daten(kDateien[i]));
        return z;
    }
    void Herstellen(const Zustand& z) {
        for (std::size_t i = 0; i < 4; ++i) test::DateiSchreiben(Daten(kDateien[i]), z[i]);
    }

    TempOrdner wurzel, eins, zwei;
};

TEST_F(OneWriterProcesses, TwoWritersStartedTogetherEndAsSomeSerialOrder) {
    // The runs: import by the first folder, import by the second, the demonstration school.
    const std::vector<std::vector<std::string>> laeufe = {
        {"--home", eins.Pfad(), "import", "schule"},
        {"--home", zwei.Pfad(), "import", "schule"},
        {"--home", eins.Pfad(), "demo", "--force"},
    };
    // The start: the demonstration school with B's units, so that every order differs.
    ASSERT_EQ(test::ZevLauf(laeufe[2], "").status, 0);
    ASSERT_EQ(test::ZevLauf(laeufe[1], "").status, 0);
    const Zustand anfang = Lesen();

    // What each serial order of the completed runs leaves.
    std::map<std::vector<int>, Zustand> seriell;
    for (const std::vector<int>& folge : std::vector<std::vector<int>>{{0}, {1}, {2}, {0, 1}, {1, 0}, {0, 2}, {2, 0}}) {
        Herstellen(anfang);
        for (int l : folge) ASSERT_EQ(test::ZevLauf(laeufe[static_cast<std::size_t>(l)], "").status, 0);
        seriell[folge] = Lesen();
    }
    const auto s = [&](std::vector<int> f) { return seriell.at(f); };
    ASSERT_NE(s({0, 1}), s({1, 0}));
    ASSERT_NE(s({0, 2}), s({2, 0}));
    ASSERT_NE(s({0}), s({2, 0}));

    int verweigert = 0;
    for (int runde = 0; runde < 100; ++runde) {
        SCOPED_TRACE(testing::Message() << "Runde " << runde);
        Herstellen(anfang);
        const std::array<int, 2> paar = {0, runde % 2 == 0 ? 1 : 2};
        const Prozess a = Starten(laeufe[static_cast<std::size_t>(paar[0])], wurzel / "a.err");
        const Prozess b = Starten(laeufe[static_cast<std::size_t>(paar[1])], wurzel / "b.err");
        ASSERT_GT(a.pid, 0);
        ASSERT_GT(b.pid, 0);
        const std::array<int, 2> status = {Warten(a), Warten(b)};
        std::vector<int> fertig;
        for (std::size_t i = 0; i < 2; ++i) {
            const std::string fehler = Text(i == 0 ? a.fehlerDatei : b.fehlerDatei);
            if (status[i] == 3) {
                EXPECT_NE(
                    fehler.find("Fehler: Der Daten-Ordner " + Daten() + " wird gerade von zev benutzt (Benutzer "),
                    std::string::npos)
                    << fehler;
                EXPECT_NE(fehler.find("\n\nEs wird nichts geschrieben.\n"), std::string::npos) << fehler;
                ++verweigert;
            } else {
                ASSERT_EQ(status[i], 0) << fehler;
                fertig.push_back(paar[i]);
            }
        }
        ASSERT_FALSE(fertig.empty());
        const Zustand ende = Lesen();
        std::vector<std::vector<int>> folgen = {fertig};
        if (fertig.size() == 2) folgen.push_back({fertig[1], fertig[0]});
        bool passt = false;
        for (const auto& f : folgen) passt = passt || seriell.at(f) == ende;
        EXPECT_TRUE(passt) << "keine Reihenfolge der fertigen Läufe ergibt diesen Stand";
        EXPECT_FALSE(fs::exists(Daten("ZEV.LCK")));
    }
    // Not a figure to meet; it only shows that the runs did meet.
    RecordProperty("verweigert", verweigert);
}

TEST_F(OneWriterProcesses, AWindowHoldingTheFolderStopsAnImportAndAKilledOneFreesItAtOnce) {
    ASSERT_EQ(test::ZevLauf({"demo"}, eins.Pfad()).status, 0);
    const Zustand anfang = Lesen();
    test::Kind fenster(test::HalterStarten(Daten("ZEV.LCK"), "zev-manager"));
    ASSERT_GT(fenster.pid, 0);

    const test::Lauf l = test::ZevLauf({"import", "schule"}, eins.Pfad());
    EXPECT_EQ(l.status, 3);
    const io::Sperrinhaber ich = io::DieserLauf("zev-manager");
    const std::string vorne = "Fehler: Der Daten-Ordner " + Daten() +
                              " wird gerade von zev-manager benutzt (Benutzer " + ich.benutzer + ", Rechner " +
                              ich.rechner + ", seit ";
    EXPECT_EQ(l.err.rfind(vorne, 0), 0u) << l.err;
    EXPECT_EQ(l.err.substr(l.err.size() - 32), ").\n\nEs wird nichts geschrieben.\n");
    EXPECT_EQ(Lesen(), anfang);
    EXPECT_FALSE(fs::exists(Daten("Schule.SIC")));
    EXPECT_EQ(test::ZevLauf({"demo", "--force"}, eins.Pfad()).status, 3);
    // Readers need no lock.
    EXPECT_EQ(test::ZevLauf({"export", "schule"}, eins.Pfad()).status, 0);
    EXPECT_EQ(test::ZevLauf({"import", "schule", "--dry-run"}, eins.Pfad()).status, 0);

    fenster.Beenden();
    const test::Lauf frei = test::ZevLauf({"import", "schule"}, eins.Pfad());
    EXPECT_EQ(frei.status, 0) << frei.err;
    EXPECT_NE(Lesen(), anfang);
}

TEST_F(OneWriterProcesses, WaitTakesTheFolderWhenItIsFreedInTime) {
    ASSERT_EQ(test::ZevLauf({"demo"}, eins.Pfad()).status, 0);
    test::Kind fenster(test::HalterStarten(Daten("ZEV.LCK"), "zev-manager"));
    ASSERT_GT(fenster.pid, 0);
    std::thread schliessen([pid = fenster.pid] {
        std::this_thread::sleep_for(std::chrono::milliseconds(400));
        ::kill(pid, SIGKILL);
    });
    const test::Lauf l = test::ZevLauf({"--wait", "60", "import", "schule"}, eins.Pfad());
    schliessen.join();
    fenster.Beenden();
    EXPECT_EQ(l.status, 0) << l.err;
    EXPECT_NE(l.out.find("gespeichert in " + Daten()), std::string::npos);

    for (const std::vector<std::string>& falsch : std::vector<std::vector<std::string>>{
             {"--wait", "import"}, {"--wait", "-1", "import"}, {"--wait=zehn", "import"}, {"--wait"}}) {
        const test::Lauf f = test::ZevLauf(falsch, eins.Pfad());
        EXPECT_EQ(f.status, 2) << f.err;
        EXPECT_EQ(f.err.rfind("zev: --wait braucht eine Zahl von Sekunden", 0), 0u) << f.err;
    }
}

// The case of the office: the window is open on the teachers, `zev import` runs.
TEST_F(OneWriterProcesses, AnImportWhileTheWindowIsOpenIsRefusedAndTheWindowLosesNothing) {
    ASSERT_EQ(test::ZevLauf({"demo"}, eins.Pfad()).status, 0);
    test::SkriptMeldungen m;
    Steuerung fenster(eins.Pfad(), m);
    fenster.DauerhaftSperren("zev-manager");
    fenster.Erstellen(false);
    fenster.Gezeigt();
    fenster.SeiteWechseln(Seite::Lehrer);
    const Zustand anfang = Lesen();
    EXPECT_EQ(test::ZevLauf({"import", "schule"}, eins.Pfad()).status, 3);
    EXPECT_EQ(Lesen(), anfang);
    EXPECT_TRUE(fenster.SeiteWechseln(Seite::Klassen));
    EXPECT_TRUE(m.gezeigt.empty());
}

} // namespace
} // namespace zev

namespace zev {
namespace {

// A command reads, another program writes behind it (one that ignores the lock),
// the command would write: it writes nothing and ends with an error.
TEST(OneWriterCommand, AFileChangedBetweenReadAndWriteIsNotOverwritten) {
    TempOrdner home;
    for (const auto& x : fs::directory_iterator(ZEV_CATALOGUE_DIR))
        if (x.path().extension() == ".csv") fs::copy(x.path(), home.Pfad());
    ASSERT_EQ(test::ZevLauf({"demo"}, home.Pfad()).status, 0);
    std::ostringstream err;
    KonsolenMeldungen m(err, true);
    Steuerung s(home.Pfad(), m);
    s.Erstellen(false);
    s.Gezeigt();
    s.InternLaden(Bereich::Klassen);
    const std::string pfad = home.Pfad() + "Daten/Klassen.ZEV";
    fs::copy_file(pfad, home.Pfad() + "kopie");
    fs::remove(pfad);
    fs::copy_file(home.Pfad() + "kopie", pfad);
    const auto fremd = DateiBytes(pfad);
    EXPECT_FALSE(s.Schreiben(Bereich::Klassen));
    EXPECT_EQ(m.Fehleranzahl(), 1);
    EXPECT_EQ(err.str(), "Fehler: Die Datei " + pfad +
                             " wurde seit dem Laden von einem anderen Programm geändert.\n\nMeine Fassung speichern: "
                             "die andere Fassung wird zur Sicherheitskopie (.SIC).\nDie andere Fassung laden: Ihre "
                             "ungespeicherten Änderungen dieses Bereichs gehen verloren.\nAbbrechen: es wird nichts "
                             "geschrieben.\n(Antwort: Abbrechen)\n");
    EXPECT_EQ(DateiBytes(pfad), fremd);
    EXPECT_FALSE(fs::exists(home.Pfad() + "Daten/Klassen.SIC"));
}

} // namespace
} // namespace zev
