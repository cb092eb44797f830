// What the imports of one command in the window did, for the person: the text
// `zev import` prints, area by area, and the same as a file to keep (HTML with
// every loss in a table, or CSV with one row per loss).
#pragma once

#include "control/areas.h"
#include "model/messages.h"
#include "xml/xml_import.h"

#include <string>
#include <string_view>
#include <vector>

namespace zev {

// The files read for one area.
struct BereichsImport {
    Bereich bereich;
    std::vector<ImportBericht> berichte;
};

// Per area "[lehrer]", then each file's report as `zev import` prints it.
std::string ImportText(const std::vector<BereichsImport>& importe);

// A complete UTF-8 page: school number, date, then per area and file the lines of
// the report and a table of what was not taken as the file holds it.
std::string ImportHtml(const std::vector<BereichsImport>& importe, std::string_view schulnummer,
                       std::string_view datum);

// As the check reports: byte order mark, ";" between fields, CRLF; a header, then
// one row per value cut, dropped, replaced or doubled.
std::string ImportCsv(const std::vector<BereichsImport>& importe);

// Writes the report in the format of the file name's suffix; another suffix or a
// failed write is reported through `m`. True when written.
bool ImportBerichtSpeichern(const std::string& pfad, const std::vector<BereichsImport>& importe,
                            std::string_view schulnummer, std::string_view datum, Meldungen& m);

} // namespace zev
