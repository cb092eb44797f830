#include "model/settings.h"
#include "support/this_year.h"

#include <gtest/gtest.h>

namespace zev {
namespace {

TEST(SettingsDefaults, FoldersBelowTheProgramFolderAndTheDocumentedValues) {
    TEinstellungen e;
    EinstellungenStandard(e, "/opt/zev/");
    EXPECT_EQ(e.Schulnummer.str(), "00000");
    EXPECT_EQ(e.DatenPfad.str(), "/opt/zev/Daten/");
    EXPECT_EQ(e.ImportPfad.str(), "/opt/zev/Daten/Import/");
    EXPECT_EQ(e.ExportPfad.str(), "/opt/zev/Daten/Export/");
    EXPECT_EQ(e.XMLDateiSchueler.str(), "Schueler.XML");
    EXPECT_EQ(e.Datenquelle.get(), 1);
    EXPECT_EQ(e.Dateizugriff.get(), 1);
    EXPECT_EQ(e.StartSicherung.get(), 1);
    EXPECT_EQ(e.Reserviert1092.get(), 1);
    EXPECT_EQ(e.FreierTraeger.get(), 0);
    EXPECT_EQ(e.Berichtsjahr.str(), std::to_string(test::DiesesJahr())); // a new file starts in its own year
    EXPECT_EQ(e.SchwelleLehrer.get(), 0);
    // The class tab, order 1: import folder + "Klassen.XML", "anhängen", "alle überschreiben".
    EXPECT_EQ(e.XMLImport[3][1].Datei.str(), "/opt/zev/Daten/Import/Klassen.XML");
    EXPECT_EQ(e.XMLImport[3][1].Datensaetze.get(), 1);
    EXPECT_EQ(e.XMLImport[3][1].Einzelfelder.get(), 0);
    EXPECT_EQ(e.XMLImport[3][2].Datei.str(), "");
    EXPECT_EQ(e.XMLImport[3][3].Datensaetze.get(), 1);
    EXPECT_EQ(e.XMLImport[1][1].Datei.str(), "/opt/zev/Daten/Import/Schule.XML");
}

TEST(SettingsDefaults, AProgramFolderTheFieldsCannotHoldLeavesThemEmptyRatherThanCut) {
    TEinstellungen e;
    const std::string lang = "/" + std::string(260, 'x') + "/";
    EinstellungenStandard(e, lang);
    EXPECT_TRUE(e.DatenPfad.empty());
    EXPECT_TRUE(e.ImportPfad.empty());
    EXPECT_TRUE(e.XMLImport[2][1].Datei.empty());
    // 241 characters + "Daten/" fit; the import folder below it does not.
    const std::string knapp = "/" + std::string(239, 'y') + "/";
    EinstellungenStandard(e, knapp);
    EXPECT_EQ(e.DatenPfad.str(), knapp + "Daten/");
    EXPECT_TRUE(e.ImportPfad.empty());
    EXPECT_TRUE(e.XMLImport[2][1].Datei.empty());
    EinstellungenStandard(e, "/home/Łódź/");
    EXPECT_TRUE(e.DatenPfad.empty());
}

TEST(SettingsDefaults, UmlautInTheProgramFolderIsStoredAsWindows1252) {
    TEinstellungen e;
    EinstellungenStandard(e, "/home/jürgen/");
    EXPECT_EQ(e.DatenPfad.str(), "/home/j\xFCrgen/Daten/");
    EXPECT_EQ(PfadAusFeld(e.DatenPfad), "/home/jürgen/Daten/");
}

} // namespace
} // namespace zev
