// The internal data files: Schule.ZEV holds the school record's image alone;
// Lehrer.ZEV, Klassen.ZEV and Schueler.ZEV hold a 68-byte header and the area's
// records, last index first. Each write keeps the previous file as .SIC; the
// close-time copies .LS1/.LS2 use the same layouts.
#pragma once

#include "model/database.h"
#include "model/messages.h"
#include "model/records.h"
#include "model/settings.h"
#include "io/file_messages.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zev {

inline constexpr std::size_t kKopfGroesse = 68;
inline constexpr std::int32_t kHoechsterLetzter = 65535; // the format's 16-bit record loop

struct DateiKopf {
    std::uint8_t Kennung[41]{};
    std::uint16_t Version = 0;
    std::int32_t Aktuell = 0;
    std::int32_t Letzter = 0;
    s10 Schulnummer{};
};

// A list-area file as read: the header and the records in index order 0..last.
template <class R> struct BereichsDatei {
    DateiKopf Kopf;
    bool KopfGelesen = false;
    std::vector<R> Saetze;
};

enum class LeseStatus {
    Ok,
    Fehlt,          // no such file
    NichtLesbar,    // cannot be opened
    FalscheKennung, // not a file of this area
    FalscheVersion, // header read, version not 1
    Beschaedigt,    // header or records cut short, or a last index outside 0..65535
    Lesefehler,     // the system failed while reading
};

// Reads and checks a list-area file without touching any area. On
// FalscheVersion and Beschaedigt after the header, `out.Kopf` holds the header.
template <class R>
LeseStatus BereichsdateiLesen(const std::string& pfad, BereichsDatei<R>& out, std::string& systemFehler);

// Shows the message of a refused or failed read (nothing for Ok and Fehlt).
template <class R>
void LeseStatusMelden(LeseStatus status, const std::string& pfad, const std::string& ordner,
                      const std::string& systemFehler, Meldungen& m);

// The complete file image of an area.
template <class R>
std::vector<std::uint8_t> BereichsImage(const BereichsDaten<R>& b, const s10& schulnummer);

// The identifier bytes (length byte and 40 characters) of an area's files.
template <class R> std::vector<std::uint8_t> KennungVon();

// File names in the data folder.
std::string DateiPfad(const std::string& datenOrdner, std::string_view name, std::string_view endung);

// --- per-area operations, reporting their own failures by message ------------------

// Reads the area's .ZEV file into the area. A missing file changes nothing; a file
// of another school switches the settings' access mode to "nur LESEN". Any
// refused or failed read leaves the area exactly as it was. True when read.
template <class R>
bool BereichLesen(BereichsDaten<R>& b, const std::string& datenOrdner, TEinstellungen& e, Meldungen& m);

// Writes the area to its .ZEV file; the previous one becomes .SIC (or the
// extension `vorgaenger` names, such as "ZEV.defekt" for a file kept aside).
template <class R>
bool BereichSchreiben(const BereichsDaten<R>& b, const std::string& datenOrdner, const TEinstellungen& e,
                      Meldungen& m, std::string_view vorgaenger = "SIC");

// Writes the area to .LS1; the previous .LS1 becomes .LS2. A copy that cannot be
// created is passed over without a message.
template <class R>
bool BereichKopieLS(const BereichsDaten<R>& b, const std::string& datenOrdner, const TEinstellungen& e, Meldungen& m);

bool SchuleLesen(Datenbestand& d, const std::string& datenOrdner, Meldungen& m);
bool SchuleSchreiben(const TSchuleDS& s, const std::string& datenOrdner, Meldungen& m,
                     std::string_view vorgaenger = "SIC");
bool SchuleKopieLS(const TSchuleDS& s, const std::string& datenOrdner, Meldungen& m);

inline bool LehrerLesen(Datenbestand& d, const std::string& o, TEinstellungen& e, Meldungen& m) {
    return BereichLesen(d.Lehrer, o, e, m);
}
inline bool KlassenLesen(Datenbestand& d, const std::string& o, TEinstellungen& e, Meldungen& m) {
    return BereichLesen(d.Klassen, o, e, m);
}
inline bool SchuelerLesen(Datenbestand& d, const std::string& o, TEinstellungen& e, Meldungen& m) {
    return BereichLesen(d.Schueler, o, e, m);
}
inline bool LehrerSchreiben(const Datenbestand& d, const std::string& o, const TEinstellungen& e, Meldungen& m) {
    return BereichSchreiben(d.Lehrer, o, e, m);
}
inline bool KlassenSchreiben(const Datenbestand& d, const std::string& o, const TEinstellungen& e, Meldungen& m) {
    return BereichSchreiben(d.Klassen, o, e, m);
}
inline bool SchuelerSchreiben(const Datenbestand& d, const std::string& o, const TEinstellungen& e, Meldungen& m) {
    return BereichSchreiben(d.Schueler, o, e, m);
}

} // namespace zev
