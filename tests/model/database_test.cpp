#include "model/database.h"
#include "support/scripted_messages.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace zev {
namespace {

using test::SkriptMeldungen;

// Which fields a new record leaves empty: field_tables_test.cpp. Here the values the
// others start with, over a record that held garbage.
TEST(InitRecords, TheStartValuesOverGarbage) {
    TLehrerDS l{};
    std::memset(ImageOf(l), 0xAB, sizeof l);
    InitLehrer(l, "12345");
    EXPECT_EQ(l.Schulnummer.str(), "12345");
    EXPECT_EQ(l.Grunddaten.Name.str(), "  - frei -");
    EXPECT_EQ(l.Zu_Abgang.Zugang.Datum.str(), "  .  .20  ");
    EXPECT_EQ(l.Zu_Abgang.Abgang.Datum.str(), "  .  .20  ");
    EXPECT_EQ(l.Unterrichtseinheit[35].UE_ID.str(), "0");
    EXPECT_EQ(ImageOf(l)[4], 0); // the reserved head
    TSchuelerDS s{};
    std::memset(ImageOf(s), 0xAB, sizeof s);
    InitSchueler(s, "777");
    EXPECT_EQ(s.Grunddaten.Name.str(), "  - frei -");
    EXPECT_EQ(s.Jahrgangsdaten.Unterrichtseinheit[25].UE_ID.str(), "0");
    auto sch = std::make_unique<TSchuleDS>();
    std::memset(ImageOf(*sch), 0xAB, sizeof *sch);
    InitSchule(*sch, "4711");
    const std::uint8_t* p = ImageOf(*sch);
    EXPECT_EQ(std::count(p + 11, p + sizeof(TSchuleDS), 0), static_cast<long>(sizeof(TSchuleDS) - 11));
}

TEST(AreaOperations, StoringTheBufferAtLastPlusOneIsRefused) {
    SkriptMeldungen m;
    BereichsDaten<TLehrerDS> b;
    InitLehrer(b.Puffer, "1");
    ASSERT_TRUE(PufferSpeichern(b, 0, m));
    b.DB.resize(3);
    b.DB[2].ID = 9;
    const auto vorher = b.DB;
    b.Puffer.Grunddaten.Name = "Neu";

    EXPECT_FALSE(PufferSpeichern(b, 3, m));
    ASSERT_EQ(m.gezeigt.size(), 1u);
    EXPECT_EQ(m.gezeigt[0].art, MeldungsArt::Fehler);
    EXPECT_EQ(m.gezeigt[0].text,
              "interner Fehler:\r\rDatensatznummer: 3 liegt nicht zwischen 0 und 2\rAbspeichern nicht möglich!");
    ASSERT_EQ(b.DB.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ(std::memcmp(&b.DB[i], &vorher[i], sizeof(TLehrerDS)), 0) << "element " << i;

    EXPECT_FALSE(PufferSpeichern(b, -1, m));
    EXPECT_EQ(m.gezeigt.back().text,
              "interner Fehler:\r\rDatensatznummer: -1 liegt nicht zwischen 0 und 2\rAbspeichern nicht möglich!");
}

TEST(AreaOperations, StoringGivesABufferWithoutIdentifierTheSmallestFreeOne) {
    SkriptMeldungen m;
    BereichsDaten<TKlasseDS> b;
    b.DB.resize(3);
    b.DB[0].ID = 1;
    b.DB[1].ID = 3;
    b.DB[2].ID = 0;
    b.Puffer.ID = 0;
    b.Puffer.Klassenname = "7c";
    ASSERT_TRUE(PufferSpeichern(b, 2, m));
    EXPECT_EQ(b.DB[2].ID.get(), 2);
    EXPECT_EQ(b.Puffer.ID.get(), 2);
    EXPECT_EQ(b.DB[2].Klassenname.str(), "7c");
    EXPECT_TRUE(m.gezeigt.empty());
}

TEST(AreaOperations, ClearingKeepsElementZeroAndLoadingCopiesTheElement) {
    BereichsDaten<TSchuelerDS> b;
    b.DB.resize(5);
    b.DB[0].Schuelernummer = "S0";
    b.DB[4].Schuelernummer = "S4";
    b.Aktuell = 4;
    EXPECT_TRUE(PufferLaden(b, 4));
    EXPECT_EQ(b.Puffer.Schuelernummer.str(), "S4");
    EXPECT_FALSE(PufferLaden(b, 5));
    EXPECT_EQ(b.Puffer.Schuelernummer.str(), "S4");

    BereichLeeren(b);
    EXPECT_EQ(b.Letzter(), 0);
    EXPECT_EQ(b.Aktuell, 0);
    EXPECT_EQ(b.DB[0].Schuelernummer.str(), "S0");
}

TEST(AreaOperations, StartStateGivesElementZeroNumberOneAndTheBufferNumberTwo) {
    SkriptMeldungen m;
    auto d = std::make_unique<Datenbestand>();
    d->Lehrer.Geladen = true;
    AnfangsZustand(*d, "12345", m);
    EXPECT_TRUE(m.gezeigt.empty());
    EXPECT_EQ(d->SchulDS.Schulnummer.str(), "12345");
    EXPECT_FALSE(d->SchuleGeladen);
    EXPECT_FALSE(d->Lehrer.Geladen);
    EXPECT_EQ(d->Lehrer.Letzter(), 0);
    EXPECT_EQ(d->Lehrer.DB[0].ID.get(), 1);
    EXPECT_EQ(d->Lehrer.Puffer.ID.get(), 2);
    EXPECT_EQ(d->Lehrer.DB[0].Grunddaten.Name.str(), "  - frei -");
    EXPECT_EQ(d->Klassen.DB[0].ID.get(), 1);
    EXPECT_EQ(d->Klassen.Puffer.ID.get(), 2);
    EXPECT_EQ(d->Schueler.DB[0].ID.get(), 1);
    EXPECT_EQ(d->Schueler.Puffer.ID.get(), 2);
    EXPECT_EQ(d->Schueler.DB[0].Schulnummer.str(), "12345");
}

} // namespace
} // namespace zev
