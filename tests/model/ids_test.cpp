#include "model/ids.h"
#include "support/scripted_messages.h"

#include <gtest/gtest.h>

#include <memory>

namespace zev {
namespace {

using test::SkriptMeldungen;

BereichsDaten<TLehrerDS> MitIds(std::initializer_list<std::int32_t> ids) {
    BereichsDaten<TLehrerDS> b;
    b.DB.clear();
    for (auto id : ids) {
        b.DB.emplace_back();
        b.DB.back().ID = id;
    }
    return b;
}

TEST(RecordIds, SmallestFreePositiveNumber) {
    SkriptMeldungen m;
    EXPECT_EQ(NeueLehrerID(MitIds({1, 2, 4}), m), 3);
    EXPECT_EQ(NeueLehrerID(MitIds({2, 3}), m), 1);
    EXPECT_EQ(NeueLehrerID(MitIds({0}), m), 1);
    EXPECT_EQ(NeueLehrerID(MitIds({3, -7, 1, 2, 2147483646}), m), 4);
    EXPECT_TRUE(m.gezeigt.empty());
}

TEST(RecordIds, TheBufferDoesNotBlockANumber) {
    SkriptMeldungen m;
    auto b = MitIds({1});
    b.Puffer.ID = 2;
    EXPECT_EQ(NeueLehrerID(b, m), 2);
}

TEST(RecordIds, WhenAllPositiveNumbersAreTakenTheNegativeOnesFollowThenTheMessage) {
    IdVergabe v({1, 2, 3, -2147483646}, {{1, 3}, {-2147483646, -1}});
    EXPECT_EQ(v.Naechste(), -2147483645);
    IdVergabe voll({1, 2}, {{1, 2}});
    EXPECT_EQ(voll.Naechste(), 0);
}

TEST(RecordIds, BulkAllocationGivesTheNumbersRepeatedSearchesWouldGive) {
    SkriptMeldungen m;
    auto b = MitIds({5, 0, 2, 9, 3});
    auto bulk = IdVergabeFuer(b);
    std::vector<std::int32_t> einzeln, gebuendelt;
    auto kopie = b;
    for (int i = 0; i < 8; ++i) {
        const std::int32_t id = NeueLehrerID(kopie, m);
        einzeln.push_back(id);
        kopie.DB.emplace_back();
        kopie.DB.back().ID = id;
        gebuendelt.push_back(bulk.Naechste());
    }
    EXPECT_EQ(einzeln, (std::vector<std::int32_t>{1, 4, 6, 7, 8, 10, 11, 12}));
    EXPECT_EQ(gebuendelt, einzeln);
}

TEST(LessonUnitIds, SmallestFreeAmongUnitsOneToThousand) {
    auto s = std::make_unique<TSchuleDS>();
    s->Unterrichtseinheit[1].UE_ID = 1;
    s->Unterrichtseinheit[2].UE_ID = 2;
    s->Unterrichtseinheit[3].UE_ID = 5;
    s->Unterrichtseinheit[0].UE_ID = 3; // element 0 is never looked at
    EXPECT_EQ(NeueUEID(*s), 3);
    for (int k = 1; k <= 1000; ++k) s->Unterrichtseinheit[k].UE_ID = k;
    EXPECT_EQ(NeueUEID(*s), 1001);
}

TEST(LessonUnitIds, ImportIdentifiersCountUpFromTheMostNegativeButOne) {
    auto s = std::make_unique<TSchuleDS>();
    EXPECT_EQ(NeueImportUEID(*s), -2147483647);
    s->Unterrichtseinheit[7].UE_ID = -2147483647;
    s->Unterrichtseinheit[9].UE_ID = -2147483646;
    EXPECT_EQ(NeueImportUEID(*s), -2147483645);
}

} // namespace
} // namespace zev
