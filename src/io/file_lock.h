// An exclusive lock on a lock file, held by one open file of one run, and the
// state of a file as the system describes it. The lock is an open-file-description
// lock: the kernel drops it when the holder closes the file or dies, so a crash
// or a kill never leaves it behind. The file names its holder, only so that a
// refused run can say who has it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zev::io {

// Who holds a lock, as written into the lock file.
struct Sperrinhaber {
    std::string programm; // "zev-manager", "zev"
    std::string benutzer;
    std::string rechner;
    std::string prozess; // process id
    std::string seit;    // local time, "2026-12-07T10:42:13"

    // "Benutzer anna, Rechner buero1, seit 07.12.2026 10:42"; unknown parts are "?".
    std::string Beschreibung() const;
};

// The lines of a lock file; unknown lines are passed over.
Sperrinhaber InhaberAusText(std::string_view text);
std::string InhaberAlsText(const Sperrinhaber& i);

// This run as a holder: user, host, process id and the time now.
Sperrinhaber DieserLauf(std::string_view programm);

class Dateisperre {
public:
    enum class Ergebnis {
        Gehalten,   // this run holds the lock now
        Belegt,     // another run holds it; Inhaber() names it
        Unmoeglich, // the lock file cannot be made or the file system has no locks; Fehler() says why
    };

    Dateisperre() = default;
    Dateisperre(const Dateisperre&) = delete;
    Dateisperre& operator=(const Dateisperre&) = delete;
    ~Dateisperre() { Freigeben(); }

    // Takes the lock on `pfad` (created when missing). When it is held elsewhere,
    // tries again for up to `warteSekunden`. `ich` is written into the file once held.
    Ergebnis Nehmen(const std::string& pfad, const Sperrinhaber& ich, int warteSekunden = 0);
    // Removes the lock file and drops the lock; nothing when none is held.
    void Freigeben();

    bool Gehalten() const { return fd_ >= 0; }
    const std::string& Pfad() const { return pfad_; }
    const Sperrinhaber& Inhaber() const { return inhaber_; }
    const std::string& Fehler() const { return fehler_; }

private:
    Ergebnis Versuch(const std::string& pfad, const Sperrinhaber& ich);

    int fd_ = -1;
    std::string pfad_;
    Sperrinhaber inhaber_;
    std::string fehler_;
};

// What identifies one version of a file: a safe write makes a new file, so device
// and inode change with every save; size and modification time catch writers that
// rewrite in place.
struct Dateistand {
    bool vorhanden = false;
    std::uint64_t geraet = 0, inode = 0, groesse = 0;
    std::int64_t sekunden = 0, nanosekunden = 0;
    bool operator==(const Dateistand&) const = default;
};

// The state of the file `pfad` names (after its links); `vorhanden` false when there is none.
Dateistand StandVon(const std::string& pfad);

} // namespace zev::io
