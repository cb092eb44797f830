#include "model/encoding.h"
#include "plausi/check_course.h"
#include "plausi/message_table.h"
#include "plausi/result_listing.h"
#include "plausi/teacher_tests.h"
#include "plausi_fixture.h"
#include "support/temp_folder.h"

#include <set>

namespace zev {
namespace {

using test::PlausiTest;

class Machinery : public ::testing::Test {
protected:
    Machinery() { texte.Fuellen(); }
    void Codes(std::initializer_list<std::pair<int, int>> codes) {
        p.TestsZuruecksetzen();
        for (auto [n, c] : codes) p.Setze(n, c);
        p.TestsAuszaehlen();
    }
    PlausiLauf p;
    Fehlertexte texte;
};

TEST_F(Machinery, TallyCountsSlotsTenToFiveHundredAndCodeZeroTwice) {
    Codes({{1, 5}, {9, 4}, {10, 0}, {100, 1}, {103, 2}, {500, 5}, {106, -1}});
    EXPECT_EQ(p.Ergebniszaehler, (std::array<std::uint16_t, 6>{5, 1, 1, 0, 0, 1}));
    p.Alarmschwelle = 0;
    EXPECT_EQ(p.AlarmSumme(), 2);
    p.Alarmschwelle = 1;
    EXPECT_EQ(p.AlarmSumme(), 1);
    p.Alarmschwelle = 2;
    EXPECT_EQ(p.AlarmSumme(), 1);
    p.TestsZuruecksetzen();
    EXPECT_EQ(p.Code(100), -1);
    EXPECT_EQ(p.Ergebniszaehler[0], 0);
}

TEST_F(Machinery, Verdicts) {
    Codes({{100, 1}, {103, 0}});
    auto a = ErgebnisseAufbauen(p, texte);
    EXPECT_EQ(a.urteil, "alle Tests bestanden!!!");
    EXPECT_EQ(a.urteilFarbe, Farbe::Gruen);
    EXPECT_FALSE(a.zaehlerSichtbar);

    Codes({});
    EXPECT_EQ(ErgebnisseAufbauen(p, texte).urteil, "alle Tests bestanden!!!");

    Codes({{100, 2}, {103, 3}});
    p.Alarmschwelle = 2;
    a = ErgebnisseAufbauen(p, texte);
    EXPECT_EQ(a.urteil, "Tests oberhalb der Alarmschwelle bestanden");
    EXPECT_EQ(a.urteilFarbe, Farbe::Blau);
    EXPECT_EQ(a.schwelleText, "nur Fehler !!!");
    EXPECT_EQ(a.schwelleFarbe, Farbe::Rot);

    p.Alarmschwelle = 1;
    a = ErgebnisseAufbauen(p, texte);
    EXPECT_EQ(a.urteil, "Tests NICHT bestanden!!!");
    EXPECT_EQ(a.urteilFarbe, Farbe::Rot);
    EXPECT_TRUE(a.zaehlerSichtbar);
    EXPECT_EQ(a.warnungen, 1);
    EXPECT_EQ(a.fehler, 0);
    EXPECT_EQ(a.schwelleText, "ab schwerwiegenden Warnungen");

    Codes({{100, 2}, {103, 3}, {106, 4}, {109, 5}});
    p.Alarmschwelle = 0;
    a = ErgebnisseAufbauen(p, texte);
    EXPECT_EQ(a.warnungen, 2);
    EXPECT_EQ(a.fehler, 2);
    EXPECT_EQ(a.schwelleText, "ab Warnungen");
    EXPECT_EQ(a.schwelleFarbe, Farbe::Lila);
}

TEST_F(Machinery, SlotOneIsListedButNeverChangesTheVerdict) {
    Codes({{1, 5}, {100, 1}});
    const auto a = ErgebnisseAufbauen(p, texte);
    EXPECT_EQ(a.urteil, "alle Tests bestanden!!!");
    ASSERT_EQ(a.zeilen.size(), 6u);
    EXPECT_EQ(a.zeilen[0].text, "[1]   Blindfehlertest - Testet, ob überhaupt Tests durchgeführt werden (Dieser Test "
                                "wird nicht mit bewertet!!!)");
    EXPECT_EQ(a.zeilen[0].farbe, Farbe::Schwarz);
    EXPECT_EQ(a.zeilen[1].text, "  -->  !!! so sieht ein Test mit schwerwiegendem Fehler aus");
    EXPECT_EQ(a.zeilen[1].farbe, Farbe::Rot);
    EXPECT_EQ(a.zeilen[2].text, "");
    EXPECT_EQ(a.zeilen[3].text, "[100]   Schulnummer eingetragen und passend zu den Programm-Einstellungen prüfen");
    EXPECT_EQ(a.zeilen[4].text, "  -->  alle Angaben zur Schulnummer o.B.");
    EXPECT_EQ(a.zeilen[4].farbe, Farbe::Gruen);
}

TEST_F(Machinery, TextFallsBackUpwardsKeepingColourAndPrefix) {
    Codes({{147, 3}, {153, 0}, {172, 2}, {112, 4}});
    p.Param(172, 7);
    p.Testparameter[112].r = 2.5;
    const auto a = ErgebnisseAufbauen(p, texte);
    std::map<int, ListenEintrag> nach;
    for (const auto& x : a.eintraege) nach.emplace(x.nummer, x);
    EXPECT_EQ(nach.at(147).text, "  -->  !!! keine Internet-Adresse eingetragen oder Eintrag fehlerhaft");
    EXPECT_EQ(nach.at(147).farbe, Farbe::Fuchsia);
    EXPECT_EQ(nach.at(153).text, "  -->  Test ohne Ergebnis durchgeführt");
    EXPECT_EQ(nach.at(153).farbe, Farbe::Blau);
    EXPECT_EQ(
        nach.at(172).text,
        "  -->  ID der Unterrichtseinheit mit der laufender Nr.: 7  konnte intern nicht richtig aufgelöst werden");
    // Code 4 of 112 has no text: the code-5 text, red, without "!!! ".
    EXPECT_EQ(nach.at(112).text, "  -->  keine Nichteinschulung eingetragen oder Eintrag fehlerhaft");
    EXPECT_EQ(nach.at(112).farbe, Farbe::Rot);
}

TEST_F(Machinery, MarkersAreReplacedOnceAndNumbersFormatted) {
    Fehlertexte eigene;
    eigene.Leeren();
    PlausiLauf q;
    q.TestsZuruecksetzen();
    q.Setze(10, 1);
    q.Param(10, -3);
    q.Testparameter[10].r = 1234.5678901;
    const_cast<Fehlertext&>(eigene[10]).Text[1] = "i=&i r=&r und &i";
    q.TestsAuszaehlen();
    const auto a = ErgebnisseAufbauen(q, eigene);
    EXPECT_EQ(a.eintraege.at(0).text, "  -->  i=-3 r=1234,568 und &i");
    EXPECT_EQ(ZahlFormat(2.5), "2,5");
    EXPECT_EQ(ZahlFormat(3.0), "3");
    EXPECT_EQ(ZahlFormat(0.00001), "1E-05");
}

TEST(MessageTable, LimitsEntryZeroAndTheErrorFile) {
    Fehlertexte t;
    t.Fuellen();
    int gefuellt = 0;
    for (int n = 0; n <= 500; ++n) {
        const Fehlertext& f = t[n];
        EXPECT_LE(Utf8ToCp1252(f.Titel).size(), 120u) << n;
        for (const auto& x : f.Text) EXPECT_LE(Utf8ToCp1252(x).size(), 120u) << n;
        if (!f.Titel.empty() || !f.Text[1].empty()) ++gefuellt;
    }
    EXPECT_EQ(gefuellt, 70 + 7 + 21); // entry 10 has no title but its texts; then classes and students
    EXPECT_EQ(t[0].Titel.size(), 120u);
    EXPECT_EQ(t[0].Titel.substr(0, 53), "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyzA");
    EXPECT_EQ(t[0].Titel.back(), 'P');
    EXPECT_EQ(t[0].Text[5].substr(0, 10), "1234567890");
    EXPECT_EQ(t[0].Text[3].substr(110), "1234567890");
    EXPECT_EQ(t[170].Text[0], "Anzahl der getesteten UnterrichtsEinheiten: &i");
    EXPECT_EQ(t[288].Text[0], "Test ohne Ergebnis durchgeführt");
    EXPECT_EQ(t[11].Titel, "");

    test::TempOrdner o;
    t.FehlertexteAufbauen(o.Pfad());
    EXPECT_EQ(t[100].Text[1], "alle Angaben zur Schulnummer o.B.");
    test::DateiSchreiben(o / "Fehler.DAT", {});
    t.FehlertexteAufbauen(o.Pfad());
    EXPECT_EQ(t[100].Titel, "");
    EXPECT_EQ(t[1].Text[1], "");

    // The window still lists numbers and arrows.
    PlausiLauf p;
    p.TestsZuruecksetzen();
    p.Setze(100, 5);
    const auto a = ErgebnisseAufbauen(p, t);
    ASSERT_EQ(a.zeilen.size(), 3u);
    EXPECT_EQ(a.zeilen[0].text, "[100]   ");
    EXPECT_EQ(a.zeilen[1].text, "  -->  !!! ");
}

class CheckCourse : public PlausiTest {};

TEST_F(CheckCourse, ConfirmationWhenNothingIsAboveTheThresholdOtherwiseTheWindow) {
    int fenster = 0, uebernommen = 0;
    PruefHaken haken{[&] { ++uebernommen; }, [&] { ++fenster; }, [] {}};
    d->SchulDS.Schuldaten.Schulart[1] = "01";
    d->SchulDS.Schuldaten.Orgform = "10";
    d->SchulDS.Schuldaten.Ganztag = "1";
    EXPECT_EQ(PruefungAusfuehren(PruefKnopf::SchulGrunddaten, p, d->SchulDS, d->Lehrer.Puffer, Kontext(), m, haken),
              PruefAusgang::Bestaetigt);
    EXPECT_EQ(m.Texte(), std::vector<std::string>{"Die Schul-Grunddaten wurden erfolgreich getestet!"});
    EXPECT_EQ(m.gezeigt[0].art, MeldungsArt::Information);
    EXPECT_EQ(uebernommen, 1);

    e.AlleTestsZeigen = 1;
    EXPECT_EQ(PruefungAusfuehren(PruefKnopf::SchulGrunddaten, p, d->SchulDS, d->Lehrer.Puffer, Kontext(), m, haken),
              PruefAusgang::Fenster);
    EXPECT_EQ(fenster, 1);

    e.AlleTestsZeigen = 0;
    d->SchulDS.Schuldaten.Ganztag = "";
    e.SchwelleSchule = 2;
    EXPECT_EQ(PruefungAusfuehren(PruefKnopf::SchulGrunddaten, p, d->SchulDS, d->Lehrer.Puffer, Kontext(), m, haken),
              PruefAusgang::Fenster);
    EXPECT_EQ(p.Alarmschwelle, 2);
}

TEST_F(CheckCourse, FreeCarrierQuestion) {
    PruefHaken haken;
    m.Antworten({false});
    EXPECT_EQ(PruefungAusfuehren(PruefKnopf::SchulFreieTraeger, p, d->SchulDS, d->Lehrer.Puffer, Kontext(), m, haken),
              PruefAusgang::Beendet);
    EXPECT_EQ(m.Texte(), std::vector<std::string>{"Diese Schule ist keine Schule in freier Trägerschaft!\r\rWollen Sie "
                                                  "die diesbezüglichen Daten trotzdem testen?"});
    EXPECT_EQ(p.Code(120), -1);

    // Teacher base data without the question's Yes: only the numbers.
    m.gezeigt.clear();
    m.Antworten({false});
    PruefungAusfuehren(PruefKnopf::LehrerGrunddaten, p, d->SchulDS, d->Lehrer.DB[0], Kontext(), m, haken);
    EXPECT_EQ(m.gezeigt.at(0).text, std::string(kFrageFreieTraegerLehrer));
    EXPECT_EQ(p.Code(203), 5);
    EXPECT_EQ(p.Code(206), -1);

    e.FreierTraeger = 1;
    m.gezeigt.clear();
    PruefungAusfuehren(PruefKnopf::LehrerGrunddaten, p, d->SchulDS, d->Lehrer.DB[0], Kontext(), m, haken);
    EXPECT_EQ(p.Code(206), 1);
    EXPECT_TRUE(m.gezeigt.empty()); // no question for a school of a free carrier
}

TEST_F(CheckCourse, GroupRunStoresCountsAndShowsTheGrid) {
    d->Lehrer.DB.resize(25);
    for (std::size_t t = 0; t < 25; ++t) {
        TLehrerDS& l = d->Lehrer.DB[t];
        InitLehrer(l, "12345");
        l.Lehrernummer = "L" + std::to_string(t);
        l.Sonstiges.Taetigkeit = "01";
        l.Sonstiges.Personengruppe[1] = "B";
    }
    d->Lehrer.DB[3].Lehrernummer = "";               // 203: 5
    d->Lehrer.DB[4].Sonstiges.Klassenleiter = "9z";  // 264: 2
    d->Lehrer.DB[5].Grunddaten.Titel = "Prof.Dr.hc"; // ten characters, the field's width
    d->Klassen.DB[0].Warnungen = 7;
    int gruppen = 0;
    PruefHaken haken{[] {}, [] {}, [&] { ++gruppen; }};
    EXPECT_EQ(GrossePlausiAusfuehren(p, *d, e, kataloge, m, haken), PruefAusgang::Fenster);
    EXPECT_EQ(gruppen, 1);
    EXPECT_EQ(m.gezeigt.at(0).text, std::string(kFrageFreieTraegerLehrer)); // answered No
    EXPECT_EQ(d->Klassen.DB[0].Warnungen.get(), 0);
    EXPECT_EQ(d->Lehrer.DB[3].Fehler.get(), 1);
    EXPECT_EQ(d->Lehrer.DB[4].Warnungen.get(), 1);
    EXPECT_EQ(d->Lehrer.DB[0].Warnungen.get() + d->Lehrer.DB[0].Fehler.get(), 0);

    const auto g = GruppenAnzeigeAufbauen(p.Gruppenart, p.Alarmschwelle, d->Lehrer);
    EXPECT_EQ(g.titel, "Ergebnis: große PLAUSI -->  L e h r e r");
    ASSERT_EQ(g.zeilen.size(), 26u);
    EXPECT_EQ(g.zeilen[0][0].text, "Lehrernummer");
    EXPECT_EQ(g.zeilen[0][5].text, "Ergebnis");
    EXPECT_TRUE(g.zeilen[0][5].fett);
    EXPECT_EQ(g.zeilen[25][0].text, "L24");
    EXPECT_EQ(g.zeilen[1][5].text, "alles i.O.");
    EXPECT_EQ(g.zeilen[1][5].farbe, Farbe::Gruen);
    EXPECT_EQ(g.zeilen[4][5].text, "fehlerhaft!!!");
    EXPECT_EQ(g.zeilen[4][5].farbe, Farbe::Rot);
    EXPECT_EQ(g.zeilen[5][5].text, "mit Warnung(en)!");
    EXPECT_EQ(g.zeilen[5][5].farbe, Farbe::Fuchsia);
    EXPECT_EQ(g.zeilen[6][1].text, "Prof.Dr.hc   - frei -");
    EXPECT_EQ(g.breiten, (std::vector<int>{80, 150, 100, 70, 50, 120}));

    // Threshold 2: no warnings counted at all.
    e.SchwelleLehrer = 2;
    GrossePlausiAusfuehren(p, *d, e, kataloge, m, haken);
    EXPECT_EQ(d->Lehrer.DB[4].Warnungen.get(), 0);
    const auto g2 = GruppenAnzeigeAufbauen(p.Gruppenart, p.Alarmschwelle, d->Lehrer);
    EXPECT_EQ(g2.schwelle.text, "nur Fehler !!!");
    EXPECT_EQ(g2.zeilen[5][5].text, "alles i.O.");
}

TEST_F(CheckCourse, GroupRunWithEveryTeacherPassingOnlyConfirms) {
    e.FreierTraeger = 0;
    d->Lehrer.DB[0].Lehrernummer = "L1";
    d->Lehrer.DB[0].Sonstiges.Taetigkeit = "01";
    d->Lehrer.DB[0].Sonstiges.Personengruppe[1] = "B";
    m.Antworten({false});
    EXPECT_EQ(GrossePlausiAusfuehren(p, *d, e, kataloge, m, {}), PruefAusgang::Bestaetigt);
    EXPECT_EQ(m.Texte().back(), "Große Lehrer-PLAUSI wurden erfolgreich absolviert!");
    // A grid of few teachers still has eleven rows; a grid of another kind only its caption.
    EXPECT_EQ(GruppenAnzeigeAufbauen(1, 0, d->Lehrer).zeilen.size(), 11u);
    const auto leer = GruppenAnzeigeAufbauen(0, 0, d->Lehrer);
    EXPECT_EQ(leer.titel, "Ergebnis: große PLAUSI");
    EXPECT_EQ(leer.zeilen[1][0].text, "");
}

} // namespace
} // namespace zev
