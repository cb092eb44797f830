#include "control/lifecycle.h"
#include "model/encoding.h"
#include "pages/teacher_page.h"
#include "pages/ue_chooser.h"
#include "support/page_controller.h"
#include "support/scripted_messages.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

namespace zev {
namespace {

using test::SkriptMeldungen;
using test::TempOrdner;
namespace fs = std::filesystem;

class SkriptLehrerDialoge final : public LehrerDialoge {
public:
    std::optional<std::vector<std::string>> auswahl;
    int ergebnis = 0, gruppe = 0;
    std::optional<std::vector<std::string>> UEAuswaehlen() override { return auswahl; }
    void Ergebnisfenster() override { ++ergebnis; }
    void Gruppenfenster() override { ++gruppe; }
};

class TeacherPage : public ::testing::Test {
protected:
    void SetUp() override {
        st = test::SeitenSteuerung(prog, m);
        seite = std::make_unique<LehrerSeitenLogik>(*st, dialoge, m);
    }
    TLehrerDS& Puffer() { return st->Daten().Lehrer.Puffer; }
    LehrerSeite& S() { return seite->Seite(); }
    std::vector<std::string> UEIds() const {
        std::vector<std::string> v;
        for (const auto& z : seite->Seite().ue.zeilen) v.push_back(z[1]);
        return v;
    }
    void UEsSetzen(int anzahl) {
        for (int k = 1; k <= anzahl; ++k) {
            Puffer().Unterrichtseinheit[k].UE_ID = std::to_string(k);
            Puffer().Unterrichtseinheit[k].Nummer = static_cast<std::uint16_t>(k);
        }
    }

