// Validating an XML file against one of the schemas in data/schema with xmllint.
#pragma once

#include <cstdio>
#include <string>
#include <utility>

namespace zev::test {

// xmllint's verdict, with its output for a failure message.
inline std::pair<bool, std::string> SchemaGueltig(const std::string& xsd, const std::string& xml) {
    const std::string befehl =
        "xmllint --noout --schema '" + std::string(ZEV_SCHEMA_DIR) + "/" + xsd + "' '" + xml + "' 2>&1";
    FILE* p = ::popen(befehl.c_str(), "r");
    if (!p) return {false, "popen"};
    std::string ausgabe;
    char puffer[512];
    while (std::fgets(puffer, sizeof puffer, p)) ausgabe += puffer;
    return {::pclose(p) == 0, ausgabe};
}

} // namespace zev::test
