// Keeps the folders of src/ as one-way layers: every #include "…" must point into
// the same folder or into a folder of a lower layer. A wrong include fails here
// with its file and line, before anyone has to untangle it.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <regex>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// The layers, lowest first. The same numbers stand in the README.
struct Schicht {
    const char* ordner;
    int ebene;
};
constexpr Schicht kSchichten[] = {
    {"model", 1},   {"io", 2},    {"catalog", 3}, {"storage", 3}, {"xml", 4}, {"plausi", 4},
    {"control", 5}, {"pages", 6}, {"ui/qt", 7},   {"cli", 7},     {"app", 8},
};

// The folder of a path below src/ ("ui/qt/main_window.h" → "ui/qt"): the longest
// folder of the table that the path starts with.
std::optional<Schicht> SchichtVon(const std::string& pfad) {
    std::optional<Schicht> beste;
    size_t laenge = 0;
    for (const Schicht& s : kSchichten) {
        const std::string praefix = std::string(s.ordner) + "/";
        if (pfad.rfind(praefix, 0) == 0 && praefix.size() > laenge) {
            beste = s;
            laenge = praefix.size();
        }
    }
    return beste;
}

// Every violation under the folder `src`, one line each: "file:line: text".
std::vector<std::string> Verstoesse(const fs::path& src) {
    static const std::regex kInclude(R"re(^\s*#\s*include\s*"([^"]+)")re");
    std::vector<std::string> fehler;
    std::vector<fs::path> dateien;
    for (const auto& eintrag : fs::recursive_directory_iterator(src)) {
        const auto endung = eintrag.path().extension();
        if (eintrag.is_regular_file() && (endung == ".h" || endung == ".cpp")) dateien.push_back(eintrag.path());
    }
    std::sort(dateien.begin(), dateien.end());
    for (const fs::path& datei : dateien) {
        const std::string relativ = fs::relative(datei, src).generic_string();
        const auto von = SchichtVon(relativ);
        if (!von) {
            fehler.push_back(relativ + ": folder is in no layer");
            continue;
        }
        std::ifstream ein(datei);
        std::string zeile;
        for (int nr = 1; std::getline(ein, zeile); ++nr) {
            std::smatch m;
            if (!std::regex_search(zeile, m, kInclude)) continue;
            const std::string ziel = m[1];
            if (ziel.find('/') == std::string::npos) continue; // a header beside the file, same folder
            const auto nach = SchichtVon(ziel);
            const std::string ort = relativ + ":" + std::to_string(nr) + ": ";
            if (!nach)
                fehler.push_back(ort + "includes \"" + ziel + "\" from a folder in no layer");
            else if (std::string(nach->ordner) == von->ordner)
                continue;
            else if (nach->ebene == von->ebene)
                fehler.push_back(ort + "includes \"" + ziel + "\" sideways (layer " + std::to_string(von->ebene) + ")");
            else if (nach->ebene > von->ebene)
                fehler.push_back(ort + "includes \"" + ziel + "\" from higher layer " + std::to_string(nach->ebene) +
                                 " (" + von->ordner + " is layer " + std::to_string(von->ebene) + ")");
        }
    }
    return fehler;
}

void Schreibe(const fs::path& datei, const std::string& inhalt) {
    fs::create_directories(datei.parent_path());
    std::ofstream(datei) << inhalt;
}

class LayerCheck : public ::testing::Test {
protected:
    fs::path wurzel;
    void SetUp() override {
        wurzel = fs::temp_directory_path() /
                 ("zev_layers_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(wurzel);
    }
    void TearDown() override { fs::remove_all(wurzel); }
};

TEST_F(LayerCheck, DownwardAndSameFolderIncludesPass) {
    Schreibe(wurzel / "model/a.h", "#include \"model/b.h\"\n#include <vector>\n");
    Schreibe(wurzel / "control/c.cpp", "#include \"control/c.h\"\n#include \"xml/x.h\"\n#include \"io/f.h\"\n");
    Schreibe(wurzel / "ui/qt/w.cpp", "#include \"pages/p.h\"\n#include \"ui/qt/w.h\"\n#include \"local.h\"\n");
    Schreibe(wurzel / "app/main.cpp", "  #  include \"ui/qt/w.h\"\n");
    EXPECT_EQ(Verstoesse(wurzel), std::vector<std::string>{});
}

TEST_F(LayerCheck, UpwardSidewaysAndUnknownIncludesAreNamedWithFileAndLine) {
    Schreibe(wurzel / "model/database.cpp", "#include \"model/database.h\"\n\n#include \"storage/ids.h\"\n");
    Schreibe(wurzel / "xml/tags.cpp", "// #include \"plausi/p.h\" is only text here\n#include \"plausi/p.h\"\n");
    Schreibe(wurzel / "cli/x.cpp", "#include \"ui/qt/main_window.h\"\n#include \"gui/old.h\"\n");
    Schreibe(wurzel / "extra/y.cpp", "\n");
    EXPECT_EQ(Verstoesse(wurzel),
              (std::vector<std::string>{
                  "cli/x.cpp:1: includes \"ui/qt/main_window.h\" sideways (layer 7)",
                  "cli/x.cpp:2: includes \"gui/old.h\" from a folder in no layer",
                  "extra/y.cpp: folder is in no layer",
                  "model/database.cpp:3: includes \"storage/ids.h\" from higher layer 3 (model is layer 1)",
                  "xml/tags.cpp:2: includes \"plausi/p.h\" sideways (layer 4)",
              }));
}

TEST(Layers, EveryIncludeInTheSourceTreePointsDownwards) {
    const fs::path src = fs::path(ZEV_SOURCE_DIR) / "src";
    ASSERT_TRUE(fs::is_directory(src / "model")) << src;
    const auto fehler = Verstoesse(src);
    std::string liste;
    for (const auto& f : fehler) liste += f + "\n";
    EXPECT_TRUE(fehler.empty()) << liste;
}

} // namespace
