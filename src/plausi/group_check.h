// The runs over all teachers, all classes and all students: every test of the
// area for every record, the counts of warnings and errors at or above the
// threshold stored in each record, and the grid of the group window as data.
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
// The same for classes 0..last (TesteKlasse, then whether students name the class)
// and for students 0..last (TesteSchueler). Only the area's own records change:
// every one of them gets both counts of this run.
long AlleKlassenPruefen(PlausiLauf& p, Datenbestand& d, const TEinstellungen& e, const Kataloge& k);
long AlleSchuelerPruefen(PlausiLauf& p, Datenbestand& d, const TEinstellungen& e, const Kataloge& k);

// After a record's run has been tallied: its Warnungen and Fehler by the threshold
// (0: codes 2 and 3 are warnings, 1: code 3 only, 2: none), errors codes 4 and 5.
template <class R> void ZaehlerSpeichern(const PlausiLauf& p, R& r) {
    const auto& z = p.Ergebniszaehler;
    if (p.Alarmschwelle == 0)
        r.Warnungen = static_cast<std::uint16_t>(z[2] + z[3]);
    else if (p.Alarmschwelle == 1)
        r.Warnungen = z[3];
    else
        r.Warnungen = 0;
    r.Fehler = static_cast<std::uint16_t>(z[4] + z[5]);
}

struct GruppenZelle {
    std::string text; // UTF-8
    bool fett = false;
    std::optional<Farbe> farbe; // the grid's normal colour when none
};

struct Gruppenanzeige {
    std::string titel;
    std::string berichtsname = "Lehrer-PLAUSI"; // the stem a saved report is offered under
    AnzeigeZeile schwelle;
    std::vector<int> breiten;                      // one per column
    std::vector<std::vector<GruppenZelle>> zeilen; // row 0 the headings; at least 11 rows
    std::size_t datenzeilen = 0;                   // rows 1..datenzeilen hold one record each, the rest is padding

    std::size_t Spalten() const { return breiten.size(); }
    // The columns of the counts (written as numbers in a CSV report).
    std::vector<std::size_t> Zahlspalten() const {
        if (Spalten() < 3) return {};
        return {Spalten() - 3, Spalten() - 2};
    }
};

inline constexpr int kGruppenartLehrer = 1;
inline constexpr int kGruppenartKlassen = 2;
inline constexpr int kGruppenartSchueler = 3;

// The grid of the area that `gruppenart` names; another value gives the bare
// caption and empty rows.
Gruppenanzeige GruppenAnzeigeAufbauen(int gruppenart, int alarmschwelle, const Datenbestand& d);
Gruppenanzeige GruppenAnzeigeAufbauen(int gruppenart, int alarmschwelle, const BereichsDaten<TLehrerDS>& lehrer);

// The "Ergebnis" text of a teacher's counts.
std::string GruppenErgebnis(int warnungen, int fehler);

} // namespace zev
