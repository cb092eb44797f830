#include "catalog/catalogue_loader.h"
#include "catalog/catalogue_table.h"
#include "support/scripted_messages.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <set>

namespace zev {
namespace {

using test::SkriptMeldungen;
using test::TempOrdner;
using Felder = std::vector<std::string>;

void Datei(const TempOrdner& o, const std::string& name, const std::string& inhalt) {
    test::DateiSchreiben(o / name, std::vector<std::uint8_t>(inhalt.begin(), inhalt.end()));
}

TEST(CatalogueLines, SplittingRule) {
    EXPECT_EQ(SplitCatalogueLine("01;Grundschule"), (Felder{"01", "Grundschule"}));
    EXPECT_EQ(SplitCatalogueLine("a\tb|c;d"), (Felder{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitCatalogueLine(";a"), (Felder{"", "a"}));       // leading separator: empty first field
    EXPECT_EQ(SplitCatalogueLine("a;"), (Felder{"a"}));           // trailing separator: no empty field
    EXPECT_EQ(SplitCatalogueLine("a;;b"), (Felder{"a", "", "b"})); // empty middle field kept here
    EXPECT_EQ(SplitCatalogueLine(" a ; b "), (Felder{" a ", " b "}));
    EXPECT_EQ(SplitCatalogueLine("\"a;b\""), (Felder{"\"a", "b\""})); // no quoting
    EXPECT_EQ(SplitCatalogueLine(""), Felder{});
    EXPECT_EQ(SplitCatalogueLine("1;2;3;4;5;6;7;8;9;10;11;12"),
              (Felder{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
}

TEST(CatalogueLines, DisplayRules) {
    EXPECT_EQ(AnzeigeVon(39, SplitCatalogueLine("01;Grundschule")), "Grundschule; [01]");
    EXPECT_EQ(AnzeigeVon(39, SplitCatalogueLine("01|Grundschule|x||y")), "Grundschule; [01]; x; y");
    EXPECT_EQ(AnzeigeVon(14, SplitCatalogueLine("999")), "; [999]");
    EXPECT_EQ(AnzeigeVon(101, SplitCatalogueLine("Frau;f")), "Frau; f");
    EXPECT_EQ(AnzeigeVon(101, SplitCatalogueLine("Herr;;m")), "Herr; m");
    EXPECT_EQ(AnzeigeVon(105, SplitCatalogueLine("2001;ignoriert")), "2001");
    EXPECT_EQ(AnzeigeVon(107, SplitCatalogueLine("1.5")), "1.5");
}

class CatalogueLoading : public ::testing::Test {
protected:
    TempOrdner o;
    SkriptMeldungen m;
    Katalog k;
};

TEST_F(CatalogueLoading, FirstEntriesAndLineEnds) {
    Datei(o, "Katalog39.csv", "01;Grundschule\r\n02;Hauptschule\n\r\n\n03;Realschule");
    LoadCatalogue(k, 39, o.Pfad(), m);
    EXPECT_EQ(k.Eintraege(),
              (Felder{" -???-; []", "Grundschule; [01]", "Hauptschule; [02]", "Realschule; [03]"}));

    Datei(o, "Katalog101.csv", "Frau;f\r\n");
    LoadCatalogue(k, 101, o.Pfad(), m);
    EXPECT_EQ(k.Eintraege(), (Felder{"??", "Frau; f"}));

    for (int n : {105, 106}) {
        Datei(o, "Katalog" + std::to_string(n) + ".csv", "2004\r\n2005\r\n");
        LoadCatalogue(k, static_cast<std::uint16_t>(n), o.Pfad(), m);
        EXPECT_EQ(k.Eintraege(), (Felder{"??", "2004", "2005"}));
    }
    Datei(o, "Katalog107.csv", "0\r\n0.5\r\n");
    LoadCatalogue(k, 107, o.Pfad(), m);
    EXPECT_EQ(k.Eintraege(), (Felder{"0", "0.5"}));

    Datei(o, "Katalog54.csv", "99084;Erfurt;16051000\r\n");
    LoadCatalogue(k, 102, o.Pfad(), m);
    EXPECT_EQ(k.Eintraege(), (Felder{" -???-; []", "Erfurt; [99084]; 16051000"}));
    EXPECT_TRUE(m.gezeigt.empty());
}

TEST_F(CatalogueLoading, MissingHoursCatalogueGivesZeroToTwentyWithoutAMessage) {
    LoadCatalogue(k, 107, o.Pfad(), m);
    ASSERT_EQ(k.size(), 21u);
    EXPECT_EQ(k[0], "0");
    EXPECT_EQ(k[20], "20");
    EXPECT_TRUE(m.gezeigt.empty());
}

TEST_F(CatalogueLoading, MissingFileIsReportedAndTheListMarkedEmpty) {
    LoadCatalogue(k, 14, o.Pfad(), m);
    EXPECT_EQ(k.Eintraege(), Felder{"  - leer -"});
    ASSERT_EQ(m.gezeigt.size(), 2u);
    EXPECT_EQ(m.gezeigt[0].art, MeldungsArt::Fehler);
    EXPECT_EQ(m.gezeigt[0].text, "Die Datei: Katalog14.csv  [Fächer]\rkonnte nicht gefunden werden!\r\r(Prüfen Sie "
                                 "ev. die Installation des Programms!)");
    EXPECT_EQ(m.gezeigt[1].art, MeldungsArt::Information);
    EXPECT_EQ(m.gezeigt[1].text, "Die Liste: Fächer\rist leer!");
}

TEST_F(CatalogueLoading, EmptyFileGivesThePlaceholderAndTheEmptyMark) {
    Datei(o, "Katalog14.csv", "\r\n\r\n");
    LoadCatalogue(k, 14, o.Pfad(), m);
    EXPECT_EQ(k.Eintraege(), (Felder{" -???-; []", "  - leer -"}));
    EXPECT_EQ(m.Texte(), Felder{"Die Liste: Fächer\rist leer!"});
}

TEST_F(CatalogueLoading, UnknownNumberIsAnInternalErrorThenMissingAndEmpty) {
    LoadCatalogue(k, 3, o.Pfad(), m);
    EXPECT_EQ(m.Texte(), (Felder{"interner Fehler!!!\r\rDie Liste: 3 wird nicht erstellt!\rInformieren Sie bitte den "
                                 "Entwickler!",
                                 "Die Datei:   []\rkonnte nicht gefunden werden!\r\r(Prüfen Sie ev. die Installation "
                                 "des Programms!)",
                                 "Die Liste: \rist leer!"}));
    EXPECT_EQ(k.Eintraege(), Felder{"  - leer -"});
    EXPECT_FALSE(KatalogInfoVon(104));
    EXPECT_FALSE(KatalogInfoVon(108));
}

TEST_F(CatalogueLoading, SchoolTypeTableHoldsFiftyEntriesAndSkipsNonNumbers) {
    std::string inhalt = "xx;keine Zahl\r\n0;null\r\n65536;zu groß\r\n";
    for (int i = 1; i <= 60; ++i)
        inhalt += std::to_string(i) + ";Schulart " + std::to_string(i) + ";" + std::string(25, 'z') + "\r\n";
    Datei(o, "Katalog39.csv", inhalt);
    SchoolTypeTable t;
    LoadSchoolTypeTable(t, o.Pfad(), m);
    EXPECT_TRUE(m.gezeigt.empty());
    EXPECT_EQ(t[1].nummer, 1);
    EXPECT_EQ(t[1].code, "1");
    EXPECT_EQ(t[1].name, "Schulart 1");
    EXPECT_EQ(t[1].zusatz, std::string(20, 'z'));
    EXPECT_EQ(t[50].nummer, 50);
    EXPECT_EQ(t[12].code, "12");
    EXPECT_THROW(t[51], std::out_of_range);

    Datei(o, "Katalog39.csv", "07;Gymnasium\r\n");
    LoadSchoolTypeTable(t, o.Pfad(), m);
    EXPECT_EQ(t[1].nummer, 7);
    EXPECT_EQ(t[1].code, "07");
    EXPECT_EQ(t[2].nummer, 0);
    EXPECT_EQ(t[2].name, " -???-; []");
}

TEST_F(CatalogueLoading, MissingSchoolTypeFileIsReported) {
    SchoolTypeTable t;
    LoadSchoolTypeTable(t, o.Pfad(), m);
    EXPECT_EQ(m.Texte(), Felder{"Die Datei: Katalog39.csv  [Schularten]\rkonnte nicht gefunden werden!\r\r(Prüfen "
                                "Sie ev. die Installation des Programms!)"});
}

TEST(CatalogueLookup, BracketedKeyOnly) {
    Katalog k;
    for (const char* e : {" -???-; []", "Zehn; [10]", "Einundzwanzig; [21]", "Eins; [1]", "Zwei; [2]; siehe [1]"})
        k.push_back(e);
    EXPECT_EQ(CatalogueIndexOfKey(k, "1"), 3);
    EXPECT_EQ(CatalogueIndexOfKey(k, ""), 0);
    EXPECT_EQ(CatalogueIndexOfKey(k, "3"), 0);
    std::string r = "vorher";
    CatalogueDisplayOfKey(k, "3", r);
    EXPECT_EQ(r, "vorher");
    CatalogueDisplayOfKey(k, "21", r);
    EXPECT_EQ(r, "Einundzwanzig; [21]");
    CatalogueDisplayOfKey(k, "", r);
    EXPECT_EQ(r, " -???-; []");

    // Extra fields count; the first entry wins; a later change is seen.
    k.push_back("Drei; [3]");
    EXPECT_EQ(CatalogueIndexOfKey(k, "3"), 5);
    k.clear();
    k.push_back("a [x] b");
    k.push_back("[x]");
    EXPECT_EQ(k.FindeSchluessel("x"), 0);
    EXPECT_EQ(k.FindeSchluessel("a"), -1);
}

TEST(CatalogueLookup, KeysWithBracketsAndEntriesWithManyBrackets) {
    Katalog k;
    k.push_back("x [a]b] y");
    k.push_back(std::string(20, '[') + "q" + std::string(20, ']')); // too many pairs for the index
    k.push_back("[[q]]");
    EXPECT_EQ(k.FindeSchluessel("a]b"), 0);
    EXPECT_EQ(k.FindeSchluessel("a"), 0);
    EXPECT_EQ(k.FindeSchluessel("[q]"), 1);
    EXPECT_EQ(k.FindeSchluessel("q"), 1);
    EXPECT_EQ(k.FindeSchluessel("[[q]]"), 1);
    EXPECT_EQ(k.FindeSchluessel("r"), -1);
}

TEST(CatalogueHelpers, KeyOfEntryEmptyValuesContainsAndTextPart) {
    EXPECT_EQ(KeyOfEntry("Grundschule; [01]; x"), "01");
    EXPECT_EQ(KeyOfEntry(" -???-; []"), "");
    EXPECT_EQ(KeyOfEntry("a [b] [c]"), "b");
    EXPECT_EQ(KeyOfEntry("kein Schlüssel"), "");
    EXPECT_EQ(KeyOfEntry("offen [ohne Ende"), "");
    EXPECT_TRUE(IsEmptyValue(""));
    EXPECT_TRUE(IsEmptyValue("--"));
    EXPECT_TRUE(IsEmptyValue(" -???-; []"));
    EXPECT_FALSE(IsEmptyValue(" "));
    EXPECT_FALSE(IsEmptyValue("  - leer -"));
    Katalog k;
    k.push_back("Frau");
    k.push_back("Herr; m");
    EXPECT_TRUE(ListContains(k, "Frau"));
    EXPECT_FALSE(ListContains(k, "Herr"));
    EXPECT_EQ(TextteilVon("Mathematik; [020]"), "Mathematik");
    EXPECT_EQ(TextteilVon("a|b"), "a");
    EXPECT_EQ(TextteilVon("a\tb;c"), "a");
    EXPECT_EQ(TextteilVon("ohne"), "ohne");
}

TEST(StartOrder, FiftyListsInTheirOrder) {
    const auto& s = StartKataloge();
    ASSERT_EQ(s.size(), 50u);
    EXPECT_EQ((std::vector<std::uint16_t>(s.begin(), s.begin() + 7)),
              (std::vector<std::uint16_t>{101, 103, 105, 106, 107, 1, 2}));
    EXPECT_EQ(s.back(), 54);
    EXPECT_TRUE(std::is_sorted(s.begin() + 5, s.end()));
}

// The example catalogues shipped with the program.
TEST(BundledCatalogues, LoadWithoutMessagesAndHaveFittingUniqueKeys) {
    const std::string ordner = std::string(ZEV_CATALOGUE_DIR) + "/";
    SkriptMeldungen m;
    Kataloge alle;
    alle.AlleLaden(ordner, m);
    EXPECT_EQ(m.Texte(), Felder{});
    for (std::uint16_t n : StartKataloge()) {
        SCOPED_TRACE(n);
        const KatalogInfo info = *KatalogInfoVon(n);
        const std::size_t vorne = (n == 107) ? 0 : 1;
        EXPECT_GE(alle(n).size(), vorne + 2);
        std::string fehler;
        const auto zeilen = KatalogZeilenLesen(ordner + std::string(info.datei), fehler);
        ASSERT_TRUE(zeilen);
        std::set<std::string> keys;
        for (const auto& f : *zeilen) {
            EXPECT_LE(f[0].size(), info.schluesselBreite) << f[0];
            EXPECT_TRUE(keys.insert(f[0]).second) << "twice: " << f[0];
        }
    }
    EXPECT_GE(alle.Schularten()[1].nummer, 1);
    EXPECT_EQ(alle(102).size(), alle(54).size());
}

} // namespace
} // namespace zev
