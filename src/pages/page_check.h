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

} // namespace zev
