// The archive of a school year and the switch to the next: an archive is complete
// or absent, never written over; a switch failed at any file operation leaves all
// old files or all new ones; a switch a run left halfway is completed.
#include "io/file_io.h"
#include "storage/year_archive.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace zev {
namespace {

using test::DateiBytes;
using test::TempOrdner;

std::vector<std::uint8_t> B(std::string_view s) {
    return {s.begin(), s.end()};
}

struct Ordner {
    TempOrdner t;
    std::string daten = t.Pfad() + "Daten/";
    std::string programm = t.Pfad();
    std::vector<std::string> pfade{daten + "Schule.ZEV", daten + "Lehrer.ZEV", programm + "ZEVEinstellungen.DAT"};

    Ordner() {
        io::OrdnerAnlegen(daten);
        for (std::size_t i = 0; i < pfade.size(); ++i) test::DateiSchreiben(pfade[i], B("alt" + std::to_string(i)));
    }
    std::vector<Jahresdatei> Jetzt() const {
        std::vector<Jahresdatei> d;
        for (const std::string& p : pfade) d.push_back({p, DateiBytes(p)});
        return d;
    }
    std::vector<Umstellziel> Ziele() const {
        std::vector<Umstellziel> z;
        for (std::size_t i = 0; i < pfade.size(); ++i) z.push_back({pfade[i], B("neu-" + std::to_string(i)), i < 2});
        return z;
    }
    // "alt", "neu" or "gemischt".
    std::string Stand() const {
        int alt = 0, neu = 0;
        for (std::size_t i = 0; i < pfade.size(); ++i) {
            alt += DateiBytes(pfade[i]) == B("alt" + std::to_string(i));
            neu += DateiBytes(pfade[i]) == B("neu-" + std::to_string(i));
        }
        return alt == 3 ? "alt" : neu == 3 ? "neu" : "gemischt";
    }
};

TEST(YearArchive, Crc32OfTheCheckValue) {
    EXPECT_EQ(Crc32(B("123456789")), 0xCBF43926u);
    EXPECT_EQ(Crc32(B("")), 0u);
    std::vector<std::uint8_t> lang;
    for (int i = 0; i < 1024; ++i) lang.push_back(static_cast<std::uint8_t>(i));
    for (char c : std::string("abc")) lang.push_back(static_cast<std::uint8_t>(c));
    EXPECT_EQ(Crc32(lang), 0xC2FAA2A6u);
}

TEST(YearArchive, IsCompleteVerifiedAndNeverWrittenOver) {
    Ordner o;
    ASSERT_EQ(Archivieren(o.daten, "2025", o.Jetzt()), "");
    const std::string a = ArchivOrdner(o.daten, "2025");
    EXPECT_EQ(a, o.daten + "Schuljahre/2025/");
    EXPECT_EQ(test::Inhalt(a),
              (std::vector<std::string>{"Lehrer.ZEV", "Pruefsummen.txt", "Schule.ZEV", "ZEVEinstellungen.DAT"}));
    EXPECT_EQ(DateiBytes(a + "Pruefsummen.txt"),
              B("Schule.ZEV 4 8e99f160\nLehrer.ZEV 4 f99ec1f6\nZEVEinstellungen.DAT 4 6097904c\n"));
    std::vector<Jahresdatei> gelesen;
    ASSERT_EQ(ArchivLesen(o.daten, "2025", gelesen), "");
    ASSERT_EQ(gelesen.size(), 3u);
    EXPECT_EQ(gelesen[2].pfad, a + "ZEVEinstellungen.DAT");
    EXPECT_EQ(gelesen[2].bytes, B("alt2"));
    EXPECT_EQ(ArchivierteJahre(o.daten), (std::vector<std::string>{"2025"}));

    // The same files again: the archive is there already.
    EXPECT_EQ(Archivieren(o.daten, "2025", o.Jetzt()), "");
    // Other files: refused, the archive unchanged.
    test::DateiSchreiben(o.pfade[1], B("anders"));
    EXPECT_EQ(Archivieren(o.daten, "2025", o.Jetzt()),
              "Im Ordner:\r" + a +
                  "\rliegt schon ein Archiv des Schuljahres 2025, das nicht den jetzigen Dateien entspricht.\r\rEs "
                  "wird nichts überschrieben. Soll der Schuljahreswechsel noch einmal erfolgen, benennen Sie diesen "
                  "Ordner zuvor um.");
    EXPECT_EQ(DateiBytes(a + "Lehrer.ZEV"), B("alt1"));

    // One byte changed in the archive is found.
    test::DateiSchreiben(a + "Schule.ZEV", B("alx0"));
    EXPECT_EQ(ArchivLesen(o.daten, "2025", gelesen),
              "Das Archiv:\r" + a +
                  "\rist nicht vollständig oder beschädigt (Schule.ZEV hat nicht die verzeichnete Größe und "
                  "Prüfsumme).");
}

TEST(YearArchive, FailedArchiveLeavesNoYearFolder) {
    for (int n = 1;; ++n) {
        Ordner o;
        io::test::FehlerBeiSchritt(n);
        const std::string f = Archivieren(o.daten, "2025", o.Jetzt());
        io::test::FehlerBeiSchritt(0);
        SCOPED_TRACE(n);
        if (f.empty()) {
            std::vector<Jahresdatei> gelesen;
            EXPECT_EQ(ArchivLesen(o.daten, "2025", gelesen), "");
            break;
        }
        EXPECT_FALSE(test::Da(o.daten + "Schuljahre/2025"));
        EXPECT_EQ(f.rfind("Das Archiv des Schuljahres 2025 kann nicht angelegt werden:\r", 0), 0u) << f;
        ASSERT_LT(n, 200);
    }
}

TEST(YearArchive, SwitchFailedAtAnyOperationLeavesOneYear) {
    int fehlgeschlagen = 0;
    for (int n = 1;; ++n) {
        Ordner o;
        const auto alt = o.Jetzt();
        io::test::FehlerBeiSchritt(n);
        const std::string f = Umstellen(o.daten, o.Ziele(), alt);
        io::test::FehlerBeiSchritt(0);
        SCOPED_TRACE(n);
        EXPECT_EQ(o.Stand(), f.empty() ? "neu" : "alt") << f;
        EXPECT_FALSE(test::Da(o.daten + "Schule.NEU"));
        EXPECT_FALSE(test::Da(o.programm + "ZEVEinstellungen.NEU"));
        if (f.empty()) {
            std::string fehler;
            UmstellungNachholen(o.daten, o.programm, fehler);
            EXPECT_EQ(o.Stand(), "neu");
            EXPECT_FALSE(test::Da(o.daten + "Schuljahre/Umstellung.txt"));
            EXPECT_EQ(DateiBytes(o.daten + "Schule.SIC"), B("alt0"));
            EXPECT_FALSE(test::Da(o.programm + "ZEVEinstellungen.SIC"));
            break;
        }
        EXPECT_FALSE(test::Da(o.daten + "Schuljahre/Umstellung.txt"));
        ++fehlgeschlagen;
        ASSERT_LT(n, 200);
    }
    EXPECT_GT(fehlgeschlagen, 6);
}

TEST(YearArchive, HalfDoneSwitchIsCompletedOrDiscarded) {
    Ordner o;
    const auto ziele = o.Ziele();
    // Killed before the list of targets: the .NEU files go.
    for (const auto& z : ziele) test::DateiSchreiben(Nebendatei(z.pfad, "NEU"), z.bytes);
    std::string fehler;
    EXPECT_FALSE(UmstellungNachholen(o.daten, o.programm, fehler));
    EXPECT_EQ(fehler, "");
    EXPECT_EQ(o.Stand(), "alt");
    EXPECT_FALSE(test::Da(o.daten + "Lehrer.NEU"));
    EXPECT_FALSE(test::Da(o.programm + "ZEVEinstellungen.NEU"));

    // Killed after the list, with the first file in place and the second moved to .SIC.
    for (const auto& z : ziele) test::DateiSchreiben(Nebendatei(z.pfad, "NEU"), z.bytes);
    io::OrdnerAnlegen(o.daten + "Schuljahre/.2025.neu");
    test::DateiSchreiben(o.daten + "Schuljahre/Umstellung.txt",
                         B("S\t" + ziele[0].pfad + "\nS\t" + ziele[1].pfad + "\n-\t" + ziele[2].pfad + "\n"));
    std::filesystem::rename(o.pfade[0], o.daten + "Schule.SIC");
    std::filesystem::rename(o.daten + "Schule.NEU", o.pfade[0]);
    std::filesystem::rename(o.pfade[1], o.daten + "Lehrer.SIC");
    EXPECT_TRUE(UmstellungNachholen(o.daten, o.programm, fehler));
    EXPECT_EQ(fehler, "");
    EXPECT_EQ(o.Stand(), "neu");
    EXPECT_EQ(DateiBytes(o.daten + "Lehrer.SIC"), B("alt1"));
    EXPECT_EQ(test::Inhalt(o.daten + "Schuljahre"), std::vector<std::string>{});
}

} // namespace
} // namespace zev
