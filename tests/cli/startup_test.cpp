// What zev does before a command runs: --version, and finding the default program
// folder only when a command needs it and no --home names one.
#include "cli/cli.h"
#include "model/build_config.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <regex>
#include <sstream>

namespace zev {
namespace {

struct Lauf {
    int status;
    std::string out, err;
    int suchen = 0; // how often the default folder was asked for
};

Lauf Zev(const std::vector<std::string>& args, const std::string& ordner, const std::string& fehler = "") {
    Lauf l{};
    std::ostringstream out, err;
    l.status = cli::Ausfuehren(
        args, out, err,
        [&](std::string& f) {
            ++l.suchen;
            f = fehler;
            return ordner;
        },
        false);
    l.out = out.str();
    l.err = err.str();
    return l;
}

TEST(Version, PrintsTheProjectVersionAndNothingElse) {
    EXPECT_TRUE(std::regex_match(std::string(kVersion), std::regex(R"(\d+\.\d+\.\d+)"))) << kVersion;
    for (const auto& args : {std::vector<std::string>{"--version"},
                             {"demo", "--version"},
                             {"--help", "--version"},
                             {"--home", "/nirgends", "--version"}}) {
        const Lauf l = Zev(args, "/nirgends/", "darf nicht gefragt werden");
        EXPECT_EQ(l.status, 0);
        EXPECT_EQ(l.out, "zev " + std::string(kVersion) + "\n");
        EXPECT_EQ(l.err, "");
        EXPECT_EQ(l.suchen, 0);
    }
    const Lauf l = Zev({"--help"}, "/nirgends/");
    EXPECT_NE(l.out.find("\n  --version      die Version des Programms ausgeben\n"), std::string::npos) << l.out;
    EXPECT_NE(l.out.find("  --home ORDNER  Programm-Ordner (Einstellungen, Kataloge); Vorgabe: der Ordner des\n"
                         "                 Programms, wenn dort Kataloge liegen, sonst ~/.local/share/zev-manager\n"),
              std::string::npos);
}

TEST(DefaultFolder, IsAskedForOnlyWhenACommandRunsWithoutHome) {
    const std::string falsch = "/nirgends/";
    EXPECT_EQ(Zev({"--help"}, falsch).suchen, 0);
    EXPECT_EQ(Zev({"dump", "--help"}, falsch).suchen, 0);
    EXPECT_EQ(Zev({"frobnicate"}, falsch).suchen, 0);
    EXPECT_EQ(Zev({}, falsch).suchen, 0);

    // With --home the default is never looked for; without, the command runs in it.
    const std::string kataloge = std::string(ZEV_CATALOGUE_DIR) + "/";
    for (const auto& args : {std::vector<std::string>{"--home", kataloge, "catalogues"}, {"catalogues"}}) {
        const Lauf l = Zev(args, args.size() == 1 ? kataloge : falsch, args.size() == 1 ? "" : "nicht fragen");
        EXPECT_EQ(l.status, 0) << l.err;
        EXPECT_EQ(l.suchen, args.size() == 1 ? 1 : 0);
        EXPECT_EQ(l.out.rfind("101  Katalog101.csv   Anreden: ", 0), 0u) << l.out;
    }
}

TEST(DefaultFolder, AFolderThatCannotBeHadEndsTheRunBeforeAnythingIsWritten) {
    test::TempOrdner o;
    const Lauf l = Zev({"demo"}, o.Pfad(), "Der Programm-Ordner:\r/x/zev-manager/\rkann nicht erstellt werden!");
    EXPECT_EQ(l.status, 3);
    EXPECT_EQ(l.suchen, 1);
    EXPECT_EQ(l.out, "");
    EXPECT_EQ(l.err, "Fehler: Der Programm-Ordner:\n/x/zev-manager/\nkann nicht erstellt werden!\n");
    EXPECT_EQ(test::Inhalt(o.Pfad()), std::vector<std::string>{});
}

} // namespace
} // namespace zev
