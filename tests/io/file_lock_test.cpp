#include "io/file_io.h"
#include "io/file_lock.h"
#include "support/lock_holder.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

namespace zev::io {
namespace {

using zev::test::Da;
using zev::test::TempOrdner;

std::string Text(const std::string& pfad) {
    const auto b = zev::test::DateiBytes(pfad);
    return {b.begin(), b.end()};
}

Sperrinhaber Anna() {
    return {"zev-manager", "anna", "buero1", "4711", "2026-12-07T10:42:13"};
}

TEST(FileLock, HolderLinesSurviveTheFileAndAreShownAsAPersonReadsThem) {
    const Sperrinhaber a = Anna();
    const std::string text = InhaberAlsText(a);
    EXPECT_EQ(text, "Programm=zev-manager\nBenutzer=anna\nRechner=buero1\nProzess=4711\nSeit=2026-12-07T10:42:13\n");
    const Sperrinhaber b = InhaberAusText(text);
    EXPECT_EQ(b.programm, a.programm);
    EXPECT_EQ(b.benutzer, a.benutzer);
    EXPECT_EQ(b.rechner, a.rechner);
    EXPECT_EQ(b.prozess, a.prozess);
    EXPECT_EQ(b.seit, a.seit);
    EXPECT_EQ(b.Beschreibung(), "Benutzer anna, Rechner buero1, seit 07.12.2026 10:42");
    // A line break in a value cannot forge another line; a damaged file names no one.
    Sperrinhaber boese = a;
    boese.benutzer = "x\nProgramm=falsch";
    EXPECT_EQ(InhaberAusText(InhaberAlsText(boese)).programm, "zev-manager");
    EXPECT_EQ(InhaberAusText("\xff\xfe garbage").Beschreibung(), "Benutzer ?, Rechner ?, seit ?");
}

TEST(FileLock, ASecondHolderIsRefusedAndTheFirstLetsGoWithoutTrace) {
    TempOrdner o;
    const std::string pfad = o / "ZEV.LCK";
    Dateisperre erste, zweite;
    ASSERT_EQ(erste.Nehmen(pfad, Anna()), Dateisperre::Ergebnis::Gehalten);
    EXPECT_TRUE(erste.Gehalten());
    EXPECT_EQ(Text(pfad), InhaberAlsText(Anna()));

    // Locks of one process conflict too: they belong to the open file, not the process.
    EXPECT_EQ(zweite.Nehmen(pfad, DieserLauf("zev")), Dateisperre::Ergebnis::Belegt);
    EXPECT_FALSE(zweite.Gehalten());
    EXPECT_EQ(zweite.Inhaber().programm, "zev-manager");
    EXPECT_EQ(zweite.Inhaber().Beschreibung(), "Benutzer anna, Rechner buero1, seit 07.12.2026 10:42");

    erste.Freigeben();
    EXPECT_FALSE(Da(pfad));
    ASSERT_EQ(zweite.Nehmen(pfad, DieserLauf("zev")), Dateisperre::Ergebnis::Gehalten);
    EXPECT_EQ(InhaberAusText(Text(pfad)).prozess, std::to_string(::getpid()));
}

TEST(FileLock, AKilledHolderFreesTheLockAtOnceAndAWaiterGetsIt) {
    TempOrdner o;
    const std::string pfad = o / "ZEV.LCK";
    zev::test::Kind halter(zev::test::HalterStarten(pfad, "halter"));
    ASSERT_GT(halter.pid, 0);
    Dateisperre s;
    EXPECT_EQ(s.Nehmen(pfad, DieserLauf("zev")), Dateisperre::Ergebnis::Belegt);
    EXPECT_EQ(s.Inhaber().programm, "halter");
    EXPECT_EQ(s.Inhaber().prozess, std::to_string(halter.pid));

    halter.Beenden();
    // The file is still there with its old lines, but no one holds it.
    EXPECT_TRUE(Da(pfad));
    EXPECT_EQ(s.Nehmen(pfad, DieserLauf("zev")), Dateisperre::Ergebnis::Gehalten);
    s.Freigeben();

    // A waiter gets the lock as soon as a holder ends within its time, not before.
    zev::test::Kind zweiter(zev::test::HalterStarten(pfad, "halter"));
    ASSERT_GT(zweiter.pid, 0);
    std::thread toeten([pid = zweiter.pid] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        ::kill(pid, SIGKILL);
    });
    const auto anfang = std::chrono::steady_clock::now();
    EXPECT_EQ(s.Nehmen(pfad, DieserLauf("zev"), 30), Dateisperre::Ergebnis::Gehalten);
    EXPECT_LT(std::chrono::steady_clock::now() - anfang, std::chrono::seconds(20));
    toeten.join();
}

TEST(FileLock, AFolderThatCannotHoldTheFileIsNoLockAtAll) {
    TempOrdner o;
    Dateisperre s;
    EXPECT_EQ(s.Nehmen(o / "fehlt/ZEV.LCK", Anna()), Dateisperre::Ergebnis::Unmoeglich);
    EXPECT_FALSE(s.Fehler().empty());
    // A planted link is not followed into another file.
    std::filesystem::create_symlink(o / "ziel", o / "ZEV.LCK");
    EXPECT_EQ(s.Nehmen(o / "ZEV.LCK", Anna()), Dateisperre::Ergebnis::Unmoeglich);
    EXPECT_FALSE(Da(o / "ziel"));
}

TEST(FileLock, TheStateOfAFileChangesWithEverySaveAndOnlyThen) {
    TempOrdner o;
    const std::string pfad = o / "Lehrer.ZEV";
    EXPECT_FALSE(StandVon(pfad).vorhanden);
    const std::vector<std::uint8_t> bytes(100, 7);
    ASSERT_FALSE(SicherSchreiben(pfad, bytes));
    const Dateistand a = StandVon(pfad);
    EXPECT_TRUE(a.vorhanden);
    EXPECT_EQ(a.groesse, 100u);
    EXPECT_EQ(StandVon(pfad), a);
    // The same bytes saved again are another file.
    ASSERT_FALSE(SicherSchreiben(pfad, bytes));
    EXPECT_NE(StandVon(pfad), a);
    // So is a rewrite in place of the same size (told by its time; the clock of the
    // file system ticks in milliseconds).
    const Dateistand b = StandVon(pfad);
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    zev::test::DateiSchreiben(pfad, std::vector<std::uint8_t>(100, 8));
    EXPECT_EQ(StandVon(pfad).inode, b.inode);
    EXPECT_NE(StandVon(pfad), b);
}

} // namespace
} // namespace zev::io
