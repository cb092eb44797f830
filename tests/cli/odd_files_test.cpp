// FIFOs and devices where the program expects its files: refused at once with a
// message naming the file, never waited on.
#include "cli/cli.h"
#include "storage/settings_file.h"
#include "support/cli_run.h"
#include "support/scripted_messages.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>

namespace zev {
namespace {

using test::Lauf;

using test::TempOrdner;

class OddFiles : public ::testing::Test {
protected:
    void SetUp() override { ::alarm(60); } // a regression blocks for ever; end it instead
    void TearDown() override { ::alarm(0); }
    test::Lauf Zev(std::vector<std::string> args) { return test::ZevLauf(std::move(args), home.Pfad()); }
    void Fifo(const std::string& pfad) { ASSERT_EQ(::mkfifo(pfad.c_str(), 0600), 0); }
    void Einstellungen() {
        TEinstellungen e;
        EinstellungenStandard(e, home.Pfad());
        test::SkriptMeldungen m;
        ASSERT_TRUE(EinstellungenSchreiben(e, home.Pfad(), m));
    }
    static std::string Lesefehler(const std::string& pfad) {
        return "Fehler: Die Datei:\n" + pfad + "\nkann nicht gelesen werden!\n\nkeine reguläre Datei\n";
    }
    TempOrdner home;
};

TEST_F(OddFiles, AFifoInPlaceOfADataFileIsRefusedByName) {
    Einstellungen();
    std::filesystem::create_directories(home / "Daten");
    Fifo(home / "Daten/Lehrer.ZEV");
    const Lauf l = Zev({"export", "lehrer"});
    EXPECT_EQ(l.status, 3);
    EXPECT_EQ(l.err, Lesefehler(home / "Daten/Lehrer.ZEV") +
                         "Fehler: Die Lehrerdaten konnten nicht geladen werden!\nDie XML-Datei:\n" +
                         (home / "Daten/Export/Lehrer.XML") + "\nwird nicht geschrieben und bleibt, wie sie ist.\n");
}

TEST_F(OddFiles, AFifoInPlaceOfTheSettingsIsRefusedByName) {
    Fifo(home / "ZEVEinstellungen.DAT");
    const Lauf l = Zev({"export", "klassen"});
    EXPECT_EQ(l.status, 3);
    EXPECT_EQ(l.err, Lesefehler(home / "ZEVEinstellungen.DAT"));
}

TEST_F(OddFiles, DumpNamesTheFileAndSaysWhatItIs) {
    Fifo(home / "x.ZEV");
    for (const std::string& pfad : {home / "x.ZEV", std::string("/dev/null")}) {
        const Lauf l = Zev({"dump", pfad});
        EXPECT_EQ(l.status, 3);
        EXPECT_EQ(l.err, Lesefehler(pfad));
    }
}

TEST_F(OddFiles, AFifoInPlaceOfACatalogueIsReportedByTheCheck) {
    for (const auto& k : std::filesystem::directory_iterator(ZEV_CATALOGUE_DIR))
        std::filesystem::copy(k.path(), home / k.path().filename().string());
    std::filesystem::remove(home / "Katalog1.csv");
    Fifo(home / "Katalog1.csv");
    const Lauf l = Zev({"catalogues", "--check"});
    EXPECT_EQ(l.status, 1);
    // The loading passes over what is no file, and the check no longer waits on it.
    EXPECT_EQ(l.err, "Fehler: Die Datei: Katalog1.csv  [Abgangsarten (Lehrer)]\nkonnte nicht gefunden werden!\n\n"
                     "(Prüfen Sie ev. die Installation des Programms!)\nInformation: Die Liste: Abgangsarten "
                     "(Lehrer)\nist leer!\n");
}

} // namespace
} // namespace zev
