// The in-memory database of one school: the school record and the three list
// areas (teachers, classes, students), each with its array, current index and
// buffer, and the operations shared by the three list areas.
//
// Names of the data model map as follows: `LDB` is `Lehrer.DB`, `LDBLetzter`
// is `Lehrer.Letzter()`, `LDBAktuell` is `Lehrer.Aktuell`, `LehrerPuffer` is
// `Lehrer.Puffer` and `LehrerGeladen` is `Lehrer.Geladen` (likewise KlDB and SDB).
#pragma once

#include "model/messages.h"
#include "model/records.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace zev {

// The most records one area can hold: the internal files count them in 16 bits.
inline constexpr std::size_t kBereichKapazitaet = 65536;

// The message when an area cannot take another record.
inline constexpr std::string_view kMeldungBereichVoll =
    "Es kann kein weiterer Datensatz aufgenommen werden!\r\rEin Bereich kann höchstens 65536 Datensätze aufnehmen.";

// An array is never empty; `Letzter()` is its last index (count − 1), so the
// array length and the last index cannot disagree.
template <class R> struct BereichsDaten {
    std::vector<R> DB = std::vector<R>(1);
    std::int32_t Aktuell = 0;
    R Puffer{};
    bool Geladen = false;

    std::int32_t Letzter() const { return static_cast<std::int32_t>(DB.size()) - 1; }
    bool IndexGueltig(std::int64_t i) const { return i >= 0 && i <= Letzter(); }
};

// What distinguishes the three list areas.
template <class R> struct BereichsArt;

template <> struct BereichsArt<TLehrerDS> {
    static constexpr std::string_view Wort = "Lehrer";          // as used in messages
    static constexpr std::string_view Dateiname = "Lehrer";     // file name without extension
    static constexpr std::string_view Kennung = "kwt: mox --> ZEV-Manager: L_DB";
    static constexpr std::string_view IdName = "Lehrer-ID-Nummer";
    static constexpr bool LesenSetztGeladen = false;
    static s10& Nummer(TLehrerDS& r) { return r.Lehrernummer; }
    static const s10& Nummer(const TLehrerDS& r) { return r.Lehrernummer; }
};

template <> struct BereichsArt<TKlasseDS> {
    static constexpr std::string_view Wort = "Klassen";
    static constexpr std::string_view Dateiname = "Klassen";
    static constexpr std::string_view Kennung = "kwt: mox --> ZEV-Manager: Kl_DB";
    static constexpr std::string_view IdName = "Klassen-ID-Nummer";
    static constexpr bool LesenSetztGeladen = true; // the class reader marks its area loaded itself
    static s10& Nummer(TKlasseDS& r) { return r.Klassenname; }
    static const s10& Nummer(const TKlasseDS& r) { return r.Klassenname; }
};

template <> struct BereichsArt<TSchuelerDS> {
    static constexpr std::string_view Wort = "Schüler";
    static constexpr std::string_view Dateiname = "Schueler";
    static constexpr std::string_view Kennung = "kwt: mox --> ZEV-Manager: S_DB";
    static constexpr std::string_view IdName = "Schüler-ID-Nummer";
    static constexpr bool LesenSetztGeladen = false;
    static s10& Nummer(TSchuelerDS& r) { return r.Schuelernummer; }
    static const s10& Nummer(const TSchuelerDS& r) { return r.Schuelernummer; }
};

// The unset value of an editable date box.
inline constexpr std::string_view kLeeresDatum = "  .  .20  ";
// The text of an unused lesson-unit reference of a teacher or student (its
// number is 0): what a blank record holds, what the import leaves, and what
// taking a sheet back writes into a reference whose unit was removed.
inline constexpr std::string_view kFreierVerweis = "0";
// The name of a blank teacher or student.
inline constexpr std::string_view kFreiName = "  - frei -";

// Blank records. `schulnummer` is the settings' school number (Windows-1252).
void InitSchule(TSchuleDS& r, std::string_view schulnummer);
void InitLehrer(TLehrerDS& r, std::string_view schulnummer);
void InitKlasse(TKlasseDS& r, std::string_view schulnummer);
void InitSchueler(TSchuelerDS& r, std::string_view schulnummer);

inline void InitDatensatz(TLehrerDS& r, std::string_view s) { InitLehrer(r, s); }
inline void InitDatensatz(TKlasseDS& r, std::string_view s) { InitKlasse(r, s); }
inline void InitDatensatz(TSchuelerDS& r, std::string_view s) { InitSchueler(r, s); }

// current := 0, length := 1; element 0 keeps what it held.
template <class R> void BereichLeeren(BereichsDaten<R>& b) {
    b.Aktuell = 0;
    b.DB.resize(1);
}

// Whether `anzahl` more records fit into the area; when not, the message is shown.
// Every place that adds records (insert, paste) asks first.
template <class R> bool PlatzFuer(const BereichsDaten<R>& b, std::size_t anzahl, Meldungen& m) {
    if (b.DB.size() + anzahl <= kBereichKapazitaet) return true;
    m.Fehler(kMeldungBereichVoll);
    return false;
}

// Copies element `index` into the buffer. An index outside the array copies
// nothing and returns false.
template <class R> bool PufferLaden(BereichsDaten<R>& b, std::int32_t index) {
    if (!b.IndexGueltig(index)) return false;
    b.Puffer = b.DB[static_cast<std::size_t>(index)];
    return true;
}

// Gives the buffer an identifier when it has none, then stores it at `index`.
// An index outside 0..last stores nothing and shows the internal-error message.
template <class R>
bool PufferSpeichern(BereichsDaten<R>& b, R& puffer, std::int32_t index, Meldungen& m);

template <class R> bool PufferSpeichern(BereichsDaten<R>& b, std::int32_t index, Meldungen& m) {
    return PufferSpeichern(b, b.Puffer, index, m);
}

struct Datenbestand {
    TSchuleDS SchulDS{};
    bool SchuleGeladen = false;
    BereichsDaten<TLehrerDS> Lehrer;
    BereichsDaten<TKlasseDS> Klassen;
    BereichsDaten<TSchuelerDS> Schueler;

    template <class R> BereichsDaten<R>& Bereich();
};

template <> inline BereichsDaten<TLehrerDS>& Datenbestand::Bereich<TLehrerDS>() { return Lehrer; }
template <> inline BereichsDaten<TKlasseDS>& Datenbestand::Bereich<TKlasseDS>() { return Klassen; }
template <> inline BereichsDaten<TSchuelerDS>& Datenbestand::Bereich<TSchuelerDS>() { return Schueler; }

// The state before anything is loaded: school record and buffers blank, each
// array one record (the stored buffer), each buffer then with a fresh
// identifier, all four loaded flags false. Also what "new database" makes,
// apart from the loaded flags.
void AnfangsZustand(Datenbestand& d, std::string_view schulnummer, Meldungen& m);

} // namespace zev
