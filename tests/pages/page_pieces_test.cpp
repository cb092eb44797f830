#include "catalog/catalogue_list.h"
#include "pages/code_field.h"
#include "pages/code_grid.h"
#include "pages/combo_list.h"
#include "pages/date_mask.h"
#include "support/scripted_messages.h"

#include <gtest/gtest.h>

namespace zev {
namespace {

Katalog Liste(std::initializer_list<const char*> eintraege) {
    Katalog k;
    for (const char* e : eintraege) k.push_back(e);
    return k;
}

// --- masked dates --------------------------------------------------------------------

// An untouched box gives question marks with the mask's century; single digits get
// a leading zero, a single year digit is unknown; a typed century is taken (so dates
// after 1999 can be entered), one of a single digit falls back to the mask's.
TEST(DateFromMask, TheTable) {
    for (const auto& [text, maske, datum] : std::vector<std::tuple<const char*, std::string_view, const char*>>{
             {"  .  .19  ", kMaskeGeburtsdatum, "??.??.19??"},
             {"  .  .20  ", kMaskeDatum20, "??.??.20??"},
             {" 3. 7.19 5", kMaskeGeburtsdatum, "03.07.19??"},
             {"3 .7 .1985", kMaskeGeburtsdatum, "03.07.1985"},
             {"15.03.2014", kMaskeGeburtsdatum, "15.03.2014"},
             {"01.02. 014", kMaskeGeburtsdatum, "01.02.1914"}})
        EXPECT_EQ(DateFromMask(text, maske), datum) << text;
    EXPECT_EQ(DateFromMask(DatumInMaske("15.03.2014", kMaskeGeburtsdatum), kMaskeGeburtsdatum), "15.03.2014");
    // Stored digits stay, unknown places are blank; a text not in the stored form gives the empty mask.
    EXPECT_EQ(DatumInMaske("??.??.19??", kMaskeGeburtsdatum), "  .  .19  ");
    EXPECT_EQ(DatumInMaske("", kMaskeDatum20), "  .  .20  ");
    EXPECT_EQ(DatumInMaske("07.11.1968", kMaskeDatum20), "07.11.1968");
    EXPECT_EQ(DatumInMaske("3.7.85", kMaskeGeburtsdatum), "  .  .19  ");
}

TEST(DatumAnnehmbar, AClearedBoxOrADayOfTheCalendarWithDayMonthAndYear) {
    for (const char* ja : {"15.03.2014", "29.02.2000", "29.02.1996", "31.12.1999", "1 . 2.1985", "  .  .19  ",
                           "  .  .20  ", "  .  .    ", "01.01. 985"})
        EXPECT_TRUE(DatumAnnehmbar(ja, kMaskeGeburtsdatum)) << ja;
    for (const char* nein : {"31.02.1985", "29.02.1900", "29.02.2001", "31.04.2020", "00.01.1985", "01.00.1985",
                             "01.13.1985", "32.01.1985", "12.08.19  ", "12.08.19 5", "  .08.1985", "12.  .1985",
                             "15/03/2014", "15.03.201", "1a.03.2014"})
        EXPECT_FALSE(DatumAnnehmbar(nein, kMaskeGeburtsdatum)) << nein;
    // The century of a box typed in part is the mask's: 29.02. is a day in 2000, not in 1900.
    EXPECT_TRUE(DatumAnnehmbar("29.02. 000", kMaskeDatum20));
    EXPECT_FALSE(DatumAnnehmbar("29.02. 000", kMaskeGeburtsdatum));
}

TEST(DatumsKasten, StoredFormsShowInTheMaskOtherTextsAsTheyAre) {
    DatumsKasten k = DatumsKastenAnlegen(kMaskeDatum20, "m");
    for (const auto& [gespeichert, gezeigt] :
         std::vector<std::pair<std::string, std::string>>{{"07.11.1968", "07.11.1968"},
                                                          {"??.??.19??", "  .  .19  "},
                                                          {"03.07.20??", "03.07.20  "},
                                                          {"", "  .  .20  "},
                                                          {"3.7.85", "3.7.85"},
                                                          {"\xE9t\xE9 1985", "été 1985"}}) {
        DatumZeigen(k, gespeichert);
        EXPECT_EQ(k.text, gezeigt) << gespeichert;
        EXPECT_FALSE(k.bearbeitet);
        s10 feld;
        feld = gespeichert;
        test::SkriptMeldungen m;
        DatumUebernehmen(k, feld, m); // nobody typed: the stored text stays
        EXPECT_EQ(feld.str(), gespeichert);
        DatumEingeben(k, k.text); // typed: taken as the mask reads it, if it can be
        DatumUebernehmen(k, feld, m);
        EXPECT_EQ(feld.str(), PasstZurMaske(gezeigt) ? DateFromMask(gezeigt, kMaskeDatum20) : gespeichert);
    }
}

// --- combo lists and code fields --------------------------------------------------------

TEST(KomboListe, SortedListKeepsThePlaceholderFirstAndUmlautsBesideTheirLetters) {
    const Katalog k = Liste({" -???-; []", "Zeichnen; [Z]", "\xC4thik; [AE]", "deutsch; [d]", "Algebra; [A]"});
    const KomboListe l = SortierteKomboAus(k);
    EXPECT_EQ(l.texte,
              (std::vector<std::string>{" -???-; []", "Algebra; [A]", "Äthik; [AE]", "deutsch; [d]", "Zeichnen; [Z]"}));
    EXPECT_EQ(l.Schluessel(2), "AE");
    EXPECT_EQ(l.Eintrag(2), "\xC4thik; [AE]");
    EXPECT_EQ(l.Schluessel(9), "");
}

TEST(KomboListe, KeyLookupNeedsTheBracketsAndTextLookupTakesTheFirstContainingEntry) {
    const KomboListe l = KomboAus(Liste({" -???-; []", "zehn; [10]", "eins; [1]",
                                         "Stra\xDF"
                                         "e; [S\xDF]"}));
    EXPECT_EQ(KomboIndexVonSchluessel(l, "1"), 2);
    EXPECT_EQ(KomboIndexVonSchluessel(l, "Sß"), 3); // UTF-8 key against Windows-1252 entries
    EXPECT_EQ(KomboIndexVonSchluessel(l, "7"), 0);
    const KomboListe stunden = KomboAus(Liste({"0", "0.5", "1", "1.5", "10"}));
    EXPECT_EQ(IndexOfText(stunden, "1.5"), 3);
    EXPECT_EQ(IndexOfText(stunden, "1"), 2);
    EXPECT_EQ(IndexOfText(stunden, "7"), 0);
    EXPECT_EQ(IndexOfText(stunden, ""), 0);
}

TEST(CodeFeld, ShowingSelectsTheKeysEntryAndPickingWritesTheKey) {
    const KomboListe l = KomboAus(Liste({" -???-; []", "offen; [01]", "gebunden; [02]"}));
    CodeFeld f;
    CodeFeldZeigen(f, l, "02");
    EXPECT_EQ(f.schluessel, "02");
    EXPECT_EQ(f.index, 2);
    CodeFeldZeigen(f, l, "77"); // unknown: the key stays, the combo shows the placeholder
    EXPECT_EQ(f.schluessel, "77");
    EXPECT_EQ(f.index, 0);
    CodeFeldGewaehlt(f, l, 1);
    EXPECT_EQ(f.schluessel, "01");
    CodeFeldGewaehlt(f, l, 5); // outside the list: nothing changes
    EXPECT_EQ(f.schluessel, "01");
    EXPECT_EQ(f.index, 1);
}

// --- code grids ----------------------------------------------------------------------------

TEST(IsEmptyRange, BlankCellsAreEmptyDashesPlaceholderOrZero) {
    EXPECT_TRUE(IsEmptyRange({"beschreibung", "", "--", " -???-; []", "0"}, 1, 4));
    EXPECT_FALSE(IsEmptyRange({"", "", "0.5"}, 1, 2));
    EXPECT_FALSE(IsEmptyRange({"", " ", ""}, 1, 2)); // a blank is a typed value
    EXPECT_TRUE(IsEmptyRange({"x"}, 1, 4));          // columns beyond the row count as blank
}

class Raster : public ::testing::Test {
protected:
    void SetUp() override {
        r.spalten.resize(3);
        r.spalten[0].gespeichert = false;
        r.spalten[1].kombo = &schluessel;
        r.spalten[2].kombo = &stunden;
        r.spalten[2].wert = KomboWert::Text;
        r.auffrischen = [this](std::vector<std::string>& z) {
            z[0] = z[1].empty() ? "" : "Beschreibung " + z[1];
            ++auffrischungen;
        };
    }
    KomboListe schluessel = KomboAus(Liste({" -???-; []", "Religion; [RE]", "Ethik; [ET]"}));
    KomboListe stunden = KomboAus(Liste({"0", "0.5", "2"}));
    CodeRaster r;
    int auffrischungen = 0;
};

TEST_F(Raster, PickWritesKeyOrTextMovesTheFocusAndRenewsTheDescription) {
    ZeileAnhaengen(r);
    ZeileAnhaengen(r);
    EXPECT_TRUE(ZelleAusKombo(r, 1, 1, 2));
    EXPECT_EQ(r.zeilen[1], (std::vector<std::string>{"Beschreibung ET", "ET", ""}));
    EXPECT_TRUE(ZelleAusKombo(r, 1, 2, 1));
    EXPECT_EQ(r.zeilen[1][2], "0.5");
    EXPECT_EQ(r.fokusZeile, 1);
    EXPECT_EQ(r.fokusSpalte, 2);
    EXPECT_EQ(KomboIndexFuerZelle(r, 1, 1), 2);
    EXPECT_EQ(KomboIndexFuerZelle(r, 1, 2), 1);
    EXPECT_EQ(KomboIndexFuerZelle(r, 0, 1), 0);
}

TEST_F(Raster, ComputedColumnsOutsideCellsAndColumnsWithoutComboRefuse) {
    ZeileAnhaengen(r);
    const int vorher = auffrischungen;
    EXPECT_FALSE(ZelleAusKombo(r, 0, 0, 1)); // description column has no combo
    EXPECT_FALSE(ZelleAusKombo(r, 3, 1, 1));
    EXPECT_FALSE(ZelleAusKombo(r, 0, 1, 3)); // index beyond the list
    EXPECT_FALSE(ZelleSetzen(r, 0, 0, "getippt"));
    EXPECT_EQ(auffrischungen, vorher);
    EXPECT_TRUE(ZelleSetzen(r, 0, 1, "RE"));
    EXPECT_EQ(r.zeilen[0][0], "Beschreibung RE");
}

TEST_F(Raster, RemovingTheLastRowMovesTheFocusToTheNewLastRow) {
    for (int i = 0; i < 3; ++i) ZeileAnhaengen(r)[1] = std::to_string(i);
    r.fokusZeile = 2;
    ZeileEntfernen(r, 2);
    EXPECT_EQ(r.fokusZeile, 1);
    ZeileEntfernen(r, 0);
    EXPECT_EQ(r.zeilen.size(), 1u);
    EXPECT_EQ(r.zeilen[0][1], "1");
    ZeileEntfernen(r, 0);
    EXPECT_EQ(r.fokusZeile, -1);
}

} // namespace
} // namespace zev
