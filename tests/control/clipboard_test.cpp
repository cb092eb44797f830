#include "control/clipboard.h"
#include "control/lifecycle.h"
#include "support/scripted_messages.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>

namespace zev {
namespace {

using test::Gezeigt;
using test::SkriptMeldungen;
using test::TempOrdner;

TLehrerDS Lehrer(const char* name, const char* vorname, std::int32_t id) {
    TLehrerDS l{};
    InitLehrer(l, "12345");
    l.Grunddaten.Name = name;
    l.Grunddaten.Vorname = vorname;
    l.ID = id;
    return l;
}

TKlasseDS Klasse(const char* name, std::int32_t id) {
    TKlasseDS k{};
    InitKlasse(k, "12345");
    k.Klassenname = name;
    k.ID = id;
    return k;
}

TSchuelerDS Schueler(const char* name, const char* vorname, const char* klasse, std::int32_t id) {
    TSchuelerDS s{};
    InitSchueler(s, "12345");
    s.Grunddaten.Name = name;
    s.Grunddaten.Vorname = vorname;
    s.Jahrgangsdaten.Klasse = klasse;
    s.ID = id;
    return s;
}

template <class R> bool GleichOhneID(R a, R b) {
    a.ID = 0;
    b.ID = 0;
    return std::memcmp(&a, &b, sizeof(R)) == 0;
}

template <class R> bool Gleich(const R& a, const R& b) {
    return std::memcmp(&a, &b, sizeof(R)) == 0;
}

class Clipboard : public ::testing::Test {
public:
    void SetUp() override {
        Fensterdienste f;
        f.seiteZeigen = [this](Seite s) { gezeigt.push_back(s); };
        f.seiteUebernehmen = [this](Seite s) {
            uebernommen.push_back(s);
            if (getippt) getippt(s);
        };
        st = std::make_unique<Steuerung>(prog.Pfad(), m, f);
        st->Erstellen(false);
        st->Gezeigt();
        st->Einstellungen().ZwischenablageInfo = 0; // on by default; tests that want the notice say so
        Ablagedienste a;
        a.blattBereit = [this](Bereich b) { return bereit[b]; };
        a.showInfo = [this](const InfoTexte& t, std::uint16_t dauer) { infos.push_back({t, dauer}); };
        ablage = std::make_unique<Zwischenablage>(*st, m, a);
    }

    // The main window shows the area's page with records `r`, the one at `aktuell` in the buffer.
    template <class R> void Auf(Seite s, std::vector<R> r, std::int32_t aktuell) {
        st->SeiteBetreten(s);
        auto& b = st->Daten().Bereich<R>();
        b.DB = std::move(r);
        b.Aktuell = aktuell;
        PufferLaden(b, aktuell);
        st->ListenAufbauen(*BereichVon(s));
        m.gezeigt.clear();
        gezeigt.clear();
        uebernommen.clear();
    }
    // Another record becomes current, as the navigation would do it.
    template <class R> void Wechseln(std::int32_t index) {
        auto& b = st->Daten().Bereich<R>();
        PufferSpeichern(b, b.Aktuell, m);
        b.Aktuell = index;
        PufferLaden(b, index);
    }

