#include "pages/ue_chooser.h"

#include "catalog/catalogue_list.h"
#include "model/encoding.h"

namespace zev {

void UEAuswahlZeigen(UEAuswahlModell& a, const Katalog& ueBeschreibungen) {
    a.eintraege.clear();
    a.eintraege.reserve(ueBeschreibungen.size());
    for (const std::string& e : ueBeschreibungen) a.eintraege.push_back(Cp1252ToUtf8(e));
    a.gewaehlt.assign(a.eintraege.size(), false);
}

std::vector<std::string> UEAuswahlUebernehmen(const UEAuswahlModell& a, Meldungen& m) {
    std::vector<std::string> ids;
    for (std::size_t i = 0; i < a.eintraege.size() && i < a.gewaehlt.size(); ++i) {
        if (!a.gewaehlt[i]) continue;
        if (static_cast<int>(ids.size()) == kUEAuswahlPlaetze) {
            m.Fehler("Fehler:\r\rzu viele Unterrichtseinheiten ausgewählt!\rfür Schüler werden 25 und für Lehrer 35 "
                     "unterstützt!");
            break;
        }
        // The key, cut to the five characters of a reference.
        const std::string key = Cp1252ToUtf8(Utf8ToCp1252(KeyOfEntry(a.eintraege[i])).substr(0, 5));
        ids.push_back(key);
    }
    return ids;
}

} // namespace zev
