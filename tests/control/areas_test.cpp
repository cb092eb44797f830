#include "control/areas.h"
#include "control/lifecycle.h"
#include "storage/area_files.h"
#include "support/scripted_messages.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zev {
namespace {

struct Erwartet {
    Bereich bereich;
    Seite seite;
    std::string_view name;
    std::string_view datei;
    std::string_view datenwort;
};

class JedesGebiet : public ::testing::TestWithParam<Erwartet> {};

// Every area through the controller: the visitor hands it its own description, its
// page closes with its own question and writes its own files and no other.
TEST_P(JedesGebiet, ClosingItsPageAsksAboutItAndWritesOnlyItsFiles) {
    const Erwartet& w = GetParam();
    EXPECT_EQ(MitBereich(w.bereich, []<class A>(A) { return A::kBereich; }), w.bereich);
    EXPECT_EQ(SeiteVon(w.bereich), w.seite);
    EXPECT_EQ(BereichVon(w.seite), w.bereich);
    EXPECT_EQ(BereichsName(w.bereich), w.name);
    EXPECT_EQ(Dateiname(w.bereich), w.datei);

    test::TempOrdner prog;
    test::SkriptMeldungen m;
    Steuerung st(prog.Pfad(), m);
    st.Erstellen(false);
    st.Gezeigt();
    st.SeiteBetreten(w.seite);
    m.Antworten({true});
    ASSERT_TRUE(st.Schliessen());
    EXPECT_EQ(m.Texte(), std::vector<std::string>{"Die " + std::string(w.datenwort) +
                                                  " wurden ev. geändert!\r\rWollen Sie die aktuellen Daten im\r"
                                                  "internen Datenformat (*.ZEV) sichern?"});
    std::vector<std::string> dateien = test::Inhalt(prog.Pfad() + "Daten/");
    std::erase_if(dateien, [](const std::string& d) { return d == "Export" || d == "Import" || d == kSperrDatei; });
    const std::string d(w.datei);
    EXPECT_EQ(dateien, (std::vector<std::string>{d + ".LS1", d + ".LS2", d + ".ZEV"}));
    // A list area's file carries that area's identifier, which its reader checks.
    MitListenBereich(w.bereich, [&]<class A>(A) {
        const auto bytes = test::DateiBytes(prog.Pfad() + "Daten/" + d + ".ZEV");
        const auto kennung = KennungVon<typename A::Datensatz>();
        EXPECT_TRUE(std::equal(kennung.begin(), kennung.end(), bytes.begin()));
    });
}

INSTANTIATE_TEST_SUITE_P(
    AlleBereiche, JedesGebiet,
    ::testing::Values(Erwartet{Bereich::Schule, Seite::Schule, "schule", "Schule", "Schuldaten"},
                      Erwartet{Bereich::Lehrer, Seite::Lehrer, "lehrer", "Lehrer", "Lehrerdaten"},
                      Erwartet{Bereich::Klassen, Seite::Klassen, "klassen", "Klassen", "Klassendaten"},
                      Erwartet{Bereich::Schueler, Seite::Schueler, "schueler", "Schueler", "Schülerdaten"}));

} // namespace
} // namespace zev
