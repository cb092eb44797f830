// The element-name lookup of the readers: every name at its position, names that
// occur twice told apart by the section marker, nothing else found.
#include "xml/tags.h"

#include <gtest/gtest.h>

#include <string>

using namespace zev::tags;

TEST(Tags, EveryNameIsFoundAtItsFirstPositionFromEachMarker) {
    for (Tabelle t : {SchulTags(), KlassenTags(), LehrerTags(), SchuelerTags()}) {
        for (int marker = 0; marker < static_cast<int>(t.size()); ++marker) {
            for (int i = 2; i < static_cast<int>(t.size()); ++i) {
                const std::string_view name = t[static_cast<std::size_t>(i)];
                // The expected answer by a plain walk over the table.
                std::optional<int> erwartet;
                for (int k = std::max(2, marker); k < static_cast<int>(t.size()) && !erwartet; ++k)
                    if (t[static_cast<std::size_t>(k)] == name) erwartet = k;
                ASSERT_EQ(TagIndexFrom(t, name, marker), erwartet) << name << " ab " << marker;
                // In two steps, as the scanner and the readers do it.
                ASSERT_EQ(TagIndexAb(t, TagNummer(t, name), marker), erwartet) << name << " ab " << marker;
            }
        }
    }
}

TEST(Tags, SectionMarkersTellTwinNamesApart) {
    EXPECT_EQ(TagIndexFrom(LehrerTags(), "Stunden", std::nullopt), L_Stunden);
    EXPECT_EQ(TagIndexFrom(LehrerTags(), "Stunden", L_Anrechnungsstunden), L_AR_Stunden);
    EXPECT_EQ(TagIndexFrom(LehrerTags(), "Stunden", L_Einsatz), L_E_Stunden);
    EXPECT_EQ(TagIndexFrom(LehrerTags(), "Art", L_Abgang), L_Abgang_Art);
    EXPECT_EQ(TagIndexFrom(LehrerTags(), "Datum", L_Abgang_Datum + 1), std::nullopt);
    EXPECT_EQ(TagIndexFrom(SchulTags(), "Name", Schulleiter), Schulleiter_Name);
    EXPECT_EQ(TagIndexFrom(SchuelerTags(), "Jahr", S_berufsbezogener), S_B_Jahr);
}

TEST(Tags, UnknownNamesAndTheTwoGuardsAreNotFound) {
    for (std::string_view name : {"", "ganz böse Stelle", "undefinierter Tag", "lehrer", "Lehrer ", "Lehre", "Lehrerr",
                                  "Alle_Schulen", "Unterrichtseinheiten", "\xFF"})
        EXPECT_EQ(TagIndexFrom(LehrerTags(), name, std::nullopt), std::nullopt) << name;
    EXPECT_EQ(TagNummer(LehrerTags(), "Stunden"), L_Stunden);
    EXPECT_EQ(TagNummer(LehrerTags(), "Nichteinschulung"), -1);
    EXPECT_EQ(TagIndexAb(LehrerTags(), -1, std::nullopt), std::nullopt);
    // Names with the same length and the same first, middle and last byte.
    EXPECT_EQ(TagIndexFrom(LehrerTags(), "Nxme", std::nullopt), std::nullopt);
    EXPECT_EQ(TagIndexFrom(LehrerTags(), "Name", std::nullopt), L_Name);
}
