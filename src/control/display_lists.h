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

// What the search of a record list looks through: the list entry, then, one per
// line (so a search never runs across two of them), the record's number and, for
// students, their class. A class's entry holds its whole name already.
std::string SuchEintrag(const TLehrerDS& r);
std::string SuchEintrag(const TSchuelerDS& r);
std::string SuchEintrag(const TKlasseDS& r);

inline void AnzeigeListeAufbauen(Katalog& liste, const BereichsDaten<TLehrerDS>& b) {
    LehrerListeAufbauen(liste, b);
}
inline void AnzeigeListeAufbauen(Katalog& liste, const BereichsDaten<TSchuelerDS>& b) {
    SchuelerListeAufbauen(liste, b);
}
inline void AnzeigeListeAufbauen(Katalog& liste, const BereichsDaten<TKlasseDS>& b) {
    KlassenListeAufbauen(liste, b);
}

// The lists follow a change of one array element with one entry, so moving
// through an area or adding a record does not cost whole lists. An index
// outside the array changes nothing; a list whose length did not match the array
// before the change is built anew.
//
// Element `index` was rewritten:
template <class R> void AnzeigeEintragNeu(Katalog& liste, const BereichsDaten<R>& b, std::int32_t index) {
    if (!b.IndexGueltig(index)) return;
    liste.Setzen(static_cast<std::size_t>(index), AnzeigeEintrag(b.DB[static_cast<std::size_t>(index)]));
}
// Element `index` was inserted:
template <class R> void AnzeigeEintragEingefuegt(Katalog& liste, const BereichsDaten<R>& b, std::int32_t index) {
    if (!b.IndexGueltig(index)) return;
    if (liste.size() + 1 != b.DB.size()) return AnzeigeListeAufbauen(liste, b);
    liste.Einfuegen(static_cast<std::size_t>(index), AnzeigeEintrag(b.DB[static_cast<std::size_t>(index)]));
}
// Element `index` was removed:
template <class R> void AnzeigeEintragEntfernt(Katalog& liste, const BereichsDaten<R>& b, std::int32_t index) {
    if (index < 0 || static_cast<std::size_t>(index) > b.DB.size()) return;
    if (liste.size() != b.DB.size() + 1) return AnzeigeListeAufbauen(liste, b);
    liste.Entfernen(static_cast<std::size_t>(index));
}
// The same for the teacher choice, which holds its placeholder first.
void AuswahlEintragNeu(Katalog& liste, const BereichsDaten<TLehrerDS>& lehrer, std::int32_t index);
void AuswahlEintragEingefuegt(Katalog& liste, const BereichsDaten<TLehrerDS>& lehrer, std::int32_t index);
void AuswahlEintragEntfernt(Katalog& liste, const BereichsDaten<TLehrerDS>& lehrer, std::int32_t index);

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
