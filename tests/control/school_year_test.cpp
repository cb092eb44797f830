// The plan of the change of school year on a small school: the table of Jahrgänge
// as prefilled, the class names, the highest Jahrgang, repeaters, names without a
// number, and the records after the plan was carried out, byte for byte.
#include "control/school_year.h"
#include "support/scripted_messages.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace zev {
namespace {

TEST(SchoolYearNames, LeadingNumberMovesWithTheJahrgang) {
    const struct {
        const char* alt;
        int schritt;
        const char* neu;
    } faelle[] = {{"5a", 1, "6a"},   {"9b", 1, "10b"}, {"05a", 1, "06a"}, {"09", 1, "10"},
                  {"10b", -1, "9b"}, {"12", 2, "14"},  {"a5", 1, ""},     {"", 1, ""},
                  {"Sonne", 1, ""},  {"0x", -1, ""},   {"7 G", 0, "7 G"}, {"99z", 1, "100z"}};
    for (const auto& f : faelle) EXPECT_EQ(KlassennameVerschoben(f.alt, f.schritt), f.neu) << f.alt;
}

class Plan : public ::testing::Test {
protected:
    void SetUp() override {
        kataloge.AlleLaden(std::string(ZEV_CATALOGUE_DIR) + "/", m);
        EinstellungenStandard(e, "/p/");
        e.Schulnummer = "12345";
        e.Berichtsjahr = "2025";
        InitSchule(d->SchulDS, "12345");
        d->SchulDS.freie_Traeger.Name = "Testschule";
        d->SchulDS.Unterrichtseinheit[1].UE_ID = 1;
        d->SchulDS.Unterrichtseinheit[1].Fach = "010";
        d->SchulDS.Nichteinschulung[1].Art = "01";
        d->Schueler.DB.clear();
        // number, class, Jahrgang
        for (const auto& [nr, klasse, jg] : {std::tuple{"1", "1a", "01"},
                                             {"2", "1a", "01"},
                                             {"3", "4a", "04"},
                                             {"4", "10a", "10"},
                                             {"5", "10a", "10"},
                                             {"6", "Eingang", "SE"},
                                             {"7", "Sonne", "02"},
                                             {"8", "Misch", "JU"}}) {
            TSchuelerDS& s = d->Schueler.DB.emplace_back();
            InitSchueler(s, "12345");
            s.ID = std::stoi(nr);
            s.Schuelernummer = nr;
            s.Grunddaten.Name = std::string("Kind ") + nr;
            s.Grunddaten.Zuzug = "2019";
            s.Jahrgangsdaten.Klasse = klasse;
            s.Jahrgangsdaten.Jahrgang = jg;
            s.Jahrgangsdaten.Wiederholer = "02";
            s.Jahrgangsdaten.Empfehlung = "03";
            s.Jahrgangsdaten.Schulartwechsel = "04";
            s.Jahrgangsdaten.LRS = "Ja";
            s.Jahrgangsdaten.Unterrichtseinheit[1].Nummer = 1;
            s.Jahrgangsdaten.Unterrichtseinheit[1].UE_ID = "1";
            s.Fremdsprachen[1].Sprache = "eng";
            s.Warnungen = 3;
            s.Fehler = 2;
            s.Zaehler[4] = 9;
        }
        d->Klassen.DB.clear();
        for (const char* name : {"1a", "4a", "10a", "Eingang", "Sonne", "Misch", "leer"}) {
            TKlasseDS& k = d->Klassen.DB.emplace_back();
            InitKlasse(k, "12345");
            k.Klassenname = name;
            k.Unterrichtseinheit[2].Nummer = 1;
            k.Unterrichtseinheit[2].UE_ID = "1";
            k.Fehler = 1;
        }
        d->Lehrer.DB.clear();
        for (const char* abgang : {"31.07.2025", "  .  .20  ", "31.07.2025"}) {
            TLehrerDS& l = d->Lehrer.DB.emplace_back();
            InitLehrer(l, "12345");
            l.Zu_Abgang.Abgang.Datum = abgang;
            l.Sonstiges.Klassenleiter = "1a";
            l.Unterrichtseinheit[1].Nummer = 1;
            l.Unterrichtseinheit[1].UE_ID = "1";
            l.Warnungen = 5;
        }
        std::string fehler;
        p = PlanAufstellen(*d, kataloge, e, fehler);
        ASSERT_EQ(fehler, "");
    }

    const JahrgangsZeile& Zeile(std::string_view key) const {
        for (const JahrgangsZeile& z : p.jahrgaenge)
            if (z.alt == key) return z;
        throw std::runtime_error("keine Zeile " + std::string(key));
    }

