#include "cli/cli.h"
#include "model/database.h"
#include "model/settings.h"
#include "storage/area_files.h"
#include "storage/settings_file.h"
#include "support/cli_run.h"
#include "support/scripted_messages.h"
#include "support/temp_folder.h"
#include "support/this_year.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <memory>
#include <sstream>

namespace zev {
namespace {

using test::Lauf;
using test::SkriptMeldungen;
using test::TempOrdner;

test::Lauf Zev(const std::vector<std::string>& args, const std::string& programmOrdner = "/nirgends/") {
    return test::ZevLauf(args, "", programmOrdner);
}

class Dump : public ::testing::Test {
protected:
    void SetUp() override {
        EinstellungenStandard(e, ordner.Pfad());
        e.Schulnummer = "12345";
    }
    TempOrdner ordner;
    SkriptMeldungen m;
    TEinstellungen e;
};

// Every field under its name: record_json_test.cpp. Here the files of each kind.
TEST_F(Dump, TeacherFileGivesHeaderAndRecordsInIndexOrder) {
    BereichsDaten<TLehrerDS> b;
    b.DB.resize(2);
    InitLehrer(b.DB[0], "12345");
    InitLehrer(b.DB[1], "12345");
    b.DB[0].ID = 1;
    b.DB[1].ID = 2;
    b.DB[1].Grunddaten.Name = "M\xFCller";
    b.Aktuell = 1;
    ASSERT_TRUE(BereichSchreiben(b, ordner.Pfad(), e, m));
    std::filesystem::rename(ordner / "Lehrer.ZEV", ordner / "Kopie.bin"); // the name does not matter

    const Lauf l = Zev({"dump", ordner / "Kopie.bin"});
    ASSERT_EQ(l.status, 0) << l.err;
    const auto j = nlohmann::json::parse(l.out);
    EXPECT_EQ(j["header"], nlohmann::json::parse(R"({"identifier": "kwt: mox --> ZEV-Manager: L_DB          ",
        "version": 1, "current": 1, "last": 1, "Schulnummer": "12345"})"));
    ASSERT_EQ(j["records"].size(), 2u);
    const auto& r = j["records"][1];
    EXPECT_EQ(r["ID"], 2);
    EXPECT_EQ(r["Grunddaten"]["Name"], "Müller");
    EXPECT_EQ(j["records"][0]["ID"], 1);
}

// A close-time copy is dumped as its area file.
TEST_F(Dump, ACloseTimeCopy) {
    BereichsDaten<TSchuelerDS> s;
    InitSchueler(s.DB[0], "12345");
    s.DB[0].Grunddaten.Einschulung.Einschulungsjahr = "2015";
    ASSERT_TRUE(BereichSchreiben(s, ordner.Pfad(), e, m));
    ASSERT_TRUE(BereichKopieLS(s, ordner.Pfad(), e, m));
    const Lauf l = Zev({"dump", ordner / "Schueler.LS1"});
    ASSERT_EQ(l.status, 0) << l.err;
    EXPECT_EQ(nlohmann::json::parse(l.out)["records"][0]["Grunddaten"]["Einschulung"]["Einschulungsjahr"], "2015");
}

TEST_F(Dump, SchoolFileLeavesElementZeroOut) {
    auto d = std::make_unique<Datenbestand>();
    InitSchule(d->SchulDS, "12345");
    d->SchulDS.Schuldaten.Schulart[0] = "XX";
    d->SchulDS.Schuldaten.Schulart[1] = "02";
    d->SchulDS.Schuldaten.Orgform_Text = "frei";
    ASSERT_TRUE(SchuleSchreiben(d->SchulDS, ordner.Pfad(), m));
    const Lauf l = Zev({"dump", ordner / "Schule.ZEV"});
    ASSERT_EQ(l.status, 0) << l.err;
    const auto j = nlohmann::json::parse(l.out)["Schule"];
    EXPECT_EQ(j["Schulnummer"], "12345");
    ASSERT_EQ(j["Schuldaten"]["Schulart"].size(), 20u);
    EXPECT_EQ(j["Schuldaten"]["Schulart"][0], "02");
    EXPECT_EQ(j["Orgform_Text"], "frei");
}

TEST_F(Dump, SettingsFileWithTheImportEntriesAsFourAreasOfThree) {
    ASSERT_TRUE(EinstellungenSchreiben(e, ordner.Pfad(), m));
    const Lauf l = Zev({"dump", ordner / "ZEVEinstellungen.DAT"});
    ASSERT_EQ(l.status, 0) << l.err;
    const auto j = nlohmann::json::parse(l.out)["Einstellungen"];
    EXPECT_EQ(j["Schulnummer"], "12345");
    EXPECT_EQ(j["DatenPfad"], ordner.Pfad() + "Daten/");
    EXPECT_EQ(j["Datenquelle"], 1);
    EXPECT_EQ(j["Berichtsjahr"], std::to_string(test::DiesesJahr()));
    ASSERT_EQ(j["XMLImport"].size(), 4u);
    ASSERT_EQ(j["XMLImport"][2].size(), 3u);
    EXPECT_EQ(j["XMLImport"][2][0],
              nlohmann::json::parse("{\"Datei\": \"" + ordner.Pfad() +
                                    "Daten/Import/Klassen.XML\", \"Datensaetze\": 1, \"Einzelfelder\": 0}"));
}

TEST_F(Dump, OtherFilesAreRefusedWithStatusTwo) {
    test::DateiSchreiben(ordner / "x.txt", {'h', 'a', 'l', 'l', 'o'});
    Lauf l = Zev({"dump", ordner / "x.txt"});
    EXPECT_EQ(l.status, 2);
    EXPECT_EQ(l.out, "");
    EXPECT_EQ(l.err, "Fehler: Die Datei:\n" + (ordner / "x.txt") +
                         "\nist keine Datei des ZEV-Managers (weder Schul-, Lehrer-, Klassen- oder Schüler-Datei noch "
                         "Einstellungsdatei)!\n");

    l = Zev({"dump", ordner / "fehlt.ZEV"});
    EXPECT_EQ(l.status, 3);
    EXPECT_EQ(l.err, "Fehler: Die Datei:\n" + (ordner / "fehlt.ZEV") +
                         "\nkann nicht gelesen werden!\n\nNo such file or directory\n");
}

TEST_F(Dump, CorruptAreaFileShowsTheMessageAndStatusThree) {
    BereichsDaten<TLehrerDS> b;
    auto bild = BereichsImage(b, e.Schulnummer);
    bild.pop_back();
    test::DateiSchreiben(ordner / "Lehrer.ZEV", bild);
    const Lauf l = Zev({"dump", ordner / "Lehrer.ZEV"});
    EXPECT_EQ(l.status, 3);
    EXPECT_EQ(l.err, "Fehler: Die Datei:\n" + (ordner / "Lehrer.ZEV") +
                         "\nist beschädigt oder unvollständig und wird nicht gelesen!\n");
}

TEST(Usage, HelpUnknownCommandsAndOptions) {
    Lauf l = Zev({"--help"});
    EXPECT_EQ(l.status, 0);
    EXPECT_NE(l.out.find("  dump        eine Datei des ZEV-Managers als JSON ausgeben\n"), std::string::npos);
    l = Zev({"dump", "--help"});
    EXPECT_EQ(l.status, 0);
    EXPECT_EQ(l.out.rfind("Aufruf: zev [--home ORDNER] dump DATEI\n", 0), 0u);
    EXPECT_EQ(Zev({}).status, 2);
    l = Zev({"frobnicate"});
    EXPECT_EQ(l.status, 2);
    EXPECT_EQ(l.err.rfind("zev: unbekannter Befehl: frobnicate\n", 0), 0u);
    EXPECT_EQ(Zev({"--bogus", "dump", "x"}).status, 2);
    EXPECT_EQ(Zev({"dump"}).status, 2);
    EXPECT_EQ(Zev({"dump", "a", "b"}).status, 2);
    EXPECT_EQ(Zev({"--home"}).status, 2);
}

TEST(Usage, HomeIsAcceptedBeforeAndAfterTheCommand) {
    TempOrdner o;
    TEinstellungen e;
    EinstellungenStandard(e, o.Pfad());
    SkriptMeldungen m;
    ASSERT_TRUE(EinstellungenSchreiben(e, o.Pfad(), m));
    EXPECT_EQ(Zev({"--home", o.Pfad(), "dump", o / "ZEVEinstellungen.DAT"}).status, 0);
    EXPECT_EQ(Zev({"dump", o / "ZEVEinstellungen.DAT", "--home", o.Pfad()}).status, 0);
}

} // namespace
} // namespace zev

namespace zev {
namespace {

// A teacher file written by hand (two teachers with umlauts, lesson units and
// dates) and its dump, checked line by line once and kept byte for byte.
TEST(DumpGolden, SampleTeacherFile) {
    const std::string daten = ZEV_TEST_DATA;
    const Lauf l = Zev({"dump", daten + "/Lehrer.ZEV"});
    ASSERT_EQ(l.status, 0) << l.err;
    const auto erwartet = test::DateiBytes(daten + "/Lehrer.json");
    EXPECT_EQ(l.out, std::string(erwartet.begin(), erwartet.end()));
}

} // namespace
} // namespace zev
