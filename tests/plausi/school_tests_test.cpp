#include "plausi/school_tests.h"
#include "plausi_fixture.h"

namespace zev {
namespace {

class SchoolTests : public test::PlausiTest {
protected:
    TSchuleDS& s = d->SchulDS;
    // As a check run does: reset, then the group.
    void Grund() { p.TestsZuruecksetzen(), TesteSchulGrunddaten(p, s, Kontext()); }
    void Frei() { p.TestsZuruecksetzen(), TesteSchulFreieTraeger(p, s, Kontext()); }
    void UE() { p.TestsZuruecksetzen(), TesteSchulUE(p, s, Kontext()); }
    TUnterrichtseinheitDS& Einheit(int k, int id, const char* text = nullptr) {
        TUnterrichtseinheitDS& u = s.Unterrichtseinheit[k];
        u.UE_ID = id;
        u.UE_ID_Text = text ? std::string(text) : std::to_string(id);
        u.Schulart = "01";
        u.Jahrgang = "05";
        u.Klasse = "5a";
        u.Fach = "De";
        u.Kurs = "GK";
        u.Stunden = "4";
        u.Lehrer = "L1";
        return u;
    }
};

TEST_F(SchoolTests, SchoolNumberTakesLengthIntoAccount) {
    Grund();
    EXPECT_EQ(p.Code(100), 1);
    EXPECT_GE(p.Code(1), 0);
    s.Schulnummer = "1234";
    Grund();
    EXPECT_EQ(p.Code(100), 5);
    s.Schulnummer = "";
    e.Schulnummer = "";
    Grund();
    EXPECT_EQ(p.Code(100), 5);
}

TEST_F(SchoolTests, SchoolTypes) {
    Grund();
    EXPECT_EQ(p.Code(103), 0);
    EXPECT_EQ(p.ParamI(103), 0);
    s.Schuldaten.Schulart[2] = "01";
    s.Schuldaten.Schulart[7] = "04";
    s.Schuldaten.Schulart[9] = "--";
    Grund();
    EXPECT_EQ(p.Code(103), 1);
    EXPECT_EQ(p.ParamI(103), 2);
    s.Schuldaten.Schulart[8] = "99";
    Grund();
    EXPECT_EQ(p.Code(103), 5);
    EXPECT_EQ(p.ParamI(103), 3);
}

TEST_F(SchoolTests, OrganisationFormAllDayAndNonEnrolment) {
    Grund();
    EXPECT_EQ(p.Code(106), 5);
    EXPECT_EQ(p.Code(109), 5);
    EXPECT_EQ(p.Code(112), 1);
    s.Schuldaten.Orgform = "41";
    s.Schuldaten.Ganztag = "1";
    s.Nichteinschulung[1].Art = "1";
    Grund();
    EXPECT_EQ(p.Code(106), 3);
    EXPECT_EQ(p.Code(109), 1);
    EXPECT_EQ(p.Code(112), 2);
    s.Schuldaten.Orgform_Text = "Waldorf";
    s.Nichteinschulung[1].weiblich = "2";
    Grund();
    EXPECT_EQ(p.Code(106), 1);
    EXPECT_EQ(p.Code(112), 0);
    s.Schuldaten.Orgform = "10";
    s.Schuldaten.Orgform_Text = "";
    s.Schuldaten.Ganztag = "9";
    Grund();
    EXPECT_EQ(p.Code(106), 1);
    EXPECT_EQ(p.Code(109), 5);
    s.Schuldaten.Orgform = "99";
    Grund();
    EXPECT_EQ(p.Code(106), 5);
}

TEST_F(SchoolTests, FreeCarrierFields) {
    Frei();
    for (int n : {120, 123, 126, 129, 132, 135, 138, 141, 150, 156, 159}) EXPECT_EQ(p.Code(n), 5) << n;
    EXPECT_EQ(p.Code(144), 3);
    EXPECT_EQ(p.Code(147), 3);
    EXPECT_EQ(p.Code(153), 0);

    auto& f = s.freie_Traeger;
    f.Name = "Freie Schule";
    f.Rechtsstatus = "01";
    f.Schulamt = "01";
    f.Traeger = "03";
    f.PLZ = "99084";
    f.Standort = "Erfurt";
    f.Gemeinde = "16051000";
    f.Strasse = "Anger 1";
    f.EMail = "a@b.de";
    f.Internet = "www.x.de";
    f.Schulleiter.Anrede = "Frau";
    f.Schulleiter.Titel = "Dr.";
    f.Schulleiter.Name = "Meier";
    f.Schulleiter.Telefon = "0361";
    Frei();
    for (int n : {120, 123, 126, 129, 132, 135, 138, 141, 144, 147, 150, 153, 156, 159}) EXPECT_EQ(p.Code(n), 1) << n;

    f.PLZ = "1234";
    f.Gemeinde = "1605100";
    f.EMail = "@b.de";
    f.Schulleiter.Anrede = "Fra";
    f.Rechtsstatus = "77";
    Frei();
    EXPECT_EQ(p.Code(132), 5);
    EXPECT_EQ(p.Code(138), 5);
    EXPECT_EQ(p.Code(144), 4);
    EXPECT_EQ(p.Code(150), 5);
    EXPECT_EQ(p.Code(123), 5);
    f.EMail = "ohne-at";
    Frei();
    EXPECT_EQ(p.Code(144), 4);
}

TEST_F(SchoolTests, NoUnitsLeaveTheUnitSlotsAtZero) {
    s.Unterrichtseinheit[5].UE_ID_Text = "5"; // no number: skipped
    s.Unterrichtseinheit[6].UE_ID = 6;        // no text: skipped
    UE();
    for (int n : {170, 172, 173, 174, 176, 178, 180, 182, 184, 186, 188}) EXPECT_EQ(p.Code(n), 0) << n;
    EXPECT_EQ(p.ParamI(170), 0);
    EXPECT_EQ(p.Code(100), 1);
}

TEST_F(SchoolTests, UnitsThatAreRight) {
    d->Lehrer.DB[0].Lehrernummer = "L1";
    d->Klassen.DB[0].Klassenname = "5a";
    Einheit(1, 1);
    Einheit(4, 2).Bilingual = "E";
    UE();
    EXPECT_EQ(p.Code(170), 0);
    EXPECT_EQ(p.ParamI(170), 4);
    for (int n : {172, 173, 174, 176, 178, 180, 182, 184, 186, 188}) EXPECT_EQ(p.Code(n), 1) << n;
    EXPECT_EQ(p.ParamI(173), 1);
    EXPECT_EQ(p.ParamI(174), 1); // counted only when raised
}

TEST_F(SchoolTests, IdentifiersDuplicatesAndConversions) {
    Einheit(2, 7, "7");
    Einheit(3, 8, "07");  // equal to 7 as a number
    Einheit(5, 9, "9");
    Einheit(6, 10, "$A"); // hexadecimal 10
    UE();
    EXPECT_EQ(p.Code(173), 5);
    EXPECT_EQ(p.ParamI(173), 2); // the last comparison that matched: unit 3 against unit 2
    EXPECT_EQ(p.Code(172), 2);   // "07" is 7, not the number 8
    EXPECT_EQ(p.ParamI(172), 3);

    Einheit(3, 8, "8");
    Einheit(7, 11, "x1");
    UE();
    EXPECT_EQ(p.Code(173), 1);
    EXPECT_EQ(p.ParamI(173), 2);
    EXPECT_EQ(p.Code(172), 2);
    EXPECT_EQ(p.ParamI(172), 7);

    Einheit(8, 12, "abc"); // not a number
    UE();
    EXPECT_EQ(p.Code(172), 5);
    EXPECT_EQ(p.ParamI(172), 8);
}

TEST_F(SchoolTests, UnitFieldsThatAreWrongNameTheLastUnit) {
    d->Lehrer.DB[0].Lehrernummer = "L1";
    d->Klassen.DB[0].Klassenname = "5a";
    Einheit(1, 1);
    auto& u = Einheit(3, 3);
    u.Schulart = "77";
    u.Jahrgang = "";
    u.Fach = "Xx";
    u.Kurs = "--";
    u.Bilingual = "Q";
    u.Stunden = "4,5";
    u.Klasse = "7z";
    u.Lehrer = "L9";
    UE();
    for (int n : {174, 176, 180, 182, 184, 186}) {
        EXPECT_EQ(p.Code(n), 5) << n;
        EXPECT_EQ(p.ParamI(n), 3) << n;
    }
    EXPECT_EQ(p.Code(178), 3);
    EXPECT_EQ(p.ParamI(178), 3);
    EXPECT_EQ(p.Code(188), 3);
}

TEST_F(SchoolTests, ClassesAndTeachersNotLoadedOrEmpty) {
    Einheit(2, 1);
    d->Klassen.Geladen = false;
    d->Lehrer.Geladen = false;
    UE();
    EXPECT_EQ(p.Code(178), 2);
    EXPECT_EQ(p.ParamI(178), 2);
    EXPECT_EQ(p.Code(188), 2);

    d->Klassen.Geladen = true;
    s.Unterrichtseinheit[2].Klasse = "";
    UE();
    EXPECT_EQ(p.Code(178), 2); // one class record only
    d->Klassen.DB.resize(2);
    UE();
    EXPECT_EQ(p.Code(178), 5);
    EXPECT_EQ(p.ParamI(178), 2);

    d->Lehrer.Geladen = true;
    s.Unterrichtseinheit[2].Lehrer = "";
    UE();
    EXPECT_EQ(p.Code(188), 2); // one teacher record only
    d->Lehrer.DB.resize(2);
    UE();
    EXPECT_EQ(p.Code(188), 5);
}

TEST_F(SchoolTests, AllSchoolDataRunsTheFreeCarrierGroupOnlyForSuchSchools) {
    p.TestsZuruecksetzen();
    TesteAlleSchuldaten(p, s, Kontext());
    EXPECT_EQ(p.Code(103), 0);
    EXPECT_EQ(p.Code(120), -1);
    EXPECT_EQ(p.Code(170), 0);
    e.FreierTraeger = 1;
    TesteAlleSchuldaten(p, s, Kontext());
    EXPECT_EQ(p.Code(120), 5);
}

} // namespace
} // namespace zev
