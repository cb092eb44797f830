#include "io/file_io.h"
#include "storage/settings_file.h"
#include "support/scripted_messages.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace zev {
namespace {

using test::SkriptMeldungen;
using test::TempOrdner;

class SettingsFile : public ::testing::Test {
protected:
    TempOrdner ordner;
    SkriptMeldungen m;
    TEinstellungen e;
};

TEST_F(SettingsFile, MissingFileGivesDefaultsWithoutAMessage) {
    EinstellungenLesen(e, ordner.Pfad(), ordner.Pfad() + "nichtda/", m);
    EXPECT_TRUE(m.gezeigt.empty());
    EXPECT_EQ(e.Schulnummer.str(), "00000");
    EXPECT_EQ(PfadAusFeld(e.DatenPfad), ordner.Pfad() + "Daten/");
}

TEST_F(SettingsFile, WrittenSettingsAreReadBackByteForByte) {
    EinstellungenStandard(e, ordner.Pfad());
    e.Schulnummer = "98765";
    e.Reserviert4366[1] = "carried"; // reserved fields are carried unchanged
    e.XMLImport[4][3].Einzelfelder = 2;
    ASSERT_TRUE(EinstellungenSchreiben(e, ordner.Pfad(), m));
    const auto bytes = test::DateiBytes(ordner / "ZEVEinstellungen.DAT");
    ASSERT_EQ(bytes.size(), 5120u);
    EXPECT_EQ(std::memcmp(bytes.data(), ImageOf(e), 5120), 0);

    TEinstellungen gelesen;
    EinstellungenLesen(gelesen, ordner.Pfad(), "", m);
    EXPECT_TRUE(m.gezeigt.empty());
    EXPECT_EQ(std::memcmp(&gelesen, &e, sizeof e), 0);
}

TEST_F(SettingsFile, WrongSizeIsReportedDefaultsStayAndTheNextWriteRepairsIt) {
    for (std::size_t groesse : {5119u, 5121u}) {
        SCOPED_TRACE(groesse);
        m.gezeigt.clear();
        std::vector<std::uint8_t> falsch(groesse, 0x41);
        test::DateiSchreiben(ordner / "ZEVEinstellungen.DAT", falsch);
        EinstellungenLesen(e, ordner.Pfad(), "", m);
        ASSERT_EQ(m.gezeigt.size(), 1u);
        EXPECT_EQ(m.gezeigt[0].art, MeldungsArt::Fehler);
        EXPECT_EQ(m.gezeigt[0].text,
                  "Die vorhandene Einstellungsdatei entspricht\rnicht dem erwarteten Format!\r\rEs werden die "
                  "Standard-Einstellungen genutzt!\rPassen Sie die Einstellungen an und bestätigen Sie diese!");
        EXPECT_EQ(e.Schulnummer.str(), "00000");
        EXPECT_EQ(test::DateiBytes(ordner / "ZEVEinstellungen.DAT"), falsch); // left alone

        ASSERT_TRUE(EinstellungenSchreiben(e, ordner.Pfad(), m));
        EXPECT_EQ(test::DateiBytes(ordner / "ZEVEinstellungen.DAT").size(), 5120u);
        m.gezeigt.clear();
        EinstellungenLesen(e, ordner.Pfad(), "", m);
        EXPECT_TRUE(m.gezeigt.empty());
    }
}

TEST_F(SettingsFile, FileInTheDataFolderIsTheFallBack) {
    TempOrdner daten;
    EinstellungenStandard(e, ordner.Pfad());
    e.Schulnummer = "55555";
    ASSERT_TRUE(EinstellungenSchreiben(e, daten.Pfad(), m));
    TEinstellungen gelesen;
    EinstellungenLesen(gelesen, ordner.Pfad(), daten.Pfad(), m);
    EXPECT_EQ(gelesen.Schulnummer.str(), "55555");
}

TEST_F(SettingsFile, FailedWriteIsReportedAndKeepsThePreviousFile) {
    EinstellungenStandard(e, ordner.Pfad());
    ASSERT_TRUE(EinstellungenSchreiben(e, ordner.Pfad(), m));
    const auto vorher = test::DateiBytes(ordner / "ZEVEinstellungen.DAT");
    e.Schulnummer = "11111";
    io::test::FehlerBeiSchritt(2); // 1 creates the temporary file, 2 writes it
    EXPECT_FALSE(EinstellungenSchreiben(e, ordner.Pfad(), m));
    io::test::FehlerBeiSchritt(0);
    ASSERT_EQ(m.gezeigt.size(), 1u);
    EXPECT_EQ(m.gezeigt[0].text, "Die Datei:\r" + (ordner / "ZEVEinstellungen.DAT") +
                                     "\rkann nicht geschrieben werden!\r\rInput/output error\r\rDie bisherige "
                                     "Datei bleibt unverändert.");
    EXPECT_EQ(test::Inhalt(ordner.Pfad()), std::vector<std::string>{"ZEVEinstellungen.DAT"});
    EXPECT_EQ(test::DateiBytes(ordner / "ZEVEinstellungen.DAT"), vorher);
}

TEST_F(SettingsFile, TextsWithControlCharactersAreReportedOnceAndGetTheirDefaults) {
    EinstellungenStandard(e, ordner.Pfad());
    e.Schulnummer = "98765";
    e.DatenPfad = "/tmp/\x01\x02x/";
    e.ExportPfad = "/tmp/ok/";
    e.XMLImport[2][3].Datei = "a\nb";
    e.Berichtsjahr = "\x1b[31m";
    ASSERT_TRUE(EinstellungenSchreiben(e, ordner.Pfad(), m));

    TEinstellungen gelesen;
    EinstellungenLesen(gelesen, ordner.Pfad(), "", m);
    TEinstellungen standard;
    EinstellungenStandard(standard, ordner.Pfad());
    EXPECT_EQ(m.gezeigt, (std::vector<test::Gezeigt>{
                             {MeldungsArt::Warnung,
                              "Die Einstellungsdatei:\r" + (ordner / "ZEVEinstellungen.DAT") +
                                  "\renthält Steuerzeichen in den Feldern: DatenPfad, XMLImport[2][3], Berichtsjahr\r\r"
                                  "Für diese Felder werden die Standard-Einstellungen genutzt!",
                              Tasten::Ok}}));
    EXPECT_TRUE(gelesen.DatenPfad.SameImage(standard.DatenPfad));
    EXPECT_TRUE(gelesen.XMLImport[2][3].Datei.SameImage(standard.XMLImport[2][3].Datei));
    EXPECT_EQ(gelesen.Berichtsjahr.str(), standard.Berichtsjahr.str());
    EXPECT_EQ(gelesen.Schulnummer.str(), "98765");
    EXPECT_EQ(gelesen.ExportPfad.str(), "/tmp/ok/");
}

} // namespace
} // namespace zev
