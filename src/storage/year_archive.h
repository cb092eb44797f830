// The archive of a closed school year and the switch of the data files from one
// year to the next in one step.
//
// The archive is `Schuljahre/<year>/` below the data folder: the four .ZEV files,
// the settings file and `Pruefsummen.txt` (name, size and CRC-32 of each). It is
// made in a hidden folder beside it, read back and compared, and only then
// renamed to its year, so an archive under a year's name is always complete.
//
// The switch writes every new file beside its old one (`Schule.NEU` …), then the
// list of targets (`Schuljahre/Umstellung.txt`), then puts the new files in
// place. The list is the point of no return: a run that finds it completes the
// switch, a run that finds .NEU files without it removes them. Killed at any
// moment, the folder thus holds the old year or, after the next run, the new one.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zev {

inline constexpr const char* kSchuljahreOrdner = "Schuljahre";
inline constexpr const char* kPruefsummenDatei = "Pruefsummen.txt";
inline constexpr const char* kUmstellungsDatei = "Umstellung.txt";

// CRC-32 (the polynomial of zip and PNG).
std::uint32_t Crc32(std::span<const std::uint8_t> daten);

// `<datenOrdner>Schuljahre/<jahr>/`.
std::string ArchivOrdner(const std::string& datenOrdner, std::string_view jahr);

// One file of a year: where it lives now and its bytes.
struct Jahresdatei {
    std::string pfad;
    std::vector<std::uint8_t> bytes;
};

// The name a file has in the archive (its own name).
std::string ArchivName(const std::string& pfad);

// Makes the archive of `jahr` from `dateien`. An archive of that year that is
// already there is never written over: when it holds exactly these files (same
// sizes and checksums) it counts as made, otherwise the step is refused. "" on
// success, else the message.
std::string Archivieren(const std::string& datenOrdner, std::string_view jahr, const std::vector<Jahresdatei>& dateien);

// Reads the archive of `jahr` and checks every file against its checksum list.
// "" and the files (named as in the archive) when complete, else the message.
std::string ArchivLesen(const std::string& datenOrdner, std::string_view jahr, std::vector<Jahresdatei>& dateien);

// The archived years, ascending.
std::vector<std::string> ArchivierteJahre(const std::string& datenOrdner);

// One target of a switch.
struct Umstellziel {
    std::string pfad;                // the file replaced
    std::vector<std::uint8_t> bytes; // its new content
    bool alteAlsSic = true;          // the file replaced becomes .SIC
};

// The file beside `pfad` with another extension ("Schule.ZEV" → "Schule.NEU").
std::string Nebendatei(const std::string& pfad, std::string_view endung);

// Puts all targets in place as one step (see above). On a failure before the
// point of no return nothing has changed; after it, `rueckfall` (the files as they
// were, same order) is written back. "" on success, else the message.
std::string Umstellen(const std::string& datenOrdner, const std::vector<Umstellziel>& ziele,
                      const std::vector<Jahresdatei>& rueckfall);

// Finishes or discards a switch a killed run left (see above); also removes a
// half-made archive folder. `programmOrdner` names where a settings file's .NEU
// may lie. True when a switch was completed (the settings may have changed);
// `fehler` holds a message when something could not be done.
bool UmstellungNachholen(const std::string& datenOrdner, const std::string& programmOrdner, std::string& fehler);

} // namespace zev
