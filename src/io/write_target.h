// Where a report or an exchange file may go: to a new file, or over an existing
// regular file that is none of the program's own. A report path is typed by a
// person and an export name may come from a settings file made elsewhere; either
// could name the data, a device or a folder, and a save replaces what it names.
#pragma once

#include "model/messages.h"

#include <string>
#include <string_view>

namespace zev::io {

// Whether a file name (without folder) is one the program keeps its own data in:
// *.ZEV, *.SIC, *.LS1, *.LS2, *.defekt, ZEVEinstellungen.DAT, Katalog*.csv (any case).
bool EigeneDatei(std::string_view name);

// Why `pfad` must not be written ("" when it may). Symbolic links are followed as
// the safe write follows them: every name on the way counts, and the end must be
// missing or a regular file.
std::string SchreibzielGrund(const std::string& pfad);

// Checks `pfad` and reports a refusal; true when it may be written.
bool SchreibzielPruefen(const std::string& pfad, Meldungen& m);

// The message of a refused target.
std::string MeldungSchreibzielVerweigert(const std::string& pfad, const std::string& grund);

inline constexpr std::string_view kGrundEigeneDatei =
    "Dateien des ZEV-Managers (*.ZEV, *.SIC, *.LS1, *.LS2, *.defekt,\rZEVEinstellungen.DAT, Katalog*.csv) werden "
    "nie überschrieben.";

} // namespace zev::io
