// The run over all teachers: every teacher test for every teacher, the counts of
// warnings and errors at or above the threshold stored in each record, and the
// grid of the group window as data.
#pragma once

#include "model/colours.h"
#include "plausi/check_context.h"
#include "plausi/result_listing.h"
#include "plausi/run_state.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace zev {

// Runs TesteLehrer for teachers 0..last and stores Warnungen and Fehler in each
// record. Returns the sum of both over all teachers.
long AlleLehrerPruefen(PlausiLauf& p, Datenbestand& d, bool mitFreieTraegerDaten, const TEinstellungen& e,
                       const Kataloge& k);

struct GruppenZelle {
    std::string text; // UTF-8
    bool fett = false;
    std::optional<Farbe> farbe; // the grid's normal colour when none
};

struct Gruppenanzeige {
    std::string titel;
    AnzeigeZeile schwelle;
    std::array<int, 6> breiten{};
    std::vector<std::array<GruppenZelle, 6>> zeilen; // row 0 the headings; at least 11 rows
    std::size_t datenzeilen = 0;                     // rows 1..datenzeilen hold one teacher each, the rest is padding
};

inline constexpr int kGruppenartLehrer = 1;

Gruppenanzeige GruppenAnzeigeAufbauen(int gruppenart, int alarmschwelle, const BereichsDaten<TLehrerDS>& lehrer);

// The "Ergebnis" text of a teacher's counts.
std::string GruppenErgebnis(int warnungen, int fehler);

} // namespace zev
