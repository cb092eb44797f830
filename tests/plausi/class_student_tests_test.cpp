#include "model/encoding.h"
#include "plausi/check_course.h"
#include "plausi/check_report.h"
#include "plausi/class_tests.h"
#include "plausi/group_check.h"
#include "plausi/message_table.h"
#include "plausi/result_listing.h"
#include "plausi/student_tests.h"
#include "plausi_fixture.h"

#include <functional>

namespace zev {
namespace {

TEST(Kalenderdatum, RealDatesOnly) {
    const auto gilt = [](const char* t) { return KalenderdatumLesen(t).has_value(); };
    for (const char* t : {"29.02.2004", "29.02.2000", "31.12.1999", "1.1.2000", " 1. 2.2000", "30.04.2001"})
        EXPECT_TRUE(gilt(t)) << t;
    for (const char* t :
         {"29.02.2003", "29.02.1900", "31.04.2001", "32.01.2000", "00.01.2000", "01.13.2000", "01.00.2000", "01.01.200",
          "01.01.20000", "  .  .20  ", "", "01-01-2000", "a1.01.2000", "01.01.0999"})
        EXPECT_FALSE(gilt(t)) << t;
    const auto d = KalenderdatumLesen("07.08.1995");
    ASSERT_TRUE(d);
    EXPECT_EQ(d->tag * 10000 + d->monat * 100, 70800);
    EXPECT_EQ(d->jahr, 1995);
}

// Report year 2004 (the fixture's). A student of Jahrgang 05 of the class "5a"
// who passes every test.
class StudentTests : public test::PlausiTest {
protected:
    StudentTests() {
        kataloge.Liste(18).push_back("Englisch; [eng]");
        kataloge.Liste(18).push_back("Latein; [lat]");
        kataloge.Liste(17).push_back(" -???-; []");
        kataloge.Liste(17).push_back("Lernen; [LE]");
        kataloge.Liste(26).push_back(" -???-; []");
        for (const char* erwerb : {"erste; [1]", "zweite; [2]", "dritte; [3]"}) kataloge.Liste(26).push_back(erwerb);
        InitKlasse(d->Klassen.DB[0], "12345");
        d->Klassen.DB[0].Klassenname = "5a";
        d->SchulDS.Schuldaten.Schulart[1] = "01";
        for (int u = 1; u <= 3; ++u) {
            d->SchulDS.Unterrichtseinheit[u].UE_ID = u;
            d->SchulDS.Unterrichtseinheit[u].UE_ID_Text = std::to_string(u);
        }
        d->SchulDS.Unterrichtseinheit[2].Klasse = "5a";
        d->SchulDS.Unterrichtseinheit[3].Klasse = "6b";
        d->Schueler.Geladen = true;
        TSchuelerDS& s = d->Schueler.DB[0];
        InitSchueler(s, "12345");
        s.Schuelernummer = "2001007";
        s.Grunddaten.Name = "Lange";
        s.Grunddaten.Vorname = "Ida";
        s.Grunddaten.Geschlecht = 2;
        s.Grunddaten.Geburtsdatum = "12.03.1993"; // 11 in 2004: Jahrgang 5 + 6
        s.Grunddaten.Staatsangehoerigkeit = "276";
        s.Grunddaten.Einschulung.Einschulungsjahr = "1999";
        s.Jahrgangsdaten.Klasse = "5a";
        s.Jahrgangsdaten.Jahrgang = "05";
        s.Jahrgangsdaten.Schulart = "01";
        Verweis(s, 1, "1");
        Verweis(s, 2, "2");
        s.Fremdsprachen[1].Sprache = "eng";
        s.Fremdsprachen[1].Erwerb = "1";
    }
    static void Verweis(TSchuelerDS& s, int e, const char* id) {
        s.Jahrgangsdaten.Unterrichtseinheit[e].UE_ID = id;
        s.Jahrgangsdaten.Unterrichtseinheit[e].Nummer = static_cast<std::uint16_t>(std::atoi(id));
    }
    TSchuelerDS& S() { return d->Schueler.DB[0]; }
    void Lauf() {
        p.TestsZuruecksetzen();
        TesteSchueler(p, S(), Kontext());
    }
};

TEST_F(StudentTests, ACompleteStudentPassesAndOptionalDataAreNotTested) {
    Lauf();
    for (int n : {400, 403, 406, 409, 412, 415, 418, 421, 424, 427, 430, 433, 436, 439, 442, 445, 448})
        EXPECT_EQ(p.Code(n), 1) << n;
    for (int n : {451, 454, 457, 460}) EXPECT_EQ(p.Code(n), 0) << n;
    EXPECT_EQ(p.ParamI(421), 11);
    EXPECT_EQ(p.ParamI(433), 2);
    EXPECT_EQ(p.ParamI(448), 6);
    EXPECT_GE(p.Code(1), 0);
    for (int n = 10; n <= 500; ++n) {
        if (n < 400 || n > 460) {
            EXPECT_EQ(p.Code(n), -1) << n;
        }
    }
}

struct Fall {
    const char* was;
    std::function<void(TSchuelerDS&)> aendern;
    int nummer, code, param;
    const char* s = "";
};

TEST_F(StudentTests, EachRuleFindsItsFault) {
    const Fall faelle[] = {
        {"fremde Schulnummer", [](TSchuelerDS& s) { s.Schulnummer = "54321"; }, 400, 4, 0},
        {"keine Nummer", [](TSchuelerDS& s) { s.Schuelernummer = "--"; }, 403, 4, 0},
        {"Platzhalter", [](TSchuelerDS& s) { s.Grunddaten.Name = "  - frei -"; }, 409, 4, 0},
        {"kein Vorname", [](TSchuelerDS& s) { s.Grunddaten.Vorname = ""; }, 412, 4, 0},
        {"Geschlecht 0", [](TSchuelerDS& s) { s.Grunddaten.Geschlecht = 0; }, 415, 4, 0},
        {"Geschlecht 3", [](TSchuelerDS& s) { s.Grunddaten.Geschlecht = 3; }, 415, 4, 0},
        {"31. Februar", [](TSchuelerDS& s) { s.Grunddaten.Geburtsdatum = "31.02.1993"; }, 418, 4, 0},
        {"Maske", [](TSchuelerDS& s) { s.Grunddaten.Geburtsdatum = "  .  .20  "; }, 418, 4, 0},
        {"Code", [](TSchuelerDS& s) { s.Grunddaten.Staatsangehoerigkeit = "999"; }, 424, 4, 1,
         "Grunddaten.Staatsangehoerigkeit"},
        {"Code in Gruppe", [](TSchuelerDS& s) { s.Fremdsprachen[3].Art = "XX"; }, 424, 4, 3, "Fremdsprachen.Art"},
        {"keine Klasse", [](TSchuelerDS& s) { s.Jahrgangsdaten.Klasse = ""; }, 427, 3, 0},
        {"fremde Klasse", [](TSchuelerDS& s) { s.Jahrgangsdaten.Klasse = "5b"; }, 427, 3, 0},
        {"Schulart", [](TSchuelerDS& s) { s.Jahrgangsdaten.Schulart = "04"; }, 430, 4, 0},
        {"UE fehlt", [](TSchuelerDS& s) { Verweis(s, 4, "9"); }, 433, 4, 4},
        {"UE anderer Klasse", [](TSchuelerDS& s) { Verweis(s, 5, "3"); }, 436, 2, 5},
        {"UE doppelt", [](TSchuelerDS& s) { Verweis(s, 6, "2"); }, 439, 4, 6},
        {"Sprache doppelt", [](TSchuelerDS& s) { s.Fremdsprachen[4].Sprache = "eng"; }, 442, 4, 4},
        {"2. Fremdsprache in 5", [](TSchuelerDS& s) { s.Fremdsprachen[2].Erwerb = "2"; }, 445, 1, 0},
        {"3. Fremdsprache in 5", [](TSchuelerDS& s) { s.Fremdsprachen[2].Erwerb = "3"; }, 445, 2, 2},
        {"Einschulung nach Berichtsjahr", [](TSchuelerDS& s) { s.Grunddaten.Einschulung.Einschulungsjahr = "2005"; },
         448, 4, 0},
        {"Einschulung mit 3", [](TSchuelerDS& s) { s.Grunddaten.Einschulung.Einschulungsjahr = "1996"; }, 448, 2, 3},
        {"Einschulung mit 10", [](TSchuelerDS& s) { s.Grunddaten.Einschulung.Einschulungsjahr = "2003"; }, 448, 2, 10},
        {"Seiteneinstieg",
         [](TSchuelerDS& s) {
             s.Grunddaten.Zuzug = "2003";
             s.Grunddaten.Einschulung.Einschulungsjahr = "2003";
         },
         448, 1, 0},
        {"Abschluss künftig", [](TSchuelerDS& s) { s.Abschluss.berufsbezogener[2].Jahr = "2005"; }, 451, 4, 2,
         "berufsbezogener"},
        {"Abschluss im Berichtsjahr", [](TSchuelerDS& s) { s.Abschluss.allgemeinbildender[1].Jahr = "2004"; }, 451, 1,
         0},
        {"Förderung ohne Bedarf", [](TSchuelerDS& s) { s.Foerderbedarf.Tatsaechlich = "LE"; }, 454, 4, 0},
        {"Förderung mit Bedarf", [](TSchuelerDS& s) { s.Foerderbedarf.Tatsaechlich = s.Foerderbedarf.Bedarf = "LE"; },
         454, 1, 0},
        {"Ort ohne Beruf", [](TSchuelerDS& s) { s.Ausbildung.Standort = "99084"; }, 457, 3, 0},
        {"Beruf ohne Ort", [](TSchuelerDS& s) { s.Ausbildung.Beruf = "1101"; }, 457, 3, 0},
        {"PLZ vierstellig",
         [](TSchuelerDS& s) {
             s.Grunddaten.Anschrift.Gemeinde = "16051000";
             s.Grunddaten.Anschrift.PLZ = "9908";
         },
         460, 4, 0},
        {"PLZ zur Gemeinde",
         [](TSchuelerDS& s) {
             s.Grunddaten.Anschrift.Gemeinde = "16051000";
             s.Grunddaten.Anschrift.PLZ = "99084";
         },
         460, 1, 0},
        {"Land statt Gemeinde", [](TSchuelerDS& s) { s.Grunddaten.Anschrift.Gemeinde = "040"; }, 460, 0, 0},
    };
    const TSchuelerDS sauber = S();
    for (const Fall& f : faelle) {
        S() = sauber;
        f.aendern(S());
        Lauf();
        EXPECT_EQ(p.Code(f.nummer), f.code) << f.was;
        if (f.code > 1) {
            EXPECT_EQ(p.ParamI(f.nummer), f.param) << f.was;
            EXPECT_EQ(p.Testparameter[static_cast<std::size_t>(f.nummer)].s, std::string_view(f.s)) << f.was;
        }
    }
}

TEST_F(StudentTests, AgeForTheJahrgang) {
    // Jahrgang 5 in 2004: 10 to 13 years pass, 9 and 14, 15 warn, beyond that a serious warning.
    const std::pair<const char*, int> faelle[] = {{"1996", 3}, {"1995", 2}, {"1994", 1}, {"1991", 1},
                                                  {"1990", 2}, {"1989", 2}, {"1988", 3}};
    for (const auto& [jahr, code] : faelle) {
        S().Grunddaten.Geburtsdatum = std::string("01.01.") + jahr;
        Lauf();
        EXPECT_EQ(p.Code(421), code) << jahr;
        EXPECT_EQ(p.ParamI(421), 2004 - std::atoi(jahr)) << jahr;
    }
    S().Jahrgangsdaten.Jahrgang = "SK"; // no number: not tested
    Lauf();
    EXPECT_EQ(p.Code(421), 0);
    e.Berichtsjahr = "";
    S().Jahrgangsdaten.Jahrgang = "05";
    Lauf();
    EXPECT_EQ(p.Code(421), 0);
}

TEST_F(StudentTests, TheListingNamesTheFieldOfAWrongCode) {
    S().Jahrgangsdaten.Auslaender = "999";
    Lauf();
    Fehlertexte t;
    t.Fuellen();
    const Ergebnisanzeige a = ErgebnisseAufbauen(p, t);
    bool gefunden = false;
    for (const ListenEintrag& x : a.eintraege)
        if (x.nummer == 424) {
            gefunden = true;
            EXPECT_EQ(x.text,
                      "  -->  Schlüssel nicht in der Liste (letzter Fehler: Jahrgangsdaten.Auslaender, Eintrag 1)");
            EXPECT_EQ(x.titel, "eingetragene Schlüssel aller Code-Felder anhand der aktuellen Listen prüfen");
        }
    EXPECT_TRUE(gefunden);
}

TEST_F(StudentTests, RunOverAllStudentsStoresTheCountsAndFindsNumbersTwice) {
    d->Schueler.DB.resize(3, S());
    d->Schueler.DB[1].Schuelernummer = "2001008";
    d->Schueler.DB[2].Jahrgangsdaten.Klasse = "7c";           // 427: 3, and unit 2 belongs to 5a (436: 2)
    d->Schueler.DB[2].Grunddaten.Geburtsdatum = "01.01.1990"; // 421: 2
    d->Schueler.DB[1].Warnungen = 9;
    d->Lehrer.DB[0].Warnungen = 5; // another area's counts stay
    e.SchwelleSchueler = 0;
    int gruppe = 0;
    PruefHaken haken{[] {}, [] {}, [&] { ++gruppe; }};
    EXPECT_EQ(GrosseSchuelerPlausiAusfuehren(p, *d, e, kataloge, m, haken), PruefAusgang::Fenster);
    EXPECT_EQ(gruppe, 1);
    EXPECT_EQ(p.Gruppenart, kGruppenartSchueler);
    const auto zaehler = [&](std::size_t i) {
        return std::pair(d->Schueler.DB[i].Warnungen.get(), d->Schueler.DB[i].Fehler.get());
    };
    EXPECT_EQ(zaehler(0), (std::pair<std::uint16_t, std::uint16_t>(0, 1))); // 406, shares its number with 2
    EXPECT_EQ(zaehler(1), (std::pair<std::uint16_t, std::uint16_t>(0, 0)));
    EXPECT_EQ(zaehler(2), (std::pair<std::uint16_t, std::uint16_t>(3, 1)));
    EXPECT_EQ(d->Lehrer.DB[0].Warnungen.get(), 5);

    e.SchwelleSchueler = 1; // serious warnings only
    p.Alarmschwelle = 1;
    EXPECT_EQ(AlleSchuelerPruefen(p, *d, e, kataloge), 3);
    EXPECT_EQ(zaehler(2), (std::pair<std::uint16_t, std::uint16_t>(1, 1)));
    p.Alarmschwelle = 2;
    EXPECT_EQ(AlleSchuelerPruefen(p, *d, e, kataloge), 2);
    EXPECT_EQ(zaehler(2), (std::pair<std::uint16_t, std::uint16_t>(0, 1)));

    const Gruppenanzeige g = GruppenAnzeigeAufbauen(kGruppenartSchueler, 2, *d);
    EXPECT_EQ(g.titel, "Ergebnis: große PLAUSI -->  S c h ü l e r");
    EXPECT_EQ(g.berichtsname, "Schueler-PLAUSI");
    EXPECT_EQ(g.breiten, (std::vector<int>{90, 150, 100, 70, 70, 50, 120}));
    ASSERT_EQ(g.zeilen.size(), 11u);
    EXPECT_EQ(g.datenzeilen, 3u);
    const auto texte = [&](std::size_t z) {
        std::vector<std::string> v;
        for (const GruppenZelle& c : g.zeilen[z]) v.push_back(c.text);
        return v;
    };
    EXPECT_EQ(texte(0), (std::vector<std::string>{"Schülernummer", "Name", "Vorname", "Klasse", "Warnungen", "Fehler",
                                                  "Ergebnis"}));
    EXPECT_EQ(texte(3), (std::vector<std::string>{"2001007", "Lange", "Ida", "7c", "0", "1", "fehlerhaft!!!"}));
    EXPECT_EQ(texte(2)[6], "alles i.O.");
    EXPECT_EQ(BerichtCsv(g), "\xEF\xBB\xBF"
                             "Schülernummer;Name;Vorname;Klasse;Warnungen;Fehler;Ergebnis\r\n"
                             "2001007;Lange;Ida;5a;0;1;fehlerhaft!!!\r\n"
                             "2001008;Lange;Ida;5a;0;0;alles i.O.\r\n"
                             "2001007;Lange;Ida;7c;0;1;fehlerhaft!!!\r\n");
}

TEST_F(StudentTests, OneStudentFromItsSheet) {
    e.SchwelleSchueler = 2;
    S().Grunddaten.Geburtsdatum = "01.01.1990"; // a warning only
    int fenster = 0;
    PruefHaken haken{[] {}, [&] { ++fenster; }, [] {}};
    EXPECT_EQ(SchuelerPruefungAusfuehren(p, S(), Kontext(), m, haken), PruefAusgang::Bestaetigt);
    ASSERT_FALSE(m.Texte().empty());
    EXPECT_EQ(m.Texte().back(), "Daten des aktuellen Schülers\rwurden erfolgreich getestet!");
    e.SchwelleSchueler = 0;
    EXPECT_EQ(SchuelerPruefungAusfuehren(p, S(), Kontext(), m, haken), PruefAusgang::Fenster);
    EXPECT_EQ(fenster, 1);
    EXPECT_EQ(p.Alarmschwelle, 0);
}

class ClassTests : public StudentTests {
protected:
    ClassTests() {
        kataloge.Liste(52).push_back(" -???-; []");
        kataloge.Liste(52).push_back("Sportklasse; [05]");
        kataloge.Liste(52).push_back("Förderklasse; [04]");
        K().Unterrichtseinheit[1].UE_ID = "2";
        K().Unterrichtseinheit[1].Nummer = 2;
        K().Klassenbesonderheit[1] = "05";
    }
    TKlasseDS& K() { return d->Klassen.DB[0]; }
    void KLauf() {
        p.TestsZuruecksetzen();
        TesteKlasse(p, K(), Kontext());
    }
};

TEST_F(ClassTests, EachRuleFindsItsFault) {
    KLauf();
    for (int n : {300, 303, 306, 309, 312, 315}) EXPECT_EQ(p.Code(n), 1) << n;
    EXPECT_EQ(p.Code(318), -1); // only the run over all classes
    struct KFall {
        const char* was;
        std::function<void(TKlasseDS&)> aendern;
        int nummer, code, param;
    };
    const KFall faelle[] = {
        {"fremde Schulnummer", [](TKlasseDS& k) { k.Schulnummer = "1"; }, 300, 4, 0},
        {"kein Name", [](TKlasseDS& k) { k.Klassenname = ""; }, 303, 4, 0},
        {"kein Name, nicht doppelt", [](TKlasseDS& k) { k.Klassenname = ""; }, 306, 0, 0},
        {"UE fehlt", [](TKlasseDS& k) { k.Unterrichtseinheit[3].UE_ID = "17"; }, 309, 4, 3},
        {"Besonderheit unbekannt", [](TKlasseDS& k) { k.Klassenbesonderheit[2] = "77"; }, 312, 4, 2},
        {"Besonderheit doppelt", [](TKlasseDS& k) { k.Klassenbesonderheit[3] = "05"; }, 315, 2, 3},
        {"Lücke ist keine", [](TKlasseDS& k) { k.Klassenbesonderheit[2] = " "; }, 312, 1, 1},
    };
    const TKlasseDS sauber = K();
    for (const KFall& f : faelle) {
        K() = sauber;
        f.aendern(K());
        KLauf();
        EXPECT_EQ(p.Code(f.nummer), f.code) << f.was;
        EXPECT_EQ(p.ParamI(f.nummer), f.param) << f.was;
    }
    K() = sauber;
    d->Klassen.DB.push_back(sauber);
    KLauf();
    EXPECT_EQ(p.Code(306), 4);
    EXPECT_EQ(p.ParamI(306), 2);
}

TEST_F(ClassTests, RunOverAllClassesFindsAClassWithoutStudents) {
    d->Klassen.DB.push_back(K());
    d->Klassen.DB[1].Klassenname = "6b";
    e.SchwelleKlassen = 0;
    int gruppe = 0;
    PruefHaken haken{[] {}, [] {}, [&] { ++gruppe; }};
    EXPECT_EQ(GrosseKlassenPlausiAusfuehren(p, *d, e, kataloge, m, haken), PruefAusgang::Fenster);
    EXPECT_EQ(p.Code(318), 2); // the state of the last class
    EXPECT_EQ(d->Klassen.DB[0].Warnungen.get() + d->Klassen.DB[0].Fehler.get(), 0);
    EXPECT_EQ(d->Klassen.DB[1].Warnungen.get(), 1);
    const Gruppenanzeige g = GruppenAnzeigeAufbauen(kGruppenartKlassen, 0, *d);
    EXPECT_EQ(g.titel, "Ergebnis: große PLAUSI -->  K l a s s e n");
    ASSERT_EQ(g.Spalten(), 4u);
    EXPECT_EQ(g.zeilen[2][0].text, "6b");
    EXPECT_EQ(g.zeilen[2][3].text, "mit Warnung(en)!");
    EXPECT_EQ(g.Zahlspalten(), (std::vector<std::size_t>{1, 2}));

    // Students not loaded: nobody can say the class is empty.
    d->Schueler.Geladen = false;
    e.SchwelleKlassen = 2;
    EXPECT_EQ(GrosseKlassenPlausiAusfuehren(p, *d, e, kataloge, m, haken), PruefAusgang::Bestaetigt);
    EXPECT_EQ(p.Code(318), 0);
    EXPECT_EQ(m.Texte().back(), "Große Klassen-PLAUSI wurde erfolgreich absolviert!");
    EXPECT_EQ(KlassePruefungAusfuehren(p, K(), Kontext(), m, haken), PruefAusgang::Bestaetigt);
    EXPECT_EQ(m.Texte().back(), "Daten der aktuellen Klasse\rwurden erfolgreich getestet!");
}

} // namespace
} // namespace zev
