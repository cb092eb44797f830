// "Lieferung erstellen": everything a school hands over, checked and packed into
// one new folder: the four XML files written fresh from the records in memory and
// checked against their schemas, the check report of all areas as HTML and CSV,
// and the SHA-256 checksums of the four files.
#pragma once

#include "control/lifecycle.h"
#include "plausi/delivery_report.h"

#include <functional>
#include <string>

namespace zev {

struct Kalendertag {
    int jahr, monat, tag;
};
Kalendertag Heute();

enum class LieferStand {
    Geschrieben,
    Verweigert,     // findings or schema failures, and no one said to deliver anyway
    NichtGeladen,   // an area could not be loaded as it stands; nothing written
    Fehlgeschlagen, // the folder could not be written; nothing of it is left
};

struct LieferAusgang {
    LieferStand stand = LieferStand::Fehlgeschlagen;
    std::string ordner; // the folder written
    Pruefbericht bericht;
    // Findings at or above a threshold, or a file that failed its schema.
    bool Beanstandet() const { return bericht.Warnungen() + bericht.Fehler() + bericht.Schemafehler() > 0; }
};

// "Lieferung-<Schulnummer>-<JJJJ-MM-TT>"; a character that cannot stand in a
// folder name becomes "_".
std::string LieferOrdnerName(std::string_view schulnummer, Kalendertag tag);

// The question of the window when something was found, naming the counts.
std::string LieferFrage(const Pruefbericht& b);
// The summary after a delivery was written, with the folder's path.
std::string LieferMeldung(const LieferAusgang& a);
// Why nothing was written when nothing was forced.
std::string LieferVerweigerung(const Pruefbericht& b);

// Takes the open page in, loads every area that is not loaded, runs every check
// of all areas, writes and validates the four XML files in memory, and, when
// nothing is found or `trotzdem` says yes to the report, writes the folder
// `ordner`/LieferOrdnerName (with "-2", "-3" … when that exists). Failures are
// reported through `m`. Nothing in the data or export
// folder and no record is changed.
LieferAusgang LieferungErstellen(Steuerung& st, Meldungen& m, const std::string& ordner,
                                 const std::function<bool(const Pruefbericht&)>& trotzdem, Kalendertag tag);

} // namespace zev
