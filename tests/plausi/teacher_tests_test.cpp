#include "plausi/conversions.h"
#include "plausi/teacher_tests.h"
#include "plausi_fixture.h"

namespace zev {
namespace {

TEST(Conversions, IntegersDecimalAndHexadecimal) {
    const auto g = [](const char* t) { return GanzzahlKonvertieren(t); };
    EXPECT_EQ(g("  42").wert, 42);
    EXPECT_TRUE(g("  42").ok);
    EXPECT_EQ(g("-17").wert, -17);
    EXPECT_EQ(g("$ff").wert, 255);
    EXPECT_EQ(g("x10").wert, 16);
    EXPECT_EQ(g("0x1F").wert, 31);
    EXPECT_EQ(g("007").wert, 7);
    EXPECT_FALSE(g("").ok);
    EXPECT_FALSE(g("12a").ok);
    EXPECT_EQ(g("12a").wert, 12);
    EXPECT_FALSE(g("42 ").ok);
    EXPECT_TRUE(g("2147483647").ok);
    EXPECT_FALSE(g("2147483648").ok);
    EXPECT_TRUE(g("-2147483648").ok);
    EXPECT_FALSE(g("-").ok);
}

TEST(Conversions, HoursWithAPointOnly) {
    EXPECT_EQ(StundenKonvertieren("25.5"), 25.5);
    EXPECT_EQ(StundenKonvertieren("  -1"), -1.0);
    EXPECT_EQ(StundenKonvertieren("2e1"), 20.0);
    EXPECT_EQ(StundenKonvertieren(".5"), 0.5);
    EXPECT_FALSE(StundenKonvertieren("25,5"));
    EXPECT_FALSE(StundenKonvertieren(""));
    EXPECT_FALSE(StundenKonvertieren("1e"));
    EXPECT_FALSE(StundenKonvertieren("4 "));
    EXPECT_FALSE(StundenKonvertieren("inf"));
}

TEST(Conversions, DateTable) {
    const auto d = [](const char* t) { return DatumPruefen(t, "1937", "1979"); };
    EXPECT_EQ(d("15.06.1937"), 2);
    EXPECT_EQ(d("15.06.1979"), 2);
    EXPECT_EQ(d("15.06.1980"), 1);
    EXPECT_EQ(d("31.12.36"), 1);   // 1936
    EXPECT_EQ(d("1.1.1950"), 2);
    EXPECT_EQ(d(" 1. 2.1950"), 2);
    EXPECT_EQ(d("31.02.1950"), 2); // days per month are not checked
    EXPECT_EQ(d("32.01.1960"), 0);
    EXPECT_EQ(d("15.13.1960"), 0);
    EXPECT_EQ(d("00.05.1960"), 0);
    EXPECT_EQ(d("15.00.1960"), 0);
    EXPECT_EQ(d("  .  .19  "), 0);
    EXPECT_EQ(d("15061960"), 0);
    EXPECT_EQ(d("1.1.1"), 0);    // shorter than six characters
    EXPECT_EQ(d("15.06.19x0"), 0);
    EXPECT_EQ(DatumPruefen("01.08.2004", "2004", "2004"), 2);
    EXPECT_EQ(DatumPruefen("01.08.2003", "2004", "2004"), 1);
    EXPECT_EQ(DatumPruefen("01.08.2003", "", ""), 1);
    EXPECT_EQ(DatumPruefen("01.08.50", "50", "50"), 2); // bounds below 99 count as 19xx as well
}

class TeacherTests : public test::PlausiTest {
protected:
    TeacherTests() {
        InitLehrer(l, "12345");
        l.Lehrernummer = "L1";
    }
    void Grund() { p.TestsZuruecksetzen(), TesteLehrerGrunddaten(p, l, Kontext()); }
    void Stunden() { p.TestsZuruecksetzen(), TesteLehrerStunden(p, l, Kontext()); }
    void Sonstiges() { p.TestsZuruecksetzen(), TesteLehrerSonstiges(p, l, Kontext()); }
    TLehrerDS l;
};

TEST_F(TeacherTests, Numbers) {
    TesteLehrerNummern(p, l, Kontext());
    EXPECT_EQ(p.Code(200), 1);
    EXPECT_EQ(p.Code(203), 1);
    l.Schulnummer = "54321";
    l.Lehrernummer = "--";
    TesteLehrerNummern(p, l, Kontext());
    EXPECT_EQ(p.Code(200), 5);
    EXPECT_EQ(p.Code(203), 5);
}

TEST_F(TeacherTests, BaseData) {
    l.Grunddaten.Name = "";
    Grund();
    EXPECT_EQ(p.Code(206), 5);
    EXPECT_EQ(p.Code(208), 5);
    EXPECT_EQ(p.Code(210), 0);
    EXPECT_EQ(p.Code(212), 5);
    EXPECT_EQ(p.Code(214), 4); // an empty date is not the mask
    EXPECT_EQ(p.Code(216), 2);
    EXPECT_EQ(p.Code(218), 5);
    EXPECT_EQ(p.Code(220), 3);
    EXPECT_EQ(p.Code(222), 3);

    auto& g = l.Grunddaten;
    g.Name = "Meier";
    g.Vorname = "Eva";
    g.Titel = "Dr.";
    g.Geschlecht = 2;
    g.Geburtsdatum = "15.06.1960";
    g.Staatszugehoerigkeit = "276";
    g.Beschaeftigung = "01";
    g.Ausbildung[2] = "GY";
    g.Ausbildung[5] = "GS";
    g.Fach_Lehrb[1] = "De";
    Grund();
    for (int n : {206, 208, 210, 212, 214, 216, 218, 220, 222}) EXPECT_EQ(p.Code(n), 1) << n;
    EXPECT_EQ(p.ParamI(220), 2); // both entries counted
    g.Ausbildung[7] = "XX";
    g.Fach_Lehrb[4] = "Zz";
    g.Staatszugehoerigkeit = "999";
    g.Geburtsdatum = "  .  .19  ";
    Grund();
    EXPECT_EQ(p.Code(220), 5);
    EXPECT_EQ(p.ParamI(220), 7);
    EXPECT_EQ(p.Code(216), 5);
    EXPECT_EQ(p.Code(214), 5);
    EXPECT_EQ(p.Code(222), 5);
    EXPECT_EQ(p.ParamI(222), 4);
}

TEST_F(TeacherTests, BirthYearBoundsFollowTheReportYear) {
    l.Grunddaten.Geburtsdatum = "15.06.1980";
    Grund();
    EXPECT_EQ(p.Code(214), 2); // 2004: ages 25 to 67 are 1937 .. 1979
    e.Berichtsjahr = "2026";
    Grund();
    EXPECT_EQ(p.Code(214), 1); // 1959 .. 2001
    l.Grunddaten.Geburtsdatum = "15.06.1958";
    Grund();
    EXPECT_EQ(p.Code(214), 2);
    e.Berichtsjahr = "";
    l.Grunddaten.Geburtsdatum = "15.06.1937";
    Grund();
    EXPECT_EQ(p.Code(214), 1); // not a year: the old bounds
}

TEST_F(TeacherTests, HoursAndContractHours) {
    Stunden();
    EXPECT_EQ(p.Code(224), 3);
    EXPECT_EQ(p.Code(226), 5);
    EXPECT_EQ(p.Code(228), 5);
    EXPECT_EQ(p.Code(230), 0);
    for (int n : {232, 234, 238, 240, 242, 244, 248, 250, 252, 254}) EXPECT_EQ(p.Code(n), 0) << n;

    auto& st = l.Stunden;
    st.Lehramt[2] = "L3";
    st.Regelstunden = "25";
    st.Vertragsstunden = "26";
    st.Vertretung = "-1";
    Stunden();
    EXPECT_EQ(p.Code(224), 1);
    EXPECT_EQ(p.ParamI(224), 1);
    EXPECT_EQ(p.Code(226), 1);
    EXPECT_EQ(p.Code(228), 3);
    EXPECT_EQ(p.Code(230), 5);

    st.Regelstunden = "25,5";
    st.Vertragsstunden = "0";
    st.Vertretung = "x";
    st.Lehramt[4] = "L9";
    Stunden();
    EXPECT_EQ(p.Code(226), 4);
    EXPECT_EQ(p.Code(228), 2);
    EXPECT_EQ(p.Code(230), 4);
    EXPECT_EQ(p.Code(224), 5);
    EXPECT_EQ(p.ParamI(224), 4);

    st.Regelstunden = "0";
    st.Vertragsstunden = "1.5";
    Stunden();
    EXPECT_EQ(p.Code(226), 2);
    EXPECT_EQ(p.Code(228), 3); // above the rule hours of 0
    st.Vertragsstunden = "1,5";
    Stunden();
    EXPECT_EQ(p.Code(228), 4);
}

TEST_F(TeacherTests, ReasonAndHourLines) {
    auto& a = l.Anrechnungsstunden;
    a[2].Grund = "SL"; // valid reason, no hours
    Stunden();
    EXPECT_EQ(p.Code(232), 3);
    EXPECT_EQ(p.ParamI(232), 2);
    EXPECT_EQ(p.Code(234), 4);

    a[2].Grund = "";
    a[2].Stunden = "2";
    Stunden();
    EXPECT_EQ(p.Code(232), 5);
    EXPECT_EQ(p.ParamI(232), 2);
    EXPECT_EQ(p.Code(234), 3);
    EXPECT_EQ(p.ParamI(234), 2);

    a[2].Grund = "ZZ"; // unknown reason, valid hours
    Stunden();
    EXPECT_EQ(p.Code(232), 0);
    EXPECT_EQ(p.Code(234), 1);

    a[2].Grund = "SL";
    a[2].Stunden = "-2";
    Stunden();
    EXPECT_EQ(p.Code(232), 1);
    EXPECT_EQ(p.Code(234), 5);

    // The working-time tables: the mehr pair before the minder pair, each to its own slots.
    l.Arbeitszeitkonto[3].Grund_minder = "01";
    l.Arbeitszeitkonto[3].Anzahl_minder = "2";
    l.Arbeitszeitregelung[1].Anzahl_mehr = "1";
    l.Arbeitszeitregelung[4].Grund_minder = "AT";
    l.Arbeitszeitregelung[4].Anzahl_minder = "0";
    Stunden();
    EXPECT_EQ(p.Code(238), 0);
    EXPECT_EQ(p.Code(242), 1);
    EXPECT_EQ(p.Code(244), 1);
    EXPECT_EQ(p.Code(248), 5);
    EXPECT_EQ(p.Code(250), 3);
    EXPECT_EQ(p.Code(252), 3);
    EXPECT_EQ(p.ParamI(252), 4);
    EXPECT_EQ(p.Code(254), 5);
}

TEST_F(TeacherTests, OtherDataPersonGroupsAndClassTeacher) {
    Sonstiges();
    EXPECT_EQ(p.Code(260), 5);
    EXPECT_EQ(p.Code(262), 4);
    EXPECT_EQ(p.Code(264), 0);
    for (int n : {268, 270, 272, 274, 276, 278, 280}) EXPECT_EQ(p.Code(n), 0) << n;

    l.Sonstiges.Taetigkeit = "01";
    l.Sonstiges.Personengruppe[2] = "B";
    l.Sonstiges.Klassenleiter = "5a";
    d->Klassen.DB.resize(3);
    d->Klassen.DB[2].Klassenname = "5a";
    Sonstiges();
    EXPECT_EQ(p.Code(260), 1);
    EXPECT_EQ(p.Code(262), 1);
    EXPECT_EQ(p.ParamI(262), 1);
    EXPECT_EQ(p.Code(264), 1);

    l.Sonstiges.Personengruppe[3] = "Q";
    l.Sonstiges.Klassenleiter = "6b";
    Sonstiges();
    EXPECT_EQ(p.Code(262), 5);
    EXPECT_EQ(p.ParamI(262), 3);
    EXPECT_EQ(p.Code(264), 2);
}

TEST_F(TeacherTests, DeploymentTheLastLineDecides) {
    l.Einsatz[1].Art = "X";
    l.Einsatz[1].Jahrgang = "05";
    l.Einsatz[1].Stunden = "4";
    l.Einsatz[3].Art = "S";
    l.Einsatz[3].Jahrgang = "10";
    l.Einsatz[3].Stunden = "1.5";
    l.Einsatz[4].Stunden = "0"; // does not take part
    Sonstiges();
    EXPECT_EQ(p.Code(268), 1);
    EXPECT_EQ(p.Code(270), 1);
    EXPECT_EQ(p.Code(272), 1);
    l.Einsatz[5].Stunden = "7";
    Sonstiges();
    EXPECT_EQ(p.Code(268), 5);
    EXPECT_EQ(p.Code(270), 5);
    EXPECT_EQ(p.Code(272), 5);
}

TEST_F(TeacherTests, ArrivalAndDepartureWithinTheReportYear) {
    auto& z = l.Zu_Abgang;
    z.Zugang.Art = "N";
    z.Zugang.Datum = "01.08.2004";
    z.Abgang.Datum = "01.08.2003";
    Sonstiges();
    EXPECT_EQ(p.Code(274), 1);
    EXPECT_EQ(p.Code(276), 1);
    EXPECT_EQ(p.Code(278), 5);
    EXPECT_EQ(p.Code(280), 2);

    z.Zugang.Datum = "??.??.20??";
    z.Abgang.Art = "R";
    z.Abgang.Datum = "45.08.2004";
    Sonstiges();
    EXPECT_EQ(p.Code(276), 5);
    EXPECT_EQ(p.Code(278), 1);
    EXPECT_EQ(p.Code(280), 4);

    e.Berichtsjahr = "";
    z.Abgang.Datum = "01.08.2004";
    Sonstiges();
    EXPECT_EQ(p.Code(280), 2);
}

class TeacherUnits : public TeacherTests {
protected:
    void Einheit(int k, const char* text, const char* lehrer) {
        d->SchulDS.Unterrichtseinheit[k].UE_ID = k;
        d->SchulDS.Unterrichtseinheit[k].UE_ID_Text = text;
        d->SchulDS.Unterrichtseinheit[k].Lehrer = lehrer;
    }
    void Verweis(int nr, const char* text, std::uint16_t nummer) {
        l.Unterrichtseinheit[nr].UE_ID = text;
        l.Unterrichtseinheit[nr].Nummer = nummer;
    }
    void UE() { p.TestsZuruecksetzen(), TesteLehrerUE(p, l, d->SchulDS); }
};

TEST_F(TeacherUnits, BlankReferencesAreNotChecked) {
    UE();
    EXPECT_EQ(p.Code(286), 0);
    EXPECT_EQ(p.Code(288), 0);
}

TEST_F(TeacherUnits, UnitsOfThisTeacherOfAnotherAndUnknownOnes) {
    Einheit(3, "12", "L1");
    Einheit(9, "14", "L7");
    Verweis(1, "12", 12);
    UE();
    EXPECT_EQ(p.Code(286), 1);
    EXPECT_EQ(p.Code(288), 1);
    EXPECT_EQ(p.ParamI(288), 12);

    Verweis(2, "14", 14);
    UE();
    EXPECT_EQ(p.Code(288), 4);
    EXPECT_EQ(p.ParamI(288), 14);

    Verweis(3, "99", 99);
    UE();
    EXPECT_EQ(p.Code(286), 4);
    EXPECT_EQ(p.ParamI(286), 99);

    Verweis(4, "a9", 1);
    UE();
    EXPECT_EQ(p.Code(286), 5);
}

TEST_F(TeacherUnits, IdentifierTextsThatAreNoNumbers) {
    Einheit(2, "x7", "L1");
    Verweis(1, "x7", 7); // hexadecimal 7: a number after all
    UE();
    EXPECT_EQ(p.Code(288), 1);
    EXPECT_EQ(p.ParamI(288), 7);
    Einheit(2, "7z", "L1");
    Verweis(1, "7z", 7);
    UE();
    EXPECT_EQ(p.Code(286), 1);
    EXPECT_EQ(p.Code(288), 2); // taught by this teacher, but the identifier is no number
    EXPECT_EQ(p.ParamI(288), 7);
    Einheit(2, "7z", "L2");
    UE();
    EXPECT_EQ(p.Code(288), 5);
}

TEST_F(TeacherUnits, AllGroupsRespectTheFreeCarrierChoice) {
    const SchulUEIndex index(d->SchulDS);
    TesteLehrer(p, l, false, Kontext(), index);
    EXPECT_EQ(p.Code(203), 1);
    EXPECT_EQ(p.Code(206), -1);
    EXPECT_EQ(p.Code(226), -1);
    EXPECT_EQ(p.Code(260), 5);
    EXPECT_EQ(p.Code(286), 0);
    TesteLehrer(p, l, true, Kontext(), index);
    EXPECT_EQ(p.Code(206), 1);
    EXPECT_EQ(p.Code(226), 5);
}

} // namespace
} // namespace zev
