// The tests of one class record, message numbers 300 to 318.
#pragma once

#include "plausi/check_context.h"
#include "plausi/run_state.h"
#include "plausi/teacher_tests.h"

#include <string_view>
#include <unordered_map>

namespace zev {

// What the class tests look up in the other records, built once for a run over
// many classes: the school's units, how often each class name occurs, and how many
// students name each class (only when the student area is loaded).
class KlassenUmfeld {
public:
    explicit KlassenUmfeld(const Datenbestand& d);

    const SchulUEIndex& UE() const { return ue_; }
    int NamensAnzahl(std::string_view name) const;
    // -1 when the students are not loaded.
    int SchuelerAnzahl(std::string_view name) const;

private:
    SchulUEIndex ue_;
    std::unordered_map<std::string_view, int> namen_;
    std::unordered_map<std::string_view, int> schueler_;
    bool schuelerGeladen_;
};

// 300 to 315; the sheet's button runs these.
void TesteKlasse(PlausiLauf& p, const TKlasseDS& kl, const PruefKontext& k, const KlassenUmfeld& umfeld);
void TesteKlasse(PlausiLauf& p, const TKlasseDS& kl, const PruefKontext& k);
// 318, a class without students; only the run over all classes, which has loaded them.
void TesteKlassenSchueler(PlausiLauf& p, const TKlasseDS& kl, const KlassenUmfeld& umfeld);

} // namespace zev
