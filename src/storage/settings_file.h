// Reading and writing ZEVEinstellungen.DAT, the settings record's image.
#pragma once

#include "io/file_lock.h"
#include "model/messages.h"
#include "model/settings.h"

#include <string>

namespace zev {

// Defaults first; then the file of the program folder, or else the one in the
// data folder in use (the working folder while none is determined yet), when it
// is exactly 5120 bytes. A file of another size is reported and left alone. Path
// and text fields holding control characters are reported once and get their
// defaults.
void EinstellungenLesen(TEinstellungen& e, const std::string& programmOrdner, const std::string& datenOrdner,
                        Meldungen& m);

// Writes the record to the program folder's settings file; a failed write is
// reported and leaves the previous file as it was.
bool EinstellungenSchreiben(const TEinstellungen& e, const std::string& programmOrdner, Meldungen& m);

// The lock file of the settings, beside them in the program folder. Whoever writes the
// settings holds it from reading them to writing them.
inline constexpr const char* kEinstellungsSperrDatei = "ZEVEinstellungen.LCK";

// Takes the settings' lock for `programm`, waiting up to `warteSekunden` while
// another run holds it. False, after a message naming the holder, when it stays
// held; a folder that allows no lock counts as taken.
bool EinstellungenSperren(io::Dateisperre& sperre, const std::string& programmOrdner, std::string_view programm,
                          int warteSekunden, Meldungen& m);

// The state of the program folder's settings file, to tell later whether another
// program wrote it.
io::Dateistand EinstellungsStand(const std::string& programmOrdner);

inline constexpr const char* kMeldungEinstellungsformat =
    "Die vorhandene Einstellungsdatei entspricht\rnicht dem erwarteten Format!\r\rEs werden die "
    "Standard-Einstellungen genutzt!\rPassen Sie die Einstellungen an und bestätigen Sie diese!";

} // namespace zev
