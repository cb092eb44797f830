// The tests of the school record, message numbers 100 to 188.
#pragma once

#include "plausi/check_context.h"
#include "plausi/run_state.h"

namespace zev {

void TesteSchulGrunddaten(PlausiLauf& p, const TSchuleDS& s, const PruefKontext& k);
void TesteSchulFreieTraeger(PlausiLauf& p, const TSchuleDS& s, const PruefKontext& k);
void TesteSchulUE(PlausiLauf& p, const TSchuleDS& s, const PruefKontext& k);
// The base data; the free-carrier data only when the settings say so; the lesson units.
void TesteAlleSchuldaten(PlausiLauf& p, const TSchuleDS& s, const PruefKontext& k);

} // namespace zev
