#include "control/lifecycle.h"
#include "pages/student_page.h"
#include "support/page_controller.h"
#include "support/scripted_messages.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace zev {
namespace {

using test::SkriptMeldungen;
using test::TempOrdner;
namespace fs = std::filesystem;

class SkriptSchuelerDialoge final : public SchuelerDialoge {
public:
    std::optional<std::vector<std::string>> auswahl;
    int ergebnisfenster = 0, gruppenfenster = 0;
    std::optional<std::vector<std::string>> UEAuswaehlen() override { return auswahl; }
    void Ergebnisfenster() override { ++ergebnisfenster; }
    void Gruppenfenster() override { ++gruppenfenster; }
};

const std::string kZuViele =
    "Für Schüler (und Klassen) werden nur 25 unterstützt!\r\rWenden Sie sich bei Bedarf an den Programmautor!";

class StudentPage : public ::testing::Test {
protected:
    void SetUp() override {
        st = test::SeitenSteuerung(prog, m);
        seite = std::make_unique<SchuelerSeitenLogik>(*st, dialoge, m);
        InitSchueler(Puffer(), "54321");
    }
    TSchuelerDS& Puffer() { return st->Daten().Schueler.Puffer; }
    SchuelerSeite& S() { return seite->Seite(); }
    const SchuelerListen& L() const { return seite->Listen(); }
    std::vector<std::string> UEIds() const {
        std::vector<std::string> v;
        for (const auto& z : seite->Seite().ue.zeilen) v.push_back(z[1]);
        return v;
    }
    static std::vector<std::string> Nummern(int von, int bis) {
        std::vector<std::string> v;
        for (int k = von; k <= bis; ++k) v.push_back(std::to_string(k));
        return v;
    }
    void UEsSetzen(TSchuelerDS& r, int anzahl) {
        for (int k = 1; k <= anzahl; ++k) {
            r.Jahrgangsdaten.Unterrichtseinheit[k].UE_ID = std::to_string(k);
            r.Jahrgangsdaten.Unterrichtseinheit[k].Nummer = static_cast<std::uint16_t>(k);
        }
    }
    void KlasseAnlegen(const char* name, std::initializer_list<const char*> ues) {
        TKlasseDS k{};
        InitKlasse(k, "54321");
        k.Klassenname = name;
        int i = 0;
        for (const char* ue : ues) k.Unterrichtseinheit[++i].UE_ID = ue;
        st->Daten().Klassen.DB.push_back(k);
    }

