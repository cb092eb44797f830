#include "io/file_io.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace zev {
namespace {

using test::DateiBytes;
using test::TempOrdner;
using B = std::vector<std::uint8_t>;

TEST(SafeWrite, WithoutAPredecessorTheTargetIsSimplyReplaced) {
    TempOrdner o;
    ASSERT_FALSE(io::SicherSchreiben(o / "a.bin", B{1, 2, 3}));
    ASSERT_FALSE(io::SicherSchreiben(o / "a.bin", B{4}));
    EXPECT_EQ(DateiBytes(o / "a.bin"), std::vector<std::uint8_t>{4});
    EXPECT_EQ(test::Inhalt(o.Pfad()), std::vector<std::string>{"a.bin"});
}

TEST(SafeWrite, MissingTargetNeverCostsThePredecessor) {
    TempOrdner o;
    test::DateiSchreiben(o / "a.SIC", {9, 9});
    ASSERT_FALSE(io::SicherSchreiben(o / "a.ZEV", B{1}, o / "a.SIC"));
    EXPECT_EQ(DateiBytes(o / "a.SIC"), (std::vector<std::uint8_t>{9, 9}));
    EXPECT_EQ(DateiBytes(o / "a.ZEV"), std::vector<std::uint8_t>{1});
}

TEST(SafeWrite, FailureStagesAreNamed) {
    TempOrdner o;
    const auto f = io::SicherSchreiben(o / "nicht/da.bin", B{1});
    ASSERT_TRUE(f);
    EXPECT_EQ(f->stufe, io::SchreibFehler::Stufe::Erstellen);
    EXPECT_EQ(f->text, "No such file or directory");

    io::test::FehlerBeiSchritt(2);
    const auto g = io::SicherSchreiben(o / "b.bin", B{1});
    io::test::FehlerBeiSchritt(0);
    ASSERT_TRUE(g);
    EXPECT_EQ(g->stufe, io::SchreibFehler::Stufe::Schreiben);
    EXPECT_TRUE(test::Inhalt(o.Pfad()).empty());
}

TEST(Reading, ShortReadAndSizes) {
    TempOrdner o;
    test::DateiSchreiben(o / "x", {1, 2, 3});
    io::EingabeDatei d;
    ASSERT_TRUE(d.Oeffnen(o / "x"));
    EXPECT_EQ(d.Groesse(), 3u);
    std::uint8_t buf[4];
    EXPECT_FALSE(d.Lesen(buf, 4));
    EXPECT_EQ(d.Fehler(), "");
    EXPECT_FALSE(d.Oeffnen(o / "fehlt"));
    EXPECT_EQ(d.Fehler(), "No such file or directory");
}

} // namespace
} // namespace zev
