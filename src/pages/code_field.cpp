#include "pages/code_field.h"

namespace zev {

void CodeFeldZeigen(CodeFeld& f, const KomboListe& liste, std::string_view schluesselUtf8) {
    f.schluessel = std::string(schluesselUtf8);
    f.index = KomboIndexVonSchluessel(liste, schluesselUtf8);
}

void CodeFeldGewaehlt(CodeFeld& f, const KomboListe& liste, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= liste.size()) return;
    f.index = index;
    f.schluessel = liste.Schluessel(index);
}

} // namespace zev
