#include "cli/cli.h"
#include "support/cli_run.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace zev {
namespace {

using test::Lauf;

test::Lauf Zev(const std::vector<std::string>& args) {
    return test::ZevLauf(args);
}

TEST(CataloguesCommand, BundledSetPassesTheCheck) {
    const Lauf l = Zev({"--home", ZEV_CATALOGUE_DIR, "catalogues", "--check"});
    EXPECT_EQ(l.status, 0) << l.out << l.err;
    EXPECT_EQ(l.err, "");
    EXPECT_EQ(l.out.rfind("101  Katalog101.csv   Anreden: ", 0), 0u);
    EXPECT_NE(l.out.find("\n 14  Katalog14.csv    Fächer: "), std::string::npos);
    EXPECT_EQ(std::count(l.out.begin(), l.out.end(), '\n'), 50);
}

TEST(CataloguesCommand, DuplicateAndOverlongKeysAndMissingFilesAreReported) {
    test::TempOrdner o;
    for (const auto& e : std::filesystem::directory_iterator(ZEV_CATALOGUE_DIR))
        if (e.path().extension() == ".csv") std::filesystem::copy(e.path(), o.Pfad());
    const std::string k14 = "010;Deutsch\r\n010;Nochmal\r\n0200;Zu lang\r\n";
    test::DateiSchreiben(o / "Katalog14.csv", std::vector<std::uint8_t>(k14.begin(), k14.end()));
    std::filesystem::remove(o / "Katalog52.csv");

    Lauf l = Zev({"catalogues", "--home", o.Pfad()});
    EXPECT_EQ(l.status, 1);
    EXPECT_NE(l.out.find(" 14  Katalog14.csv    Fächer: 3 Einträge\n"), std::string::npos);
    EXPECT_NE(l.out.find(" 52  Katalog52.csv    Klassenbesonderheiten: 0 Einträge\n"), std::string::npos);
    EXPECT_EQ(l.err, "Fehler: Die Datei: Katalog52.csv  [Klassenbesonderheiten]\nkonnte nicht gefunden werden!\n\n"
                     "(Prüfen Sie ev. die Installation des Programms!)\n"
                     "Information: Die Liste: Klassenbesonderheiten\nist leer!\n");

    l = Zev({"catalogues", "--check", "--home", o.Pfad()});
    EXPECT_NE(l.out.find("  Katalog14.csv: Schlüssel \"010\" doppelt (Einträge 1 und 2)\n"
                         "  Katalog14.csv: Schlüssel \"0200\" länger als 3 Zeichen (Eintrag 3)\n"),
              std::string::npos);
    EXPECT_EQ(Zev({"catalogues", "--bogus"}).status, 2);
}

} // namespace
} // namespace zev
