// The default program folder: beside the executable when the catalogues lie
// there, otherwise the user's folder, filled once from the installed catalogues.
#include "io/file_io.h"
#include "io/program_folder.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace zev {
namespace {

using test::DateiBytes;
using test::Inhalt;
using test::TempOrdner;
using B = std::vector<std::uint8_t>;
using Namen = std::vector<std::string>;

const B kKatalog1 = {'1', ';', 'A', 'n', 'g', 'e', 's', 't', 'e', 'l', 'l', 't', 0xE9, '\r', '\n'};
const B kKatalog39 = {'0', '2', ';', 'G', 'r', 'u', 'n', 'd', 's', 'c', 'h', 'u', 'l', 'e', '\r', '\n'};

// An installed program: root/usr/bin without catalogues, the catalogues (and a
// file that is none) in root/usr/share/zev-manager/catalogues.
struct Installation {
    Installation() {
        std::filesystem::create_directories(Bin());
        std::filesystem::create_directories(Daten());
        test::DateiSchreiben(Daten() + "Katalog1.csv", kKatalog1);
        test::DateiSchreiben(Daten() + "Katalog39.csv", kKatalog39);
        test::DateiSchreiben(Daten() + "README", {'x'});
    }
    std::string Bin() const { return root / "usr/bin/"; }
    std::string Daten() const { return root / "usr/share/zev-manager/catalogues/"; }
    io::Umgebung Xdg() const { return {root / "home", root / "xdg"}; }
    std::string XdgOrdner() const { return root / "xdg/zev-manager/"; }
    TempOrdner root;
};

TEST(ProgramFolder, InstalledCataloguesLieBesideTheProgramsInShare) {
    EXPECT_EQ(io::InstallierteKataloge("/usr/bin/"), "/usr/share/zev-manager/catalogues/");
    EXPECT_EQ(io::InstallierteKataloge("/opt/zev/bin"), "/opt/zev/share/zev-manager/catalogues/");
}

TEST(ProgramFolder, AnExecutableFolderWithCataloguesIsUsedAndNothingIsCreated) {
    Installation i;
    test::DateiSchreiben(i.Bin() + "Katalog39.csv", kKatalog39);
    const auto s = io::StandardProgrammOrdner(i.root / "usr/bin", i.Xdg());
    EXPECT_EQ(s.ordner, i.Bin());
    EXPECT_EQ(s.fehler, "");
    EXPECT_FALSE(test::Da(i.root / "xdg"));
}

TEST(ProgramFolder, WithoutCataloguesTheUserFolderIsCreatedAndFilled) {
    Installation i;
    auto s = io::StandardProgrammOrdner(i.Bin(), i.Xdg());
    EXPECT_EQ(s.ordner, i.XdgOrdner());
    EXPECT_EQ(s.fehler, "");
    EXPECT_EQ(Inhalt(i.XdgOrdner()), (Namen{"Katalog1.csv", "Katalog39.csv"}));
    EXPECT_EQ(DateiBytes(i.XdgOrdner() + "Katalog1.csv"), kKatalog1);
    EXPECT_EQ(DateiBytes(i.XdgOrdner() + "Katalog39.csv"), kKatalog39);

    // The next start finds the folder as it is and leaves it so.
    test::DateiSchreiben(i.Daten() + "Katalog40.csv", {'4'});
    s = io::StandardProgrammOrdner(i.Bin(), i.Xdg());
    EXPECT_EQ(s.ordner, i.XdgOrdner());
    EXPECT_EQ(Inhalt(i.XdgOrdner()), (Namen{"Katalog1.csv", "Katalog39.csv"}));
}

TEST(ProgramFolder, ACatalogueTheUserHasIsNeverReplaced) {
    Installation i;
    std::filesystem::create_directories(i.XdgOrdner());
    const B eigener = {'1', ';', 'a', 'm', 't', 'l', 'i', 'c', 'h', '\n'};
    test::DateiSchreiben(i.XdgOrdner() + "Katalog1.csv", eigener);
    test::DateiSchreiben(i.XdgOrdner() + "ZEVEinstellungen.DAT", {7});
    const auto s = io::StandardProgrammOrdner(i.Bin(), i.Xdg());
    EXPECT_EQ(s.ordner, i.XdgOrdner());
    EXPECT_EQ(s.fehler, "");
    EXPECT_EQ(DateiBytes(i.XdgOrdner() + "Katalog1.csv"), eigener);
    EXPECT_EQ(Inhalt(i.XdgOrdner()), (Namen{"Katalog1.csv", "ZEVEinstellungen.DAT"}));
}

TEST(ProgramFolder, WithoutAUsableXdgDataHomeTheFolderLiesBelowHome) {
    Installation i;
    for (const auto& xdg :
         {std::optional<std::string>{}, std::optional<std::string>{""}, std::optional<std::string>{"relativ/xdg"}}) {
        const auto s = io::StandardProgrammOrdner(i.Bin(), {i.root / "home/", xdg});
        EXPECT_EQ(s.ordner, i.root / "home/.local/share/zev-manager/");
        EXPECT_EQ(s.fehler, "");
        EXPECT_EQ(Inhalt(s.ordner), (Namen{"Katalog1.csv", "Katalog39.csv"}));
    }
    EXPECT_FALSE(test::Da("relativ"));
}

TEST(ProgramFolder, WithoutHomeTheMessageSaysWhatToDoAndNothingIsCreated) {
    Installation i;
    for (const auto& home : {std::optional<std::string>{}, std::optional<std::string>{"home"}}) {
        const auto s = io::StandardProgrammOrdner(i.Bin(), {home, std::nullopt});
        EXPECT_EQ(s.ordner, i.Daten());
        EXPECT_EQ(s.fehler, "Der Programm-Ordner kann nicht bestimmt werden!\r\rIm Ordner des Programms:\r" + i.Bin() +
                                "\rliegen keine Kataloge, und weder HOME noch XDG_DATA_HOME nennt einen absoluten "
                                "Pfad.\r\rGeben Sie den Programm-Ordner mit --home ORDNER an.");
    }
    EXPECT_EQ(Inhalt(i.root.Pfad()), Namen{"usr"});
    EXPECT_EQ(Inhalt(i.Daten()), (Namen{"Katalog1.csv", "Katalog39.csv", "README"}));

    // With no installed catalogues either, the executable's folder is all there is.
    std::filesystem::remove_all(i.root / "usr/share");
    EXPECT_EQ(io::StandardProgrammOrdner(i.Bin(), {}).ordner, i.Bin());
}

TEST(ProgramFolder, AFolderThatCannotBeCreatedIsNamed) {
    Installation i;
    test::DateiSchreiben(i.root / "xdg", {1});
    const auto s = io::StandardProgrammOrdner(i.Bin(), i.Xdg());
    EXPECT_EQ(s.ordner, i.Daten());
    EXPECT_EQ(s.fehler, "Der Programm-Ordner:\r" + i.XdgOrdner() +
                            "\rkann nicht erstellt werden!\r\rNot a directory\r\rGeben Sie einen anderen mit --home "
                            "ORDNER an.");
    EXPECT_EQ(DateiBytes(i.root / "xdg"), B{1});
}

// Whichever step of the copying fails, the user folder is left without any
// catalogue, so the next start copies the whole set.
TEST(ProgramFolder, AFailedCopyLeavesNoHalfSet) {
    Installation i;
    int n = 1;
    for (;; ++n) {
        io::test::FehlerBeiSchritt(n);
        const auto s = io::StandardProgrammOrdner(i.Bin(), i.Xdg());
        io::test::FehlerBeiSchritt(0);
        ASSERT_EQ(s.ordner, s.fehler.empty() ? i.XdgOrdner() : i.Daten());
        if (s.fehler.empty()) break;
        EXPECT_EQ(Inhalt(i.XdgOrdner()), Namen{}) << "step " << n;
        const std::string katalog = s.fehler.find("Katalog1.csv") != std::string::npos ? "Katalog1" : "Katalog39";
        EXPECT_EQ(s.fehler, "Der Katalog:\r" + i.Daten() + katalog + ".csv\rkann nicht in den Programm-Ordner:\r" +
                                i.XdgOrdner() +
                                "\rkopiert werden!\r\rInput/output error\r\rEs wurde kein Katalog kopiert.")
            << "step " << n;
    }
    EXPECT_GT(n, 4);
    EXPECT_EQ(Inhalt(i.XdgOrdner()), (Namen{"Katalog1.csv", "Katalog39.csv"}));
    EXPECT_EQ(DateiBytes(i.XdgOrdner() + "Katalog39.csv"), kKatalog39);
}

} // namespace
} // namespace zev
