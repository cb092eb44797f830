// The course of a check run from a button: take the page into the record, reset,
// ask about free-carrier data where needed, run, tally against the area's
// threshold, then confirm or show the result window.
#pragma once

#include "model/messages.h"
#include "plausi/group_check.h"
#include "plausi/run_state.h"

#include <functional>
#include <string>

namespace zev {

enum class PruefKnopf {
    SchulGrunddaten,   // "diese Seite prüfen (PLAUSI)" on "Schul-Daten"
    SchulFreieTraeger, // ... on "freie Träger"
    SchulUE,           // ... on the lesson-unit page
    AlleSchuldaten,    // "alle Schuldaten prüfen (grosse PLAUSI)"
    LehrerGrunddaten,  // "diese Seite prüfen (PLAUSI)" on "Grundd./ Ausb./ Lehrb."
    LehrerStunden,     // "Seiten (Std.n + Arb.zeit-...) prüfen (PLAUSI)"
    LehrerSonstiges,   // ... on "Sonstiges / PmsA / Zu- und Abg."
    LehrerUE,          // ... on "Unt.-Einheiten"
    DiesenLehrer,      // "diesen Lehrer prüfen (PLAUSI)"
};

enum class PruefAusgang { Beendet, Bestaetigt, Fenster };

// What the run needs from around it: the page's collect and the windows.
struct PruefHaken {
    std::function<void()> seiteUebernehmen = [] {};
    std::function<void()> ergebnisfensterZeigen = [] {};
    std::function<void()> gruppenfensterZeigen = [] {};
};

std::string BestaetigungsText(PruefKnopf knopf);

// A single run on the school record or on one teacher record (`lehrer`).
PruefAusgang PruefungAusfuehren(PruefKnopf knopf, PlausiLauf& p, const TSchuleDS& schule, const TLehrerDS& lehrer,
                                const PruefKontext& k, Meldungen& m, const PruefHaken& haken);

// "alle Lehrer prüfen (grosse PLAUSI)".
PruefAusgang GrossePlausiAusfuehren(PlausiLauf& p, Datenbestand& d, const TEinstellungen& e, const Kataloge& k,
                                    Meldungen& m, const PruefHaken& haken);

// "diese Klasse prüfen" and "diesen Schüler prüfen": the run on one record with the
// area's threshold (SchwelleKlassen, SchwelleSchueler).
PruefAusgang KlassePruefungAusfuehren(PlausiLauf& p, const TKlasseDS& klasse, const PruefKontext& k, Meldungen& m,
                                      const PruefHaken& haken);
PruefAusgang SchuelerPruefungAusfuehren(PlausiLauf& p, const TSchuelerDS& schueler, const PruefKontext& k, Meldungen& m,
                                        const PruefHaken& haken);

// "alle Klassen prüfen" and "alle Schüler prüfen (grosse PLAUSI)": as the teachers'
// run, with Gruppenart 2 and 3.
PruefAusgang GrosseKlassenPlausiAusfuehren(PlausiLauf& p, Datenbestand& d, const TEinstellungen& e, const Kataloge& k,
                                           Meldungen& m, const PruefHaken& haken);
PruefAusgang GrosseSchuelerPlausiAusfuehren(PlausiLauf& p, Datenbestand& d, const TEinstellungen& e, const Kataloge& k,
                                            Meldungen& m, const PruefHaken& haken);

inline constexpr const char* kKlasseBestanden = "Daten der aktuellen Klasse\rwurden erfolgreich getestet!";
inline constexpr const char* kSchuelerBestanden = "Daten des aktuellen Schülers\rwurden erfolgreich getestet!";
inline constexpr const char* kGrosseKlassenPlausiBestanden = "Große Klassen-PLAUSI wurde erfolgreich absolviert!";
inline constexpr const char* kGrosseSchuelerPlausiBestanden = "Große Schüler-PLAUSI wurde erfolgreich absolviert!";

inline constexpr const char* kGrossePlausiBestanden = "Große Lehrer-PLAUSI wurden erfolgreich absolviert!";
inline constexpr const char* kFrageFreieTraegerSchule =
    "Diese Schule ist keine Schule in freier Trägerschaft!\r\rWollen Sie die diesbezüglichen Daten trotzdem testen?";

} // namespace zev
