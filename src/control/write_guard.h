// One writer per data folder. A run that writes takes the folder's lock file;
// a second run finds it held and either waits, refuses or works read-only. As a
// second line for file systems without working locks and for programs that
// ignore the lock, the state of each area file is remembered when it is loaded
// and compared before it is written.
#pragma once

#include "control/area_loading.h"
#include "io/file_lock.h"

#include <array>
#include <string>
#include <string_view>

namespace zev {

// The lock file in the data folder.
inline constexpr const char* kSperrDatei = "ZEV.LCK";

// "Der Daten-Ordner /…/Daten/ wird gerade von zev-manager benutzt (Benutzer …, Rechner …, seit …)."
std::string MeldungOrdnerBelegt(const std::string& ordner, const io::Sperrinhaber& inhaber);
// "Die Datei /…/Lehrer.ZEV wurde seit dem Laden von einem anderen Programm geändert."
std::string MeldungDateiGeaendert(const std::string& pfad);

// The three answers to a file another program changed.
enum class Fremdfassung { MeineSpeichern, AndereLaden, Abbrechen };
// Asks what to do with a file that changed since it was loaded; `erklaerung`
// says what each answer does to this file.
Fremdfassung FremdfassungFragen(const std::string& pfad, std::string_view erklaerung, Meldungen& m);
// The explanation for an area file, whose previous version becomes .SIC.
inline constexpr std::string_view kFremdfassungBereich =
    "Meine Fassung speichern: die andere Fassung wird zur Sicherheitskopie (.SIC).\rDie andere Fassung laden: "
    "Ihre ungespeicherten Änderungen dieses Bereichs gehen verloren.\rAbbrechen: es wird nichts geschrieben.";

class Schreibaufsicht {
public:
    explicit Schreibaufsicht(std::string programm) : programm_(std::move(programm)) {}

    // Takes the lock of `datenOrdner` (letting go of one held on another folder),
    // waiting up to `warteSekunden` while another run holds it. True when this run
    // may write: it holds the lock, or the folder allows no lock at all (a read-only
    // or lock-less file system; the remembered file states still guard the files).
    bool Sperren(const std::string& datenOrdner, int warteSekunden = 0);
    void Freigeben();
    // Another run held the folder at the last attempt.
    bool NurLesen() const { return nurLesen_; }
    const io::Sperrinhaber& Inhaber() const { return sperre_.Inhaber(); }
    // The message naming the holder of the folder.
    std::string BelegtText() const { return MeldungOrdnerBelegt(ordner_, sperre_.Inhaber()); }
    bool Gehalten() const { return sperre_.Gehalten(); }
    const std::string& Programm() const { return programm_; }
    // The name this run is shown under by the next lock it takes.
    void Programm(std::string name) { programm_ = std::move(name); }

    // The state of an area's file when it was loaded or last written by this run.
    void Merken(Bereich b, const std::string& pfad);
    // True when the file `pfad` is not the one remembered for the area (another file,
    // or the same file changed). An area with nothing remembered counts as unchanged.
    bool Geaendert(Bereich b, const std::string& pfad) const;
    void Vergessen(Bereich b) { staende_[Nr(b)] = {}; }

private:
    static std::size_t Nr(Bereich b) { return static_cast<std::size_t>(b); }
    struct Gemerkt {
        bool gesetzt = false;
        std::string pfad;
        io::Dateistand stand;
    };

    std::string programm_;
    std::string ordner_;
    io::Dateisperre sperre_;
    bool nurLesen_ = false;
    std::array<Gemerkt, 5> staende_{};
};

} // namespace zev
