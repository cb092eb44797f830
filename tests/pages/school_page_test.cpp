#include "control/lifecycle.h"
#include "model/encoding.h"
#include "pages/school_page.h"
#include "support/page_controller.h"
#include "support/scripted_messages.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>

namespace zev {
namespace {

using test::SkriptMeldungen;
using test::TempOrdner;
namespace fs = std::filesystem;

// Dialog answers from queues: a school-type key (nullopt = "Abbrechen"), or a
// change to the lesson-unit buffer (nullptr = "abbrechen").
class SkriptDialoge final : public SchulDialoge {
public:
    std::deque<std::optional<std::string>> schularten;
    std::deque<std::function<void(TUnterrichtseinheitDS&)>> einheiten;
    std::vector<std::string> titel;
    std::vector<TUnterrichtseinheitDS> gesehen;
    int ergebnisfenster = 0;

    std::optional<std::string> NeueSchulart() override {
        titel.push_back(kTitelNeueSchulart);
        if (schularten.empty()) return std::nullopt;
        auto a = schularten.front();
        schularten.pop_front();
        return a;
    }
    bool Unterrichtseinheit(TUnterrichtseinheitDS& puffer, std::string_view t) override {
        titel.emplace_back(t);
        gesehen.push_back(puffer);
        if (einheiten.empty()) return false;
        auto f = einheiten.front();
        einheiten.pop_front();
        if (!f) return false;
        f(puffer);
        return true;
    }
    void Ergebnisfenster() override { ++ergebnisfenster; }
};

std::function<void(TUnterrichtseinheitDS&)> Einheit(const char* schulart, const char* jahrgang, const char* klasse,
                                                    const char* fach, const char* stunden, const char* lehrer) {
    return [=](TUnterrichtseinheitDS& u) {
        u.Schulart = schulart;
        u.Jahrgang = jahrgang;
        u.Klasse = klasse;
        u.Fach = fach;
        u.Kurs = "KL";
        u.Stunden = stunden;
        u.Lehrer = lehrer;
    };
}

void SetzeUE(TSchuleDS& s, int k, int id, const char* klasse, const char* fach, const char* lehrer) {
    auto& u = s.Unterrichtseinheit[k];
    u.UE_ID = id;
    u.UE_ID_Text = std::to_string(id);
    u.Schulart = "01";
    u.Jahrgang = "01";
    u.Klasse = klasse;
    u.Fach = fach;
    u.Kurs = "KL";
    u.Stunden = "4";
    u.Lehrer = lehrer;
}

class SchoolPage : public ::testing::Test {
protected:
    void SetUp() override {
        test::KatalogeKopieren(prog);
        st = std::make_unique<Steuerung>(prog.Pfad(), m);
        st->Erstellen();
        st->Gezeigt();
        ASSERT_TRUE(m.gezeigt.empty()) << m.Texte()[0];
        seite = std::make_unique<SchulSeitenLogik>(*st, dialoge, m);
    }
    TSchuleDS& Schule() { return st->Daten().SchulDS; }
    SchulSeite& S() { return seite->Seite(); }
    std::vector<std::string> Schluesselspalte() const {
        std::vector<std::string> k;
        for (const auto& z : seite->Seite().schularten.zeilen) k.push_back(z[1]);
        return k;
    }

