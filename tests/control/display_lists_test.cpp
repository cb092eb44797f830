#include "control/display_lists.h"

#include <gtest/gtest.h>

#include <memory>

namespace zev {
namespace {

using Felder = std::vector<std::string>;

TEST(DisplayLists, TeacherAndStudentEntries) {
    BereichsDaten<TLehrerDS> l;
    l.DB.resize(3);
    InitLehrer(l.DB[0], "1");
    l.DB[0].ID = 1;
    l.DB[1].Grunddaten.Name = std::string(30, 'N');
    l.DB[1].Grunddaten.Vorname = std::string(30, 'V');
    l.DB[1].ID = 2147483646;
    l.DB[2].Grunddaten.Name = "M\xFCller";
    l.DB[2].Grunddaten.Vorname = "Anna";
    l.DB[2].ID = 7;
    Katalog k;
    LehrerListeAufbauen(k, l);
    EXPECT_EQ(k.Eintraege(), (Felder{"  - frei -,  [1]",
                                     std::string(30, 'N') + ", " + std::string(30, 'V') + " [2147483646]",
                                     "M\xFCller, Anna [7]"}));

    BereichsDaten<TSchuelerDS> s;
    s.DB[0].Grunddaten.Name = "Kurz";
    s.DB[0].ID = 3;
    SchuelerListeAufbauen(k, s);
    EXPECT_EQ(k.Eintraege(), Felder{"Kurz,  [3]"});
}

TEST(DisplayLists, ClassNameOfTenCharactersStillFits) {
    BereichsDaten<TKlasseDS> b;
    b.DB.resize(2);
    b.DB[0].Klassenname = "1234567890";
    b.DB[0].ID = 5;
    b.DB[1].ID = 12;
    Katalog k;
    KlassenListeAufbauen(k, b);
    EXPECT_EQ(k.Eintraege(), (Felder{"1234567890 [5]", " [12]"}));
}

TEST(DisplayLists, TeacherChoiceWithAndWithoutTitle) {
    BereichsDaten<TLehrerDS> l;
    l.DB.resize(3);
    l.DB[0].Grunddaten.Name = "Ohne";
    l.DB[0].Lehrernummer = "L1";
    l.DB[1].Grunddaten.Titel = "Prof. Dr.X";
    l.DB[1].Grunddaten.Name = "Mit";
    l.DB[1].Grunddaten.Vorname = "Eva";
    l.DB[1].Lehrernummer = "L2";
    l.DB[2].Grunddaten.Titel = " ";
    l.DB[2].Grunddaten.Name = "Blank";
    l.DB[2].Lehrernummer = "L3";
    Katalog k;
    LehrerAuswahlAufbauen(k, l);
    EXPECT_EQ(k.Eintraege(),
              (Felder{" -???-; []", "Ohne, ; [L1]", "Prof. Dr.X Mit, Eva; [L2]", "Blank, ; [L3]"}));
    EXPECT_EQ(CatalogueIndexOfKey(k, "L2"), 2);
}

TEST(DisplayLists, OneEntryFollowsOneChangedElement) {
    BereichsDaten<TKlasseDS> b;
    b.DB.resize(3);
    for (int i = 0; i < 3; ++i) {
        b.DB[static_cast<std::size_t>(i)].Klassenname = "5" + std::string(1, static_cast<char>('a' + i));
        b.DB[static_cast<std::size_t>(i)].ID = i + 1;
    }
    Katalog k;
    KlassenListeAufbauen(k, b);
    b.DB[1].Klassenname = "6b";
    b.DB[2].Klassenname = "6c"; // not announced: stays as listed
    AnzeigeEintragNeu(k, b, 1);
    AnzeigeEintragNeu(k, b, 3);
    AnzeigeEintragNeu(k, b, -1);
    EXPECT_EQ(k.Eintraege(), (Felder{"5a [1]", "6b [2]", "5c [3]"}));

    TKlasseDS neu{};
    neu.Klassenname = "4a";
    neu.ID = 4;
    b.DB.insert(b.DB.begin(), neu);
    AnzeigeEintragEingefuegt(k, b, 0);
    EXPECT_EQ(k.Eintraege(), (Felder{"4a [4]", "5a [1]", "6b [2]", "5c [3]"}));
    b.DB.erase(b.DB.begin() + 2);
    AnzeigeEintragEntfernt(k, b, 2);
    EXPECT_EQ(k.Eintraege(), (Felder{"4a [4]", "5a [1]", "5c [3]"}));
    EXPECT_EQ(CatalogueIndexOfKey(k, "3"), 2); // the lookup sees the changes

    // A list out of step with the array is built anew instead of shifted.
    b.DB.push_back(neu);
    b.DB.push_back(neu);
    AnzeigeEintragEingefuegt(k, b, 4);
    EXPECT_EQ(k.Eintraege(), (Felder{"4a [4]", "5a [1]", "6c [3]", "4a [4]", "4a [4]"}));
}

TEST(DisplayLists, TeacherChoiceEntryBehindItsPlaceholder) {
    BereichsDaten<TLehrerDS> l;
    l.DB.resize(2);
    l.DB[0].Grunddaten.Name = "Erst";
    l.DB[1].Grunddaten.Name = "Zweit";
    Katalog k;
    LehrerAuswahlAufbauen(k, l);
    l.DB[0].Lehrernummer = "L1";
    AuswahlEintragNeu(k, l, 0);
    EXPECT_EQ(k.Eintraege(), (Felder{" -???-; []", "Erst, ; [L1]", "Zweit, ; []"}));
    l.DB.insert(l.DB.begin() + 1, TLehrerDS{});
    l.DB[1].Grunddaten.Name = "Neu";
    AuswahlEintragEingefuegt(k, l, 1);
    EXPECT_EQ(k.Eintraege(), (Felder{" -???-; []", "Erst, ; [L1]", "Neu, ; []", "Zweit, ; []"}));
    l.DB.erase(l.DB.begin());
    AuswahlEintragEntfernt(k, l, 0);
    EXPECT_EQ(k.Eintraege(), (Felder{" -???-; []", "Neu, ; []", "Zweit, ; []"}));
    EXPECT_EQ(CatalogueIndexOfKey(k, "L1"), 0);
}

class LessonUnitDescriptions : public ::testing::Test {
protected:
    void SetUp() override {
        kataloge.Liste(39).push_back(" -???-; []");
        kataloge.Liste(39).push_back("Grundschule; [01]; GS");
        kataloge.Liste(27).push_back("Klasse 5; [05]");
        kataloge.Liste(14).push_back(" -???-; []");
        kataloge.Liste(14).push_back("Mathematik; [020]");
        kataloge.Liste(28).push_back(" -???-; []");
        kataloge.Liste(13).push_back(" -???-; []");
        kataloge.Liste(13).push_back("Englisch|bilingual; [E]");
        lehrer.push_back(" -???-; []");
        lehrer.push_back("M\xFCller, Anna; [L1]");

        TUnterrichtseinheitDS& u = s->Unterrichtseinheit[3];
        u.UE_ID = 7;
        u.Schulart = "01";
        u.Jahrgang = "05";
        u.Klasse = "5a";
        u.Fach = "020";
        u.Stunden = "4";
        u.Lehrer = "L1";
    }
    Kataloge kataloge;
    Katalog lehrer;
    Katalog liste;
    std::unique_ptr<TSchuleDS> s = std::make_unique<TSchuleDS>();
};

TEST_F(LessonUnitDescriptions, RecordOrderAndTheIdentifierTextCompleted) {
    UEBeschreibungenAufbauen(liste, *s, kataloge, lehrer, 0);
    EXPECT_EQ(s->Unterrichtseinheit[3].UE_ID_Text.str(), "7");
    // The empty course key finds the placeholder, whose text part is " -???-".
    EXPECT_EQ(liste.Eintraege(),
              Felder{"[7] ; Grundschule; Klasse 5; 5a; Mathematik;  -???-; 4 Std.; M\xFCller, Anna"});
}

TEST_F(LessonUnitDescriptions, SchoolLogicalOrderBilingualAndFreeSubjectText) {
    TUnterrichtseinheitDS& u = s->Unterrichtseinheit[3];
    u.Fach = "999";
    u.Fach_Text = "Robotik";
    u.Bilingual = "E";
    u.UE_ID_Text = "A7";
    UEBeschreibungenAufbauen(liste, *s, kataloge, lehrer, 1);
    EXPECT_EQ(liste.Eintraege(),
              Felder{"[A7] ; Robotik; ++ Englisch; 5a; 4 Std.; M\xFCller, Anna; Grundschule; Klasse 5;  -???-"});
}

TEST_F(LessonUnitDescriptions, UnitsNotInUseAreLeftOut) {
    s->Unterrichtseinheit[5].UE_ID = 0;
    s->Unterrichtseinheit[5].UE_ID_Text = "9"; // text but no identifier: looked at, not listed
    s->Unterrichtseinheit[6].UE_ID = -3;       // negative and no text: skipped
    UEBeschreibungenAufbauen(liste, *s, kataloge, lehrer, 0);
    EXPECT_EQ(liste.size(), 1u);
    EXPECT_EQ(s->Unterrichtseinheit[6].UE_ID_Text.str(), "");
}

TEST(IdenticalUnits, DifferingOnlyInSubjectTextCountsAsIdentical) {
    auto s = std::make_unique<TSchuleDS>();
    auto fuellen = [](TUnterrichtseinheitDS& u, const char* stunden, const char* text) {
        u.UE_ID = 4;
        u.UE_ID_Text = "4";
        u.Fach = "020";
        u.Stunden = stunden;
        u.Fach_Text = text;
    };
    fuellen(s->Unterrichtseinheit[2], "4", "a");
    fuellen(s->Unterrichtseinheit[5], "4", "b");    // identical to 2 but for Fach_Text
    fuellen(s->Unterrichtseinheit[7], "3", "a");    // other hours
    fuellen(s->Unterrichtseinheit[1000], "4", "c"); // the last element counts too
    IdentischeUELoeschen(*s);
    EXPECT_EQ(s->Unterrichtseinheit[2].UE_ID.get(), 4);
    EXPECT_EQ(s->Unterrichtseinheit[2].Fach_Text.str(), "a");
    EXPECT_EQ(s->Unterrichtseinheit[5].UE_ID.get(), 0);
    EXPECT_EQ(s->Unterrichtseinheit[5].Fach.str(), "");
    EXPECT_EQ(s->Unterrichtseinheit[5].Fach_Text.str(), "");
    EXPECT_EQ(s->Unterrichtseinheit[7].UE_ID.get(), 4);
    EXPECT_EQ(s->Unterrichtseinheit[1000].UE_ID.get(), 0);
}

TEST(NumberFromText, TheTable) {
    const std::vector<std::pair<const char*, double>> tabelle = {
        {"7,5", 7.5},  {"7.5", 7.5},   {",25", 0.25}, {"-2,5", -2.5}, {"-0,5", -0.5}, {"3,5h", 3.5},
        {"1.000,5", 0}, {"12", 12},    {"abc", 0},    {"", 0},        {"1e2", 100},   {"x,5", 0.5},
        {"2,", 2},     {"inf", 0},     {" 3", 0},     {"-1.25", -1.25}};
    for (const auto& [text, wert] : tabelle) EXPECT_DOUBLE_EQ(ZahlAusText(text), wert) << '"' << text << '"';
}

} // namespace
} // namespace zev