    TempOrdner prog;
    SkriptMeldungen m;
    SkriptLehrerDialoge dialoge;
    std::unique_ptr<Steuerung> st;
    std::unique_ptr<LehrerSeitenLogik> seite;
};

TEST_F(TeacherPage, IdZeroShowsQuestionMarksAndTheHeadShowsTheName) {
    Puffer().ID = 0;
    Puffer().Grunddaten.Name = "M\xFCller";
    Puffer().Grunddaten.Vorname = "Eva";
    seite->Zeigen();
    EXPECT_EQ(S().id, " ???");
    EXPECT_EQ(S().anzeigeName, "Müller, Eva");
    Puffer().ID = 4711;
    seite->Zeigen();
    EXPECT_EQ(S().id, "4711");
}

TEST_F(TeacherPage, SingleColumnGridsArePackedOnCollect) {
    seite->Zeigen();
    ZelleSetzen(S().ausbildung, 0, 1, "1STP");
    ZelleSetzen(S().ausbildung, 2, 1, "MED");
    ZelleSetzen(S().personengruppe, 2, 1, "--"); // blank: "--"
    EXPECT_EQ(S().ausbildung.zeilen[2][0], "Master of Education");
    seite->Uebernehmen();
    EXPECT_EQ(Puffer().Grunddaten.Ausbildung[1].str(), "1STP");
    EXPECT_EQ(Puffer().Grunddaten.Ausbildung[2].str(), "MED");
    EXPECT_TRUE(Puffer().Grunddaten.Ausbildung[3].empty());
    EXPECT_TRUE(Puffer().Sonstiges.Personengruppe[1].empty());
    seite->Zeigen();
    EXPECT_EQ(S().ausbildung.zeilen[1][1], "MED");
    EXPECT_EQ(S().ausbildung.zeilen[2][1], "");
}

TEST_F(TeacherPage, MultiColumnRowsThatAreBlankAreDroppedAndTheRestPacked) {
    seite->Zeigen();
    ZelleSetzen(S().anrechnung, 0, 1, "--");
    ZelleSetzen(S().anrechnung, 0, 2, "0");
    ZelleSetzen(S().anrechnung, 1, 1, "KL");
    ZelleSetzen(S().anrechnung, 1, 2, "1,5");
    ZelleSetzen(S().einsatz, 3, 2, "07");
    seite->Uebernehmen();
    EXPECT_EQ(Puffer().Anrechnungsstunden[1].Grund.str(), "KL");
    EXPECT_EQ(Puffer().Anrechnungsstunden[1].Stunden.str(), "1,5");
    EXPECT_TRUE(Puffer().Anrechnungsstunden[2].Grund.empty());
    EXPECT_EQ(Puffer().Einsatz[1].Jahrgang.str(), "07");
    EXPECT_TRUE(Puffer().Einsatz[1].Art.empty());
}

TEST_F(TeacherPage, SumsAndBalancesInTheirColours) {
    seite->Zeigen();
    ZelleAusKombo(S().azKonto, 0, 2, IndexOfText(seite->Kombos()(107), "2"));
    ZelleSetzen(S().azKonto, 1, 4, "3,5");
    seite->SummenNeu();
    EXPECT_EQ(S().kontoEffektiv, (Summenanzeige{"-1,5", Farbe::Rot}));
    ZelleSetzen(S().azKonto, 1, 2, "1.5");
    seite->SummenNeu();
    EXPECT_EQ(S().kontoEffektiv, (Summenanzeige{"0", Farbe::Blau}));
    ZelleSetzen(S().azRegelung, 0, 2, "4");
    ZelleSetzen(S().anrechnung, 0, 2, "-0,5");
    ZelleSetzen(S().einsatz, 4, 3, "3");
    seite->SummenNeu();
    EXPECT_EQ(S().regelungEffektiv, (Summenanzeige{"4", Farbe::Gruen}));
    EXPECT_EQ(S().anrechnungSumme, (Summenanzeige{"-0,5", Farbe::Fuchsia}));
    EXPECT_EQ(S().einsatzSumme, (Summenanzeige{"3", Farbe::Schwarz}));
    ZelleSetzen(S().anrechnung, 1, 2, "1");
    seite->SummenNeu();
    EXPECT_EQ(S().anrechnungSumme, (Summenanzeige{"0,5", Farbe::Rot}));
}

TEST_F(TeacherPage, WorkingTimeDescriptionJoinsBothReasons) {
    seite->Zeigen();
    ZelleSetzen(S().azKonto, 0, 3, "05");
    EXPECT_EQ(S().azKonto.zeilen[0][0], "Ausgleich durch Freistellung");
    ZelleSetzen(S().azKonto, 0, 1, "01");
    EXPECT_EQ(S().azKonto.zeilen[0][0], "verpflichtendes Arbeitszeitkonto, Ansparphase + Ausgleich durch Freistellung");
    ZelleSetzen(S().einsatz, 0, 1, "02");
    ZelleSetzen(S().einsatz, 0, 2, "01");
    EXPECT_EQ(S().einsatz.zeilen[0][0], "Förderunterricht in Kleingruppen; Jahrgangsstufe 1");
}

TEST_F(TeacherPage, DateBoxesKeepWhatNobodyTypedTakeRealDatesAndRefuseImpossibleOnes) {
    InitLehrer(Puffer(), "54321");
    Puffer().Grunddaten.Geburtsdatum = "1985-02-03"; // as an import may bring it
    seite->Zeigen();
    EXPECT_EQ(S().geburtsdatum.text, "1985-02-03");
    EXPECT_EQ(S().zugangDatum.text, "  .  .20  ");
    const TLehrerDS vorher = Puffer();
    seite->Uebernehmen(); // untouched boxes: "  .  .20  " does not become "??.??.20??"
    EXPECT_EQ(std::memcmp(&vorher, &Puffer(), sizeof vorher), 0);

    struct Kasten {
        DatumsKasten& box;
        s10& feld;
        const char* meldung;
    };
    for (const Kasten& k : {Kasten{S().geburtsdatum, Puffer().Grunddaten.Geburtsdatum,
                                   "Bitte geben Sie das Geburtsdatum entsprechend dem Format ein!"},
                            Kasten{S().zugangDatum, Puffer().Zu_Abgang.Zugang.Datum,
                                   "Bitte geben Sie das Zugangsdatum entsprechend dem Format ein!"},
                            Kasten{S().abgangDatum, Puffer().Zu_Abgang.Abgang.Datum,
                                   "Bitte geben Sie das Abgangsdatum entsprechend dem Format ein!"}}) {
        SCOPED_TRACE(k.meldung);
        const std::string gespeichert = k.feld.str();
        const std::string gezeigt = k.box.text;
        // Refused when the box is left, and again when it is taken back without leaving it.
        for (const char* unmoeglich : {"31.02.1985", "12.08.19  ", "29.02.1900"}) {
            m.gezeigt.clear();
            DatumEingeben(k.box, unmoeglich);
            EXPECT_FALSE(seite->DatumVerlassen(k.box));
            EXPECT_EQ(k.box.text, gezeigt);
            DatumEingeben(k.box, unmoeglich);
            seite->Uebernehmen();
            EXPECT_EQ(m.gezeigt, (std::vector<test::Gezeigt>(2, {MeldungsArt::Fehler, k.meldung, Tasten::Ok})));
            EXPECT_EQ(k.feld.str(), gespeichert);
            EXPECT_EQ(k.box.text, gezeigt);
        }
        m.gezeigt.clear();
        DatumEingeben(k.box, "29.2 .2000");
        EXPECT_TRUE(seite->DatumVerlassen(k.box));
        seite->Uebernehmen();
        EXPECT_EQ(k.feld.str(), "29.02.2000");
        EXPECT_EQ(k.box.text, "29.02.2000");
        EXPECT_TRUE(m.gezeigt.empty());
    }
}

TEST_F(TeacherPage, CollectSetsTheSettingsSchoolNumberAndCutsTexts) {
    Puffer().Schulnummer = "99999";
    seite->Zeigen();
    S().name = std::string(35, 'N');
    S().lehrernummer = "L-0001-ABCDEF";
    seite->Uebernehmen();
    EXPECT_EQ(Puffer().Schulnummer.str(), "54321");
    EXPECT_EQ(Puffer().Grunddaten.Name.str(), std::string(30, 'N'));
    EXPECT_EQ(Puffer().Lehrernummer.str(), "L-0001-ABC");
}

// --- lesson units ------------------------------------------------------------------------

TEST_F(TeacherPage, LessonUnitsShowWithDescriptionAndHourSum) {
    UEsSetzen(3);
    Puffer().Unterrichtseinheit[5].UE_ID = "9";
    Puffer().Unterrichtseinheit[5].Nummer = 0; // number 0: not shown
    seite->Zeigen();
    EXPECT_EQ(UEIds(), (std::vector<std::string>{"1", "2", "3", "", "", "", "", "", "", ""}));
    EXPECT_EQ(S().ue.zeilen[1][0], "[2] ;  -???-;  -???-; ;  -???-;  -???-; 1,5 Std.; ");
    EXPECT_EQ(S().stundensumme.text, "5,5");
    seite->Uebernehmen();
    EXPECT_EQ(Puffer().Unterrichtseinheit[2].Nummer.get(), 2);
    EXPECT_EQ(Puffer().Unterrichtseinheit[5].UE_ID.str(), "9"); // not shown, so not changed
}

TEST_F(TeacherPage, MoreThanTenUnitsAreAllShownAndKept) {
    UEsSetzen(14);
    seite->Zeigen();
    EXPECT_EQ(S().ue.Zeilen(), 14);
    seite->Uebernehmen();
    EXPECT_EQ(Puffer().Unterrichtseinheit[14].UE_ID.str(), "14");
}

TEST_F(TeacherPage, ChosenUnitAlreadyInRowFourIsReportedAndSkipped) {
    UEsSetzen(4);
    seite->Zeigen();
    dialoge.auswahl = std::vector<std::string>{"4", "7"};
    seite->UE().Hinzufuegen();
    EXPECT_EQ(m.Texte(), std::vector<std::string>{"Unterrichtseinheit 4 ist schon in Zeile: 4 vorhanden!"});
    EXPECT_EQ(UEIds()[4], "7");
    EXPECT_EQ(S().stundensumme.text, "9,5");
    dialoge.auswahl.reset(); // "abbrechen"
    seite->UE().Hinzufuegen();
    EXPECT_EQ(UEIds()[5], "");
}

TEST_F(TeacherPage, DeletingRowFiveEmptiesItAndRowTwelveOfFourteenRemovesIt) {
    UEsSetzen(14);
    seite->Zeigen();
    S().ue.fokusZeile = 4;
    m.Antworten({true});
    seite->UE().Loeschen();
    EXPECT_EQ(m.Texte().back(), "Wollen Sie die Unterrichtseinheit:\r5\rjetzt bei diesem Lehrer löschen?");
    EXPECT_EQ(S().ue.Zeilen(), 14);
    EXPECT_EQ(UEIds()[4], "");
    S().ue.fokusZeile = 11;
    m.Antworten({true});
    seite->UE().Loeschen();
    EXPECT_EQ(S().ue.Zeilen(), 13);
    EXPECT_EQ(UEIds()[11], "13");
    S().ue.fokusZeile = 0;
    m.Antworten({false});
    seite->UE().Loeschen();
    EXPECT_EQ(UEIds()[0], "1");
    S().ue.fokusZeile = -1;
    seite->UE().Loeschen();
    EXPECT_EQ(m.Texte().back(), "Es wurde keine Zeile ausgewählt!");
}

TEST_F(TeacherPage, DeleteWithoutQuestionWhenTheSettingSaysSo) {
    UEsSetzen(2);
    st->Einstellungen().UELoeschenOhneFrage = 1;
    seite->Zeigen();
    S().ue.fokusZeile = 1;
    seite->UE().Loeschen();
    EXPECT_TRUE(m.gezeigt.empty());
    EXPECT_EQ(UEIds()[1], "");
}

TEST_F(TeacherPage, DeleteAllLeavesNineEmptyRowsAndNoElementBehind) {
    UEsSetzen(20);
    seite->Zeigen();
    m.Antworten({false, true});
    seite->UE().AlleLoeschen();
    EXPECT_EQ(S().ue.Zeilen(), 20);
    seite->UE().AlleLoeschen();
    EXPECT_EQ(m.Texte().back(), "Wollen Sie jetzt alle eingetragenen UnterrichtsEinheiten\rfür diesen Lehrer löschen?");
    EXPECT_EQ(UEIds(), std::vector<std::string>(9, ""));
    seite->Uebernehmen();
    for (int k = 1; k <= 35; ++k) {
        EXPECT_EQ(Puffer().Unterrichtseinheit[k].UE_ID.str(), "0") << k; // unused, as a blank teacher has it
        EXPECT_EQ(Puffer().Unterrichtseinheit[k].Nummer.get(), 0) << k;
    }
    EXPECT_EQ(S().stundensumme.text, "0");
}

TEST_F(TeacherPage, EmptyRowsAndUnitsStopAtThirtyFive) {
    UEsSetzen(34);
    seite->Zeigen();
    seite->UE().LeereZeile();
    EXPECT_EQ(S().ue.Zeilen(), 35);
    seite->UE().LeereZeile();
    const std::string voll = "Derzeit können pro Lehrer nur 35\rUnterrichtsEinheiten benutzt werden.\r\rWenden Sie bei "
                             "Bedarf an den Programmautor!";
    EXPECT_EQ(m.Texte(), std::vector<std::string>{voll});
    dialoge.auswahl = std::vector<std::string>{"35", "36", "37"};
    seite->UE().Hinzufuegen();
    EXPECT_EQ(UEIds()[34], "35");
    EXPECT_EQ(m.Texte().back(), voll); // no row 36 that would never be stored
    EXPECT_EQ(S().ue.Zeilen(), 35);
}

TEST(UEAuswahl, TheThirtySixthSelectedUnitIsReportedOnceAndTheFirst35Handed) {
    Katalog beschreibungen;
    for (int i = 1; i <= 40; ++i)
        beschreibungen.push_back("[" + std::to_string(i * 10) + "] ; Fach " + std::to_string(i));
    UEAuswahlModell a;
    UEAuswahlZeigen(a, beschreibungen);
    EXPECT_EQ(a.eintraege[0], "[10] ; Fach 1");
    EXPECT_EQ(std::count(a.gewaehlt.begin(), a.gewaehlt.end(), true), 0);
    a.gewaehlt.assign(40, true);
    SkriptMeldungen m;
    const auto ids = UEAuswahlUebernehmen(a, m);
    EXPECT_EQ(ids.size(), 35u);
    EXPECT_EQ(ids.front(), "10");
    EXPECT_EQ(ids.back(), "350");
    EXPECT_EQ(m.Texte(), std::vector<std::string>{"Fehler:\r\rzu viele Unterrichtseinheiten ausgewählt!\rfür Schüler "
                                                  "werden 25 und für Lehrer 35 unterstützt!"});
    a.gewaehlt.assign(40, false);
    a.gewaehlt[3] = a.gewaehlt[1] = true;
    EXPECT_EQ(UEAuswahlUebernehmen(a, m), (std::vector<std::string>{"20", "40"}));
}

// --- checks ------------------------------------------------------------------------------

TEST_F(TeacherPage, CheckButtonsCollectFirstAndTheGroupRunStoresTheBuffer) {
    seite->Zeigen();
    S().name = "Neu";
    m.Antworten({false});
    seite->Pruefen(PruefKnopf::LehrerSonstiges);
    EXPECT_EQ(Puffer().Grunddaten.Name.str(), "Neu");
    m.Antworten({false});
    const auto aus = seite->GrossePlausi();
    EXPECT_EQ(st->Daten().Lehrer.DB[0].Grunddaten.Name.str(), "Neu"); // stored before the run
    EXPECT_EQ(aus == PruefAusgang::Fenster ? 1 : 0, dialoge.gruppe);
}

// A check button stores the sheet into the teacher list, whose entry then shows it;
// the group run's counts of the open teacher survive the next move.
TEST_F(TeacherPage, ChecksStoreTheSheetAndTheGroupRunsCountsOutliveTheOpenSheet) {
    seite->Zeigen();
    S().name = "Geprueft";
    m.Antworten({false});
    seite->Pruefen(PruefKnopf::LehrerSonstiges);
    EXPECT_EQ(st->Daten().Lehrer.DB[0].Grunddaten.Name.str(), "Geprueft");
    EXPECT_EQ(st->LehrerListe().Eintraege()[0].rfind("Geprueft", 0), 0u) << st->LehrerListe().Eintraege()[0];

    m.Antworten({false});
    seite->GrossePlausi();
    const auto& gezaehlt = st->Daten().Lehrer.DB[0];
    const int warnungen = gezaehlt.Warnungen.get(), fehler = gezaehlt.Fehler.get();
    ASSERT_GT(warnungen + fehler, 0); // a teacher with nothing but a name has findings
    // What moving to another teacher does with the open sheet.
    seite->Uebernehmen();
    ASSERT_TRUE(PufferSpeichern(st->Daten().Lehrer, 0, m));
    EXPECT_EQ(st->Daten().Lehrer.DB[0].Warnungen.get(), warnungen);
    EXPECT_EQ(st->Daten().Lehrer.DB[0].Fehler.get(), fehler);
}

} // namespace
} // namespace zev
