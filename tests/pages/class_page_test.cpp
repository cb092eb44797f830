#include "control/lifecycle.h"
#include "model/ids.h"
#include "pages/class_dialogs.h"
#include "pages/class_page.h"
#include "support/page_controller.h"
#include "support/scripted_messages.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace zev {
namespace {

using test::Gezeigt;
using test::SkriptMeldungen;
using test::TempOrdner;
namespace fs = std::filesystem;

class SkriptKlassenDialoge final : public KlassenDialoge {
public:
    std::optional<std::string> besonderheit;
    std::optional<std::vector<std::string>> auswahl;
    std::optional<std::string> NeueKlassenbesonderheit() override { return besonderheit; }
    int ergebnisfenster = 0, gruppenfenster = 0;
    std::optional<std::vector<std::string>> UEAuswaehlen() override { return auswahl; }
    void Ergebnisfenster() override { ++ergebnisfenster; }
    void Gruppenfenster() override { ++gruppenfenster; }
};

class ClassPage : public ::testing::Test {
protected:
    void SetUp() override {
        test::KatalogeKopieren(prog);
        st = std::make_unique<Steuerung>(prog.Pfad(), m);
        st->Erstellen();
        st->Einstellungen().Schulnummer = "54321";
        st->Einstellungen().UELoeschenOhneFrage = 0;
        seite = std::make_unique<KlassenSeitenLogik>(*st, dialoge, m);
        for (int k = 1; k <= 40; ++k) {
            auto& u = st->Daten().SchulDS.Unterrichtseinheit[k];
            u.UE_ID = k;
            u.UE_ID_Text = std::to_string(k);
            u.Stunden = "2";
        }
        st->UEBeschreibungenNeu();
    }
    TKlasseDS& Puffer() { return st->Daten().Klassen.Puffer; }
    KlassenSeite& S() { return seite->Seite(); }
    std::vector<std::string> Spalte(const CodeRaster& r, int spalte) const {
        std::vector<std::string> v;
        for (const auto& z : r.zeilen) v.push_back(z[static_cast<std::size_t>(spalte)]);
        return v;
    }
    void UE(int k, const char* id) {
        Puffer().Unterrichtseinheit[k].UE_ID = id;
        Puffer().Unterrichtseinheit[k].Nummer = KlassenUENummer(id);
    }
    void Fehler(const std::string& text) {
        EXPECT_EQ(m.gezeigt.back(), (Gezeigt{MeldungsArt::Fehler, text, Tasten::Ok}));
    }
    void Frage(std::size_t i, const std::string& text) {
        ASSERT_LT(i, m.gezeigt.size());
        EXPECT_EQ(m.gezeigt[i], (Gezeigt{MeldungsArt::Frage, text, Tasten::JaNein}));
    }

