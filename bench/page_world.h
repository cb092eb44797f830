// What the page benchmarks stand on: a controller over a temporary program
// folder with the bundled catalogues, started as the window starts it, with the
// page of one area bound to its page logic and entered.
#pragma once

#include "control/lifecycle.h"
#include "model/messages.h"

#include <filesystem>
#include <memory>
#include <stdlib.h>
#include <string>

namespace zev::bench {

template <class Logik, class Dialoge> struct SeitenWelt {
    std::string ordner;
    StilleMeldungen m;
    Dialoge dialoge;
    std::unique_ptr<Steuerung> st;
    std::unique_ptr<Logik> seite;

    explicit SeitenWelt(Seite bereich) {
        namespace fs = std::filesystem;
        std::string muster = (fs::temp_directory_path() / "zevbench.XXXXXX").string();
        ordner = std::string(::mkdtemp(muster.data())) + "/";
        for (const auto& f : fs::directory_iterator(ZEV_CATALOGUE_DIR))
            fs::copy_file(f.path(), ordner + f.path().filename().string());
        Fensterdienste dienste;
        dienste.seiteZeigen = [this, bereich](Seite s) {
            if (s == bereich) seite->Zeigen();
        };
        dienste.seiteUebernehmen = [this, bereich](Seite s) {
            if (s == bereich) seite->Uebernehmen();
        };
        st = std::make_unique<Steuerung>(ordner, m, dienste);
        st->Erstellen();
        st->Gezeigt();
        seite = std::make_unique<Logik>(*st, dialoge, m);
        st->SeiteBetreten(bereich);
    }
    ~SeitenWelt() { std::filesystem::remove_all(ordner); }
    SeitenWelt(const SeitenWelt&) = delete;
    SeitenWelt& operator=(const SeitenWelt&) = delete;
};

} // namespace zev::bench
