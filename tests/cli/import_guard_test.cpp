// Imports that must not cost data: files with more records than an area holds,
// and files from which no record is taken.
#include "cli/cli.h"
#include "storage/area_files.h"
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

using test::DateiBytes;
using test::SkriptMeldungen;
using test::TempOrdner;

class ImportGuard : public ::testing::Test {
protected:
    void SetUp() override {
        EinstellungenStandard(e, home.Pfad());
        e.Schulnummer = "12345";
        ASSERT_TRUE(EinstellungenSchreiben(e, home.Pfad(), m));
        std::filesystem::create_directories(home / "Daten/Import");
        BereichsDaten<TKlasseDS> k;
        k.DB.resize(2);
        for (int i = 0; i < 2; ++i) {
            InitKlasse(k.DB[static_cast<std::size_t>(i)], "12345");
            k.DB[static_cast<std::size_t>(i)].ID = i + 1;
            k.DB[static_cast<std::size_t>(i)].Klassenname = "K" + std::to_string(i + 1);
        }
        ASSERT_TRUE(BereichSchreiben(k, home / "Daten", e, m));
        vorher = DateiBytes(home / "Daten/Klassen.ZEV");
    }
    test::Lauf Zev(std::vector<std::string> args) { return test::ZevLauf(std::move(args), home.Pfad()); }
    void Klassendatei(const std::string& inhalt) {
        test::DateiSchreiben(home / "Daten/Import/Klassen.XML",
                             std::vector<std::uint8_t>(inhalt.begin(), inhalt.end()));
    }
    static std::string Klassen(int anzahl, const char* schulnummer = "12345") {
        std::string s = "<Alle_Klassen>";
        for (int i = 0; i < anzahl; ++i)
            s += std::string("<Klasse><Schulnummer>") + schulnummer + "</Schulnummer><Klassenname>k" +
                 std::to_string(i % 100) + "</Klassenname></Klasse>";
        return s + "</Alle_Klassen>";
    }
    // The internal file as it was, and no previous version written.
    void ErwarteUnveraendert() {
        EXPECT_EQ(DateiBytes(home / "Daten/Klassen.ZEV"), vorher);
        EXPECT_FALSE(test::Da(home / "Daten/Klassen.SIC"));
    }
    TempOrdner home;
    TEinstellungen e;
    SkriptMeldungen m;
    std::vector<std::uint8_t> vorher;
};

TEST_F(ImportGuard, MoreRecordsThanAnAreaHoldsAreRefusedWhole) {
    Klassendatei(Klassen(65537));
    const Lauf l = Zev({"import", "klassen"});
    EXPECT_EQ(l.status, 3);
    EXPECT_EQ(l.err, "Fehler: Die Datei:\n" + (home / "Daten/Import/Klassen.XML") +
                         "\nenthält mehr als 65536 Datensätze und wird nicht importiert!\n\nEin Bereich kann "
                         "höchstens 65536 Datensätze aufnehmen.\nDie vorhandenen Daten bleiben unverändert.\n");
    EXPECT_EQ(l.out, "[klassen]\nDatei: " + (home / "Daten/Import/Klassen.XML") +
                         "\nRoot-Tag: Alle_Klassen\nmehr als 65536 Datensätze: nicht eingelesen\n");
    ErwarteUnveraendert();
}

TEST_F(ImportGuard, ExactlyTheCapacityIsTakenAndReadBack) {
    Klassendatei(Klassen(65536));
    const Lauf l = Zev({"import", "klassen"});
    EXPECT_EQ(l.status, 0) << l.err;
    BereichsDatei<TKlasseDS> f;
    std::string fehler;
    ASSERT_EQ(BereichsdateiLesen(home / "Daten/Klassen.ZEV", f, fehler), LeseStatus::Ok);
    EXPECT_EQ(f.Saetze.size(), 65536u);
    EXPECT_EQ(f.Saetze.back().Klassenname.str(), "k35");
}

