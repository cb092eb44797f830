#include "model/database.h"

#include "model/ids.h"

#include <string>

namespace zev {

namespace {

template <class R> void InitKopf(R& r, std::string_view schulnummer) {
    r = R{};
    r.Schulnummer = schulnummer;
}

template <class Refs> void SetzeVerweise(Refs& refs, std::string_view ueId) {
    for (int k = Refs::Erster; k <= Refs::Letzter; ++k) {
        refs[k].Nummer = 0;
        refs[k].UE_ID = ueId;
    }
}

template <class R> void StartBereich(BereichsDaten<R>& b, std::string_view schulnummer, Meldungen& m) {
    InitDatensatz(b.Puffer, schulnummer);
    BereichLeeren(b);
    PufferSpeichern(b, 0, m);
    b.Puffer.ID = NeueID(b, m);
    b.Geladen = false;
}

} // namespace

void InitSchule(TSchuleDS& r, std::string_view schulnummer) {
    r = TSchuleDS{};
    r.Schulnummer = schulnummer;
}

void InitLehrer(TLehrerDS& r, std::string_view schulnummer) {
    InitKopf(r, schulnummer);
    r.Grunddaten.Name = kFreiName;
    SetzeVerweise(r.Unterrichtseinheit, kFreierVerweis);
    r.Zu_Abgang.Zugang.Datum = kLeeresDatum;
    r.Zu_Abgang.Abgang.Datum = kLeeresDatum;
}

void InitKlasse(TKlasseDS& r, std::string_view schulnummer) {
    InitKopf(r, schulnummer);
    SetzeVerweise(r.Unterrichtseinheit, "");
}

void InitSchueler(TSchuelerDS& r, std::string_view schulnummer) {
    InitKopf(r, schulnummer);
    r.Grunddaten.Name = kFreiName;
    SetzeVerweise(r.Jahrgangsdaten.Unterrichtseinheit, kFreierVerweis);
}

template <class R> bool PufferSpeichern(BereichsDaten<R>& b, R& puffer, std::int32_t index, Meldungen& m) {
    if (puffer.ID == 0) puffer.ID = NeueID(b, m);
    if (!b.IndexGueltig(index)) {
        m.Fehler("interner Fehler:\r\rDatensatznummer: " + std::to_string(index) + " liegt nicht zwischen 0 und " +
                 std::to_string(b.Letzter()) + "\r" + "Abspeichern nicht möglich!");
        return false;
    }
    b.DB[static_cast<std::size_t>(index)] = puffer;
    return true;
}

template bool PufferSpeichern(BereichsDaten<TLehrerDS>&, TLehrerDS&, std::int32_t, Meldungen&);
template bool PufferSpeichern(BereichsDaten<TKlasseDS>&, TKlasseDS&, std::int32_t, Meldungen&);
template bool PufferSpeichern(BereichsDaten<TSchuelerDS>&, TSchuelerDS&, std::int32_t, Meldungen&);

void AnfangsZustand(Datenbestand& d, std::string_view schulnummer, Meldungen& m) {
    InitSchule(d.SchulDS, schulnummer);
    d.SchuleGeladen = false;
    // Teachers, students, classes: the order in which identifiers were always handed out.
    StartBereich(d.Lehrer, schulnummer, m);
    StartBereich(d.Schueler, schulnummer, m);
    StartBereich(d.Klassen, schulnummer, m);
}

} // namespace zev
