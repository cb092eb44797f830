// The conversions the plausibility tests use: integers (also hexadecimal), hour
// fields (a point as decimal point, no comma), and the date test.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace zev {

struct Ganzzahl {
    bool ok;
    std::int64_t wert; // on failure: what was read before the character that did not fit
};

// Leading blanks, an optional sign, then decimal digits, or hexadecimal digits after
// "$", "x" or "0x". Empty text, a character that does not fit, or a value outside
// 32 bits fails.
Ganzzahl GanzzahlKonvertieren(std::string_view text);

// Leading blanks, optional sign, decimal digits with "." as the only decimal point
// and an optional exponent. nullopt on anything else (a comma, an empty text).
std::optional<double> StundenKonvertieren(std::string_view text);

// 0: not a date of the form day.month.year; 1: a date outside the year bounds;
// 2: a date within them. Years 1..99 (bounds 0..98) count as 19xx; days per
// month are not checked.
int DatumPruefen(std::string_view text, std::string_view vonJahr, std::string_view bisJahr);

} // namespace zev
