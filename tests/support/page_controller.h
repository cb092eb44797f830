// The controller the page tests run over: a program folder with the bundled
// catalogues, the settings' school number 54321, deleting units with a question,
// and the school's lesson units 1..40 (2 hours each, unit 2 "1,5").
#pragma once

#include "control/lifecycle.h"
#include "support/scripted_messages.h"
#include "support/temp_folder.h"

#include <filesystem>
#include <memory>
#include <string>

namespace zev::test {

inline void KatalogeKopieren(const TempOrdner& ordner) {
    for (const auto& f : std::filesystem::directory_iterator(ZEV_CATALOGUE_DIR))
        std::filesystem::copy_file(f.path(), ordner / f.path().filename().string());
}

inline std::unique_ptr<Steuerung> SeitenSteuerung(const TempOrdner& prog, Meldungen& m) {
    KatalogeKopieren(prog);
    auto st = std::make_unique<Steuerung>(prog.Pfad(), m);
    st->Erstellen();
    st->Einstellungen().Schulnummer = "54321";
    st->Einstellungen().UELoeschenOhneFrage = 0; // ask before deleting, unlike the default
    for (int k = 1; k <= 40; ++k) {
        auto& u = st->Daten().SchulDS.Unterrichtseinheit[k];
        u.UE_ID = k;
        u.UE_ID_Text = std::to_string(k);
        u.Stunden = k == 2 ? "1,5" : "2";
    }
    st->UEBeschreibungenNeu();
    return st;
}

} // namespace zev::test