    TempOrdner prog;
    SkriptMeldungen m;
    SkriptDialoge dialoge;
    std::unique_ptr<Steuerung> st;
    std::unique_ptr<SchulSeitenLogik> seite;
};

// --- show and collect ----------------------------------------------------------------------

// Which field each box fills is the business of the show/collect property test.
TEST_F(SchoolPage, SchoolTypeGapsCloseAndTextsAreCutToTheirWidth) {
    TSchuleDS& s = Schule();
    s.Schuldaten.Schulart[1] = "01";
    s.Schuldaten.Schulart[3] = "04"; // a gap in the record closes up
    seite->ShowSchool(s);
    EXPECT_EQ(Schluesselspalte(), (std::vector<std::string>{"01", "04"}));
    EXPECT_EQ(S().schularten.zeilen[1][0], "Gymnasium");
    S().strasse = std::string(45, 'x');
    S().leiterTitel = "Prof. Dr. Dr."; // 13 characters into 10
    seite->CollectSchool(s);
    EXPECT_EQ(s.Schuldaten.Schulart[2].str(), "04");
    EXPECT_TRUE(s.Schuldaten.Schulart[3].empty());
    EXPECT_EQ(s.freie_Traeger.Strasse.str(), std::string(40, 'x'));
    EXPECT_EQ(s.freie_Traeger.Schulleiter.Titel.str(), "Prof. Dr. ");
    EXPECT_TRUE(m.gezeigt.empty());
}

TEST_F(SchoolPage, EmptyNonEnrolmentShowsKeyOneWithTheFirstCatalogueEntrysName) {
    seite->ShowSchool(Schule());
    EXPECT_EQ(S().nichteinschulung.zeilen[0],
              (std::vector<std::string>{"Zurückstellung vom Schulbesuch", "1", "", ""}));
    // Only the first catalogue entry is consulted.
    ZelleSetzen(S().nichteinschulung, 0, 1, "2");
    EXPECT_EQ(S().nichteinschulung.zeilen[0][0], "");
    std::vector<int> breiten;
    for (const auto& sp : S().nichteinschulung.spalten) breiten.push_back(sp.breite);
    EXPECT_EQ(breiten, (std::vector<int>{200, 50, 60, 60}));
}

TEST_F(SchoolPage, OrganisationForm41ShowsNennungAndHidingKeepsTheText) {
    seite->ShowSchool(Schule());
    seite->OrgformGewaehlt(KomboIndexVonSchluessel(seite->Listen().orgform, "41"));
    EXPECT_EQ(S().orgform.schluessel, "41");
    EXPECT_TRUE(S().nennungSichtbar);
    S().orgformText = "Verbund mit Förderzentrum";
    seite->OrgformSchluesselGeaendert("10");
    EXPECT_FALSE(S().nennungSichtbar);
    seite->CollectSchool(Schule());
    EXPECT_EQ(Schule().Schuldaten.Orgform.str(), "10");
    EXPECT_EQ(Schule().Schuldaten.Orgform_Text.str(), "Verbund mit F\xF6rderzentrum");
}

TEST_F(SchoolPage, PlacePickSetsPostcodeStandortAndGemeinde) {
    seite->ShowSchool(Schule());
    const int i = KomboIndexVonSchluessel(seite->Listen().gemeinden, "01129");
    ASSERT_GT(i, 0);
    seite->GemeindeGewaehlt(i);
    EXPECT_EQ(S().plz, "01129");
    EXPECT_EQ(S().standort, "Dresden");
    EXPECT_EQ(S().gemeinde, "14612000");
    seite->CollectSchool(Schule());
    seite->ShowSchool(Schule());
    EXPECT_EQ(S().gemeindeIndex, i);
}

// --- school types --------------------------------------------------------------------------

TEST_F(SchoolPage, DuplicateSchoolTypeNamesItsRowAndAddsNothing) {
    Schule().Schuldaten.Schulart[1] = "01";
    Schule().Schuldaten.Schulart[2] = "02";
    seite->ShowSchool(Schule());
    dialoge.schularten = {"02", std::nullopt, "", "03"};
    seite->NeueSchulart();
    EXPECT_EQ(m.Texte(), std::vector<std::string>{"Schulart ist schon in Zeile: 2 vorhanden!"});
    seite->NeueSchulart(); // "Abbrechen"
    seite->NeueSchulart(); // "Hinzufügen" with an empty key
    seite->NeueSchulart();
    EXPECT_EQ(Schluesselspalte(), (std::vector<std::string>{"01", "02", "03"}));
    EXPECT_EQ(S().schularten.zeilen[2][0], "Realschule");
    EXPECT_EQ(m.gezeigt.size(), 1u);
}

TEST_F(SchoolPage, DeletingASchoolTypeByKeyAsksWithItsNameAndByRowWithTheRow) {
    for (int i = 1; i <= 3; ++i) Schule().Schuldaten.Schulart[i] = "0" + std::to_string(i);
    seite->ShowSchool(Schule());
    S().schulartSchluessel = "02";
    m.Antworten({true});
    seite->SchulartLoeschen();
    EXPECT_EQ(m.Texte().back(), "Wollen Sie die Schulart:\r02  ==>  Hauptschule\rjetzt löschen?");
    EXPECT_EQ(Schluesselspalte(), (std::vector<std::string>{"01", "03"}));
    EXPECT_EQ(S().schulartSchluessel, "");

    S().schularten.fokusZeile = 1;
    m.Antworten({false});
    seite->SchulartLoeschen();
    EXPECT_EQ(m.Texte().back(), "Wollen Sie in Zeile 2 die Schulart:\rRealschule\rjetzt löschen?");
    EXPECT_EQ(Schluesselspalte().size(), 2u);
    m.Antworten({true});
    seite->SchulartLoeschen();
    EXPECT_EQ(Schluesselspalte(), std::vector<std::string>{"01"});

    // A key that no row has: asked about, nothing deleted.
    S().schulartSchluessel = "X9";
    m.Antworten({true});
    seite->SchulartLoeschen();
    EXPECT_EQ(m.Texte().back(), "Wollen Sie die Schulart:\rX9  ==>   -???-; []\rjetzt löschen?");
    EXPECT_EQ(Schluesselspalte(), std::vector<std::string>{"01"});
}

TEST_F(SchoolPage, MoreThanTwentySchoolTypesAreReportedAndTheRestDropped) {
    seite->ShowSchool(Schule());
    for (int i = 0; i < 21; ++i) ZeileAnhaengen(S().schularten)[1] = std::to_string(10 + i);
    ZeileAnhaengen(S().schularten); // an empty key is skipped, not counted
    seite->CollectSchool(Schule());
    EXPECT_EQ(m.Texte(), std::vector<std::string>{"Leider ist derzeit nur für 20\rSchularten Speicherplatz "
                                                  "vorgesehen!\r\rWenden Sie sich wegen eines Updates an den "
                                                  "Programmautor!"});
    EXPECT_EQ(Schule().Schuldaten.Schulart[20].str(), "29");
    // Adding a 21st through the dialog is refused at once.
    seite->ShowSchool(Schule());
    dialoge.schularten = {"01"};
    seite->NeueSchulart();
    EXPECT_EQ(m.gezeigt.size(), 2u);
    EXPECT_EQ(S().schularten.Zeilen(), 20);
}

TEST_F(SchoolPage, MoreThanOneNonEnrolmentRowIsReported) {
    seite->ShowSchool(Schule());
    ZeileAnhaengen(S().nichteinschulung)[1] = "3";
    seite->CollectSchool(Schule());
    EXPECT_EQ(m.Texte(), std::vector<std::string>{"Leider ist derzeit nur für 1\rNichteinschulungsart(en) "
                                                  "Speicherplatz vorgesehen!\r\rWenden Sie sich wegen eines "
                                                  "Updates an den Programmautor!"});
    EXPECT_EQ(Schule().Nichteinschulung[1].Art.str(), ""); // the key "1" of an empty entry is only offered
}

// --- lesson units ------------------------------------------------------------------------

TEST_F(SchoolPage, NewUnitGetsTheSmallestFreeIdAndKeepsThePreviousTeacher) {
    SetzeUE(Schule(), 1, 1, "1a", "010", "L1");
    SetzeUE(Schule(), 2, 3, "1a", "020", "L1");
    seite->ShowSchool(Schule());
    dialoge.einheiten = {Einheit("01", "01", "1b", "010", "5", "L7"), nullptr};
    seite->NeueUE();
    ASSERT_EQ(S().ue.Zeilen(), 3);
    EXPECT_EQ(dialoge.titel[0], "neue Unterrichtseinheit definieren ...");
    EXPECT_EQ(dialoge.gesehen[0].UE_ID.get(), 2);
    EXPECT_EQ(S().ue.zeilen[2][UE_Nr], "3");
    EXPECT_EQ(S().ue.zeilen[2][UE_ID_Spalte], "2");
    EXPECT_EQ(S().ue.zeilen[2][UE_Lehrer], "L7");
    EXPECT_EQ(S().ue.fokusZeile, 2);
    seite->NeueUE(); // cancelled: the next buffer had the teacher as default, nothing added
    EXPECT_EQ(dialoge.gesehen[1].UE_ID.get(), 4);
    EXPECT_EQ(dialoge.gesehen[1].Lehrer.str(), "L7");
    EXPECT_TRUE(dialoge.gesehen[1].Klasse.empty());
    EXPECT_EQ(S().ue.Zeilen(), 3);

    seite->CollectSchool(Schule());
    EXPECT_EQ(Schule().Unterrichtseinheit[3].UE_ID.get(), 2);
    EXPECT_EQ(Schule().Unterrichtseinheit[3].Klasse.str(), "1b");
    EXPECT_EQ(Schule().Unterrichtseinheit[4].UE_ID.get(), 0);
}

TEST_F(SchoolPage, UnitEqualInAllButTheTeacherIsRefusedWithItsRow) {
    SetzeUE(Schule(), 1, 1, "1a", "010", "L1");
    SetzeUE(Schule(), 2, 2, "1a", "020", "L1");
    seite->ShowSchool(Schule());
    auto gleich = Einheit("01", "01", "1a", "020", "4", "L9");
    dialoge.einheiten = {gleich};
    seite->NeueUE();
    EXPECT_EQ(m.Texte(), std::vector<std::string>{"Unterrichteinheit ist schon in Zeile: 2 vorhanden!"});
    EXPECT_EQ(S().ue.Zeilen(), 2);
}

TEST_F(SchoolPage, EditingByIdOrSelectedRowWritesTheDialogsFieldsBack) {
    SetzeUE(Schule(), 1, 5, "1a", "010", "L1");
    SetzeUE(Schule(), 2, 9, "2a", "020", "L1");
    Schule().Unterrichtseinheit[2].Fach_Text = "eigener Text";
    seite->ShowSchool(Schule());
    S().ueId = "9";
    dialoge.einheiten = {[](TUnterrichtseinheitDS& u) { u.Klasse = "2b"; }};
    seite->UEBearbeiten();
    EXPECT_EQ(dialoge.titel.back(), "UnterrichtsEinheit bearbeiten ...");
    EXPECT_EQ(S().ue.zeilen[1][UE_Klasse], "2b");
    S().ueId = "";
    S().ue.fokusZeile = 0;
    dialoge.einheiten = {nullptr};
    seite->UEBearbeiten();
    EXPECT_EQ(dialoge.gesehen.back().UE_ID.get(), 5);
    seite->CollectSchool(Schule());
    EXPECT_EQ(Schule().Unterrichtseinheit[2].Klasse.str(), "2b");
    EXPECT_EQ(Schule().Unterrichtseinheit[2].Fach_Text.str(), "eigener Text"); // kept through the page
    S().ueId = "77";
    seite->UEBearbeiten();
    EXPECT_EQ(m.Texte(),
              std::vector<std::string>{"Keine passende UnterrichtsEinheit\rmit dem Schlüssel: 77 gefunden!"});
}

TEST_F(SchoolPage, DeletingUnitsAsksWithDescriptionAndWarningAndRenumbers) {
    SetzeUE(Schule(), 1, 1, "1a", "010", "L1");
    SetzeUE(Schule(), 2, 2, "1b", "020", "L1");
    SetzeUE(Schule(), 3, 3, "1c", "030", "L1");
    seite->ShowSchool(Schule());
    const std::string beschreibung = S().ue.zeilen[1][UE_Beschreibung];
    S().ueId = "2";
    m.Antworten({true});
    seite->UELoeschen();
    EXPECT_EQ(m.Texte().back(), "Wollen Sie die Unterrichtseinheit:2  ==>  \r" + beschreibung +
                                    "\rjetzt löschen?\r\rBeachten Sie unbedingt, dass diese Unterrichtseinheit dann "
                                    "nicht mehr\rfür Schüler und Lehrer benutzt werden darf und kann!");
    ASSERT_EQ(S().ue.Zeilen(), 2);
    EXPECT_EQ(S().ue.zeilen[1][UE_ID_Spalte], "3");
    EXPECT_EQ(S().ue.zeilen[1][UE_Nr], "2");

    S().ueId = "";
    S().ue.fokusZeile = 0;
    const std::string erste = S().ue.zeilen[0][UE_Beschreibung];
    m.Antworten({false});
    seite->UELoeschen();
    EXPECT_EQ(m.Texte().back(), "Wollen Sie die Unterrichtseinheit:\r" + erste +
                                    "\rZeile: 1 jetzt löschen?\r\rBeachten Sie unbedingt, dass diese "
                                    "Unterrichtseinheit dann nicht mehr\rfür Schüler und Lehrer benutzt werden "
                                    "darf und kann!");
    EXPECT_EQ(S().ue.Zeilen(), 2);

    S().ueId = "42";
    seite->UELoeschen();
    EXPECT_EQ(m.Texte().back(), "Keine passende UnterrichtsEinheit\rmit dem Schlüssel: 42 gefunden!");
    S().ueId = "";
    S().ue.fokusZeile = -1;
    seite->UELoeschen();
    EXPECT_EQ(m.Texte().back(), "Keine eindeutige Zeile in der Tabelle\rder UnterrichtsEinheiten ausgewählt!");

    seite->CollectSchool(Schule());
    EXPECT_EQ(Schule().Unterrichtseinheit[1].UE_ID.get(), 1);
    EXPECT_EQ(Schule().Unterrichtseinheit[2].UE_ID.get(), 3);
    EXPECT_EQ(Schule().Unterrichtseinheit[3].UE_ID.get(), 0);
    EXPECT_TRUE(Schule().Unterrichtseinheit[3].Klasse.empty());
}

TEST_F(SchoolPage, IdenticalUnitsGoButUnitsDifferingOnlyInTheTeacherStay) {
    SetzeUE(Schule(), 1, 1, "1a", "010", "L1");
    SetzeUE(Schule(), 2, 1, "1a", "010", "L1"); // identical to unit 1
    SetzeUE(Schule(), 3, 1, "1a", "010", "L2"); // another teacher
    seite->ShowSchool(Schule());
    seite->IdentischeUEsLoeschen();
    ASSERT_EQ(S().ue.Zeilen(), 2);
    EXPECT_EQ(S().ue.zeilen[0][UE_Lehrer], "L1");
    EXPECT_EQ(S().ue.zeilen[1][UE_Lehrer], "L2");
    EXPECT_EQ(S().ue.zeilen[1][UE_Nr], "2");
}

TEST_F(SchoolPage, ThousandUnitsFillTheTableAndTheNextIsRefused) {
    for (int k = 1; k <= 1000; ++k) SetzeUE(Schule(), k, k, "1a", "010", "L1");
    seite->ShowSchool(Schule());
    EXPECT_EQ(S().ue.Zeilen(), 1000);
    dialoge.einheiten = {Einheit("01", "01", "9z", "010", "1", "L1")};
    seite->NeueUE();
    EXPECT_EQ(m.Texte(), std::vector<std::string>{"Leider ist derzeit nur für 1000\rUnterrichtseinheiten "
                                                  "Speicherplatz vorgesehen!\r\rWenden Sie sich wegen eines "
                                                  "Updates an den Programmautor!"});
    EXPECT_TRUE(dialoge.titel.empty()); // the dialog was not opened
    // More rows than the record holds (only the screen can have them): the first 1000 are taken.
    S().einheiten.push_back(S().einheiten[0]);
    S().ue.zeilen.push_back(S().ue.zeilen[0]);
    seite->CollectSchool(Schule());
    EXPECT_EQ(m.gezeigt.size(), 2u);
    EXPECT_EQ(Schule().Unterrichtseinheit[1000].UE_ID.get(), 1000);
}

TEST_F(SchoolPage, SortsAreStableAndPutFreeUnitsLast) {
    SetzeUE(Schule(), 2, 7, "2a", "020", "B");
    SetzeUE(Schule(), 4, 3, "1a", "010", "A");
    SetzeUE(Schule(), 5, 5, "1a", "030", "B");
    SetzeUE(Schule(), 6, 4, "10a", "020", "A");
    seite->ShowSchool(Schule());
    const auto ids = [&] {
        std::vector<int> v;
        for (int k = 1; k <= 6; ++k) v.push_back(Schule().Unterrichtseinheit[k].UE_ID.get());
        return v;
    };
    seite->Sortieren(UESortierung::NachID);
    EXPECT_EQ(ids(), (std::vector<int>{3, 4, 5, 7, 0, 0}));
    seite->Sortieren(UESortierung::NachKlasse); // byte order: "10a" < "1a" < "2a"; equal classes keep their order
    EXPECT_EQ(ids(), (std::vector<int>{4, 3, 5, 7, 0, 0}));
    seite->Sortieren(UESortierung::NachLehrer);
    EXPECT_EQ(ids(), (std::vector<int>{4, 3, 5, 7, 0, 0}));
    seite->Sortieren(UESortierung::NachFach);
    EXPECT_EQ(ids(), (std::vector<int>{3, 4, 7, 5, 0, 0}));
    EXPECT_EQ(S().ue.zeilen[3][UE_ID_Spalte], "5");
}

TEST_F(SchoolPage, DescriptionInBothOrdersLeavesOutUnknownCodes) {
    TUnterrichtseinheitDS u{};
    u.Schulart = "01";
    u.Jahrgang = "01";
    u.Klasse = "1a";
    u.Fach = "020";
    u.Kurs = "KL";
    u.Bilingual = "EN";
    u.Stunden = "4";
    u.Lehrer = "nicht da";
    const Kataloge& k = st->Katalogliste();
    EXPECT_EQ(UETabellenBeschreibung(u, k, st->LehrerAuswahl(), 1),
              "Mathematik; ++ bilingualer Sachfachunterricht Deutsch-Englisch; 1a; 4 Std.; Grundschule; "
              "Jahrgangsstufe 1; Klassenunterricht (kein Kurs)");
    EXPECT_EQ(UETabellenBeschreibung(u, k, st->LehrerAuswahl(), 2),
              "Grundschule; Jahrgangsstufe 1; 1a; Mathematik; Klassenunterricht (kein Kurs); ++ bilingualer "
              "Sachfachunterricht Deutsch-Englisch; 4 Std.");
    u.Fach = "";
    u.Bilingual = "";
    u.Schulart = "";
    EXPECT_EQ(UETabellenBeschreibung(u, k, st->LehrerAuswahl(), 1),
              "; 1a; 4 Std.; Jahrgangsstufe 1; Klassenunterricht (kein Kurs)");
}

TEST(UEBeschreibungsBreite, RestOfTheGridWhenOver100ElseFixed) {
    EXPECT_EQ(UEBeschreibungsBreite(1000), 1000 - 75 - 465);
    EXPECT_EQ(UEBeschreibungsBreite(641), 101);
    EXPECT_EQ(UEBeschreibungsBreite(640), 340);
    EXPECT_EQ(UEBeschreibungsBreite(0), 340);
    EXPECT_EQ(UEBeschreibungsBreite(1000, 600), 325); // wider columns of a larger font
    EXPECT_EQ(UEBeschreibungsBreite(775, 600), 340);
}

// --- collecting rebuilds the descriptions; the checks ---------------------------------------

TEST_F(SchoolPage, TakingThePageBackRebuildsTheLessonUnitDescriptions) {
    seite->Zeigen();
    dialoge.einheiten = {Einheit("01", "01", "3c", "010", "2", "")};
    seite->NeueUE();
    EXPECT_EQ(st->UEBeschreibungen().size(), 0u);
    seite->Uebernehmen();
    ASSERT_EQ(st->UEBeschreibungen().size(), 1u);
    EXPECT_EQ(st->UEBeschreibungen()[0], "[1] ; Grundschule; Jahrgangsstufe 1; 3c; Deutsch; Klassenunterricht (kein "
                                         "Kurs); 2 Std.; ");
}

TEST_F(SchoolPage, FreeCarrierCheckAsksFirstAndNoEndsTheRun) {
    seite->Zeigen();
    S().name = "geändert";
    EXPECT_EQ(seite->Pruefen(PruefKnopf::SchulFreieTraeger), PruefAusgang::Beendet);
    EXPECT_EQ(m.Texte(), std::vector<std::string>{"Diese Schule ist keine Schule in freier Trägerschaft!\r\rWollen "
                                                  "Sie die diesbezüglichen Daten trotzdem testen?"});
    EXPECT_EQ(Schule().freie_Traeger.Name.str(), "ge\xE4ndert"); // the page was taken first
    EXPECT_EQ(dialoge.ergebnisfenster, 0);
}

TEST_F(SchoolPage, FailingCheckOpensTheResultWindowAndAPassingOneConfirms) {
    seite->Zeigen();
    EXPECT_EQ(seite->Pruefen(PruefKnopf::SchulGrunddaten), PruefAusgang::Fenster); // no school type, no form
    EXPECT_EQ(dialoge.ergebnisfenster, 1);
    EXPECT_EQ(st->Plausi().Testergebnis[106], 5);

    S().schularten.zeilen.clear();
    ZeileAnhaengen(S().schularten)[1] = "01";
    seite->OrgformGewaehlt(KomboIndexVonSchluessel(seite->Listen().orgform, "10"));
    CodeFeldGewaehlt(S().ganztag, seite->Listen().ganztag, 1);
    ZelleSetzen(S().nichteinschulung, 0, 2, "1");
    EXPECT_EQ(seite->Pruefen(PruefKnopf::SchulGrunddaten), PruefAusgang::Bestaetigt);
    EXPECT_EQ(m.Texte(), std::vector<std::string>{"Die Schul-Grunddaten wurden erfolgreich getestet!"});
    EXPECT_EQ(dialoge.ergebnisfenster, 1);
}

} // namespace
} // namespace zev
