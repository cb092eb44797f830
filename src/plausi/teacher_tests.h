// The tests of one teacher record, message numbers 200 to 288.
#pragma once

#include "plausi/check_context.h"
#include "plausi/run_state.h"

#include <string_view>
#include <unordered_map>
#include <vector>

namespace zev {

// The school's lesson units by their identifier text (units in ascending order),
// built once for a run over many teachers.
class SchulUEIndex {
public:
    explicit SchulUEIndex(const TSchuleDS& s);
    const std::vector<int>* Einheiten(std::string_view ueIdText) const;

private:
    std::unordered_map<std::string_view, std::vector<int>> index_;
};

void TesteLehrerNummern(PlausiLauf& p, const TLehrerDS& l, const PruefKontext& k);
void TesteLehrerGrunddaten(PlausiLauf& p, const TLehrerDS& l, const PruefKontext& k);
void TesteLehrerStunden(PlausiLauf& p, const TLehrerDS& l, const PruefKontext& k);
void TesteLehrerSonstiges(PlausiLauf& p, const TLehrerDS& l, const PruefKontext& k);
void TesteLehrerUE(PlausiLauf& p, const TLehrerDS& l, const TSchuleDS& s, const SchulUEIndex& index);
void TesteLehrerUE(PlausiLauf& p, const TLehrerDS& l, const TSchuleDS& s);

// All groups; the free-carrier data only with `mitFreieTraegerDaten`.
void TesteLehrer(PlausiLauf& p, const TLehrerDS& l, bool mitFreieTraegerDaten, const PruefKontext& k,
                 const SchulUEIndex& index);

inline constexpr const char* kFrageFreieTraegerLehrer =
    "Diese Schule ist keine Schule in freier Trägerschaft!\r(Bestimmte Lehrer-Daten müssen hier nicht verwaltet "
    "werden.)\r\rWollen Sie diese (nicht relevanten) Lehrer-Daten trotzdem testen?";

} // namespace zev
