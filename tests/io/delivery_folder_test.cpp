// SHA-256 against the FIPS 180 examples and sha256sum; a folder written as a whole,
// never over anything, and leaving nothing when any step of it fails.
#include "io/file_io.h"
#include "io/sha256.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sys/stat.h>

namespace zev {
namespace {

using test::Inhalt;
using test::TempOrdner;
using Namen = std::vector<std::string>;

TEST(Sha256, FipsExamples) {
    EXPECT_EQ(io::Sha256Hex(""), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    EXPECT_EQ(io::Sha256Hex("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    EXPECT_EQ(io::Sha256Hex("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq"),
              "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
    EXPECT_EQ(io::Sha256Hex(std::string(1000000, 'a')),
              "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0");
}

std::string Ausgabe(const std::string& befehl) {
    FILE* p = ::popen(befehl.c_str(), "r");
    std::string s;
    char puffer[512];
    while (p && std::fgets(puffer, sizeof puffer, p)) s += puffer;
    if (p) ::pclose(p);
    return s;
}

// Every length around the block and padding edges, with all byte values, as sha256sum sees it.
TEST(Sha256, AgreesWithSha256sumAtEveryPaddingEdge) {
    TempOrdner o;
    std::string erwartet, befehl = "cd '" + o.Pfad() + "' && sha256sum";
    for (std::size_t n = 0; n <= 200; ++n) {
        std::string daten;
        for (std::size_t i = 0; i < n; ++i) daten += static_cast<char>((i * 37 + n) & 0xFF);
        const std::string name = "d" + std::to_string(n);
        std::ofstream(o / name, std::ios::binary) << daten;
        erwartet += io::Sha256Hex(daten) + "  " + name + "\n";
        befehl += " " + name;
    }
    EXPECT_EQ(Ausgabe(befehl), erwartet);
}

class OrdnerTest : public ::testing::Test {
protected:
    void TearDown() override { io::test::FehlerBeiSchritt(0); }
    TempOrdner o;
    const std::vector<io::OrdnerDatei> dateien{{"a.XML", "eins"}, {"b.txt", ""}, {"SUMS", "drei\n"}};
    std::optional<std::string> Schreiben(std::string& fehler) {
        return io::OrdnerSchreiben(o.Pfad(), "L-1", dateien, fehler);
    }
};

TEST_F(OrdnerTest, WritesTheFilesAndNeverOverAnythingOfTheSameName) {
    std::ofstream(o / "L-1-2") << "eine Datei dieses Namens";
    std::string fehler;
    EXPECT_EQ(Schreiben(fehler), o / "L-1");
    EXPECT_EQ(Schreiben(fehler), o / "L-1-3");
    ::mkdir((o / "L-1-4").c_str(), 0777); // an empty folder is not taken over either
    EXPECT_EQ(Schreiben(fehler), o / "L-1-5");
    EXPECT_EQ(fehler, "");
    EXPECT_EQ(Inhalt(o.Pfad()), (Namen{"L-1", "L-1-2", "L-1-3", "L-1-4", "L-1-5"}));
    EXPECT_EQ(Inhalt(o / "L-1-3"), (Namen{"SUMS", "a.XML", "b.txt"}));
    EXPECT_EQ(Inhalt(o / "L-1-4"), Namen{});
    EXPECT_EQ(test::DateiBytes(o / "L-1-5/SUMS"), (std::vector<std::uint8_t>{'d', 'r', 'e', 'i', '\n'}));
    const std::string text = "eine Datei dieses Namens";
    EXPECT_EQ(test::DateiBytes(o / "L-1-2"), std::vector<std::uint8_t>(text.begin(), text.end()));
}

// Each step that can fail, failed in turn: nothing of the folder is left, and the
// message names the path; then the whole folder appears at once.
TEST_F(OrdnerTest, AFailureAtAnyStepLeavesNothing) {
    int n = 1;
    for (;; ++n) {
        io::test::FehlerBeiSchritt(n);
        std::string fehler;
        const auto pfad = Schreiben(fehler);
        if (pfad) break;
        EXPECT_EQ(Inhalt(o.Pfad()), Namen{}) << "Schritt " << n;
        EXPECT_NE(fehler.find(o.Pfad()), std::string::npos) << fehler;
        EXPECT_NE(fehler.find(": Input/output error"), std::string::npos) << fehler;
        ASSERT_LT(n, 50);
    }
    EXPECT_GE(n, 8); // the folder, per file its creation, bytes and flush, the rename
    EXPECT_EQ(Inhalt(o.Pfad()), Namen{"L-1"});
    EXPECT_EQ(Inhalt(o / "L-1"), (Namen{"SUMS", "a.XML", "b.txt"}));
}

TEST_F(OrdnerTest, AMissingParentIsReportedAndNothingWritten) {
    std::string fehler;
    EXPECT_EQ(io::OrdnerSchreiben(o / "fehlt", "L-1", dateien, fehler), std::nullopt);
    EXPECT_TRUE(fehler.starts_with(o / "fehlt/.L-1.neu.")) << fehler;
    EXPECT_TRUE(fehler.ends_with(": No such file or directory")) << fehler;
    EXPECT_EQ(Inhalt(o.Pfad()), Namen{});
}

} // namespace
} // namespace zev
