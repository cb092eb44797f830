// The tests of one student record, message numbers 400 to 460.
#pragma once

#include "plausi/check_context.h"
#include "plausi/run_state.h"
#include "plausi/teacher_tests.h"

#include <optional>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zev {

// What the student tests look up in the other records, built once for a run over
// many students: the school's units and school types, the class names, and how
// often each student number occurs.
class SchuelerUmfeld {
public:
    explicit SchuelerUmfeld(const Datenbestand& d);

    const SchulUEIndex& UE() const { return ue_; }
    bool KlasseBekannt(std::string_view name) const { return klassen_.contains(name); }
    bool SchulartDerSchule(std::string_view key) const;
    int NummernAnzahl(std::string_view nummer) const;

private:
    SchulUEIndex ue_;
    std::unordered_map<std::string_view, int> klassen_;
    std::unordered_map<std::string_view, int> nummern_;
    std::vector<std::string_view> schularten_;
};

void TesteSchueler(PlausiLauf& p, const TSchuelerDS& s, const PruefKontext& k, const SchuelerUmfeld& umfeld);
void TesteSchueler(PlausiLauf& p, const TSchuelerDS& s, const PruefKontext& k);

// A calendar date: day.month.year with a four-digit year, days per month and
// leap years checked; leading blanks of day and month allowed.
struct Kalendertag {
    int tag, monat, jahr;
};
std::optional<Kalendertag> KalenderdatumLesen(std::string_view text);

// The first Jahrgang in which a foreign language of the given kind of acquisition
// (catalogue 26) is usually begun; 0 when the kind names none.
int FruehesterJahrgang(std::string_view erwerb);

} // namespace zev
