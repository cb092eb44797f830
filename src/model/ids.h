// Identifier numbers: the smallest number not yet taken, for the records of the
// three list areas and for the school's lesson units.
#pragma once

#include "model/database.h"
#include "model/messages.h"
#include "model/records.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace zev {

// Hands out the smallest free number of a sequence of ranges, one call after
// another, treating each number it returned as taken. Built once over the numbers
// in use (O(n log n)), each call is amortised O(1): the bulk path of an import
// that gives thousands of records fresh identifiers in a row gets exactly the
// numbers repeated smallest-free searches would give, without rescanning.
class IdVergabe {
public:
    using Bereich = std::pair<std::int64_t, std::int64_t>; // inclusive

    IdVergabe(std::vector<std::int32_t> belegt, std::vector<Bereich> bereiche);

    // 0 when every number of every range is taken.
    std::int32_t Naechste();

    // The ranges of record identifiers: 1 .. 2147483646, then −2147483646 .. −1.
    static std::vector<Bereich> DatensatzBereiche();

private:
    std::vector<std::int32_t> belegt_; // sorted, unique
    std::vector<Bereich> bereiche_;
    std::size_t bereich_ = 0;
    std::int64_t kandidat_ = 0;
    std::size_t pos_ = 0;
    void BereichBeginnen();
};

template <class R> std::vector<std::int32_t> IdsVon(const BereichsDaten<R>& b) {
    std::vector<std::int32_t> ids;
    ids.reserve(b.DB.size());
    for (const R& r : b.DB) ids.push_back(r.ID);
    return ids;
}

// The smallest free identifier of an area (elements 0..last only; the buffer is
// not looked at). 0 and the internal-error message when none is free.
template <class R> std::int32_t NeueID(const BereichsDaten<R>& b, Meldungen& m) {
    const std::int32_t id = IdVergabe(IdsVon(b), IdVergabe::DatensatzBereiche()).Naechste();
    if (id == 0)
        m.Fehler("interner Fehler:\r\res konnte keine passende " + std::string(BereichsArt<R>::IdName) +
                 " erstellt werden");
    return id;
}

inline std::int32_t NeueLehrerID(const BereichsDaten<TLehrerDS>& b, Meldungen& m) { return NeueID(b, m); }
inline std::int32_t NeueKlassenID(const BereichsDaten<TKlasseDS>& b, Meldungen& m) { return NeueID(b, m); }
inline std::int32_t NeueSchuelerID(const BereichsDaten<TSchuelerDS>& b, Meldungen& m) { return NeueID(b, m); }

// Fresh identifiers for an area being filled in bulk: the same numbers as
// calling NeueID after each store.
template <class R> IdVergabe IdVergabeFuer(const BereichsDaten<R>& b) {
    return IdVergabe(IdsVon(b), IdVergabe::DatensatzBereiche());
}

// Smallest c = 1, 2, ... not used by lesson units 1..1000.
std::int32_t NeueUEID(const TSchuleDS& schule);
// Smallest c = −2147483647, −2147483646, ... not used by lesson units 1..1000.
std::int32_t NeueImportUEID(const TSchuleDS& schule);

} // namespace zev
