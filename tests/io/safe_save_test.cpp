// Saving that leaves nothing behind and keeps what the user set on a file; reading
// that never waits for a FIFO.
#include "io/file_io.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

namespace zev {
namespace {

using test::DateiBytes;
using test::Inhalt;
using test::TempOrdner;
using B = std::vector<std::uint8_t>;
using Namen = std::vector<std::string>;

// The id of a process that has ended and been reaped.
pid_t BeendeterProzess() {
    const pid_t pid = ::fork();
    if (pid == 0) ::_exit(0);
    ::waitpid(pid, nullptr, 0);
    return pid;
}

unsigned Modus(const std::string& pfad) {
    struct stat st {};
    ::stat(pfad.c_str(), &st);
    return st.st_mode & 07777;
}

TEST(SafeSave, StaleTemporaryFilesOfTheSameFileGoBeforeASave) {
    TempOrdner o;
    const std::string tot = std::to_string(BeendeterProzess());
    const std::string ich = std::to_string(::getpid());
    // Left by a killed writer, by an earlier process with our id (old and new naming),
    // and a file of a writer that still runs; one of another file.
    for (const std::string& n :
         {".a.ZEV.neu." + tot + ".Xy12ab34", ".a.ZEV.alt." + tot + ".1", ".a.ZEV.neu." + ich + ".1",
          std::string(".a.ZEV.neu.1.Zz"), ".b.ZEV.neu." + tot + ".1"})
        test::DateiSchreiben(o / n, {7});
    ASSERT_FALSE(io::SicherSchreiben(o / "a.ZEV", B{1}, o / "a.SIC"));
    EXPECT_EQ(Inhalt(o.Pfad()), (Namen{".a.ZEV.neu.1.Zz", ".b.ZEV.neu." + tot + ".1", "a.ZEV"}));
}

TEST(SafeSave, APreviousVersionThatIsALinkOfTheTargetLeavesNoTemporaryFile) {
    TempOrdner o;
    test::DateiSchreiben(o / "a.ZEV", {1});
    ASSERT_EQ(::link((o / "a.ZEV").c_str(), (o / "a.SIC").c_str()), 0);
    ASSERT_FALSE(io::SicherSchreiben(o / "a.ZEV", B{2}, o / "a.SIC"));
    EXPECT_EQ(Inhalt(o.Pfad()), (Namen{"a.SIC", "a.ZEV"}));
    EXPECT_EQ(DateiBytes(o / "a.SIC"), B{1});
    EXPECT_EQ(DateiBytes(o / "a.ZEV"), B{2});
}

TEST(SafeSave, EveryFailingStepLeavesTheFilesAsTheyWereAndNoTemporaryFile) {
    TempOrdner o;
    test::DateiSchreiben(o / "a.ZEV", {1});
    test::DateiSchreiben(o / "a.SIC", {0});
    int schritt = 1;
    for (;; ++schritt) {
        io::test::FehlerBeiSchritt(schritt);
        const auto f = io::SicherSchreiben(o / "a.ZEV", B{2}, o / "a.SIC");
        io::test::FehlerBeiSchritt(0);
        if (!f) break;
        SCOPED_TRACE(schritt);
        EXPECT_EQ(Inhalt(o.Pfad()), (Namen{"a.SIC", "a.ZEV"}));
        EXPECT_EQ(DateiBytes(o / "a.ZEV"), B{1});
    }
    EXPECT_GE(schritt, 6);
    EXPECT_EQ(Inhalt(o.Pfad()), (Namen{"a.SIC", "a.ZEV"}));
    EXPECT_EQ(DateiBytes(o / "a.SIC"), B{1});
}

TEST(SafeSave, TheReplacedFileKeepsItsPermissions) {
    TempOrdner o;
    for (const unsigned modus : {0444u, 0600u, 0640u}) {
        test::DateiSchreiben(o / "a.XML", {1});
        ASSERT_EQ(::chmod((o / "a.XML").c_str(), modus), 0);
        ASSERT_FALSE(io::SicherSchreiben(o / "a.XML", B{2}));
        EXPECT_EQ(Modus(o / "a.XML"), modus);
        EXPECT_EQ(DateiBytes(o / "a.XML"), B{2});
    }
}

TEST(SafeSave, ASymbolicLinkStaysAndItsTargetIsReplaced) {
    TempOrdner o;
    std::filesystem::create_directories(o / "daten");
    std::filesystem::create_directories(o / "woanders");
    test::DateiSchreiben(o / "woanders/echt.ZEV", {1});
    std::filesystem::create_symlink("../woanders/echt.ZEV", o / "daten/a.ZEV");
    ASSERT_FALSE(io::SicherSchreiben(o / "daten/a.ZEV", B{2}, o / "daten/a.SIC"));
    EXPECT_TRUE(std::filesystem::is_symlink(o / "daten/a.ZEV"));
    EXPECT_EQ(DateiBytes(o / "woanders/echt.ZEV"), B{2});
    EXPECT_EQ(DateiBytes(o / "daten/a.SIC"), B{1});
    EXPECT_EQ(Inhalt(o / "daten"), (Namen{"a.SIC", "a.ZEV"}));
    EXPECT_EQ(Inhalt(o / "woanders"), (Namen{"echt.ZEV"}));
}

TEST(Reading, FifosAndDevicesAreRefusedWithoutWaiting) {
    TempOrdner o;
    ASSERT_EQ(::mkfifo((o / "fifo").c_str(), 0600), 0);
    ::alarm(20); // a regression would block here for ever
    io::EingabeDatei d;
    EXPECT_FALSE(d.Oeffnen(o / "fifo"));
    EXPECT_EQ(d.Fehler(), "keine reguläre Datei");
    EXPECT_FALSE(d.Oeffnen("/dev/null"));
    EXPECT_EQ(d.Fehler(), "keine reguläre Datei");
    EXPECT_FALSE(d.Oeffnen(o.Pfad()));
    EXPECT_EQ(d.Fehler(), "Is a directory");
    std::string fehler;
    EXPECT_FALSE(io::GanzLesen(o / "fifo", fehler));
    EXPECT_EQ(fehler, "keine reguläre Datei");
    ::alarm(0);
}

} // namespace
} // namespace zev
