// The demonstration school: its size, the ages, that every code is a key of its
// catalogue, that every lesson-unit reference names a unit of the school, and that
// a seed always gives the same records.
#include "control/demo_school.h"
#include "model/field_access.h"
#include "model/field_tables.h"
#include "support/scripted_messages.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <set>

namespace zev {
namespace {

class Demo : public ::testing::Test {
protected:
    void SetUp() override {
        kataloge.AlleLaden(std::string(ZEV_CATALOGUE_DIR) + "/", m);
        ASSERT_TRUE(m.gezeigt.empty());
        EinstellungenStandard(e, "/p/");
        e.Schulnummer = "12345";
        e.Berichtsjahr = "2025";
        DemoSchuleErzeugen(*d, kataloge, e, kDemoSaat);
    }

    test::SkriptMeldungen m;
    Kataloge kataloge;
    TEinstellungen e;
    std::unique_ptr<Datenbestand> d = std::make_unique<Datenbestand>();
};

int Jahr(const s10& datum) {
    const std::string t = datum.str();
    EXPECT_EQ(t.size(), 10u) << t;
    EXPECT_TRUE(t[2] == '.' && t[5] == '.') << t;
    const int tag = std::stoi(t.substr(0, 2)), monat = std::stoi(t.substr(3, 2));
    EXPECT_TRUE(tag >= 1 && tag <= 31 && monat >= 1 && monat <= 12) << t;
    return std::stoi(t.substr(6));
}

TEST(DemoZufallTest, GivesTheReferenceSequenceOfSplitMix64) {
    DemoZufall z(0);
    EXPECT_EQ(z.Naechste(), 0xE220A8397B1DCDAFull);
    EXPECT_EQ(z.Naechste(), 0x6E789E6AA1B965F4ull);
    EXPECT_EQ(z.Naechste(), 0x06C45D188009454Full);
}

TEST_F(Demo, SizesSchoolNumberAndIdentifiers) {
    EXPECT_EQ(d->Lehrer.DB.size(), 25u);
    EXPECT_EQ(d->Klassen.DB.size(), 12u);
    EXPECT_EQ(d->Schueler.DB.size(), 300u);
    int einheiten = 0;
    for (int k = 1; k <= 1000; ++k) {
        const TUnterrichtseinheitDS& u = d->SchulDS.Unterrichtseinheit[k];
        if (u.UE_ID <= 0) continue;
        ++einheiten;
        EXPECT_EQ(u.UE_ID.get(), k);
        EXPECT_EQ(u.UE_ID_Text.str(), std::to_string(k));
        EXPECT_FALSE(u.Klasse.empty() || u.Fach.empty() || u.Stunden.empty() || u.Lehrer.empty()) << k;
    }
    EXPECT_EQ(einheiten, 40);

    EXPECT_EQ(d->SchulDS.Schulnummer.str(), "12345");
    std::set<std::string> nummern;
    std::set<std::int32_t> ids;
    const auto kopf = [&](const auto& r, const auto& nummer) {
        EXPECT_EQ(r.Schulnummer.str(), "12345");
        EXPECT_FALSE(nummer.empty());
        EXPECT_TRUE(nummern.insert(nummer.str()).second) << "doppelt: " << nummer.str();
        EXPECT_TRUE(ids.insert(r.ID.get()).second) << r.ID.get();
    };
    for (const auto& l : d->Lehrer.DB) kopf(l, l.Lehrernummer);
    nummern.clear(), ids.clear();
    for (const auto& k : d->Klassen.DB) kopf(k, k.Klassenname);
    nummern.clear(), ids.clear();
    for (const auto& s : d->Schueler.DB) kopf(s, s.Schuelernummer);
    EXPECT_EQ(*ids.begin(), 1);
    EXPECT_EQ(*ids.rbegin(), 300);
    EXPECT_TRUE(d->SchuleGeladen && d->Lehrer.Geladen && d->Klassen.Geladen && d->Schueler.Geladen);
    EXPECT_EQ(std::memcmp(&d->Schueler.Puffer, &d->Schueler.DB[0], sizeof(TSchuelerDS)), 0);
}

TEST_F(Demo, StudentsAreBornFrom2008To2020AndTeachersAreAdults) {
    std::set<int> jahre;
    for (const TSchuelerDS& s : d->Schueler.DB) {
        const int j = Jahr(s.Grunddaten.Geburtsdatum);
        EXPECT_TRUE(j >= 2008 && j <= 2020) << s.Grunddaten.Geburtsdatum.str();
        jahre.insert(j);
        EXPECT_TRUE(s.Grunddaten.Geschlecht == 1 || s.Grunddaten.Geschlecht == 2);
    }
    EXPECT_GE(jahre.size(), 10u); // twelve grades, not one age
    for (const TLehrerDS& l : d->Lehrer.DB) {
        // The birth years the teacher check takes as working age.
        const int j = Jahr(l.Grunddaten.Geburtsdatum);
        EXPECT_TRUE(j >= 1937 && j <= 1979) << l.Grunddaten.Geburtsdatum.str();
    }
}

TEST_F(Demo, NamesVary) {
    std::set<std::string> namen, vornamen, staaten, ganze;
    int maedchen = 0;
    for (const TSchuelerDS& s : d->Schueler.DB) {
        EXPECT_TRUE(ganze.insert(s.Grunddaten.Name.str() + ", " + s.Grunddaten.Vorname.str()).second)
            << "zweimal: " << s.Grunddaten.Name.str() << ", " << s.Grunddaten.Vorname.str();
        namen.insert(s.Grunddaten.Name.str());
        vornamen.insert(s.Grunddaten.Vorname.str());
        staaten.insert(s.Grunddaten.Staatsangehoerigkeit.str());
        maedchen += s.Grunddaten.Geschlecht == 2;
    }
    EXPECT_GE(namen.size(), 50u);
    EXPECT_GE(vornamen.size(), 50u);
    EXPECT_GE(staaten.size(), 3u);
    EXPECT_TRUE(maedchen > 100 && maedchen < 200) << maedchen;
    std::set<std::string> lehrer, lehrerVornamen;
    for (const TLehrerDS& l : d->Lehrer.DB) {
        lehrer.insert(l.Grunddaten.Name.str());
        lehrerVornamen.insert(l.Grunddaten.Vorname.str());
    }
    EXPECT_EQ(lehrer.size(), 25u);
    EXPECT_GE(lehrerVornamen.size(), 20u);
    EXPECT_TRUE(namen.count("M\xFCller") || namen.count("K\xF6hler") || namen.count("Wei\xDF"))
        << "Umlaute als Windows-1252";
}

// Driven by the field tables: every entry of every field with a catalogue holds a
// key of it (bare lists: one of its entries), or nothing.
TEST_F(Demo, EveryCodeIsAKeyOfItsCatalogue) {
    std::vector<std::string> fehlt;
    const auto pruefen = [&](const std::uint8_t* bild, felder::Tabelle t, const std::string& wo) {
        for (const felder::Feld& f : t)
            for (int k = 1; f.katalog != 0 && k <= f.anzahl; ++k) {
                const std::string_view wert = felder::TextIn(bild, f, k);
                if (wert.empty()) continue;
                const Katalog& kat = kataloge(f.katalog);
                const bool bar = f.katalog == 101 || f.katalog >= 105;
                if (!(bar ? ListContains(kat, wert) : kat.FindeSchluessel(wert) >= 0))
                    fehlt.push_back(wo + std::string(f.gruppe) + "." + std::string(f.pfad) + "[" + std::to_string(k) +
                                    "]=" + std::string(wert));
            }
    };
    const TSchuleDS& s = d->SchulDS;
    EXPECT_FALSE(s.Schuldaten.Schulart[1].empty());
    pruefen(ImageOf(s), felder::kSchule, "Schule ");
    for (const TLehrerDS& l : d->Lehrer.DB) pruefen(ImageOf(l), felder::kLehrer, "Lehrer " + l.Lehrernummer.str());
    for (const TKlasseDS& k : d->Klassen.DB) pruefen(ImageOf(k), felder::kKlasse, "Klasse " + k.Klassenname.str());
    for (const TSchuelerDS& x : d->Schueler.DB) {
        const std::string wo = "Schüler " + x.Schuelernummer.str();
        pruefen(ImageOf(x), felder::kSchueler, wo);
        // The place comes from one line of the place catalogue: postal code, name, municipality.
        const auto& g = x.Grunddaten;
        std::string ort;
        CatalogueDisplayOfKey(kataloge(54), g.Anschrift.PLZ.view(), ort);
        EXPECT_EQ(ort.rfind(g.Anschrift.Wohnort.str() + "; [" + g.Anschrift.PLZ.str() + "]; " +
                                g.Anschrift.Gemeinde.str() + "; ",
                            0),
                  0u)
            << wo << ": " << ort;
    }
    ASSERT_EQ(fehlt.size(), 1u) << ::testing::PrintToString(fehlt);
    EXPECT_EQ(fehlt[0].rfind("Schule Unterrichtseinheit", 0), 0u) << fehlt[0]; // lesson unit 39's hours, on purpose
    EXPECT_NE(fehlt[0].find("[39]"), std::string::npos) << fehlt[0];
}

// The references in use of a record, as (Nummer, UE_ID) pairs.
template <class Refs> std::vector<std::pair<int, std::string>> Benutzt(const Refs& refs) {
    std::vector<std::pair<int, std::string>> v;
    for (int i = Refs::Erster; i <= Refs::Letzter; ++i)
        if (refs[i].Nummer != 0 && !refs[i].UE_ID.empty()) v.emplace_back(refs[i].Nummer, refs[i].UE_ID.str());
    return v;
}

TEST_F(Demo, EveryLessonUnitReferenceNamesAUnitOfTheSchool) {
    const auto& ue = d->SchulDS.Unterrichtseinheit;
    const auto einheit = [&](const std::pair<int, std::string>& r) -> const TUnterrichtseinheitDS* {
        for (int k = 1; k <= 1000; ++k)
            if (ue[k].UE_ID > 0 && ue[k].UE_ID_Text.str() == r.second && ue[k].UE_ID == r.first) return &ue[k];
        ADD_FAILURE() << "keine UE " << r.first << " / " << r.second;
        return nullptr;
    };
    std::set<std::string> gelehrt;
    for (const TLehrerDS& l : d->Lehrer.DB)
        for (const auto& r : Benutzt(l.Unterrichtseinheit))
            if (const auto* u = einheit(r)) {
                EXPECT_EQ(u->Lehrer.str(), l.Lehrernummer.str()) << "UE " << r.second;
                gelehrt.insert(r.second);
            }
    EXPECT_EQ(gelehrt.size(), 40u); // every unit has its teacher, who lists it

    for (const TKlasseDS& k : d->Klassen.DB) {
        const auto refs = Benutzt(k.Unterrichtseinheit);
        EXPECT_GE(refs.size(), 3u) << k.Klassenname.str();
        for (const auto& r : refs) {
            if (const auto* u = einheit(r)) {
                EXPECT_EQ(u->Klasse.str(), k.Klassenname.str());
            }
        }
    }
    for (const TSchuelerDS& s : d->Schueler.DB) {
        const auto refs = Benutzt(s.Jahrgangsdaten.Unterrichtseinheit);
        int klassenunterricht = 0;
        for (const auto& r : refs)
            if (const auto* u = einheit(r)) klassenunterricht += u->Kurs == std::string_view("KL");
        // German, mathematics and a third subject with the whole class at least.
        EXPECT_GE(klassenunterricht, 3) << s.Schuelernummer.str();
    }
}

TEST_F(Demo, OneSeedGivesTheSameRecordsAnotherSeedOthers) {
    auto zweite = std::make_unique<Datenbestand>();
    DemoSchuleErzeugen(*zweite, kataloge, e, kDemoSaat);
    EXPECT_EQ(std::memcmp(&zweite->SchulDS, &d->SchulDS, sizeof(TSchuleDS)), 0);
    const auto gleich = [](const auto& a, const auto& b) {
        return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(a[0])) == 0;
    };
    EXPECT_TRUE(gleich(zweite->Lehrer.DB, d->Lehrer.DB));
    EXPECT_TRUE(gleich(zweite->Klassen.DB, d->Klassen.DB));
    EXPECT_TRUE(gleich(zweite->Schueler.DB, d->Schueler.DB));

    DemoSchuleErzeugen(*zweite, kataloge, e, kDemoSaat + 1);
    EXPECT_FALSE(gleich(zweite->Schueler.DB, d->Schueler.DB));
    EXPECT_FALSE(gleich(zweite->Lehrer.DB, d->Lehrer.DB));
}

TEST_F(Demo, WithoutCataloguesTheCodesStayEmptyAndTheSchoolIsStillThere) {
    Kataloge keine; // nothing loaded: every list empty
    auto leer = std::make_unique<Datenbestand>();
    DemoSchuleErzeugen(*leer, keine, e, kDemoSaat);
    EXPECT_EQ(leer->Schueler.DB.size(), 300u);
    EXPECT_EQ(leer->SchulDS.Schuldaten.Schulart[1].str(), "");
    EXPECT_EQ(leer->SchulDS.Unterrichtseinheit[40].Klasse.str(), "11b");
    for (const TSchuelerDS& s : leer->Schueler.DB) {
        EXPECT_EQ(s.Grunddaten.Anschrift.PLZ.str(), "");
        EXPECT_EQ(s.Jahrgangsdaten.Jahrgang.str(), "");
    }
}

} // namespace
} // namespace zev
