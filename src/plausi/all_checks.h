// Every check of every area in one run, as a delivery needs it: per area its
// threshold, how many records were checked, the counts and each finding at or
// above the threshold with the record it belongs to. The records themselves are
// not touched (the counters of the group runs keep their values).
#pragma once

#include "plausi/check_context.h"
#include "plausi/message_table.h"
#include "plausi/run_state.h"

#include <string>
#include <vector>

namespace zev {

struct Befund {
    int nummer = 0;
    int code = 0;
    std::string titel;
    std::string text;      // markers replaced, "!!! " in front as the result window has it
    std::string datensatz; // the record's number (school number, teacher number, …)
    std::string name;      // the record's name ("Name, Vorname" for persons)
};

struct Bereichspruefung {
    std::string bereich; // "Schule", "Lehrer", …
    int schwelle = 0;    // 0 every warning, 1 serious warnings, 2 only errors
    std::size_t datensaetze = 0;
    int warnungen = 0; // findings of code 2 or 3 at or above the threshold
    int fehler = 0;    // findings of code 4 or 5
    std::vector<Befund> befunde;
};

// Runs the school tests (the free-carrier data when the settings say the school
// is one) and every teacher test for every teacher, with the threshold of each
// area from the settings. Uses `p` as its working state; what it leaves there is
// the run of the last record.
std::vector<Bereichspruefung> AlleBereichePruefen(PlausiLauf& p, const Datenbestand& d, const TEinstellungen& e,
                                                  const Kataloge& k, const Fehlertexte& texte);

} // namespace zev