    TempOrdner prog;
    SkriptMeldungen m;
    std::unique_ptr<Steuerung> st;
    std::unique_ptr<Zwischenablage> ablage;
    std::map<zev::Bereich, bool> bereit{{Bereich::Lehrer, true}, {Bereich::Klassen, true}, {Bereich::Schueler, true}};
    std::vector<Seite> gezeigt, uebernommen;
    std::vector<std::pair<InfoTexte, std::uint16_t>> infos;
    std::function<void(Seite)> getippt; // what the pages hold beyond the buffer, put in on collect
};

// The texts of a notice in one list: title, headline, five lines.
std::vector<std::string> Z(const InfoTexte& t) {
    std::vector<std::string> v{t.titel, t.kopf};
    v.insert(v.end(), t.zeilen.begin(), t.zeilen.end());
    return v;
}

TEST_F(Clipboard, CutOfTheSecondOfTwoTeachersTakesTheStoredRecord) {
    st->Einstellungen().ZwischenablageInfo = 1;
    Auf<TLehrerDS>(Seite::Lehrer, {Lehrer("Adler", "Anna", 1), Lehrer("Bauer", "Bernd", 2)}, 1);
    const TLehrerDS gespeichert = st->Daten().Lehrer.DB[1];
    st->Daten().Lehrer.Puffer.Grunddaten.Vorname = "nicht gespeichert";
    getippt = [this](Seite) { st->Daten().Lehrer.Puffer.Grunddaten.Name = "getippt"; };
    m.Antworten({true});
    EXPECT_EQ(ablage->CutRecord(), Bereich::Lehrer);
    ASSERT_EQ(m.gezeigt.size(), 1u);
    EXPECT_EQ(m.gezeigt[0],
              (Gezeigt{MeldungsArt::Frage, "Wollen Sie den Lehrer-Datensatz:\rBernd Bauer [2]\rjetzt ausschneiden?",
                       Tasten::JaNein}));
    EXPECT_TRUE(uebernommen.empty());
    EXPECT_TRUE(Gleich(ablage->LehrerSlot(), gespeichert));
    const auto& b = st->Daten().Lehrer;
    EXPECT_EQ(b.Letzter(), 0);
    EXPECT_EQ(b.Aktuell, 0);
    EXPECT_TRUE(Gleich(b.Puffer, b.DB[0]));
    EXPECT_EQ(b.Puffer.Grunddaten.Name.str(), "Adler");
    EXPECT_EQ(gezeigt, std::vector<Seite>{Seite::Lehrer});
    EXPECT_EQ(st->LehrerListe().Eintraege(), std::vector<std::string>{"Adler, Anna [1]"});
    EXPECT_EQ(st->LehrerAuswahl().size(), 2u);
    EXPECT_EQ(st->Status().zaehler[0], (std::pair<int, int>{1, 1}));
    ASSERT_EQ(infos.size(), 1u);
    EXPECT_EQ(Z(infos[0].first),
              Z(InfoTexte{"Zwischenablage Lehrer", "Inhalt", {"LehrerIn:", "", "Bauer, Bernd", "", ""}}));
    EXPECT_EQ(infos[0].second, 3000);
    EXPECT_EQ(Z(st->Info().Texte()), Z(infos[0].first));
}

TEST_F(Clipboard, CutOfTheFirstClassKeepsIndexZeroShowingTheFormerSecond) {
    Auf<TKlasseDS>(Seite::Klassen, {Klasse("7a", 1), Klasse("7b", 2), Klasse("7c", 3)}, 0);
    m.Antworten({true});
    EXPECT_EQ(ablage->CutRecord(), Bereich::Klassen);
    EXPECT_EQ(m.Texte(), std::vector<std::string>{"Wollen Sie den Klassen-Datensatz:\r7a [1]\rjetzt ausschneiden?"});
    EXPECT_EQ(st->Daten().Klassen.Aktuell, 0);
    EXPECT_EQ(st->Daten().Klassen.Puffer.Klassenname.str(), "7b");
    EXPECT_EQ(ablage->KlassenSlot().Klassenname.str(), "7a");
    EXPECT_EQ(st->KlassenListe().Eintraege(), (std::vector<std::string>{"7b [2]", "7c [3]"}));
    EXPECT_TRUE(infos.empty());
}

// What each area says when a cut is refused or asked about.
struct CutFall {
    Seite seite;
    std::function<void(Clipboard&, std::int32_t letzter, std::int32_t aktuell)> fuellen;
    const char* letzter;
    const char* ungueltig;
    const char* frage; // with two records, the second current
};

class ClipboardCut : public Clipboard, public ::testing::WithParamInterface<int> {
public:
    static std::vector<CutFall> Faelle() {
        return {
            {Seite::Lehrer,
             [](Clipboard& c, std::int32_t n, std::int32_t a) {
                 std::vector<TLehrerDS> v;
                 for (std::int32_t i = 0; i <= n; ++i) v.push_back(Lehrer(i ? "Bauer" : "Adler", "Bo", i + 1));
                 c.Auf<TLehrerDS>(Seite::Lehrer, v, a);
             },
             "Ausschneiden des letzten Lehrers nicht möglich!",
             "Es íst kein gültiger Lehrer zum Ausschneiden ausgewählt!",
             "Wollen Sie den Lehrer-Datensatz:\rBo Bauer [2]\rjetzt ausschneiden?"},
            {Seite::Klassen,
             [](Clipboard& c, std::int32_t n, std::int32_t a) {
                 std::vector<TKlasseDS> v;
                 for (std::int32_t i = 0; i <= n; ++i) v.push_back(Klasse(i ? "5b" : "5a", i + 1));
                 c.Auf<TKlasseDS>(Seite::Klassen, v, a);
             },
             "Ausschneiden der letzten Klasse nicht möglich!",
             "Es íst keine gültige Klasse zum Ausschneiden ausgewählt!",
             "Wollen Sie den Klassen-Datensatz:\r5b [2]\rjetzt ausschneiden?"},
            {Seite::Schueler,
             [](Clipboard& c, std::int32_t n, std::int32_t a) {
                 std::vector<TSchuelerDS> v;
                 for (std::int32_t i = 0; i <= n; ++i)
                     v.push_back(Schueler(i ? "B\xF6hm" : "Arndt", "Ida", "5a", i + 1));
                 c.Auf<TSchuelerDS>(Seite::Schueler, v, a);
             },
             "Ausschneiden des letzten Schülers nicht möglich!",
             "Es íst kein gültiger Schüler zum Ausschneiden ausgewählt!",
             "Wollen Sie den Schüler-Datensatz:\rIda Böhm [2]\rjetzt ausschneiden?"},
        };
    }
};

TEST_P(ClipboardCut, RefusalsAndTheQuestionLeaveTheAreaAndTheSlotAlone) {
    const CutFall f = Faelle()[static_cast<std::size_t>(GetParam())];
    const auto leer = [this] {
        return Gleich(ablage->LehrerSlot(), TLehrerDS{}) && Gleich(ablage->KlassenSlot(), TKlasseDS{}) &&
               Gleich(ablage->SchuelerSlot(), TSchuelerDS{});
    };
    f.fuellen(*this, 0, 0);
    EXPECT_EQ(ablage->CutRecord(), std::nullopt);
    EXPECT_EQ(m.gezeigt, (std::vector<Gezeigt>{{MeldungsArt::Fehler, f.letzter, Tasten::Ok}}));

    f.fuellen(*this, 1, 2);
    EXPECT_EQ(ablage->CutRecord(), std::nullopt);
    EXPECT_EQ(m.gezeigt, (std::vector<Gezeigt>{{MeldungsArt::Fehler, f.ungueltig, Tasten::Ok}}));

    f.fuellen(*this, 1, 1);
    EXPECT_EQ(ablage->CutRecord(), std::nullopt); // answered No
    EXPECT_EQ(m.gezeigt, (std::vector<Gezeigt>{{MeldungsArt::Frage, f.frage, Tasten::JaNein}}));
    const auto& d = st->Daten();
    EXPECT_EQ(d.Lehrer.DB.size() + d.Klassen.DB.size() + d.Schueler.DB.size(), 4u) << "no area lost a record";
    EXPECT_TRUE(leer());
    EXPECT_TRUE(gezeigt.empty());
}

INSTANTIATE_TEST_SUITE_P(AlleBereiche, ClipboardCut, ::testing::Values(0, 1, 2));

TEST_F(Clipboard, CopyTakesWhatThePagesHoldAndStoresItFirst) {
    st->Einstellungen().ZwischenablageInfo = 1;
    Auf<TSchuelerDS>(Seite::Schueler, {Schueler("Arndt", "Ida", "5a", 1), Schueler("B\xF6hm", "Ole", "6c", 2)}, 1);
    getippt = [this](Seite s) {
        if (s == Seite::Schueler) st->Daten().Schueler.Puffer.Grunddaten.Vorname = "Olaf";
    };
    EXPECT_EQ(ablage->CopyRecord(), Bereich::Schueler);
    EXPECT_EQ(uebernommen, std::vector<Seite>{Seite::Schueler});
    EXPECT_EQ(ablage->SchuelerSlot().Grunddaten.Vorname.str(), "Olaf");
    EXPECT_EQ(st->Daten().Schueler.DB[1].Grunddaten.Vorname.str(), "Olaf");
    EXPECT_TRUE(m.gezeigt.empty());
    ASSERT_EQ(infos.size(), 1u);
    EXPECT_EQ(Z(infos[0].first),
              Z(InfoTexte{"Zwischenablage Schüler", "Inhalt", {"SchülerIn:", "", "Böhm, Olaf (6c)", "", ""}}));
    EXPECT_EQ(infos[0].second, 3000);

    Auf<TKlasseDS>(Seite::Klassen, {Klasse("8d", 4)}, 0);
    EXPECT_EQ(ablage->CopyRecord(), Bereich::Klassen);
    ASSERT_EQ(infos.size(), 2u);
    EXPECT_EQ(Z(infos[1].first), Z(InfoTexte{"Zwischenablage Klasse", "Inhalt", {"Klasse:", "", "8d", "", ""}}));

    st->Einstellungen().ZwischenablageInfo = 0;
    Auf<TLehrerDS>(Seite::Lehrer, {Lehrer("Adler", "Anna", 1)}, 0);
    EXPECT_EQ(ablage->CopyRecord(), Bereich::Lehrer);
    EXPECT_EQ(ablage->LehrerSlot().Grunddaten.Name.str(), "Adler");
    EXPECT_EQ(infos.size(), 2u);
}

TEST_F(Clipboard, CopyThenPasteGivesTheSameRecordWithANewIdentifier) {
    Auf<TLehrerDS>(Seite::Lehrer, {Lehrer("Adler", "Anna", 1), Lehrer("Bauer", "Bo", 2), Lehrer("Christ", "Carla", 7)},
                   0);
    st->Daten().Lehrer.Puffer.Grunddaten.Titel = "Dr.";
    ASSERT_EQ(ablage->CopyRecord(), Bereich::Lehrer);
    Wechseln<TLehrerDS>(2);
    gezeigt.clear();
    m.Antworten({true});
    EXPECT_EQ(ablage->PasteRecord(), Bereich::Lehrer);
    EXPECT_EQ(m.Texte(),
              std::vector<std::string>{"Wollen Sie den aktuellen Lehrer-Datensatz:\r     Christ, Carla\rdurch "
                                       "den Datensatz: \r     Adler, Anna\raus der "
                                       "Lehrer-Zwischenablage ersetzen?"});
    const auto& b = st->Daten().Lehrer;
    ASSERT_EQ(b.Letzter(), 2);
    EXPECT_TRUE(GleichOhneID(b.DB[2], b.DB[0]));
    EXPECT_EQ(b.DB[2].Grunddaten.Titel.str(), "Dr.");
    // The smallest number free once the pasted record (still carrying 1) is stored: 3.
    EXPECT_EQ(b.DB[2].ID.get(), 3);
    EXPECT_EQ(b.Puffer.ID.get(), 3);
    EXPECT_TRUE(Gleich(b.Puffer, b.DB[2]));
    EXPECT_EQ(gezeigt, std::vector<Seite>{Seite::Lehrer});
    EXPECT_EQ(st->LehrerListe()[2], "Adler, Anna [3]");
    EXPECT_EQ(ablage->LehrerSlot().ID.get(), 1);
    // The slot keeps its record: pasting again gives another record of its own.
    Wechseln<TLehrerDS>(1);
    m.Antworten({true});
    EXPECT_EQ(ablage->PasteRecord(), Bereich::Lehrer);
    EXPECT_EQ(b.DB[1].Grunddaten.Name.str(), "Adler");
    EXPECT_EQ(b.DB[1].ID.get(), 2);
    EXPECT_EQ(b.Letzter(), 2);
}

TEST_F(Clipboard, PasteOntoAFreeRecordAsksNothing) {
    Auf<TKlasseDS>(Seite::Klassen, {Klasse("9a", 1), Klasse("", 2)}, 0);
    ASSERT_EQ(ablage->CopyRecord(), Bereich::Klassen);
    Wechseln<TKlasseDS>(1);
    EXPECT_EQ(ablage->PasteRecord(), Bereich::Klassen);
    EXPECT_TRUE(m.gezeigt.empty());
    EXPECT_EQ(st->Daten().Klassen.DB[1].Klassenname.str(), "9a");

    Auf<TSchuelerDS>(Seite::Schueler, {Schueler("  - frei -", "", "5a", 3)}, 0);
    EXPECT_EQ(ablage->PasteRecord(), Bereich::Schueler);
    EXPECT_TRUE(m.gezeigt.empty());
}

TEST_F(Clipboard, PastingAnUntouchedSlotAsksAndEmptiesTheRecord) {
    Auf<TSchuelerDS>(Seite::Schueler, {Schueler("Arndt", "Ida", "5a", 1), Schueler("B\xF6hm", "Ole", "6c", 2)}, 1);
    EXPECT_EQ(ablage->PasteRecord(), std::nullopt); // No
    EXPECT_EQ(m.Texte(), std::vector<std::string>{"Wollen Sie den aktuellen Schüler-Datensatz:\r     Böhm, Ole "
                                                  "(6c)\rdurch den Datensatz: \r     ,  ()\raus der "
                                                  "Schüler-Zwischenablage ersetzen?"});
    EXPECT_EQ(st->Daten().Schueler.DB[1].Grunddaten.Name.str(), "B\xF6hm");
    m.Antworten({true});
    EXPECT_EQ(ablage->PasteRecord(), Bereich::Schueler);
    TSchuelerDS erwartet{};
    erwartet.ID = st->Daten().Schueler.DB[1].ID;
    EXPECT_NE(erwartet.ID.get(), 0);
    EXPECT_NE(erwartet.ID.get(), 1);
    EXPECT_TRUE(Gleich(st->Daten().Schueler.DB[1], erwartet));
}

TEST_F(Clipboard, PasteAnsweredNoKeepsTheCollectedPageStored) {
    Auf<TKlasseDS>(Seite::Klassen, {Klasse("9a", 1), Klasse("9b", 2)}, 1);
    getippt = [this](Seite) { st->Daten().Klassen.Puffer.Klassenname = "9c"; };
    EXPECT_EQ(ablage->PasteRecord(), std::nullopt);
    EXPECT_EQ(m.Texte(), std::vector<std::string>{"Wollen Sie den aktuellen Klassen-Datensatz:\r     9c\rdurch den "
                                                  "Datensatz: \r     \raus der Klassen-Zwischenablage ersetzen?"});
    EXPECT_EQ(st->Daten().Klassen.DB[1].Klassenname.str(), "9c");
    EXPECT_TRUE(gezeigt.empty());
}

TEST_F(Clipboard, InAnyOtherWindowStateNothingHappens) {
    Auf<TLehrerDS>(Seite::Lehrer, {Lehrer("Adler", "Anna", 1), Lehrer("Bauer", "Bo", 2)}, 1);
    bereit[Bereich::Lehrer] = false; // the XML sub-page, or no list entry selected
    m.Antworten({true, true, true});
    EXPECT_EQ(ablage->CutRecord(), std::nullopt);
    EXPECT_EQ(ablage->CopyRecord(), std::nullopt);
    EXPECT_EQ(ablage->PasteRecord(), std::nullopt);
    bereit[Bereich::Lehrer] = true;
    for (Seite s : {Seite::Start, Seite::Schule}) {
        st->SeiteBetreten(s);
        EXPECT_EQ(ablage->CutRecord(), std::nullopt);
        EXPECT_EQ(ablage->CopyRecord(), std::nullopt);
        EXPECT_EQ(ablage->PasteRecord(), std::nullopt);
    }
    EXPECT_TRUE(m.gezeigt.empty());
    EXPECT_TRUE(uebernommen.empty());
    EXPECT_EQ(st->Daten().Lehrer.Letzter(), 1);
    EXPECT_TRUE(Gleich(ablage->LehrerSlot(), TLehrerDS{}));
}

TEST_F(Clipboard, TheViewReportsTheClassAndTheStudentSlotEachOnItsOwnPage) {
    const InfoTexte klasseLeer{"interne Zwischablage", "Klasen-Datensatz", {"", "leer ODER undefiniert", "", "", ""}};
    const InfoTexte schuelerLeer{
        "interne Zwischablage", "Schüler-Datensatz", {"", "leer ODER undefiniert", "", "", ""}};
    // The main window shows the teachers; the class and student sheets are still their areas' active pages.
    Auf<TLehrerDS>(Seite::Lehrer, {Lehrer("Adler", "Anna", 1)}, 0);
    ASSERT_EQ(ablage->CopyRecord(), Bereich::Lehrer);
    ablage->ShowClipboard();
    ASSERT_EQ(infos.size(), 2u);
    EXPECT_EQ(Z(infos[0].first), Z(klasseLeer));
    EXPECT_EQ(infos[0].second, 5000);
    EXPECT_EQ(Z(infos[1].first), Z(schuelerLeer));
    EXPECT_EQ(infos[1].second, 5000);

    TSchuelerDS s = Schueler("B\xF6hm", "Ole", "6c", 2);
    s.Grunddaten.Geburtsdatum = "01.02.2012";
    s.Grunddaten.Anschrift.Wohnort = "K\xF6ln";
    s.Grunddaten.Anschrift.Strasse = "Ring 3";
    Auf<TSchuelerDS>(Seite::Schueler, {s}, 0);
    ASSERT_EQ(ablage->CopyRecord(), Bereich::Schueler);
    Auf<TKlasseDS>(Seite::Klassen, {Klasse("10e", 1)}, 0);
    ASSERT_EQ(ablage->CopyRecord(), Bereich::Klassen);
    infos.clear();
    ablage->ShowClipboard();
    ASSERT_EQ(infos.size(), 2u);
    EXPECT_EQ(Z(infos[0].first),
              Z(InfoTexte{"interne Zwischablage", "Klassen-Datensatz", {"10e", "", "", "", "  ..."}}));
    EXPECT_EQ(Z(infos[1].first), Z(InfoTexte{"interne Zwischablage",
                                             "Schüler-Datensatz",
                                             {"Böhm, Ole (6c)", "", "01.02.2012; Köln, Ring 3", "", "  ..."}}));

    // A class slot holding the placeholder name counts as empty; an area not ready is left out.
    Auf<TKlasseDS>(Seite::Klassen, {Klasse("  - frei -", 1)}, 0);
    ASSERT_EQ(ablage->CopyRecord(), Bereich::Klassen);
    bereit[Bereich::Schueler] = false;
    infos.clear();
    ablage->ShowClipboard();
    ASSERT_EQ(infos.size(), 1u);
    EXPECT_EQ(Z(infos[0].first), Z(klasseLeer));
    EXPECT_TRUE(m.gezeigt.empty());
}

} // namespace
} // namespace zev
