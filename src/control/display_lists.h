// The display lists of the areas (one entry per record, in index order), the
// teacher choice, the lesson-unit descriptions, the removal of identical lesson
// units and the tolerant number conversion.
#pragma once

#include "catalog/catalogue_list.h"
#include "catalog/catalogue_loader.h"
#include "model/database.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace zev {

// Name + ", " (cut to 32) + Vorname (cut to 62) + " [" (cut to 64) + ID + "]".
void LehrerListeAufbauen(Katalog& liste, const BereichsDaten<TLehrerDS>& lehrer);
void SchuelerListeAufbauen(Katalog& liste, const BereichsDaten<TSchuelerDS>& schueler);
// Klassenname + " [" (cut to 12) + ID + "]".
void KlassenListeAufbauen(Katalog& liste, const BereichsDaten<TKlasseDS>& klassen);
// " -???-; []", then per teacher [Titel + " "] + Name + ", " + Vorname + "; [" + Lehrernummer + "]".
void LehrerAuswahlAufbauen(Katalog& liste, const BereichsDaten<TLehrerDS>& lehrer);

// The entry of one record, as the lists above hold it.
std::string AnzeigeEintrag(const TLehrerDS& r);
std::string AnzeigeEintrag(const TSchuelerDS& r);
std::string AnzeigeEintrag(const TKlasseDS& r);
std::string AuswahlEintrag(const TLehrerDS& r);

// Rewrites the entry of element `index` from the array, leaving the other
// entries alone (moving through an area must not cost a whole list). An index
// outside the array or the list changes nothing.
template <class R> void AnzeigeEintragNeu(Katalog& liste, const BereichsDaten<R>& b, std::int32_t index) {
    if (!b.IndexGueltig(index)) return;
    liste.Setzen(static_cast<std::size_t>(index), AnzeigeEintrag(b.DB[static_cast<std::size_t>(index)]));
}
// The teacher choice holds its placeholder first, so element i is entry i + 1.
void AuswahlEintragNeu(Katalog& liste, const BereichsDaten<TLehrerDS>& lehrer, std::int32_t index);

// One description per lesson unit in use; completes an empty `UE_ID_Text` in the
// record with the decimal identifier. `reihenfolge` is the settings'
// `UEInfoReihenfolge` (1: subject first; otherwise the record's own order).
void UEBeschreibungenAufbauen(Katalog& liste, TSchuleDS& schule, const Kataloge& kataloge, const Katalog& lehrerAuswahl,
                              int reihenfolge);

// Empties every lesson unit that equals an earlier one in all fields but `Fach_Text`.
void IdentischeUELoeschen(TSchuleDS& schule);

// "7,5" and "7.5" give 7.5; a text with both or neither separator is read as a
// plain number (0 when it is none); see the tests for the whole table.
double ZahlAusText(std::string_view text);

} // namespace zev
