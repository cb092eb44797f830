// A save killed at any moment: a child process writes an area in a loop and is
// killed with SIGKILL at random moments. After every kill the internal file is
// exactly the old or the new image, or, when it is missing, the previous version
// is; the next save that completes leaves no temporary file behind.
// ZEV_KILLS sets the number of kills (scripts/crash-safety.sh runs many more).
#include "storage/area_files.h"
#include "support/scripted_messages.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <random>

namespace zev {
namespace {

using test::DateiBytes;
using test::TempOrdner;

BereichsDaten<TLehrerDS> Lehrer(const char* name) {
    BereichsDaten<TLehrerDS> b;
    b.DB.resize(400);
    for (std::size_t i = 0; i < b.DB.size(); ++i) {
        InitLehrer(b.DB[i], "12345");
        b.DB[i].ID = static_cast<std::int32_t>(i + 1);
        b.DB[i].Grunddaten.Name = name;
    }
    return b;
}

TEST(CrashSafety, KilledSavesLeaveTheOldOrTheNewImage) {
    const char* wert = std::getenv("ZEV_KILLS");
    const int kills = wert ? std::atoi(wert) : 200;
    TempOrdner o;
    TEinstellungen e;
    EinstellungenStandard(e, o.Pfad());
    e.Schulnummer = "12345";
    const auto a = Lehrer("Alt"), b = Lehrer("Neu-und-laenger");
    const auto bildA = BereichsImage(a, e.Schulnummer), bildB = BereichsImage(b, e.Schulnummer);
    StilleMeldungen still;
    ASSERT_TRUE(BereichSchreiben(a, o.Pfad(), e, still));
    const std::string zev = o / "Lehrer.ZEV", sic = o / "Lehrer.SIC";

    std::mt19937 zufall(12345);
    int ohneZev = 0;
    for (int k = 0; k < kills; ++k) {
        const pid_t kind = ::fork();
        ASSERT_GE(kind, 0);
        if (kind == 0) {
            StilleMeldungen m;
            for (bool neu = true;; neu = !neu) BereichSchreiben(neu ? b : a, o.Pfad(), e, m);
        }
        ::usleep(static_cast<useconds_t>(100 + zufall() % 4000));
        ::kill(kind, SIGKILL);
        ::waitpid(kind, nullptr, 0);

        SCOPED_TRACE("kill " + std::to_string(k + 1));
        if (test::Da(zev)) {
            const auto jetzt = DateiBytes(zev);
            ASSERT_TRUE(jetzt == bildA || jetzt == bildB);
        } else {
            ++ohneZev;
            const auto vorher = DateiBytes(sic);
            ASSERT_TRUE(vorher == bildA || vorher == bildB);
        }
    }
    ASSERT_TRUE(BereichSchreiben(a, o.Pfad(), e, still));
    EXPECT_EQ(test::Inhalt(o.Pfad()), (std::vector<std::string>{"Lehrer.SIC", "Lehrer.ZEV"}));
    EXPECT_EQ(DateiBytes(zev), bildA);
    RecordProperty("kills", kills);
    RecordProperty("without_zev", ohneZev);
}

} // namespace
} // namespace zev