TEST_F(ImportGuard, AnAreaBeyondTheCapacityIsNotWritten) {
    BereichsDaten<TKlasseDS> k;
    k.DB.resize(65537);
    EXPECT_FALSE(BereichSchreiben(k, home / "Daten", e, m));
    EXPECT_EQ(m.Texte(), std::vector<std::string>{"Die Datei:\r" + (home / "Daten/Klassen.ZEV") +
                                                  "\rkann nicht geschrieben werden!\r\rEin Bereich kann höchstens "
                                                  "65536 Datensätze aufnehmen.\r\rDie bisherige Datei bleibt "
                                                  "unverändert."});
    ErwarteUnveraendert();
}

TEST_F(ImportGuard, AddingRecordsAsksForRoomFirst) {
    BereichsDaten<TKlasseDS> k;
    k.DB.resize(65535);
    EXPECT_TRUE(PlatzFuer(k, 1, m));
    EXPECT_TRUE(m.gezeigt.empty());
    EXPECT_FALSE(PlatzFuer(k, 2, m));
    EXPECT_EQ(m.Texte(), std::vector<std::string>{"Es kann kein weiterer Datensatz aufgenommen werden!\r\rEin Bereich "
                                                  "kann höchstens 65536 Datensätze aufnehmen."});
}

TEST_F(ImportGuard, AFileGivingNoRecordLeavesTheAreaAndItsFiles) {
    const std::string datei = home / "Daten/Import/Klassen.XML";
    const std::string meldung = "Information: Die Datei " + datei +
                                " enthält keine übernehmbaren Datensätze. Die vorhandenen Daten bleiben unverändert.\n";
    const std::string frage = "Frage: Die Import-Datei enthält die Daten\neiner anderen Schule (Nr.: 999)!\n\nWollen "
                              "Sie diese Daten importieren?\n(Antwort: Nein)\n";
    // Every record of another school, answered No; twice, so a second run would reach the .SIC.
    Klassendatei(Klassen(2, "999"));
    for (int lauf = 0; lauf < 2; ++lauf) {
        const Lauf l = Zev({"import", "klassen"});
        EXPECT_EQ(l.status, 0);
        EXPECT_EQ(l.err, frage + frage + meldung);
        EXPECT_EQ(l.out,
                  "[klassen]\nDatei: " + datei +
                      "\nRoot-Tag: Alle_Klassen\nDatensätze übernommen: 0\nDatensätze anderer Schulen "
                      "abgelehnt: 2\nkeine übernehmbaren Datensätze: die vorhandenen Daten bleiben unverändert\n");
        ErwarteUnveraendert();
    }
    // No record at all.
    Klassendatei("<Alle_Klassen></Alle_Klassen>");
    const Lauf l = Zev({"import", "klassen"});
    EXPECT_EQ(l.err, meldung);
    EXPECT_EQ(l.out, "[klassen]\nDatei: " + datei +
                         "\nRoot-Tag: Alle_Klassen\nDatensätze übernommen: 0\nkeine übernehmbaren Datensätze: die "
                         "vorhandenen Daten bleiben unverändert\n");
    ErwarteUnveraendert();
}

TEST_F(ImportGuard, ASchoolFileWithoutASchoolLeavesTheSchool) {
    TSchuleDS s;
    InitSchule(s, "12345");
    s.freie_Traeger.Name = "Bleibt";
    ASSERT_TRUE(SchuleSchreiben(s, home / "Daten", m));
    const auto schule = DateiBytes(home / "Daten/Schule.ZEV");
    const std::string leer = "<Alle_Schulen></Alle_Schulen>";
    test::DateiSchreiben(home / "Daten/Import/Schule.XML", std::vector<std::uint8_t>(leer.begin(), leer.end()));
    const Lauf l = Zev({"import", "schule"});
    EXPECT_EQ(l.err, "Information: Die Datei " + (home / "Daten/Import/Schule.XML") +
                         " enthält keine übernehmbaren Datensätze. Die vorhandenen Daten bleiben unverändert.\n");
    EXPECT_EQ(DateiBytes(home / "Daten/Schule.ZEV"), schule);
    EXPECT_FALSE(test::Da(home / "Daten/Schule.SIC"));
}

} // namespace
} // namespace zev
