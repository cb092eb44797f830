// Commands never write where the settings do not say: not into the program
// folder when the data folder cannot be created, and not into a folder invented
// from a path the settings cannot hold.
#include "cli/cli.h"
#include "storage/settings_file.h"
#include "support/cli_run.h"
#include "support/scripted_messages.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace zev {
namespace {

using test::Lauf;

using test::Inhalt;
using test::TempOrdner;

test::Lauf Zev(const std::string& home, std::vector<std::string> args) {
    return test::ZevLauf(std::move(args), home);
}

TEST(FolderGuard, ADataFolderThatCannotBeCreatedStopsTheCommand) {
    TempOrdner home;
    test::DateiSchreiben(home / "datei", {1});
    TEinstellungen e;
    EinstellungenStandard(e, home.Pfad());
    PfadInsFeld(e.DatenPfad, home / "datei/Daten/");
    test::SkriptMeldungen m;
    ASSERT_TRUE(EinstellungenSchreiben(e, home.Pfad(), m));
    for (const char* befehl : {"export", "import"}) {
        const Lauf l = Zev(home.Pfad(), {befehl, "klassen"});
        EXPECT_EQ(l.status, 3);
        EXPECT_EQ(l.out, "");
        EXPECT_EQ(l.err, "Information: Problem beim Erstellen des Datenverzeichnis:\n" + (home / "datei/Daten/") +
                             "\nLegen Sie sofort einen verfügbaren Ort (Laufwerk, Pfad) für Ihre Daten fest!\nFehler: "
                             "Der Daten-Ordner:\n" +
                             (home / "datei/Daten/") +
                             "\nkann nicht erstellt werden!\n\nEs wird nichts geschrieben.\n");
        EXPECT_EQ(Inhalt(home.Pfad()), (std::vector<std::string>{"ZEVEinstellungen.DAT", "datei"}));
    }
}

TEST(FolderGuard, AProgramFolderOutsideWindows1252IsReportedAndNothingInvented) {
    TempOrdner o;
    const std::string home = o / "Łódź/";
    std::filesystem::create_directories(home);
    const Lauf l = Zev(home, {"export", "klassen"});
    EXPECT_EQ(l.status, 3);
    EXPECT_EQ(l.out, "");
    EXPECT_EQ(l.err, "Fehler: Der Pfad:\n" + home +
                         "Daten/\nkann nicht in den Einstellungen gespeichert werden!\n\n(Möglich sind höchstens 250 "
                         "Zeichen, alle aus dem Windows-Zeichensatz 1252.)\n");
    // Only the program folder's own data folder, under its real name.
    EXPECT_EQ(Inhalt(o.Pfad()), std::vector<std::string>{"Łódź"});
    EXPECT_FALSE(test::Da(home + "Daten/Export/Klassen.XML"));

    TEinstellungen e;
    EinstellungenStandard(e, home);
    EXPECT_TRUE(e.DatenPfad.empty()); // never a changed path
    EXPECT_TRUE(e.XMLImport[3][1].Datei.empty());
}

TEST(FolderGuard, APathOverTheFieldWidthIsReported) {
    TempOrdner o;
    const std::string home = o.Pfad() + std::string(250 - o.Pfad().size() - 2, 'x') + "/";
    std::filesystem::create_directories(home);
    EXPECT_FALSE(PfadSpeicherbar(home + "Daten/"));
    EXPECT_TRUE(PfadSpeicherbar(home));
    const Lauf l = Zev(home, {"import", "lehrer"});
    EXPECT_EQ(l.status, 3);
    EXPECT_EQ(l.err.rfind("Fehler: Der Pfad:\n" + home + "Daten/\nkann nicht in den Einstellungen gespeichert", 0), 0u)
        << l.err;
}

} // namespace
} // namespace zev
