// What the tests read besides the record under test: the settings, the
// catalogues and the areas in memory (with their loaded flags).
#pragma once

#include "catalog/catalogue_loader.h"
#include "model/database.h"
#include "model/settings.h"

#include <string>
#include <string_view>

namespace zev {

struct PruefKontext {
    const TEinstellungen& e;
    const Kataloge& k;
    const Datenbestand& d;
};

// A code counts as found when the catalogue holds an entry with it in brackets.
inline bool Gefunden(const Katalog& liste, std::string_view key) {
    std::string r;
    CatalogueDisplayOfKey(liste, key, r);
    return r > std::string_view(" ");
}

} // namespace zev