    TempOrdner prog;
    SkriptMeldungen m;
    SkriptSchuelerDialoge dialoge;
    std::unique_ptr<Steuerung> st;
    std::unique_ptr<SchuelerSeitenLogik> seite;
};

TEST_F(StudentPage, IdZeroShowsTwoQuestionMarksAndTheHeadNameAndClass) {
    Puffer().ID = 0;
    Puffer().Grunddaten.Name = "M\xFCller";
    Puffer().Grunddaten.Vorname = "Jan";
    Puffer().Jahrgangsdaten.Klasse = "5a";
    seite->Zeigen();
    EXPECT_EQ(S().id, " ??");
    EXPECT_EQ(S().anzeigeName, "Müller, Jan");
    EXPECT_EQ(S().anzeigeKlasse, "5a");
    Puffer().ID = 812;
    seite->Zeigen();
    EXPECT_EQ(S().id, "812");
}

TEST_F(StudentPage, MovingFromAStudentWithUnitsToOneWithoutShowsAnEmptyGridAndSumZero) {
    TSchuelerDS mit = Puffer();
    UEsSetzen(mit, 12);
    seite->ShowStudent(mit);
    EXPECT_EQ(S().ue.Zeilen(), 12);
    EXPECT_EQ(S().stundensumme.text, "23,5");
    EXPECT_EQ(S().ue.zeilen[1][0], "[2] ;  -???-;  -???-; ;  -???-;  -???-; 1,5 Std.; ");
    seite->ShowStudent(Puffer()); // every unit (0, "0") as made new
    EXPECT_EQ(UEIds(), std::vector<std::string>(10, ""));
    EXPECT_EQ(S().ue.zeilen[1][0], "");
    EXPECT_EQ(S().stundensumme.text, "0");
}

TEST_F(StudentPage, AddressPlacePickFillsPlzWohnortAndGemeinde) {
    seite->Zeigen();
    const int goerlitz = KomboIndexVonSchluessel(L().gemeinden, "02826");
    ASSERT_GT(goerlitz, 0);
    seite->AnschriftOrtGewaehlt(goerlitz);
    EXPECT_EQ(S().plz, "02826");
    EXPECT_EQ(S().wohnort, "Görlitz");
    EXPECT_EQ(S().gemeinde, "14626110");
    S().strasse = "Am Markt 1";
    seite->Uebernehmen();
    EXPECT_EQ(Puffer().Grunddaten.Anschrift.PLZ.str(), "02826");
    EXPECT_EQ(Puffer().Grunddaten.Anschrift.Wohnort.str(), "G\xF6rlitz");
    EXPECT_EQ(Puffer().Grunddaten.Anschrift.Gemeinde.str(), "14626110");
    seite->Zeigen();
    EXPECT_EQ(S().anschriftOrt, goerlitz);
    EXPECT_EQ(S().anschriftBundesland, 0);

    // Another state or country puts its key into Gemeinde and is found by it again.
    seite->AnschriftBundeslandGewaehlt(KomboIndexVonSchluessel(L().bundeslaender, "08"));
    EXPECT_EQ(S().gemeinde, "08");
    EXPECT_EQ(S().plz, "02826");
    seite->Uebernehmen();
    seite->Zeigen();
    EXPECT_EQ(L().bundeslaender.texte[static_cast<std::size_t>(S().anschriftBundesland)],
              "Baden-Württemberg; [08]; BW");
    seite->AnschriftLandGewaehlt(KomboIndexVonSchluessel(L().staat, "040"));
    EXPECT_EQ(S().gemeinde, "040");
}

TEST_F(StudentPage, ABundeslandForTheTrainingPlaceResetsTheOtherTwoCombos) {
    seite->Zeigen();
    const int erfurt = KomboIndexVonSchluessel(L().gemeinden, "99085");
    seite->AusbildungOrtGewaehlt(erfurt);
    EXPECT_EQ(S().standort, "16051000");
    EXPECT_EQ(S().standortName, "Erfurt");
    seite->AusbildungLandGewaehlt(KomboIndexVonSchluessel(L().staat, "616"));
    EXPECT_EQ(S().ausbildungOrt, 0);
    EXPECT_EQ(S().standort, "616");
    EXPECT_EQ(S().standortName, "Polen");

    const int bayern = KomboIndexVonSchluessel(L().bundeslaender, "09");
    seite->AusbildungBundeslandGewaehlt(bayern);
    EXPECT_EQ(S().ausbildungBundesland, bayern);
    EXPECT_EQ(S().ausbildungOrt, 0);
    EXPECT_EQ(S().ausbildungLand, 0);
    seite->Uebernehmen();
    EXPECT_EQ(Puffer().Ausbildung.Standort.str(), "09");
    EXPECT_EQ(Puffer().Ausbildung.Standort_Text.str(), "Bayern");

    // A place within the state is found again by its name: the first Erfurt.
    seite->AusbildungOrtGewaehlt(erfurt);
    seite->Uebernehmen();
    seite->Zeigen();
    EXPECT_EQ(S().ausbildungOrt, KomboIndexVonSchluessel(L().gemeinden, "99084"));
    EXPECT_EQ(S().ausbildungBundesland, 0);
    EXPECT_EQ(S().ausbildungLand, 0);
}

TEST_F(StudentPage, UEGroupComesFromTheClassWithExactlyThatName) {
    KlasseAnlegen("5a", {"3", "4", "", "7"});
    UEsSetzen(Puffer(), 3);
    seite->Zeigen();
    S().klasse = "5A";
    seite->UEGruppeHinzufuegen();
    EXPECT_EQ(m.Texte(), std::vector<std::string>{"Es wurde keine Klasse: 5A in der Klassen-Datenbank "
                                                  "gefunden!\r\rPrüfen Sie die exakte Schreibweise!"});
    EXPECT_EQ(Puffer().Jahrgangsdaten.Klasse.str(), "5A"); // written before the search
    EXPECT_EQ(UEIds()[3], "");

    S().klasse = "5a";
    seite->UEGruppeHinzufuegen();
    EXPECT_EQ(m.gezeigt.size(), 1u); // a unit already there is skipped silently
    EXPECT_EQ(UEIds(), (std::vector<std::string>{"1", "2", "3", "4", "7", "", "", "", "", ""}));
    EXPECT_EQ(S().ue.zeilen[4][0], "[7] ;  -???-;  -???-; ;  -???-;  -???-; 2 Std.; ");
    EXPECT_EQ(S().stundensumme.text, "9,5");
}

TEST_F(StudentPage, UEGroupFillsUpToTwentyFiveRowsAndPlacesNoMore) {
    KlasseAnlegen("10b", {"30", "31", "32"});
    UEsSetzen(Puffer(), 23);
    seite->Zeigen();
    S().klasse = "10b";
    seite->UEGruppeHinzufuegen();
    EXPECT_EQ(S().ue.Zeilen(), 25);
    EXPECT_EQ(UEIds()[23], "30");
    EXPECT_EQ(UEIds()[24], "31");
    EXPECT_TRUE(m.gezeigt.empty());
}

TEST_F(StudentPage, ForeignLanguagesAreStoredAsTypedGapsIncludedWithTheirDescription) {
    seite->Zeigen();
    CodeRaster& f = S().fremdsprachen;
    ASSERT_TRUE(ZelleAusKombo(f, 0, 1, KomboIndexVonSchluessel(L().erwerb, "1")));
    ZelleAusKombo(f, 0, 2, KomboIndexVonSchluessel(L().sprache, "eng"));
    ZelleAusKombo(f, 0, 3, KomboIndexVonSchluessel(L().sprachArt, "PF"));
    ZelleSetzen(f, 2, 2, "fra");
    ZelleSetzen(f, 3, 1, "--");
    EXPECT_EQ(f.zeilen[0][0], " 1. Fremdsprache; Englisch; Pflichtfremdsprache");
    EXPECT_EQ(f.zeilen[2][0], "; Französisch");
    EXPECT_EQ(f.zeilen[3][0], "");
    seite->Uebernehmen();
    const auto& r = Puffer().Fremdsprachen;
    EXPECT_EQ(r[1].Erwerb.str() + r[1].Sprache.str() + r[1].Art.str(), "1engPF");
    EXPECT_TRUE(r[2].Erwerb.empty() && r[2].Sprache.empty() && r[2].Art.empty());
    EXPECT_EQ(r[3].Sprache.str(), "fra");
    EXPECT_EQ(r[4].Erwerb.str(), "--");
    seite->Zeigen();
    EXPECT_EQ(f.zeilen[2][2], "fra");
    EXPECT_EQ(f.zeilen[1][2], "");
}

TEST_F(StudentPage, ThirtyChosenUnitsGiveTwentyFiveAndOneMessage) {
    seite->Zeigen();
    dialoge.auswahl = Nummern(1, 30);
    seite->UE().Hinzufuegen();
    EXPECT_EQ(m.Texte(), std::vector<std::string>{kZuViele});
    EXPECT_EQ(UEIds(), Nummern(1, 25));
    seite->Uebernehmen();
    EXPECT_EQ(Puffer().Jahrgangsdaten.Unterrichtseinheit[25].UE_ID.str(), "25");
    EXPECT_EQ(Puffer().Jahrgangsdaten.Unterrichtseinheit[25].Nummer.get(), 25);

    // Units already there are named before the limit, as on the class page.
    m.Antworten({true});
    seite->UE().AlleLoeschen();
    dialoge.auswahl = Nummern(1, 2);
    seite->UE().Hinzufuegen();
    m.gezeigt.clear();
    dialoge.auswahl = Nummern(1, 30);
    seite->UE().Hinzufuegen();
    EXPECT_EQ(m.Texte(), (std::vector<std::string>{"Unterrichtseinheit 1 ist schon in Zeile: 1 vorhanden!",
                                                   "Unterrichtseinheit 2 ist schon in Zeile: 2 vorhanden!", kZuViele}));
}

TEST_F(StudentPage, BirthDateTypedOverTheCenturyIsTakenAnImpossibleOneRefused) {
    Puffer().Grunddaten.Geburtsdatum = "";
    seite->Zeigen();
    EXPECT_EQ(S().geburtsdatum.text, "  .  .19  ");
    DatumEingeben(S().geburtsdatum, "15.03.2014");
    seite->Uebernehmen();
    EXPECT_EQ(Puffer().Grunddaten.Geburtsdatum.str(), "15.03.2014");
    EXPECT_TRUE(m.gezeigt.empty());
    DatumEingeben(S().geburtsdatum, "29.02.2001");
    seite->Uebernehmen();
    EXPECT_EQ(m.gezeigt,
              (std::vector<test::Gezeigt>{
                  {MeldungsArt::Fehler, "Bitte geben Sie das Geburtsdatum entsprechend dem Format ein!", Tasten::Ok}}));
    EXPECT_EQ(S().geburtsdatum.text, "15.03.2014");
    EXPECT_EQ(Puffer().Grunddaten.Geburtsdatum.str(), "15.03.2014");
}

// Which field each box fills is the business of the show/collect property test.
TEST_F(StudentPage, CollectTakesTheSettingsSchoolNumberAndCutsTexts) {
    Puffer().Schulnummer = "99999";
    seite->Zeigen();
    S().name = std::string(33, 'N');
    S().schuelernummer = "S-0001-ABCDEF";
    S().klasse = "7c";
    ZelleSetzen(S().ue, 0, 1, "A7");
    seite->Uebernehmen();
    const TSchuelerDS& r = Puffer();
    EXPECT_EQ(r.Schulnummer.str(), "54321");
    EXPECT_EQ(r.Grunddaten.Name.str(), std::string(30, 'N'));
    EXPECT_EQ(r.Schuelernummer.str(), "S-0001-ABC");
    // A typed unit that is no whole number keeps its text with number 0.
    EXPECT_EQ(r.Jahrgangsdaten.Unterrichtseinheit[1].UE_ID.str(), "A7");
    EXPECT_EQ(r.Jahrgangsdaten.Unterrichtseinheit[1].Nummer.get(), 0);
    EXPECT_EQ(S().anzeigeKlasse, "7c");
}

TEST_F(StudentPage, DeleteAllEmptiesAllTwentyFiveElements) {
    UEsSetzen(Puffer(), 25);
    seite->Zeigen();
    m.Antworten({false});
    seite->UE().AlleLoeschen();
    EXPECT_EQ(S().ue.Zeilen(), 25);
    m.Antworten({true});
    seite->UE().AlleLoeschen();
    EXPECT_EQ(m.Texte().back(),
              "Wollen Sie jetzt alle eingetragenen UnterrichtsEinheiten\rfür diesen Schüler löschen?");
    EXPECT_EQ(UEIds(), std::vector<std::string>(9, ""));
    EXPECT_EQ(S().stundensumme.text, "0");
    seite->Uebernehmen();
    for (int k = 1; k <= 25; ++k) {
        EXPECT_EQ(Puffer().Jahrgangsdaten.Unterrichtseinheit[k].UE_ID.str(), "0") << k;
        EXPECT_EQ(Puffer().Jahrgangsdaten.Unterrichtseinheit[k].Nummer.get(), 0) << k;
    }
}

TEST_F(StudentPage, ButtonsSpeakOfTheStudentWithTheirExactTexts) {
    UEsSetzen(Puffer(), 24);
    seite->Zeigen();
    seite->UE().LeereZeile();
    EXPECT_EQ(S().ue.Zeilen(), 25);
    seite->UE().LeereZeile();
    S().ue.fokusZeile = 2;
    seite->UE().Loeschen(); // answered No
    S().ue.fokusZeile = -1;
    seite->UE().Loeschen();
    EXPECT_EQ(m.gezeigt,
              (std::vector<test::Gezeigt>{
                  {MeldungsArt::Fehler,
                   "Derzeit können pro Schüler nur 25\rUnterrichtsEinheiten benutzt werden.\r\rWenden Sie bei Bedarf "
                   "an den Programmautor!",
                   Tasten::Ok},
                  {MeldungsArt::Frage, "Wollen Sie die Unterrichtseinheit:\r3\rjetzt bei diesem Schüler löschen?",
                   Tasten::JaNein},
                  {MeldungsArt::Fehler, "Es wurde keine Zeile ausgewählt!", Tasten::Ok}}));
    EXPECT_EQ(UEIds()[2], "3");
    EXPECT_EQ(S().ue.spalten[1].ueberschrift, "UE_ID");
}

TEST_F(StudentPage, SubPageChangeRenewsTheLanguageDescriptions) {
    seite->Zeigen();
    S().fremdsprachen.zeilen[1][2] = "lat"; // as a typed cell leaves it before the refresh
    S().fremdsprachen.fokusZeile = 4;
    seite->UnterseiteGewechselt(kSchuelerFremdsprachenSeite);
    EXPECT_EQ(S().fremdsprachen.zeilen[1][0], "; Latein");
    EXPECT_EQ(S().fremdsprachen.fokusZeile, 0);
}

// "diesen Schüler prüfen" takes the sheet into the list and checks it; the group
// run stores every student's counts, the open sheet's buffer included.
TEST_F(StudentPage, ChecksStoreTheSheetAndTheGroupRunCountsEveryStudent) {
    st->Einstellungen().SchwelleSchueler = 0;
    seite->Zeigen();
    S().name = "Geprueft";
    EXPECT_EQ(seite->Pruefen(), PruefAusgang::Fenster);
    EXPECT_EQ(dialoge.ergebnisfenster, 1);
    EXPECT_EQ(st->Plausi().Code(409), 1);
    EXPECT_EQ(st->Plausi().Code(412), 4); // no first name
    EXPECT_EQ(st->Daten().Schueler.DB[0].Grunddaten.Name.str(), "Geprueft");
    EXPECT_EQ(st->SchuelerListe().Eintraege()[0].rfind("Geprueft", 0), 0u) << st->SchuelerListe().Eintraege()[0];

    EXPECT_EQ(seite->GrossePlausi(), PruefAusgang::Fenster);
    EXPECT_EQ(dialoge.gruppenfenster, 1);
    EXPECT_EQ(st->Plausi().Gruppenart, kGruppenartSchueler);
    const int fehler = st->Daten().Schueler.DB[0].Fehler.get();
    EXPECT_GT(fehler, 0);
    EXPECT_EQ(Puffer().Fehler.get(), fehler);
}

} // namespace
} // namespace zev
