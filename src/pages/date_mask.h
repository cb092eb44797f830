// The masked date boxes: "TT.MM.JJJJ" with the century preset by the mask. The
// box starts with the mask's century, but its two century digits are typed over
// like the others, so dates of any century can be entered.
#pragma once

#include <string>
#include <string_view>

namespace zev {

inline constexpr std::string_view kMaskeGeburtsdatum = "  .  .19  ";
inline constexpr std::string_view kMaskeDatum20 = "  .  .20  ";

// The box text fits its mask: ten characters, points at 3 and 6, digits or
// blanks elsewhere.
bool PasstZurMaske(std::string_view box);

// The stored date (ten characters) from the box: day and month each trimmed,
// one digit gets a leading "0", two characters are taken, anything else gives
// "??"; the century is the box's when it holds two digits there, otherwise the
// mask's; the year's last two places as the day. An untouched box thus gives
// "??.??.19??" (with the birth-date mask).
std::string DateFromMask(std::string_view box, std::string_view maske);

// What the box shows for a stored date: its digits in place, every other place
// blank, the century from the mask unless the date has one. A text that is not
// in the stored form ("TT.MM.JJJJ") shows the bare mask.
std::string DatumInMaske(std::string_view gespeichert, std::string_view maske);

} // namespace zev
