#include "control/navigation.h"

#include "support/scripted_messages.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace zev {
namespace {

using test::SkriptMeldungen;
using test::TempOrdner;
using Liste = std::vector<std::string>;

// What the shared tests need to know of an area.
template <class R> struct Art;

template <> struct Art<TLehrerDS> {
    static constexpr Bereich bereich = Bereich::Lehrer;
    static constexpr Seite seite = Seite::Lehrer;
    static void Name(TLehrerDS& r, std::string_view n) { r.Grunddaten.Name = n; }
    static std::string Name(const TLehrerDS& r) { return r.Grunddaten.Name.str(); }
    static const Katalog& Liste(const Steuerung& st) { return st.LehrerListe(); }
    static std::string Eintrag(std::string_view name, int id) {
        return std::string(name) + ",  [" + std::to_string(id) + "]";
    }
    static constexpr std::string_view Blank = "  - frei -";
};

template <> struct Art<TKlasseDS> {
    static constexpr Bereich bereich = Bereich::Klassen;
    static constexpr Seite seite = Seite::Klassen;
    static void Name(TKlasseDS& r, std::string_view n) { r.Klassenname = n; }
    static std::string Name(const TKlasseDS& r) { return r.Klassenname.str(); }
    static const Katalog& Liste(const Steuerung& st) { return st.KlassenListe(); }
    static std::string Eintrag(std::string_view name, int id) {
        return std::string(name) + " [" + std::to_string(id) + "]";
    }
    static constexpr std::string_view Blank = "";
};

template <> struct Art<TSchuelerDS> {
    static constexpr Bereich bereich = Bereich::Schueler;
    static constexpr Seite seite = Seite::Schueler;
    static void Name(TSchuelerDS& r, std::string_view n) { r.Grunddaten.Name = n; }
    static std::string Name(const TSchuelerDS& r) { return r.Grunddaten.Name.str(); }
    static const Katalog& Liste(const Steuerung& st) { return st.SchuelerListe(); }
    static std::string Eintrag(std::string_view name, int id) {
        return std::string(name) + ",  [" + std::to_string(id) + "]";
    }
    static constexpr std::string_view Blank = "  - frei -";
};

constexpr Bewegungsknoepfe kErster = {false, false, true, true, false, true};
constexpr Bewegungsknoepfe kLetzter = {true, true, false, false, true, false};
constexpr Bewegungsknoepfe kAlle = {true, true, true, true, true, true};

// A controller whose page hooks log what they are asked to do; the "page" holds
// the name typed into it, which collecting writes into the buffer.
class NavigationsTest {
protected:
    NavigationsTest() {
        Fensterdienste f;
        f.seiteZeigen = [this](Seite s) { gezeigt.push_back({s, AngezeigteId(s)}); };
        f.seiteUebernehmen = [this](Seite s) {
            uebernommen.push_back(s);
            if (!getippt.empty()) Getippt(s);
        };
        st = std::make_unique<Steuerung>(prog.Pfad(), m, f);
        st->Erstellen(false);
        st->Einstellungen().Schulnummer = "12345";
        nav = std::make_unique<Navigation>(*st, m, Navigationsdienste{[this] { ++freigaben; }});
    }

    // Records "R0", "R1", ... with identifiers 1, 2, ...; the buffer loaded from `aktuell`.
    template <class R> BereichsDaten<R>& Fuellen(int anzahl, int aktuell) {
        auto& d = st->Daten().template Bereich<R>();
        d.DB.assign(static_cast<std::size_t>(anzahl), R{});
        for (int i = 0; i < anzahl; ++i) {
            Art<R>::Name(d.DB[static_cast<std::size_t>(i)], "R" + std::to_string(i));
            d.DB[static_cast<std::size_t>(i)].ID = i + 1;
        }
        d.Aktuell = aktuell;
        PufferLaden(d, aktuell);
        st->ListenAufbauen(Art<R>::bereich);
        return d;
    }

