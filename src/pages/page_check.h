// The check course started from a page's button: take the page into its record,
// run the button's tests on the school record and the teacher buffer, then
// confirm or open the result window.
#pragma once

#include "model/messages.h"
#include "plausi/check_course.h"

#include <functional>

namespace zev {

class Steuerung;

PruefAusgang SeitePruefen(Steuerung& st, PruefKnopf knopf, Meldungen& m, std::function<void()> seiteUebernehmen,
                          std::function<void()> ergebnisfensterZeigen);

// "diese Klasse prüfen" and "diesen Schüler prüfen": the sheet into its buffer and
// the buffer into the list (so the list shows what was checked), then the run on it.
PruefAusgang KlassenblattPruefen(Steuerung& st, Meldungen& m, std::function<void()> seiteUebernehmen,
                                 std::function<void()> ergebnisfensterZeigen);
PruefAusgang SchuelerblattPruefen(Steuerung& st, Meldungen& m, std::function<void()> seiteUebernehmen,
                                  std::function<void()> ergebnisfensterZeigen);

// "alle Klassen prüfen" and "alle Schüler prüfen (grosse PLAUSI)": the sheet is
// stored, every record checked, and the open record loaded again with the counts
// the run gave it. The class run loads the students first, to see which classes
// have none.
PruefAusgang AlleKlassenblaetterPruefen(Steuerung& st, Meldungen& m, std::function<void()> seiteUebernehmen,
                                        std::function<void()> gruppenfensterZeigen);
PruefAusgang AlleSchuelerblaetterPruefen(Steuerung& st, Meldungen& m, std::function<void()> seiteUebernehmen,
                                         std::function<void()> gruppenfensterZeigen);

} // namespace zev
