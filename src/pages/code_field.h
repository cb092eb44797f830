// A coded field as the pages show it: a short box with the stored key and beside
// it a combo of the catalogue's entries. The record takes the box, never the combo.
#pragma once

#include "pages/combo_list.h"

#include <string>
#include <string_view>

namespace zev {

struct CodeFeld {
    std::string schluessel; // the key box, UTF-8
    int index = 0;          // the combo's chosen item
};

// Showing a stored key: the box gets the key, the combo its first matching item
// (the placeholder when there is none).
void CodeFeldZeigen(CodeFeld& f, const KomboListe& liste, std::string_view schluesselUtf8);

// The user picked combo item `index`: the box receives that item's key.
void CodeFeldGewaehlt(CodeFeld& f, const KomboListe& liste, int index);

} // namespace zev
