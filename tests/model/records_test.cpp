#include "model/records.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace zev {
namespace {

// Where a field really lies: write through the field, find the byte in the image.
template <class R, std::size_t N> std::size_t OffsetOf(R& r, SText<N>& feld) {
    return static_cast<std::size_t>(ImageOf(feld) - ImageOf(r));
}

TEST(RecordLayout, SizesAreThoseOfTheFileFormat) {
    EXPECT_EQ(sizeof(TSchuleDS), 88656u);
    EXPECT_EQ(sizeof(TLehrerDS), 1052u);
    EXPECT_EQ(sizeof(TKlasseDS), 300u);
    EXPECT_EQ(sizeof(TSchuelerDS), 772u);
    EXPECT_EQ(sizeof(TUnterrichtseinheitDS), 88u);
    EXPECT_EQ(sizeof(TUEVerweis), 8u);
}

TEST(RecordLayout, OneBasedElementsLieWhereTheTableSays) {
    auto l = std::make_unique<TLehrerDS>();
    EXPECT_EQ(OffsetOf(*l, l->Grunddaten.Ausbildung[1]), 184u);
    EXPECT_EQ(OffsetOf(*l, l->Grunddaten.Ausbildung[10]), 184u + 6 * 9);
    EXPECT_EQ(OffsetOf(*l, l->Arbeitszeitkonto[5].Anzahl_minder), 352u + 18 * 4 + 12);
    EXPECT_EQ(OffsetOf(*l, l->Arbeitszeitregelung[1].Grund_minder), 442u + 9);
    EXPECT_EQ(OffsetOf(*l, l->Anrechnungsstunden[10].Stunden), 532u + 12 * 9 + 6);
    EXPECT_EQ(OffsetOf(*l, l->Sonstiges.Personengruppe[3]), 655u + 6);
    EXPECT_EQ(OffsetOf(*l, l->Unterrichtseinheit[35].UE_ID), 678u + 8 * 34 + 2);
    EXPECT_EQ(OffsetOf(*l, l->Einsatz[5].Stunden), 958u + 12 * 4 + 6);

    auto s = std::make_unique<TSchuleDS>();
    EXPECT_EQ(OffsetOf(*s, s->Schuldaten.Schulart[0]), 12u);
    EXPECT_EQ(OffsetOf(*s, s->Schuldaten.Schulart[20]), 72u);
    EXPECT_EQ(OffsetOf(*s, s->Unterrichtseinheit[1].UE_ID_Text), 556u + 88 + 4);
    EXPECT_EQ(OffsetOf(*s, s->Unterrichtseinheit[1000].Lehrer), 556u + 88 * 1000 + 74);
    EXPECT_EQ(OffsetOf(*s, s->Nichteinschulung[1].weiblich), 88650u);

    auto sch = std::make_unique<TSchuelerDS>();
    EXPECT_EQ(OffsetOf(*sch, sch->Fremdsprachen[5].Art), 582u + 40 + 7);
    EXPECT_EQ(OffsetOf(*sch, sch->Abschluss.allgemeinbildender[3].Jahr), 632u + 18 + 4);
    EXPECT_EQ(OffsetOf(*sch, sch->Abschluss.berufsbezogener[5].Jahr), 659u + 40 + 5);
    EXPECT_EQ(OffsetOf(*sch, sch->Jahrgangsdaten.Unterrichtseinheit[25].UE_ID), 374u + 8 * 24 + 2);
}

TEST(RecordLayout, IndexOutsideTheArrayThrowsInsteadOfTouchingANeighbour) {
    TKlasseDS k{};
    EXPECT_THROW(k.Klassenbesonderheit[0], std::out_of_range);
    EXPECT_THROW(k.Klassenbesonderheit[4], std::out_of_range);
    EXPECT_NO_THROW(k.Klassenbesonderheit[3]);
    auto s = std::make_unique<TSchuleDS>();
    EXPECT_NO_THROW(s->Schuldaten.Schulart[0]);
    EXPECT_THROW(s->Schuldaten.Schulart[21], std::out_of_range);
    EXPECT_THROW(s->Unterrichtseinheit[1001], std::out_of_range);
}

TEST(RecordValues, IntegersAreLittleEndianInTheImage) {
    TLehrerDS l{};
    l.ID = 0x01020304;
    l.Grunddaten.Geschlecht = 2;
    l.Sonstiges.Schulleiter = 0xA1B2;
    const std::uint8_t* p = ImageOf(l);
    EXPECT_EQ(std::vector<std::uint8_t>(p, p + 4), (std::vector<std::uint8_t>{4, 3, 2, 1}));
    EXPECT_EQ(p[164], 2);
    EXPECT_EQ(p[165], 0);
    EXPECT_EQ(p[676], 0xB2);
    EXPECT_EQ(p[677], 0xA1);
    l.ID = -2;
    EXPECT_EQ(l.ID.get(), -2);
    EXPECT_EQ(p[3], 0xFF);
}

TEST(RecordValues, TextAssignmentKeepsTheFirstNCharactersAndLeavesTheTail) {
    TKlasseDS k{};
    k.Klassenname = "10a-Zusatz12";
    EXPECT_EQ(k.Klassenname.str(), "10a-Zusatz");
    EXPECT_EQ(k.Klassenname.len, 10);
    k.Klassenname = "5b";
    EXPECT_EQ(k.Klassenname.str(), "5b");
    // Bytes after the length are not cleared: they are carried, not meant.
    const std::uint8_t* p = ImageOf(k);
    EXPECT_EQ(p[79], 2);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(p + 80), 10), "5ba-Zusatz");
}

TEST(RecordValues, CorruptLengthByteIsReadAsTheFieldWidth) {
    s5 t{};
    std::memcpy(t.ch, "abcde", 5);
    t.len = 200;
    EXPECT_EQ(t.str(), "abcde");
    EXPECT_EQ(t.size(), 5u);
}

TEST(RecordValues, TextsCompareByCharactersOnly) {
    s10 a{}, b{};
    a = "12345";
    b = "1234567";
    b = "12345";
    EXPECT_TRUE(a == b);
    EXPECT_FALSE(a.SameImage(b));
    EXPECT_TRUE(a == std::string_view("12345"));
    EXPECT_FALSE(a == std::string_view("1234"));
}

} // namespace
} // namespace zev
