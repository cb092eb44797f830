// The check report that goes with a delivery: school number, report year and
// date, a summary per area, the schema verdict of each XML file and every
// finding at or above its area's threshold, as an HTML page, as a CSV table and
// as the short text the window and `zev deliver` show.
#pragma once

#include "plausi/all_checks.h"

#include <string>
#include <vector>

namespace zev {

// One XML file of the delivery and what its schema said of it.
struct SchemaZeile {
    std::string datei;  // "Schule.XML"
    std::string schema; // "Schule.xsd"
    bool gueltig = false;
    std::vector<std::string> fehler;
};

struct Pruefbericht {
    std::string schulnummer, berichtsjahr, datum; // UTF-8, the date as "TT.MM.JJJJ"
    std::vector<Bereichspruefung> bereiche;
    std::vector<SchemaZeile> dateien;

    int Warnungen() const;
    int Fehler() const;
    int Schemafehler() const; // files that failed their schema
};

inline constexpr const char* kPruefberichtTitel = "Prüfbericht zur Lieferung";

std::string PruefberichtHtml(const Pruefbericht& b);
// UTF-8 with a byte order mark, ";" between fields, CRLF after each row, in three
// blocks after the head rows: the areas, the files, the findings.
std::string PruefberichtCsv(const Pruefbericht& b);
// One line per area and per file (UTF-8, lines ended by "\r").
std::string PruefberichtKurz(const Pruefbericht& b);

} // namespace zev