    test::SkriptMeldungen m;
    Kataloge kataloge;
    TEinstellungen e;
    std::unique_ptr<Datenbestand> d = std::make_unique<Datenbestand>();
    SchuljahrPlan p;
};

TEST_F(Plan, TableIsPrefilledFromCatalogue25) {
    // alt, neu, pruefen, hoechster, students
    const std::tuple<const char*, const char*, bool, bool, int> erwartet[] = {
        {"KG", "KG", true, false, 0},  {"SE", "SE", true, false, 1},  {"01", "02", false, false, 2},
        {"02", "03", false, false, 1}, {"09", "10", false, false, 0}, {"10", "", false, true, 2},
        {"12", "13", false, false, 0}, {"13", "", false, false, 0},   {"Q2", "Q2", true, false, 0},
        {"JU", "JU", true, false, 1}};
    for (const auto& [alt, neu, pruefen, hoechster, n] : erwartet) {
        const JahrgangsZeile& z = Zeile(alt);
        EXPECT_EQ(z.neu, neu) << alt;
        EXPECT_EQ(z.pruefen, pruefen) << alt;
        EXPECT_EQ(z.hoechster, hoechster) << alt;
        EXPECT_EQ(z.schueler, n) << alt;
    }
    EXPECT_EQ(p.jahrgaenge.size(), 21u); // the 20 keys of catalogue 25, then JU of a student
    EXPECT_EQ(p.jahrgaenge.back().alt, "JU");
    EXPECT_EQ(p.wiederholerSchluessel, "01");
    EXPECT_EQ(p.neuesJahr, "2026");
    EXPECT_EQ(p.lehrerGeht, (std::vector<bool>{true, false, true}));
}

TEST_F(Plan, OverviewListsWhatThePersonMustSee) {
    const SchuljahrUebersicht u = UebersichtVon(p, *d);
    EXPECT_EQ(u.versetzt, 6);
    EXPECT_EQ(u.verlassen, 2); // the highest Jahrgang present
    EXPECT_EQ(u.wiederholt, 0);
    EXPECT_EQ(u.zuPruefen, (std::vector<std::size_t>{5, 7}));
    EXPECT_EQ(u.umbenannt, (std::vector<std::pair<std::string, std::string>>{{"1a", "2a"}, {"4a", "5a"}}));
    EXPECT_EQ(u.entfernt, (std::vector<std::string>{"10a"}));
    EXPECT_EQ(u.ohneNummer, (std::vector<std::string>{"Sonne"}));
    EXPECT_EQ(u.ohneKlasse, (std::vector<std::string>{"01", "04", "10"}));
    EXPECT_EQ(u.lehrerMitAbgang, (std::vector<std::size_t>{0, 2}));
    EXPECT_EQ(u.lehrerEntfernt, 2);
    EXPECT_EQ(u.schulUE, 1);
    std::vector<std::tuple<std::string, int, int>> zahlen;
    for (const auto& z : u.jahrgaenge) zahlen.emplace_back(z.key, z.vorher, z.nachher);
    EXPECT_EQ(zahlen, (std::vector<std::tuple<std::string, int, int>>{{"SE", 1, 1},
                                                                      {"01", 2, 0},
                                                                      {"02", 1, 2},
                                                                      {"03", 0, 1},
                                                                      {"04", 1, 0},
                                                                      {"05", 0, 1},
                                                                      {"10", 2, 0},
                                                                      {"JU", 1, 1}}));
}

TEST_F(Plan, DecisionsOfThePersonOutliveChangesOfTheTable) {
    SchuelerEntscheiden(p, 3, Entscheidung::Wiederholt);
    KlasseEntscheiden(p, *d, "1a", Entscheidung::Verlaesst);
    ZielSetzen(p, *d, "10", "11");
    EXPECT_EQ(p.schueler,
              (std::vector<Entscheidung>{Entscheidung::Verlaesst, Entscheidung::Verlaesst, Entscheidung::Versetzt,
                                         Entscheidung::Wiederholt, Entscheidung::Versetzt, Entscheidung::Versetzt,
                                         Entscheidung::Versetzt, Entscheidung::Versetzt}));
    ZielSetzen(p, *d, "02", "");
    EXPECT_EQ(p.schueler[6], Entscheidung::Verlaesst);
    // Moved up one by one from a row that leaves: to the next key of the catalogue.
    SchuelerEntscheiden(p, 6, Entscheidung::Versetzt);
    EXPECT_EQ(SchuelerNachPlan(p, d->Schueler.DB[6], 6).jahrgang, "03");
    EXPECT_EQ(SchuelerNachPlan(p, d->Schueler.DB[4], 4).klasse, "11a");
}

TEST_F(Plan, CarriedOutEmptiesThePerYearDataAndNothingElse) {
    SchuelerEntscheiden(p, 2, Entscheidung::Wiederholt);
    p.wiederholerSchluessel = "05";
    p.lehrerGeht[2] = false;
    p.klassenNamen["Sonne"] = "3s";
    const auto vorher = std::make_unique<Datenbestand>(*d);
    PlanAusfuehren(p, *d, e);

    EXPECT_EQ(e.Berichtsjahr, "2026");
    TSchuelerDS leer;
    InitSchueler(leer, "12345");
    // number, class, Jahrgang, Wiederholer
    const std::tuple<const char*, const char*, const char*, const char*> erwartet[] = {
        {"1", "2a", "02", ""},      {"2", "2a", "02", ""}, {"3", "4a", "04", "05"},
        {"6", "Eingang", "SE", ""}, {"7", "3s", "03", ""}, {"8", "Misch", "JU", ""}};
    ASSERT_EQ(d->Schueler.DB.size(), std::size(erwartet));
    for (std::size_t i = 0; i < std::size(erwartet); ++i) {
        const auto& [nr, klasse, jg, wh] = erwartet[i];
        const TSchuelerDS& s = d->Schueler.DB[i];
        TSchuelerDS soll = vorher->Schueler.DB[static_cast<std::size_t>(std::stoi(nr) - 1)];
        soll.Jahrgangsdaten.Klasse = klasse;
        soll.Jahrgangsdaten.Jahrgang = jg;
        // Emptied as a blank record holds them, to the last byte.
        soll.Grunddaten.Zuzug = leer.Grunddaten.Zuzug;
        soll.Jahrgangsdaten.Wiederholer = leer.Jahrgangsdaten.Wiederholer;
        if (*wh) soll.Jahrgangsdaten.Wiederholer = wh;
        soll.Jahrgangsdaten.Empfehlung = leer.Jahrgangsdaten.Empfehlung;
        soll.Jahrgangsdaten.Schulartwechsel = leer.Jahrgangsdaten.Schulartwechsel;
        soll.Jahrgangsdaten.Unterrichtseinheit = leer.Jahrgangsdaten.Unterrichtseinheit;
        soll.Warnungen = soll.Fehler = 0;
        for (U16& z : soll.Zaehler) z = 0;
        EXPECT_EQ(std::memcmp(&s, &soll, sizeof s), 0) << "Schüler " << nr;
    }
    EXPECT_EQ(d->Schueler.Puffer.Schuelernummer, "1");

    std::vector<std::string> klassen;
    for (const TKlasseDS& k : d->Klassen.DB) {
        klassen.push_back(k.Klassenname.str());
        EXPECT_EQ(k.Unterrichtseinheit[2].Nummer, 0);
        EXPECT_EQ(k.Fehler, 0);
    }
    EXPECT_EQ(klassen, (std::vector<std::string>{"2a", "4a", "Eingang", "3s", "Misch", "leer"}));

    ASSERT_EQ(d->Lehrer.DB.size(), 2u);
    TLehrerDS leerL;
    InitLehrer(leerL, "12345");
    for (const TLehrerDS& l : d->Lehrer.DB) {
        EXPECT_EQ(l.Sonstiges.Klassenleiter, "2a");
        EXPECT_EQ(std::memcmp(&l.Unterrichtseinheit, &leerL.Unterrichtseinheit, sizeof l.Unterrichtseinheit), 0);
        EXPECT_EQ(l.Warnungen, 0);
    }
    EXPECT_EQ(d->Lehrer.DB[1].Zu_Abgang.Abgang.Datum, "31.07.2025"); // kept by the person

    const auto leerSchule = std::make_unique<TSchuleDS>();
    InitSchule(*leerSchule, "12345");
    auto soll = std::make_unique<TSchuleDS>(vorher->SchulDS);
    soll->Unterrichtseinheit = leerSchule->Unterrichtseinheit;
    soll->Unterrichtseinheit[0] = vorher->SchulDS.Unterrichtseinheit[0];
    soll->Nichteinschulung = leerSchule->Nichteinschulung;
    EXPECT_EQ(std::memcmp(&d->SchulDS, soll.get(), sizeof(TSchuleDS)), 0);
    EXPECT_EQ(d->SchulDS.freie_Traeger.Name, "Testschule");
}

TEST_F(Plan, AllGoneLeavesOneBlankRecordPerArea) {
    for (std::size_t i = 0; i < p.schueler.size(); ++i) SchuelerEntscheiden(p, i, Entscheidung::Verlaesst);
    p.lehrerGeht.assign(p.lehrerGeht.size(), true);
    PlanAusfuehren(p, *d, e);
    TSchuelerDS leer;
    InitSchueler(leer, "12345");
    ASSERT_EQ(d->Schueler.DB.size(), 1u);
    EXPECT_EQ(std::memcmp(&d->Schueler.DB[0], &leer, sizeof leer), 0);
    ASSERT_EQ(d->Lehrer.DB.size(), 1u);
    EXPECT_EQ(d->Lehrer.DB[0].Grunddaten.Name, kFreiName);
    // The class without students stays.
    ASSERT_EQ(d->Klassen.DB.size(), 1u);
    EXPECT_EQ(d->Klassen.DB[0].Klassenname, "leer");
}

TEST_F(Plan, ReportYearMustBeAYear) {
    for (const char* jahr : {"", "20x5", "202", "9999"}) {
        e.Berichtsjahr = jahr;
        std::string fehler;
        PlanAufstellen(*d, kataloge, e, fehler);
        EXPECT_EQ(fehler, "Das Berichtsjahr der Einstellungen (\"" + std::string(jahr) +
                              "\") ist keine Jahreszahl.\r\rDer Schuljahreswechsel braucht das Berichtsjahr des "
                              "Schuljahres, das endet.");
    }
}

} // namespace
} // namespace zev
