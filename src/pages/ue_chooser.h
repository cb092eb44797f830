// The lesson-unit chooser "vordefinierte UE auswählen ..." without widgets: the
// school's lesson-unit descriptions, several of which can be selected.
#pragma once

#include "model/messages.h"

#include <string>
#include <vector>

namespace zev {

class Katalog;

inline constexpr const char* kTitelUEAuswahl = "vordefinierte UE auswählen ...";
inline constexpr int kUEAuswahlPlaetze = 35;

struct UEAuswahlModell {
    std::vector<std::string> eintraege; // UTF-8, the description list in its order
    std::vector<bool> gewaehlt;
};

// When shown: the list anew, nothing selected.
void UEAuswahlZeigen(UEAuswahlModell& a, const Katalog& ueBeschreibungen);

// "ausgewählte UEs hinzufügen": the keys of the selected entries in list order, at
// most 35; the 36th selected entry is reported once and ends the walk.
std::vector<std::string> UEAuswahlUebernehmen(const UEAuswahlModell& a, Meldungen& m);

} // namespace zev
