#include "plausi/conversions.h"
#include "plausi/teacher_tests.h"
#include "plausi_fixture.h"

namespace zev {
namespace {

TEST(Conversions, IntegersDecimalAndHexadecimal) {
    struct Fall {
        const char* text;
        bool ok;
        int wert; // also what a text that is no number yields up to its first wrong character
    };
    for (const Fall& f : {Fall{"  42", true, 42},
                          {"-17", true, -17},
                          {"$ff", true, 255},
                          {"x10", true, 16},
                          {"0x1F", true, 31},
                          {"007", true, 7},
                          {"", false, 0},
                          {"12a", false, 12},
                          {"42 ", false, 42},
                          {"2147483647", true, 2147483647},
                          {"-2147483648", true, -2147483647 - 1},
                          {"2147483648", false, 0},
                          {"-", false, 0}}) {
        const auto g = GanzzahlKonvertieren(f.text);
        EXPECT_EQ(g.ok, f.ok) << f.text;
        if (f.ok || f.wert != 0) {
            EXPECT_EQ(g.wert, f.wert) << f.text;
        }
    }
}

TEST(Conversions, HoursWithAPointOnly) {
    for (const auto& [text, wert] :
         std::vector<std::pair<const char*, double>>{{"25.5", 25.5}, {"  -1", -1.0}, {"2e1", 20.0}, {".5", 0.5}})
        EXPECT_EQ(StundenKonvertieren(text), wert) << text;
    for (const char* nein : {"25,5", "", "1e", "4 ", "inf"}) EXPECT_FALSE(StundenKonvertieren(nein)) << nein;
}

TEST(Conversions, DateTable) {
    // 2: within 1937 .. 1979, 1: a date outside, 0: no date.
    for (const auto& [text, code] :
         std::vector<std::pair<const char*, int>>{{"15.06.1937", 2},
                                                  {"15.06.1979", 2},
                                                  {"15.06.1980", 1},
                                                  {"31.12.36", 1},
                                                  {"1.1.1950", 2},
                                                  {" 1. 2.1950", 2},
                                                  {"31.02.1950", 2} /* days per month are not checked */,
                                                  {"32.01.1960", 0},
                                                  {"15.13.1960", 0},
                                                  {"00.05.1960", 0},
                                                  {"15.00.1960", 0},
                                                  {"  .  .19  ", 0},
                                                  {"15061960", 0},
                                                  {"1.1.1", 0} /* shorter than six characters */,
                                                  {"15.06.19x0", 0}})
        EXPECT_EQ(DatumPruefen(text, "1937", "1979"), code) << text;
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
    // The codes of the named tests as "Nummer:Code ...".
    std::string Codes(std::initializer_list<int> nummern) {
        std::string s;
        for (int n : nummern) s += (s.empty() ? "" : " ") + std::to_string(n) + ":" + std::to_string(p.Code(n));
        return s;
    }
    TLehrerDS l;
};

TEST_F(TeacherTests, Numbers) {
    TesteLehrerNummern(p, l, Kontext());
    EXPECT_EQ(Codes({200, 203}), "200:1 203:1");
    l.Schulnummer = "54321";
    l.Lehrernummer = "--";
    TesteLehrerNummern(p, l, Kontext());
    EXPECT_EQ(Codes({200, 203}), "200:5 203:5");
}

TEST_F(TeacherTests, BaseData) {
    l.Grunddaten.Name = "";
    Grund();
    // An empty date is not the mask: 214 is 4.
    EXPECT_EQ(Codes({206, 208, 210, 212, 214, 216, 218, 220, 222}),
              "206:5 208:5 210:0 212:5 214:4 216:2 218:5 220:3 222:3");

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
    EXPECT_EQ(Codes({206, 208, 210, 212, 214, 216, 218, 220, 222}),
              "206:1 208:1 210:1 212:1 214:1 216:1 218:1 220:1 222:1");
    EXPECT_EQ(p.ParamI(220), 2); // both entries counted
    g.Ausbildung[7] = "XX";
    g.Fach_Lehrb[4] = "Zz";
    g.Staatszugehoerigkeit = "999";
    g.Geburtsdatum = "  .  .19  ";
    Grund();
    EXPECT_EQ(Codes({214, 216, 220, 222}), "214:5 216:5 220:5 222:5");
    EXPECT_EQ(p.ParamI(220), 7);
    EXPECT_EQ(p.ParamI(222), 4);
}

TEST_F(TeacherTests, BirthYearBoundsFollowTheReportYear) {
    // Ages 25 to 67: 1937 .. 1979 for 2004, 1959 .. 2001 for 2026; no year: the old bounds.
    for (const auto& [jahr, datum, code] : std::vector<std::tuple<const char*, const char*, int>>{
             {"2004", "15.06.1980", 2}, {"2026", "15.06.1980", 1}, {"2026", "15.06.1958", 2}, {"", "15.06.1937", 1}}) {
        e.Berichtsjahr = jahr;
        l.Grunddaten.Geburtsdatum = datum;
        Grund();
        EXPECT_EQ(p.Code(214), code) << jahr << " " << datum;
    }
}

TEST_F(TeacherTests, HoursAndContractHours) {
    Stunden();
    EXPECT_EQ(Codes({224, 226, 228, 230, 232, 234, 238, 240, 242, 244, 248, 250, 252, 254}),
              "224:3 226:5 228:5 230:0 232:0 234:0 238:0 240:0 242:0 244:0 248:0 250:0 252:0 254:0");

    auto& st = l.Stunden;
    st.Lehramt[2] = "L3";
    st.Regelstunden = "25";
    st.Vertragsstunden = "26";
    st.Vertretung = "-1";
    Stunden();
    EXPECT_EQ(Codes({224, 226, 228, 230}), "224:1 226:1 228:3 230:5");
    EXPECT_EQ(p.ParamI(224), 1);

    st.Regelstunden = "25,5";
    st.Vertragsstunden = "0";
    st.Vertretung = "x";
    st.Lehramt[4] = "L9";
    Stunden();
    EXPECT_EQ(Codes({224, 226, 228, 230}), "224:5 226:4 228:2 230:4");
    EXPECT_EQ(p.ParamI(224), 4);

    st.Regelstunden = "0";
    st.Vertragsstunden = "1.5";
    Stunden();
    EXPECT_EQ(Codes({226, 228}), "226:2 228:3"); // above the rule hours of 0
    st.Vertragsstunden = "1,5";
    Stunden();
    EXPECT_EQ(p.Code(228), 4);
}

TEST_F(TeacherTests, ReasonAndHourLines) {
    auto& a = l.Anrechnungsstunden;
    // Reason and hours of line 2: valid reason without hours, hours without reason,
    // unknown reason with valid hours, valid reason with negative hours.
    struct Fall {
        const char *grund, *stunden, *codes;
        int param232, param234; // -1: not looked at
    };
    for (const Fall& f : {Fall{"SL", "", "232:3 234:4", 2, -1},
                          {"", "2", "232:5 234:3", 2, 2},
                          {"ZZ", "2", "232:0 234:1", -1, -1},
                          {"SL", "-2", "232:1 234:5", -1, -1}}) {
        SCOPED_TRACE(std::string(f.grund) + "/" + f.stunden);
        a[2].Grund = f.grund;
        a[2].Stunden = f.stunden;
        Stunden();
        EXPECT_EQ(Codes({232, 234}), f.codes);
        if (f.param232 >= 0) {
            EXPECT_EQ(p.ParamI(232), f.param232);
        }
        if (f.param234 >= 0) {
            EXPECT_EQ(p.ParamI(234), f.param234);
        }
    }

    // The working-time tables: the mehr pair before the minder pair, each to its own slots.
    l.Arbeitszeitkonto[3].Grund_minder = "01";
    l.Arbeitszeitkonto[3].Anzahl_minder = "2";
    l.Arbeitszeitregelung[1].Anzahl_mehr = "1";
    l.Arbeitszeitregelung[4].Grund_minder = "AT";
    l.Arbeitszeitregelung[4].Anzahl_minder = "0";
    Stunden();
    EXPECT_EQ(Codes({238, 242, 244, 248, 250, 252, 254}), "238:0 242:1 244:1 248:5 250:3 252:3 254:5");
    EXPECT_EQ(p.ParamI(252), 4);
}

TEST_F(TeacherTests, OtherDataPersonGroupsAndClassTeacher) {
    Sonstiges();
    EXPECT_EQ(Codes({260, 262, 264, 268, 270, 272, 274, 276, 278, 280}),
              "260:5 262:4 264:0 268:0 270:0 272:0 274:0 276:0 278:0 280:0");

    l.Sonstiges.Taetigkeit = "01";
    l.Sonstiges.Personengruppe[2] = "B";
    l.Sonstiges.Klassenleiter = "5a";
    d->Klassen.DB.resize(3);
    d->Klassen.DB[2].Klassenname = "5a";
    Sonstiges();
    EXPECT_EQ(Codes({260, 262, 264}), "260:1 262:1 264:1");
    EXPECT_EQ(p.ParamI(262), 1);

    l.Sonstiges.Personengruppe[3] = "Q";
    l.Sonstiges.Klassenleiter = "6b";
    Sonstiges();
    EXPECT_EQ(Codes({262, 264}), "262:5 264:2");
    EXPECT_EQ(p.ParamI(262), 3);
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
    EXPECT_EQ(Codes({268, 270, 272}), "268:1 270:1 272:1");
    l.Einsatz[5].Stunden = "7";
    Sonstiges();
    EXPECT_EQ(Codes({268, 270, 272}), "268:5 270:5 272:5");
}

TEST_F(TeacherTests, ArrivalAndDepartureWithinTheReportYear) {
    auto& z = l.Zu_Abgang;
    z.Zugang.Art = "N";
    z.Zugang.Datum = "01.08.2004";
    z.Abgang.Datum = "01.08.2003";
    Sonstiges();
    EXPECT_EQ(Codes({274, 276, 278, 280}), "274:1 276:1 278:5 280:2");

    z.Zugang.Datum = "??.??.20??";
    z.Abgang.Art = "R";
    z.Abgang.Datum = "45.08.2004";
    Sonstiges();
    EXPECT_EQ(Codes({276, 278, 280}), "276:5 278:1 280:4");

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

TEST_F(TeacherUnits, UnitsOfThisTeacherOfAnotherAndUnknownOnes) {
    UE();
    EXPECT_EQ(Codes({286, 288}), "286:0 288:0"); // blank references are not checked
    Einheit(3, "12", "L1");
    Einheit(9, "14", "L7");
    Verweis(1, "12", 12);
    UE();
    EXPECT_EQ(Codes({286, 288}), "286:1 288:1");
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
    EXPECT_EQ(Codes({286, 288}), "286:1 288:2"); // taught by this teacher, but the identifier is no number
    EXPECT_EQ(p.ParamI(288), 7);
    Einheit(2, "7z", "L2");
    UE();
    EXPECT_EQ(p.Code(288), 5);
}

TEST_F(TeacherUnits, AllGroupsRespectTheFreeCarrierChoice) {
    const SchulUEIndex index(d->SchulDS);
    TesteLehrer(p, l, false, Kontext(), index);
    EXPECT_EQ(Codes({203, 206, 226, 260, 286}), "203:1 206:-1 226:-1 260:5 286:0");
    TesteLehrer(p, l, true, Kontext(), index);
    EXPECT_EQ(Codes({206, 226}), "206:1 226:5");
}

} // namespace
} // namespace zev
