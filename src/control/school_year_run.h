// The change of school year on the files: the four areas read for the plan, the
// closed year archived, the new year put in place as one step, and an archived
// year taken back. The caller holds the data folder's lock (the window for its
// whole run, `zev` for the command); the settings' lock is taken here.
#pragma once

#include "control/lifecycle.h"
#include "control/school_year.h"

#include <string>
#include <string_view>

namespace zev {

inline constexpr const char* kSchuljahrNurLesen =
    "Die *.ZEV-Dateien werden nur gelesen (Zugriff \"nur LESEN\"): eine von ihnen gehört zu einer anderen "
    "Schule als der Schulnummer der Einstellungen, oder die Einstellungen erlauben nur das Lesen.\r\r"
    "Der Schuljahreswechsel wird nicht durchgeführt.";

// Completes a change of school year a killed run left halfway, or discards the
// files of one that had not reached its point of no return. Only a run that holds
// the data folder's lock may; false after a message.
bool SchuljahrNachholen(Steuerung& s, Meldungen& m);

// Reads the four areas from their internal files, after completing a change a
// killed run left unfinished when `nachholen` (only a run that holds the lock
// may). False, after a message, when one is missing or unreadable.
bool SchuljahrLaden(Steuerung& s, Meldungen& m, bool nachholen = true);

// Archives the year of `p`, then writes the new year. After success the areas of
// `s` hold the new files (read from them) and the settings the new report year. False after a message; the files are
// then those of the old year.
bool SchuljahrDurchfuehren(Steuerung& s, const SchuljahrPlan& p, std::string_view programm, Meldungen& m);

// Puts the archived year `jahr` back after asking; the current area files become
// .SIC and the settings take the archived report year (nothing else of them).
// After success the areas of `s` hold the files taken back.
bool SchuljahrZuruecknehmen(Steuerung& s, std::string_view jahr, std::string_view programm, Meldungen& m);

} // namespace zev
