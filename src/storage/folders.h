// The folders of a run: the program folder and the data, import and export
// folders in use, determined from the settings and created where missing.
#pragma once

#include "model/messages.h"
#include "model/records.h"
#include "model/settings.h"

#include <string>

namespace zev {

struct Ordner {
    std::string Programm; // `ProgrammOrdner`, ending in a separator
    std::string Daten;    // `DatenOrdner`
    std::string Import;   // `ImportOrdner`
    std::string Export;   // `ExportOrdner`
    // Problems of the last determination, for callers that must not go on (zev):
    std::string DatenFehlt;       // the data folder that could not be created ("" when none)
    std::string NichtSpeicherbar; // a folder in use that the settings cannot hold ("" when none)
};

// The message for a path that a path field of the settings cannot hold.
std::string MeldungPfadNichtSpeicherbar(const std::string& pfad);

// The folders in use after start-up or after the settings were confirmed. A data
// folder that cannot be created is reported and replaced by the program folder
// (the import and export folders then keep their values); an import or export
// folder that cannot be created is silently replaced by the data folder. A
// folder derived from the program folder whose path the settings cannot hold is
// reported (and used as it is). The
// school record takes the settings' school number. Returns whether the program
// folder holds a settings file (the start page's hints then lose their colours).
bool OrdnerBestimmen(Ordner& o, const TEinstellungen& e, TSchuleDS& schule, Meldungen& m);

} // namespace zev
