// The masked date boxes: "TT.MM.JJJJ" with the century preset by the mask. The
// box starts with the mask's century, but its two century digits are typed over
// like the others, so dates of any century can be entered.
#pragma once

#include "model/messages.h"
#include "model/records.h"

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

// A box a person may leave: it fits the mask and is either cleared (no digit in
// day, month or the year's last two places) or a day of the calendar, day,
// month and year complete ("1 .2 .1985" counts as 01.02.1985). "31.02.1985"
// and "12.08.19  " are refused. A century not typed in full is the mask's.
bool DatumAnnehmbar(std::string_view box, std::string_view maske);

// One masked date box of a page. It remembers the stored text it was shown
// with, so that a box nobody typed into gives that text back byte for byte:
// the record does not change by being looked at, whatever form the date had.
struct DatumsKasten {
    std::string maske;       // kMaskeGeburtsdatum or kMaskeDatum20
    std::string meldung;     // names the field when the box is refused
    std::string text;        // what the box shows (UTF-8)
    std::string gespeichert; // the record's text when shown (Windows-1252)
    bool bearbeitet = false; // a person typed into the box since then
};

DatumsKasten DatumsKastenAnlegen(std::string_view maske, std::string_view meldung);

// Record into box. A stored date in the form "TT.MM.JJJJ" (digits, blanks or
// "?") is shown in the mask; any other text, as an import may bring it, is
// shown as it is.
void DatumZeigen(DatumsKasten& k, std::string_view gespeichert);

// What a person's typing does to the box.
void DatumEingeben(DatumsKasten& k, std::string_view text);

// The box is left: a box that was typed into and is not acceptable is refused
// with its message and shows the stored text again. False when refused.
bool DatumVerlassen(DatumsKasten& k, Meldungen& m);

// Box into record: only a box that was typed into (and is acceptable) changes
// the field; afterwards the box shows the new stored text as untouched.
void DatumUebernehmen(DatumsKasten& k, s10& feld, Meldungen& m);

} // namespace zev
