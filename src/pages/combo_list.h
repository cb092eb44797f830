// The item lists of combo boxes: catalogue entries as a person reads them
// (UTF-8), in catalogue order or sorted, with the lookups the pages use on them.
#pragma once

#include "catalog/catalogue_list.h"

#include <string>
#include <string_view>
#include <vector>

namespace zev {

// One combo's items. `eintraege` are the catalogue's bytes (Windows-1252) for
// lookups and keys; `texte` the same entries in UTF-8 for the widgets.
struct KomboListe {
    Katalog eintraege;
    std::vector<std::string> texte;

    std::size_t size() const { return texte.size(); }
    // The key of item `index` (UTF-8); "" outside the list.
    std::string Schluessel(int index) const;
    // The item's whole text in Windows-1252; "" outside the list.
    std::string Eintrag(int index) const;
};

// The entries as they stand in the catalogue.
KomboListe KomboAus(const Katalog& katalog);

// The entries sorted as a sorted combo box shows them: letters without regard to
// case and with umlauts next to their base letters, so " -???-; []" stays first.
KomboListe SortierteKomboAus(const Katalog& katalog);

// Index of the first item that contains "[" + key + "]" (key in UTF-8); 0 when none.
int KomboIndexVonSchluessel(const KomboListe& liste, std::string_view schluesselUtf8);

// `IndexOfText`: index of the first item that contains the text (UTF-8); 0 when none
// or when the text is empty.
int IndexOfText(const KomboListe& liste, std::string_view textUtf8);

} // namespace zev
