// The file layer: reading whole or in parts, and writing a file so that it is
// either completely replaced or left as it was. Every system call that can fail
// passes through one counter, so tests can fail the Nth operation and check
// that the data on disk are intact afterwards.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zev::io {

bool Existiert(const std::string& pfad);
bool IstOrdner(const std::string& pfad);
bool IstDatei(const std::string& pfad);

// Creates a folder and its missing parents; true when it exists afterwards.
bool OrdnerAnlegen(const std::string& pfad);

// The reason given for a path that names no regular file (a device, a FIFO, a socket).
inline constexpr std::string_view kKeineDatei = "keine reguläre Datei";

// A regular file opened for reading; closed when the object goes. Anything else
// is refused at opening, without waiting (a FIFO never blocks the program).
class EingabeDatei {
public:
    EingabeDatei() = default;
    EingabeDatei(const EingabeDatei&) = delete;
    EingabeDatei& operator=(const EingabeDatei&) = delete;
    ~EingabeDatei();

    bool Oeffnen(const std::string& pfad);
    std::uint64_t Groesse() const { return groesse_; }
    // Reads exactly n bytes; false on a short read or an error.
    bool Lesen(void* ziel, std::size_t n);
    // Reads up to n bytes; 0 at the end, nullopt on an error.
    std::optional<std::size_t> Teil(void* ziel, std::size_t n);
    // The system's text of the last failure ("" after a short read at the end).
    const std::string& Fehler() const { return fehler_; }

private:
    int fd_ = -1;
    std::uint64_t groesse_ = 0;
    std::string fehler_;
};

// Reads a whole file; nullopt (with the system's error text) when it cannot.
std::optional<std::vector<std::uint8_t>> GanzLesen(const std::string& pfad, std::string& fehler);

struct SchreibFehler {
    enum class Stufe { Erstellen, Schreiben, Umbenennen };
    Stufe stufe;
    std::string text; // the system's error text
};

// A file written in pieces that takes the place of `ziel` only when it is complete
// (see SicherSchreiben); a file that is not finished is discarded.
class SichereAusgabe {
public:
    SichereAusgabe() = default;
    SichereAusgabe(const SichereAusgabe&) = delete;
    SichereAusgabe& operator=(const SichereAusgabe&) = delete;
    ~SichereAusgabe();

    std::optional<SchreibFehler> Oeffnen(const std::string& ziel, const std::string& vorgaenger = {});
    // False once anything failed; the failure is kept for Abschliessen.
    bool Schreiben(std::span<const std::uint8_t> daten);
    bool Schreiben(std::string_view text) {
        return Schreiben({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
    }
    std::optional<SchreibFehler> Abschliessen();
    const std::optional<SchreibFehler>& Fehler() const { return fehler_; }

private:
    void Verwerfen();
    std::optional<SchreibFehler> Fehlschlag(SchreibFehler::Stufe s);
    bool VorgaengerBehalten(bool& zielVerschoben);

    int fd_ = -1;
    std::string ziel_, echt_, vorgaenger_, temp_; // echt_: the file `ziel_` names after its links
    bool bisher_ = false;                         // `echt_` existed as a file when opened
    unsigned modus_ = 0;
    unsigned uid_ = 0, gid_ = 0;
    std::optional<SchreibFehler> fehler_;
};

// Writes `daten` as the new content of `ziel`. The image goes to a temporary
// file in the same folder, is flushed to disk, and only then takes the place of
// `ziel`; a replaced file keeps its permission bits, and a `ziel` that is a
// symbolic link stays one: its target is replaced. Temporary files left by
// writers that no longer run (a save killed halfway) are removed first. When
// `vorgaenger` is given and `ziel` exists, the old `ziel` becomes `vorgaenger`
// (replacing it) in the same step; an existing `vorgaenger` is only ever
// replaced, never deleted on its own. On any failure the files are as they were
// before the step that failed, and no temporary file is left.
std::optional<SchreibFehler> SicherSchreiben(const std::string& ziel, std::span<const std::uint8_t> daten,
                                             const std::string& vorgaenger = {});

// One file of a folder written as a whole.
struct OrdnerDatei {
    std::string name;
    std::string_view inhalt;
};

// Writes the folder `eltern`/`name` holding exactly `dateien`, never over anything:
// the files go into a hidden folder beside it, each flushed to disk, and the whole
// folder then takes the first of `name`, `name`-2, `name`-3 … that does not exist.
// On a failure nothing of it is left and `fehler` names the path and the reason.
// The path of the folder written (without a separator at the end), or nullopt.
std::optional<std::string> OrdnerSchreiben(const std::string& eltern, const std::string& name,
                                           std::span<const OrdnerDatei> dateien, std::string& fehler);

// Renames `von` to `nach` (replacing it) and syncs the folder; "" or the system's error text.
// Counted like every write, so tests can fail it.
std::string Umbenennen(const std::string& von, const std::string& nach);
// Removes a file; "" when it is gone afterwards (also when it was not there), else the error text.
std::string Entfernen(const std::string& pfad);

// Text of an errno value.
std::string SystemFehlerText(int err);

// Failure injection for tests: operation number n (counted from 1 after the
// call) fails with EIO; 0 switches it off.
namespace test {
void FehlerBeiSchritt(int n);
int Schritte(); // operations counted since the last FehlerBeiSchritt
} // namespace test

} // namespace zev::io

namespace zev::io {
// The folder of the running executable, ending in a separator.
std::string ProgrammOrdner();

// Asks the system to back a large block of fresh memory with huge pages, so filling
// it takes a few hundred page faults instead of tens of thousands. Only a hint:
// nothing happens where the system does not offer it.
void GrosseSeitenErbitten(void* anfang, std::size_t laenge);
} // namespace zev::io
