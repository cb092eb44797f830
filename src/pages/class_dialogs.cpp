#include "pages/class_dialogs.h"

namespace zev {

void KlBesDialogZeigen(KlBesDialogModell& d, const KomboListe& besonderheiten) {
    CodeFeldZeigen(d.besonderheit, besonderheiten, "");
    d.besonderheit.index = 0;
}

std::optional<std::string> KlBesDialogHinzufuegen(KlBesDialogModell& d) {
    d.gewaehlt = d.besonderheit.schluessel;
    if (d.gewaehlt.empty()) return std::nullopt;
    return d.gewaehlt;
}

} // namespace zev
