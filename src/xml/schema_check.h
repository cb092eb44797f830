// Checking an exchange file against its XML Schema (data/schema), with libxml2's
// validator: what the office that receives a delivery checks first.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zev {

// The schema of an area's file (area 1..4 as in the import entries); empty for another number.
std::string_view SchemaText(int bereich);
// Its file name in data/schema: "Schule.xsd", "Lehrer.xsd", "Klassen.xsd", "Schueler.xsd".
std::string_view SchemaName(int bereich);

struct SchemaErgebnis {
    bool gueltig = false;
    // What the validator found, one line each ("Zeile N: …"), at most kSchemaFehlerHoechstens
    // and then a line naming how many more there were.
    std::vector<std::string> fehler;
};

inline constexpr std::size_t kSchemaFehlerHoechstens = 10;

// Validates the file image `xml` (named `dateiname` in the messages) against the
// schema `xsd`. No entity is expanded and nothing is loaded from outside.
SchemaErgebnis SchemaPruefen(std::string_view xml, std::string_view dateiname, std::string_view xsd);
// The same against the area's own schema.
SchemaErgebnis SchemaPruefen(std::string_view xml, std::string_view dateiname, int bereich);

} // namespace zev
