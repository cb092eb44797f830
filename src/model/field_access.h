// Reading and writing one field of a record image through its table row, with the
// same rules as the record's own types: a text keeps at most its width and leaves
// the bytes after its new length as they were; numbers are little-endian.
#pragma once

#include "model/field_table.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace zev::felder {

// The text of entry `k` (1..anzahl); for a reference the identifier text.
inline std::string_view TextIn(const std::uint8_t* bild, const Feld& f, int k = 1) {
    const std::uint8_t* p = bild + f.OrtVon(k) + (f.art == Art::Verweise ? 2 : 0);
    return {reinterpret_cast<const char*>(p + 1), std::min<std::size_t>(p[0], f.breite)};
}

// Only the length byte and the characters kept are written.
inline void TextSetzen(std::uint8_t* bild, const Feld& f, int k, std::string_view t) {
    std::uint8_t* p = bild + f.OrtVon(k) + (f.art == Art::Verweise ? 2 : 0);
    const std::size_t n = std::min<std::size_t>(t.size(), f.breite);
    if (n > 0) std::memcpy(p + 1, t.data(), n);
    p[0] = static_cast<std::uint8_t>(n);
}

// A number field of entry `k`; four bytes are signed, two unsigned. A reference gives its `Nummer`.
inline std::int64_t ZahlIn(const std::uint8_t* bild, const Feld& f, int k = 1) {
    const std::uint8_t* p = bild + f.OrtVon(k);
    if (f.art == Art::Verweise || f.breite == 2) return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | p[i];
    return static_cast<std::int32_t>(v);
}

inline void ZahlSetzen(std::uint8_t* bild, const Feld& f, int k, std::int64_t wert) {
    std::uint8_t* p = bild + f.OrtVon(k);
    const int bytes = (f.art == Art::Verweise) ? 2 : f.breite;
    for (int i = 0; i < bytes; ++i) p[i] = static_cast<std::uint8_t>(static_cast<std::uint64_t>(wert) >> (8 * i));
}

// Whether the field holds a text (as opposed to a number).
constexpr bool IstText(const Feld& f) {
    return f.art == Art::Text || f.art == Art::Code || f.art == Art::Datum || f.art == Art::Verweise;
}

} // namespace zev::felder