    TempOrdner prog;
    SkriptMeldungen m;
    SkriptKlassenDialoge dialoge;
    std::unique_ptr<Steuerung> st;
    std::unique_ptr<KlassenSeitenLogik> seite;
};

TEST_F(ClassPage, ShowPutsNameIdSpecialtiesAndUnitsOnTheSheets) {
    Puffer().ID = 0;
    Puffer().Klassenname = "7b M\xFC";
    Puffer().Klassenbesonderheit[2] = "05";
    UE(1, "4");
    UE(3, "12");
    Puffer().Unterrichtseinheit[2].UE_ID = "9"; // number 0: not shown
    seite->Zeigen();
    EXPECT_EQ(S().id, "0");
    EXPECT_EQ(S().klassenname, "7b Mü");
    EXPECT_EQ(Spalte(S().besonderheiten, 1), (std::vector<std::string>{"05", "", ""}));
    EXPECT_EQ(Spalte(S().besonderheiten, 0), (std::vector<std::string>{"Sportklasse", "", ""}));
    EXPECT_EQ(S().besonderheiten.spalten[0].ueberschrift, "Klassenbesonderheit");
    EXPECT_EQ(S().besonderheiten.spalten[1].ueberschrift, "Schlüssel");
    EXPECT_EQ(S().ue.spalten[0].ueberschrift, "Beschreibung der UnterrichtsEinheit");
    EXPECT_EQ(S().ue.spalten[1].ueberschrift, "UE_ID");
    ASSERT_EQ(S().ue.Zeilen(), 10);
    EXPECT_EQ(S().ue.zeilen[0][1], "4");
    EXPECT_EQ(S().ue.zeilen[1][1], "");
    EXPECT_EQ(S().ue.zeilen[2][1], "12");
    EXPECT_EQ(S().ue.zeilen[0][0].substr(0, 4), "[4] ");
    EXPECT_EQ(S().ue.zeilen[1][0], "");
}

TEST_F(ClassPage, CollectPacksSpecialtiesAndUnitsAndGivesAnIdentifier) {
    Puffer().ID = 0;
    Puffer().Schulnummer = "99999";
    seite->Zeigen();
    S().klassenname = "Klasse 10abc"; // twelve characters
    S().besonderheiten.zeilen[0][1] = "02";
    S().besonderheiten.zeilen[1][1] = " "; // a lone blank is a gap
    S().besonderheiten.zeilen[2][1] = "07";
    S().ue.zeilen[0][1] = "3";
    S().ue.zeilen[2][1] = "x1";  // not a whole number
    S().ue.zeilen[3][1] = " 17"; // leading blanks allowed
    S().ue.zeilen[4][1] = "17 "; // trailing blanks are not
    seite->Uebernehmen();
    const std::int32_t id = Puffer().ID;
    EXPECT_EQ(id, NeueKlassenID(st->Daten().Klassen, m));
    EXPECT_NE(id, 0);
    EXPECT_EQ(Puffer().Klassenname.str(), "Klasse 10a");
    EXPECT_EQ(Puffer().Schulnummer.str(), "54321");
    EXPECT_EQ(Puffer().Klassenbesonderheit[1].str(), "02");
    EXPECT_EQ(Puffer().Klassenbesonderheit[2].str(), "07");
    EXPECT_TRUE(Puffer().Klassenbesonderheit[3].empty());
    const std::pair<const char*, int> erwartet[] = {{"3", 3}, {"x1", 0}, {" 17", 17}, {"17 ", 0}, {"", 0}};
    for (int k = 1; k <= 5; ++k) {
        EXPECT_EQ(Puffer().Unterrichtseinheit[k].UE_ID.str(), erwartet[k - 1].first) << k;
        EXPECT_EQ(Puffer().Unterrichtseinheit[k].Nummer.get(), erwartet[k - 1].second) << k;
    }
    // Shown again, the gaps are gone; a second collect keeps the identifier.
    seite->Zeigen();
    EXPECT_EQ(Spalte(S().besonderheiten, 1), (std::vector<std::string>{"02", "07", ""}));
    EXPECT_EQ(S().ue.zeilen[1][1], "");
    EXPECT_EQ(S().ue.zeilen[2][1], " 17");
    seite->Uebernehmen();
    EXPECT_EQ(Puffer().ID, id);
}

TEST_F(ClassPage, AddingSpecialtiesFillsTheFirstBlankRowAndReportsDuplicatesAndAFourth) {
    seite->Zeigen();
    dialoge.besonderheit = "04";
    seite->BesonderheitHinzufuegen();
    dialoge.besonderheit = "10";
    seite->BesonderheitHinzufuegen();
    EXPECT_TRUE(m.gezeigt.empty());
    EXPECT_EQ(Spalte(S().besonderheiten, 0),
              (std::vector<std::string>{"Förderklasse", "gebundene Ganztagsklasse", ""}));
    dialoge.besonderheit = "10";
    seite->BesonderheitHinzufuegen();
    Fehler("Klassenbesonderheit ist schon in Zeile: 2 vorhanden!");
    S().besonderheiten.zeilen[0][1] = "";
    dialoge.besonderheit = "99"; // a key typed by hand, not in the catalogue
    seite->BesonderheitHinzufuegen();
    EXPECT_EQ(Spalte(S().besonderheiten, 1), (std::vector<std::string>{"99", "10", ""}));
    EXPECT_EQ(S().besonderheiten.zeilen[0][0], "");
    dialoge.besonderheit = "01";
    seite->BesonderheitHinzufuegen();
    const std::size_t vorher = m.gezeigt.size();
    dialoge.besonderheit = "02";
    seite->BesonderheitHinzufuegen();
    ASSERT_EQ(m.gezeigt.size(), vorher + 1);
    Fehler("Derzeit sind nur 3 Klassenbesonderheiten vorgesehen!\r\rWenden Sie sich an den Programmautor!");
    EXPECT_EQ(S().besonderheiten.Zeilen(), 3);
    dialoge.besonderheit.reset(); // "Abbrechen" or an empty key box
    seite->BesonderheitHinzufuegen();
    EXPECT_EQ(m.gezeigt.size(), vorher + 1);
    EXPECT_EQ(Spalte(S().besonderheiten, 1), (std::vector<std::string>{"99", "10", "01"}));
}

TEST_F(ClassPage, DeletingASpecialtyByKeyOrByRow) {
    Puffer().Klassenbesonderheit[1] = "02";
    Puffer().Klassenbesonderheit[2] = "05";
    Puffer().Klassenbesonderheit[3] = "03";
    seite->Zeigen();
    // By key: the question names the catalogue entry among the first three.
    S().besonderheitSchluessel = "03";
    m.Antworten({true});
    seite->BesonderheitLoeschen();
    Frage(0, "Wollen Sie die Klassenbesonderheit:\r03  ==>  Klasse mit gemeinsamem Unterricht (inklusive Klasse); "
             "[03]\rjetzt löschen?");
    EXPECT_EQ(Spalte(S().besonderheiten, 1), (std::vector<std::string>{"02", "05", ""}));
    EXPECT_EQ(S().besonderheitSchluessel, "");
    // Beyond the third entry the question shows nothing after the arrow; deleted all the same.
    S().besonderheitSchluessel = "05";
    m.Antworten({true});
    seite->BesonderheitLoeschen();
    Frage(1, "Wollen Sie die Klassenbesonderheit:\r05  ==>  \rjetzt löschen?");
    EXPECT_EQ(Spalte(S().besonderheiten, 1), (std::vector<std::string>{"02", "", ""}));
    // A key that is not there: the question, then nothing.
    S().besonderheitSchluessel = "11";
    m.Antworten({true});
    seite->BesonderheitLoeschen();
    EXPECT_EQ(m.gezeigt.size(), 3u);
    EXPECT_EQ(Spalte(S().besonderheiten, 1), (std::vector<std::string>{"02", "", ""}));
    // By the focused row; No keeps it, Yes empties it; the row stays.
    S().besonderheiten.fokusZeile = 0;
    seite->BesonderheitLoeschen();
    Frage(3, "Wollen Sie in Zeile 1 die Klassenbesonderheit:\r02\rjetzt löschen?");
    EXPECT_EQ(S().besonderheiten.zeilen[0][1], "02");
    m.Antworten({true});
    seite->BesonderheitLoeschen();
    EXPECT_EQ(Spalte(S().besonderheiten, 1), (std::vector<std::string>{"", "", ""}));
    EXPECT_EQ(S().besonderheiten.Zeilen(), 3);
    // No row focused: nothing, not even a message.
    S().besonderheiten.fokusZeile = -1;
    seite->BesonderheitLoeschen();
    EXPECT_EQ(m.gezeigt.size(), 5u);
}

TEST_F(ClassPage, AddingUnitsTakesTwentyFiveAndReportsDuplicatesThenTheLimit) {
    UE(4, "2");
    seite->Zeigen();
    std::vector<std::string> ids;
    for (int k = 1; k <= 30; ++k) ids.push_back(std::to_string(k));
    dialoge.auswahl = ids;
    seite->UEHinzufuegen();
    ASSERT_EQ(m.gezeigt.size(), 2u);
    EXPECT_EQ(m.gezeigt[0].text, "Unterrichtseinheit 2 ist schon in Zeile: 4 vorhanden!");
    Fehler("Für Schüler (und Klassen) werden nur 25 unterstützt!\r\rWenden Sie sich bei Bedarf an den Programmautor!");
    ASSERT_EQ(S().ue.Zeilen(), 25);
    EXPECT_EQ(Spalte(S().ue, 1)[0], "1");
    EXPECT_EQ(Spalte(S().ue, 1)[1], "3");
    EXPECT_EQ(Spalte(S().ue, 1)[2], "4");
    EXPECT_EQ(Spalte(S().ue, 1)[3], "2");
    EXPECT_EQ(Spalte(S().ue, 1)[4], "5");
    EXPECT_EQ(S().ue.zeilen[24][1], "25");
    EXPECT_EQ(S().ue.zeilen[24][0].substr(0, 5), "[25] ");
    seite->Uebernehmen();
    EXPECT_EQ(Puffer().Unterrichtseinheit[25].UE_ID.str(), "25");
    EXPECT_EQ(Puffer().Unterrichtseinheit[25].Nummer.get(), 25);
    // A full group refuses the next unit instead of putting it into a row never stored.
    dialoge.auswahl = std::vector<std::string>{"26"};
    seite->UEHinzufuegen();
    ASSERT_EQ(m.gezeigt.size(), 3u);
    EXPECT_EQ(S().ue.Zeilen(), 25);
    dialoge.auswahl.reset();
    seite->UEHinzufuegen();
    EXPECT_EQ(m.gezeigt.size(), 3u);
}

TEST_F(ClassPage, DeletingAUnitByKeyRemovesItsRow) {
    UE(1, "5");
    UE(2, "6");
    UE(3, "7");
    seite->Zeigen();
    const std::string beschreibung = S().ue.zeilen[1][0];
    S().ueSchluessel = "6";
    m.Antworten({true});
    seite->UELoeschen();
    Frage(0, "Wollen Sie die Unterrichtseinheit:6  ==>  \r" + beschreibung + "\rjetzt löschen?\r\r");
    EXPECT_EQ(S().ue.Zeilen(), 9);
    EXPECT_EQ(S().ue.zeilen[1][1], "7");
    S().ueSchluessel = "8";
    seite->UELoeschen();
    Fehler("Keine passende UnterrichtsEinheit\rmit dem Schlüssel: 8 gefunden!");
    EXPECT_EQ(S().ue.Zeilen(), 9);
    S().ueSchluessel = "5";
    seite->UELoeschen(); // No
    EXPECT_EQ(S().ue.zeilen[0][1], "5");
}

TEST_F(ClassPage, DeletingAUnitByRowEmptiesEarlyRowsAndRemovesLaterOnes) {
    for (int k = 1; k <= 14; ++k) UE(k, std::to_string(k).c_str());
    seite->Zeigen();
    S().ue.fokusZeile = -1;
    seite->UELoeschen();
    Fehler("Es wurde keine Zeile ausgewählt!");
    S().ue.fokusZeile = 4;
    m.Antworten({true});
    seite->UELoeschen();
    Frage(1, "Wollen Sie die Unterrichtseinheit:\r5\rjetzt bei dieser Klasse löschen?");
    EXPECT_EQ(S().ue.Zeilen(), 14);
    EXPECT_EQ(S().ue.zeilen[4][1], "");
    st->Einstellungen().UELoeschenOhneFrage = 1;
    S().ue.fokusZeile = 11;
    seite->UELoeschen();
    EXPECT_EQ(m.gezeigt.size(), 2u);
    EXPECT_EQ(S().ue.Zeilen(), 13);
    EXPECT_EQ(S().ue.zeilen[11][1], "13");
}

TEST_F(ClassPage, UnitDescriptionsTakeTheGridWidthLessTenAndTheIdColumn) {
    seite->UEBreiteAnpassen(700, 40);
    EXPECT_EQ(S().ue.spalten[0].breite, 650);
    seite->UEBreiteAnpassen(30, 40);
    EXPECT_EQ(S().ue.spalten[0].breite, 0);
}

TEST(ClassSpecialtyDialog, TypedKeysAreHandedOverAndAnEmptyBoxCancels) {
    Katalog k;
    k.push_back(" -???-; []");
    k.push_back("Sportklasse; [05]");
    k.push_back("Au\xDF"
                "enklasse; [12]");
    const KomboListe liste = SortierteKomboAus(k);
    KlBesDialogModell d;
    KlBesDialogZeigen(d, liste);
    CodeFeldGewaehlt(d.besonderheit, liste, 1);
    EXPECT_EQ(KlBesDialogHinzufuegen(d), std::optional<std::string>("12"));
    KlBesDialogZeigen(d, liste);
    EXPECT_EQ(d.besonderheit.schluessel, "");
    EXPECT_EQ(KlBesDialogHinzufuegen(d), std::nullopt);
    d.besonderheit.schluessel = "zz";
    EXPECT_EQ(KlBesDialogHinzufuegen(d), std::optional<std::string>("zz"));
    EXPECT_EQ(d.gewaehlt, "zz");
}

TEST(ClassUnitNumber, WholeNumbersWithLeadingBlanksInSixteenBits) {
    EXPECT_EQ(KlassenUENummer("12"), 12);
    EXPECT_EQ(KlassenUENummer("  7"), 7);
    EXPECT_EQ(KlassenUENummer("+3"), 3);
    EXPECT_EQ(KlassenUENummer("65537"), 1);
    EXPECT_EQ(KlassenUENummer("-1"), 65535);
    EXPECT_EQ(KlassenUENummer("7 "), 0);
    EXPECT_EQ(KlassenUENummer("1,5"), 0);
    EXPECT_EQ(KlassenUENummer(""), 0);
    EXPECT_EQ(KlassenUENummer(" "), 0);
    EXPECT_EQ(KlassenUENummer("99999999999"), 0);
}

// "diese Klasse prüfen" checks the sheet as it stands; "alle Klassen prüfen"
// loads the students to find a class nobody is in.
TEST_F(ClassPage, ChecksFromTheSheetAndAClassWithoutStudents) {
    st->Einstellungen().SchwelleKlassen = 0;
    seite->Zeigen();
    S().klassenname = "9z";
    EXPECT_EQ(seite->Pruefen(), PruefAusgang::Bestaetigt);
    EXPECT_EQ(m.gezeigt.back(), (Gezeigt{MeldungsArt::Information,
                                         "Daten der aktuellen Klasse\rwurden erfolgreich getestet!", Tasten::Ok}));
    EXPECT_EQ(st->Daten().Klassen.DB[0].Klassenname.str(), "9z");
    EXPECT_EQ(dialoge.ergebnisfenster, 0);

    EXPECT_EQ(seite->GrossePlausi(), PruefAusgang::Fenster);
    EXPECT_TRUE(st->Geladen(Bereich::Schueler));
    EXPECT_EQ(dialoge.gruppenfenster, 1);
    EXPECT_EQ(st->Plausi().Code(318), 2);
    EXPECT_EQ(st->Daten().Klassen.DB[0].Warnungen.get(), 1);
    EXPECT_EQ(Puffer().Warnungen.get(), 1);
}

} // namespace
} // namespace zev
