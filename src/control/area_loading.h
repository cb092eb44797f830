// Loading an area from the source the settings name: the XML import entries,
// the internal file, or nothing.
#pragma once

#include "control/areas.h"
#include "model/database.h"
#include "model/messages.h"
#include "model/settings.h"
#include "storage/folders.h"
#include "xml/xml_import.h"

#include <string_view>
#include <vector>

namespace zev {

// Imports the area from its import entries of orders 1, 2, 3, stopping at the first
// file that does not exist: the school is merged into the school record, the
// other areas are replaced by each file in turn. One report per file read.
std::vector<ImportBericht> BereichImportieren(Bereich b, Datenbestand& d, const TEinstellungen& e, Meldungen& m);

// Writes the area's XML file into the export folder.
bool BereichExportieren(Bereich b, const Datenbestand& d, const TEinstellungen& e, const Ordner& o, Meldungen& m);

} // namespace zev
