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
};

// The folders in use after start-up or after the settings were confirmed. A data
// folder that cannot be created is reported and replaced by the program folder
// (the import and export folders then keep their values); an import or export
// folder that cannot be created is silently replaced by the data folder. The
// school record takes the settings' school number. Returns whether the program
// folder holds a settings file (the start page's hints then lose their colours).
bool OrdnerBestimmen(Ordner& o, const TEinstellungen& e, TSchuleDS& schule, Meldungen& m);

} // namespace zev