    std::int32_t AngezeigteId(Seite s) {
        auto& d = st->Daten();
        if (s == Seite::Lehrer) return d.Lehrer.Puffer.ID;
        if (s == Seite::Klassen) return d.Klassen.Puffer.ID;
        return d.Schueler.Puffer.ID;
    }
    void Getippt(Seite s) {
        auto& d = st->Daten();
        if (s == Seite::Lehrer) d.Lehrer.Puffer.Grunddaten.Name = getippt;
        if (s == Seite::Klassen) d.Klassen.Puffer.Klassenname = getippt;
        if (s == Seite::Schueler) d.Schueler.Puffer.Grunddaten.Name = getippt;
    }

    TempOrdner prog;
    SkriptMeldungen m;
    std::unique_ptr<Steuerung> st;
    std::unique_ptr<Navigation> nav;
    std::vector<std::pair<Seite, std::int32_t>> gezeigt; // page and the identifier it showed
    std::vector<Seite> uebernommen;
    std::string getippt;
    int freigaben = 0;
};

template <class R> class JederBereich : public NavigationsTest, public ::testing::Test {
protected:
    static constexpr Bereich B = Art<R>::bereich;
    static constexpr Seite S = Art<R>::seite;
    std::vector<std::string> Namen() {
        std::vector<std::string> n;
        for (const R& r : st->Daten().template Bereich<R>().DB) n.push_back(Art<R>::Name(r));
        return n;
    }
    const Katalog& Eintraege() { return Art<R>::Liste(*st); }
};

using Arten = ::testing::Types<TLehrerDS, TKlasseDS, TSchuelerDS>;
TYPED_TEST_SUITE(JederBereich, Arten);

TYPED_TEST(JederBereich, NextStoresThePageRewritesOnlyTheOldEntryAndShowsTheNext) {
    using A = Art<TypeParam>;
    auto& d = this->template Fuellen<TypeParam>(5, 1);
    // Changed in the array after the lists were built: a rebuild would show it.
    A::Name(d.DB[4], "Spaeter");
    this->getippt = "Neu";
    this->nav->MoveNext(this->B);

    EXPECT_EQ(d.Aktuell, 2);
    EXPECT_EQ(A::Name(d.DB[1]), "Neu");
    EXPECT_EQ(d.Puffer.ID.get(), 3);
    EXPECT_EQ(this->uebernommen, std::vector<Seite>{this->S});
    EXPECT_EQ(this->gezeigt, (std::vector<std::pair<Seite, std::int32_t>>{{this->S, 3}}));
    EXPECT_EQ(this->Eintraege().Eintraege(), (Liste{A::Eintrag("R0", 1), A::Eintrag("Neu", 2), A::Eintrag("R2", 3),
                                                    A::Eintrag("R3", 4), A::Eintrag("R4", 5)}));
    EXPECT_EQ(this->st->Status().zaehler[static_cast<std::size_t>(static_cast<int>(this->B) - 2)],
              (std::pair<int, int>{3, 5}));
    EXPECT_EQ(this->nav->Knoepfe(this->B), kAlle);
    EXPECT_EQ(this->freigaben, 0);
    EXPECT_TRUE(this->m.gezeigt.empty());
}

TYPED_TEST(JederBereich, EachMoveLandsWhereItShouldWithItsButtons) {
    auto& d = this->template Fuellen<TypeParam>(9, 4);
    const auto zu = [&](std::int32_t aktuell, const Bewegungsknoepfe& knoepfe) {
        EXPECT_EQ(d.Aktuell, aktuell);
        EXPECT_EQ(this->nav->Knoepfe(this->B), knoepfe);
    };
    this->nav->MoveLast(this->B);
    zu(8, kLetzter);
    // ">" on the last record only sets the index: nothing collected or shown.
    this->getippt = "Neu";
    this->uebernommen.clear();
    this->nav->MoveNext(this->B);
    zu(8, kLetzter);
    this->getippt.clear();
    EXPECT_TRUE(this->uebernommen.empty());
    this->nav->MovePrevious(this->B);
    zu(7, kAlle);
    this->nav->PageBack(this->B, 3);
    zu(4, kAlle);
    this->nav->PageBack(this->B, 4); // a step not below the current index goes to the first
    zu(0, kErster);
    this->nav->MoveFirst(this->B); // "| <" on the first: nothing shown
    this->nav->MoveNext(this->B);
    this->nav->MovePrevious(this->B); // the first, however it was reached
    zu(0, kErster);
    this->nav->MovePrevious(this->B); // below 1: as "| <"
    zu(0, kErster);
    this->nav->PageForward(this->B, 7);
    zu(7, kAlle);
    this->nav->MoveFirst(this->B);
    zu(0, kErster);
    this->nav->PageForward(this->B, SeitenSchritt(200, 19)); // ten rows fit: beyond the last goes to the last
    zu(8, kLetzter);
    std::vector<std::int32_t> ids;
    for (const auto& g : this->gezeigt) ids.push_back(g.second);
    EXPECT_EQ(ids, (std::vector<std::int32_t>{9, 8, 5, 1, 2, 1, 8, 1, 9}));
    EXPECT_EQ(this->Namen(), (Liste{"R0", "R1", "R2", "R3", "R4", "R5", "R6", "R7", "R8"}));
}

// The buttons follow the position after every change of it, not only after the
// six moves: "+" before the last (25 of 26), a jump, "-" at the end.
TYPED_TEST(JederBereich, TheButtonsFollowThePositionAfterInsertDeleteAndJump) {
    auto& d = this->template Fuellen<TypeParam>(25, 24);
    EXPECT_EQ(this->nav->Knoepfe(this->B), kLetzter);
    ASSERT_TRUE(this->nav->InsertRecord(this->B));
    EXPECT_EQ(d.Aktuell, 24);
    EXPECT_EQ(d.Letzter(), 25);
    EXPECT_EQ(this->nav->Knoepfe(this->B), kAlle);
    this->nav->SelectFromList(this->B, 23);
    EXPECT_EQ(this->nav->Knoepfe(this->B), kAlle);
    this->nav->SelectFromList(this->B, 0);
    EXPECT_EQ(this->nav->Knoepfe(this->B), kErster);
    this->nav->MoveLast(this->B);
    this->m.Antworten({true});
    ASSERT_TRUE(this->nav->DeleteRecord(this->B));
    EXPECT_EQ(d.Aktuell, 24);
    EXPECT_EQ(this->nav->Knoepfe(this->B), kLetzter);
    // One record: no move goes anywhere.
    auto& einer = this->template Fuellen<TypeParam>(1, 0);
    EXPECT_EQ(einer.Letzter(), 0);
    EXPECT_EQ(this->nav->Knoepfe(this->B), (Bewegungsknoepfe{false, false, false, false, false, false}));
}

TYPED_TEST(JederBereich, ChoosingFromTheListRewritesTheOldEntry) {
    using A = Art<TypeParam>;
    auto& d = this->template Fuellen<TypeParam>(4, 0);
    this->getippt = "Neu";
    this->nav->SelectFromList(this->B, 3);
    EXPECT_EQ(this->freigaben, 1);
    EXPECT_EQ(d.Aktuell, 3);
    EXPECT_EQ(d.Puffer.ID.get(), 4);
    EXPECT_EQ(this->Eintraege()[0], A::Eintrag("Neu", 1));
    EXPECT_EQ(this->gezeigt.size(), 1u);
    EXPECT_EQ(this->nav->Knoepfe(this->B), kLetzter); // the last record, chosen from the list

    // Outside the area only the index is taken; deleting then refuses.
    this->getippt.clear();
    this->nav->SelectFromList(this->B, -1);
    EXPECT_EQ(this->freigaben, 2);
    EXPECT_EQ(d.Aktuell, -1);
    EXPECT_EQ(this->gezeigt.size(), 1u);
    EXPECT_FALSE(this->nav->DeleteRecord(this->B));
    ASSERT_EQ(this->m.gezeigt.size(), 1u);
    EXPECT_EQ(this->m.gezeigt[0].art, MeldungsArt::Fehler);
    EXPECT_EQ(this->Namen(), (Liste{"Neu", "R1", "R2", "R3"}));
    this->nav->SelectFromList(this->B, 4);
    EXPECT_EQ(d.Aktuell, 4);
    EXPECT_EQ(this->uebernommen.size(), 1u);
}

TYPED_TEST(JederBereich, InsertOnTheThirdOfFive) {
    using A = Art<TypeParam>;
    auto& d = this->template Fuellen<TypeParam>(5, 2);
    this->getippt = "Neu";
    EXPECT_TRUE(this->nav->InsertRecord(this->B));
    EXPECT_EQ(d.Letzter(), 5);
    EXPECT_EQ(d.Aktuell, 2);
    EXPECT_EQ(this->Namen(), (Liste{"R0", "R1", std::string(A::Blank), "Neu", "R3", "R4"}));
    EXPECT_EQ(d.DB[2].ID.get(), 6);
    EXPECT_EQ(d.DB[2].Schulnummer.str(), "12345");
    EXPECT_EQ(d.Puffer.ID.get(), 6);
    EXPECT_EQ(this->Eintraege().size(), 6u);
    EXPECT_EQ(this->Eintraege()[2], A::Eintrag(A::Blank, 6));
    EXPECT_EQ(this->Eintraege()[3], A::Eintrag("Neu", 3));
    EXPECT_EQ(this->gezeigt, (std::vector<std::pair<Seite, std::int32_t>>{{this->S, 6}}));
    EXPECT_EQ(this->st->Status().zaehler[static_cast<std::size_t>(static_cast<int>(this->B) - 2)],
              (std::pair<int, int>{3, 6}));
}

TYPED_TEST(JederBereich, DeletingTheFirstOfSeveralKeepsIndexZero) {
    auto& d = this->template Fuellen<TypeParam>(3, 0);
    this->getippt = "Getippt"; // never collected: the stored record is deleted
    this->m.Antworten({true});
    EXPECT_TRUE(this->nav->DeleteRecord(this->B));
    EXPECT_EQ(this->Namen(), (Liste{"R1", "R2"}));
    EXPECT_EQ(d.Aktuell, 0);
    EXPECT_EQ(d.Puffer.ID.get(), 2);
    EXPECT_TRUE(this->uebernommen.empty());
    EXPECT_EQ(this->Eintraege().Eintraege(),
              (Liste{Art<TypeParam>::Eintrag("R1", 2), Art<TypeParam>::Eintrag("R2", 3)}));
    EXPECT_EQ(this->gezeigt, (std::vector<std::pair<Seite, std::int32_t>>{{this->S, 2}}));
    EXPECT_EQ(this->m.gezeigt.at(0).art, MeldungsArt::Frage);
}

TYPED_TEST(JederBereich, DeletingTheLastMovesTheIndexBackAndNoKeepsAll) {
    using A = Art<TypeParam>;
    auto& d = this->template Fuellen<TypeParam>(3, 2);
    d.Puffer.ID = 99;              // what the page shows stays when the answer is No
    A::Name(d.DB[2], "Gesichert"); // stored when the page was last left
    EXPECT_FALSE(this->nav->DeleteRecord(this->B));
    EXPECT_EQ(this->Namen(), (Liste{"R0", "R1", "Gesichert"}));
    EXPECT_EQ(d.Puffer.ID.get(), 99);
    EXPECT_TRUE(this->gezeigt.empty()); // the page is not shown anew over the typed values
    this->m.Antworten({true});
    EXPECT_TRUE(this->nav->DeleteRecord(this->B));
    EXPECT_EQ(this->Namen(), (Liste{"R0", "R1"}));
    EXPECT_EQ(this->Eintraege().Eintraege(), (Liste{A::Eintrag("R0", 1), A::Eintrag("R1", 2)}));
    EXPECT_EQ(d.Aktuell, 1);
    EXPECT_EQ(d.Puffer.ID.get(), 2);
}

TYPED_TEST(JederBereich, DeletingTheOnlyRecordLeavesABlankOneWithoutAsking) {
    using A = Art<TypeParam>;
    auto& d = this->template Fuellen<TypeParam>(1, 0);
    EXPECT_TRUE(this->nav->DeleteRecord(this->B));
    EXPECT_TRUE(this->m.gezeigt.empty());
    ASSERT_EQ(d.DB.size(), 1u);
    EXPECT_EQ(d.Aktuell, 0);
    EXPECT_EQ(A::Name(d.DB[0]), A::Blank);
    EXPECT_EQ(d.DB[0].ID.get(), 2); // 1 was still taken by the deleted record
    EXPECT_EQ(d.Puffer.ID.get(), 2);
    EXPECT_EQ(this->Eintraege().Eintraege(), Liste{A::Eintrag(A::Blank, 2)});
}

TYPED_TEST(JederBereich, TheSchoolHasNothingToMoveThrough) {
    this->template Fuellen<TypeParam>(3, 1);
    this->nav->MoveNext(Bereich::Schule);
    EXPECT_FALSE(this->nav->InsertRecord(Bereich::Schule));
    EXPECT_FALSE(this->nav->DeleteRecord(Bereich::Schule));
    this->nav->SelectFromList(Bereich::Schule, 0);
    EXPECT_TRUE(this->gezeigt.empty());
    EXPECT_EQ(this->freigaben, 0);
}

class Nachrichten : public NavigationsTest, public ::testing::Test {};

TEST_F(Nachrichten, DeleteQuestionsNameTheStoredRecord) {
    auto& l = Fuellen<TLehrerDS>(2, 1);
    l.DB[1].Grunddaten.Name = "M\xFCller";
    l.DB[1].Grunddaten.Vorname = "J\xFCrgen";
    l.Puffer.Grunddaten.Name = "Anders"; // on the page only
    auto& k = Fuellen<TKlasseDS>(2, 0);
    k.DB[0].Klassenname = "5a";
    auto& s = Fuellen<TSchuelerDS>(2, 1);
    s.DB[1].Grunddaten.Vorname = "\xC4nne";
    nav->DeleteRecord(Bereich::Lehrer);
    nav->DeleteRecord(Bereich::Klassen);
    nav->DeleteRecord(Bereich::Schueler);
    EXPECT_EQ(m.Texte(), (Liste{"Wollen Sie den aktuellen Lehrer:\rJürgen Müller [2]\rjetzt endgültig löschen?",
                                "Wollen Sie die Klasse:5a\rjetzt endgültig löschen?",
                                "Wollen Sie den aktuellen Schüler:\rÄnne R1 [2]\rjetzt endgültig löschen?"}));
    for (const auto& g : m.gezeigt) EXPECT_EQ(g.tasten, Tasten::JaNein);
}

TEST_F(Nachrichten, NoValidRecordToDelete) {
    Fuellen<TLehrerDS>(2, 0).Aktuell = 2;
    Fuellen<TKlasseDS>(2, 0).Aktuell = -1;
    Fuellen<TSchuelerDS>(2, 0).Aktuell = 7;
    for (Bereich b : {Bereich::Lehrer, Bereich::Klassen, Bereich::Schueler}) EXPECT_FALSE(nav->DeleteRecord(b));
    EXPECT_EQ(m.Texte(), (Liste{"Es íst kein gültiger Lehrer zum Löschen ausgewählt!",
                                "Es íst keine gültige Klasse zum Löschen ausgewählt!",
                                "Es íst kein gültiger Schüler zum Löschen ausgewählt!"}));
}

// The 65,536th record is taken; a further one is refused before the page is collected.
TEST_F(Nachrichten, FullAreas) {
    Fuellen<TKlasseDS>(kHoechstzahlDatensaetze - 1, 0);
    Fuellen<TSchuelerDS>(kHoechstzahlDatensaetze - 1, 0);
    Fuellen<TLehrerDS>(kHoechstzahlDatensaetze - 1, 0);
    for (Bereich b : {Bereich::Lehrer, Bereich::Klassen, Bereich::Schueler}) EXPECT_TRUE(nav->InsertRecord(b));
    EXPECT_EQ(st->Daten().Schueler.DB.size(), 65536u);
    gezeigt.clear();
    uebernommen.clear();
    for (Bereich b : {Bereich::Lehrer, Bereich::Klassen, Bereich::Schueler}) EXPECT_FALSE(nav->InsertRecord(b));
    EXPECT_EQ(st->Daten().Lehrer.DB.size() + st->Daten().Klassen.DB.size(), 2 * 65536u);
    EXPECT_TRUE(uebernommen.empty());
    EXPECT_TRUE(gezeigt.empty());
    EXPECT_EQ(m.Texte(), (Liste{"Es können höchstens 65.536 Lehrer gespeichert werden!\rEin neuer Lehrer kann nicht "
                                "mehr angelegt werden.",
                                "Es können höchstens 65.536 Klassen gespeichert werden!\rEine neue Klasse kann nicht "
                                "mehr angelegt werden.",
                                "Es können höchstens 65.536 Schüler gespeichert werden!\rEin neuer Schüler kann nicht "
                                "mehr angelegt werden."}));
    for (const auto& g : m.gezeigt) EXPECT_EQ(g.art, MeldungsArt::Fehler);
}

TEST_F(Nachrichten, TeacherChoiceFollowsAMoveAndAnInsert) {
    auto& l = Fuellen<TLehrerDS>(3, 0);
    l.Puffer.Lehrernummer = "L7";
    l.Puffer.Grunddaten.Vorname = "Eva";
    nav->MoveNext(Bereich::Lehrer);
    EXPECT_EQ(st->LehrerAuswahl().Eintraege(), (Liste{" -???-; []", "R0, Eva; [L7]", "R1, ; []", "R2, ; []"}));
    EXPECT_EQ(st->LehrerAuswahl().FindeSchluessel("L7"), 1);
    nav->InsertRecord(Bereich::Lehrer);
    EXPECT_EQ(st->LehrerAuswahl().Eintraege(),
              (Liste{" -???-; []", "R0, Eva; [L7]", "  - frei -, ; []", "R1, ; []", "R2, ; []"}));
    m.Antworten({true});
    nav->DeleteRecord(Bereich::Lehrer);
    EXPECT_EQ(st->LehrerAuswahl().Eintraege(), (Liste{" -???-; []", "R0, Eva; [L7]", "R1, ; []", "R2, ; []"}));
    EXPECT_EQ(st->LehrerListe().Eintraege(), (Liste{"R0, Eva [1]", "R1,  [2]", "R2,  [3]"}));
}

class Vorgaenger : public NavigationsTest, public ::testing::Test {
protected:
    // The current student with something in every field the rule names.
    BereichsDaten<TSchuelerDS>& MitVorgaenger() {
        auto& s = Fuellen<TSchuelerDS>(2, 1);
        TSchuelerDS& v = s.DB[1];
        v.Schulnummer = "99999";
        v.Schuelernummer = "S17";
        v.Warnungen = 3;
        v.Fehler = 4;
        v.Zaehler[7] = 5;
        v.Reserviert26.b[0] = 2;
        auto& g = v.Grunddaten;
        g.Name = "Alt";
        g.Vorname = "Otto";
        g.Geschlecht = 1;
        g.Geburtsdatum = "01.02.2010";
        g.Staatsangehoerigkeit = "000";
        g.Zuzug = "2015";
        g.Einschulung.Einschulungsjahr = "2016";
        g.Anschrift.Wohnort = "Dorf";
        g.Anschrift.PLZ = "12345";
        g.vorherige_Schule = "4711";
        g.Herkunft.Jahrgang = "04";
        auto& j = v.Jahrgangsdaten;
        j.Klasse = "7b";
        j.Jahrgang = "07";
        j.LRS = "1";
        j.Ganztag = "2";
        j.Extern = "X";
        j.Unterrichtseinheit[3].Nummer = 12;
        j.Unterrichtseinheit[3].UE_ID = "12";
        v.Foerderbedarf.Bedarf = "1";
        v.Fremdsprachen[1].Sprache = "E";
        v.Ausbildung.Beruf = "1234";
        v.Ausbildung.Standort = "ORT";
        v.Ausbildung.Standort_Text = "Werk";
        s.Puffer = v;
        return s;
    }
};

TEST_F(Vorgaenger, NewStudentFromItsPredecessor) {
    st->Einstellungen().VorgaengerAlsVorlage = 1;
    st->Einstellungen().WeiterfuehrendeSchule = 0;
    auto& s = MitVorgaenger();
    ASSERT_TRUE(nav->InsertRecord(Bereich::Schueler));
    const TSchuelerDS& n = s.DB[1];
    EXPECT_EQ(s.Aktuell, 1);
    EXPECT_EQ(n.ID.get(), 3);
    EXPECT_EQ(n.Schulnummer.str(), "12345");
    EXPECT_EQ(n.Schuelernummer.str(), "");
    EXPECT_EQ(n.Warnungen + n.Fehler + n.Zaehler[7] + n.Reserviert26.b[0], 0);
    EXPECT_EQ(n.Grunddaten.Name.str(), "  - frei -");
    EXPECT_EQ(n.Grunddaten.Vorname.str() + n.Grunddaten.Geburtsdatum.str() + n.Grunddaten.Zuzug.str(), "");
    EXPECT_EQ(n.Grunddaten.Geschlecht.get(), 0);
    EXPECT_EQ(n.Jahrgangsdaten.LRS.str() + n.Jahrgangsdaten.Ganztag.str() + n.Jahrgangsdaten.Extern.str() +
                  n.Foerderbedarf.Bedarf.str(),
              "");
    // Kept: the class and its lesson units, the languages, the address and the training.
    EXPECT_EQ(n.Jahrgangsdaten.Klasse.str(), "7b");
    EXPECT_EQ(n.Jahrgangsdaten.Jahrgang.str(), "07");
    EXPECT_EQ(n.Jahrgangsdaten.Unterrichtseinheit[3].UE_ID.str(), "12");
    EXPECT_EQ(n.Jahrgangsdaten.Unterrichtseinheit[3].Nummer.get(), 12);
    EXPECT_EQ(n.Grunddaten.Staatsangehoerigkeit.str(), "000");
    EXPECT_EQ(n.Fremdsprachen[1].Sprache.str(), "E");
    EXPECT_EQ(n.Grunddaten.Anschrift.Wohnort.str(), "Dorf");
    EXPECT_EQ(n.Grunddaten.Einschulung.Einschulungsjahr.str(), "2016");
    EXPECT_EQ(n.Ausbildung.Standort.str(), "ORT");
    EXPECT_EQ(s.DB[2].Grunddaten.Name.str(), "Alt"); // the predecessor moved up
    EXPECT_EQ(st->SchuelerListe()[1], "  - frei -,  [3]");
}

TEST_F(Vorgaenger, AtASchoolThatStartsLateTheOriginGoesToo) {
    st->Einstellungen().VorgaengerAlsVorlage = 1;
    st->Einstellungen().WeiterfuehrendeSchule = 1;
    auto& s = MitVorgaenger();
    ASSERT_TRUE(nav->InsertRecord(Bereich::Schueler));
    const TSchuelerDS& n = s.DB[1];
    const auto& g = n.Grunddaten;
    EXPECT_EQ(g.Einschulung.Einschulungsjahr.str() + g.Anschrift.Wohnort.str() + g.Anschrift.PLZ.str() +
                  g.vorherige_Schule.str() + g.Herkunft.Jahrgang.str() + n.Ausbildung.Standort.str(),
              "");
    EXPECT_EQ(n.Ausbildung.Beruf.str(), "1234");
    EXPECT_EQ(n.Ausbildung.Standort_Text.str(), "Werk");
    EXPECT_EQ(n.Jahrgangsdaten.Klasse.str(), "7b");
}

TEST_F(Vorgaenger, WithoutTheSettingANewStudentIsBlank) {
    st->Einstellungen().VorgaengerAlsVorlage = 0;
    auto& s = MitVorgaenger();
    ASSERT_TRUE(nav->InsertRecord(Bereich::Schueler));
    TSchuelerDS leer;
    InitSchueler(leer, "12345");
    leer.ID = 3;
    EXPECT_EQ(std::memcmp(&s.DB[1], &leer, sizeof leer), 0);
}

TEST(Seitenschritt, RowsThatFitRoundedHalfToEven) {
    // 10.5 and 11.5 rows: to the even number.
    for (const auto& [hoehe, zeilen] :
         std::vector<std::pair<int, int>>{{200, 10}, {210, 10}, {230, 12}, {219, 11}, {5, 1}, {0, 1}})
        EXPECT_EQ(SeitenSchritt(hoehe, 19), zeilen) << hoehe;
}

} // namespace
} // namespace zev
