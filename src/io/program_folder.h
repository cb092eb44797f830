// Where the program folder (settings file, catalogues) lies when the command line
// names none. The build tree and a portable copy keep the catalogues beside the
// executable and use that folder, as they always did. An installed program cannot
// write beside itself, so each user gets a folder below XDG_DATA_HOME, which the
// first start fills with the catalogues installed with the program.
#pragma once

#include <optional>
#include <string>

namespace zev::io {

// The variables the choice depends on; nullopt for an unset one.
struct Umgebung {
    std::optional<std::string> home;        // HOME
    std::optional<std::string> xdgDataHome; // XDG_DATA_HOME
};

// The variables of the running process.
Umgebung UmgebungLesen();

struct StandardOrdner {
    // Ends in a separator. After a failure, the folder that serves best: the
    // installed catalogues (read-only, but the pages get their lists), or the
    // executable's folder when there are none.
    std::string ordner;
    // What went wrong, in German and naming the path; "" when nothing did.
    std::string fehler;
};

// A program folder named on the command line as an absolute path ending in a
// separator ("" and "." are the working folder). Paths derived from it go into
// the settings file, which must not depend on where the program was started.
std::string AbsoluterOrdner(const std::string& pfad);

// True when the folder holds at least one catalogue file (Katalog*.csv).
bool HatKataloge(const std::string& ordner);

// The user's own program folder: $XDG_DATA_HOME/zev-manager/, or
// $HOME/.local/share/zev-manager/ when XDG_DATA_HOME is unset, empty or relative;
// nullopt when neither gives an absolute path.
std::optional<std::string> BenutzerProgrammOrdner(const Umgebung& env);

// The installed catalogues that belong to an executable in `exeOrdner`.
std::string InstallierteKataloge(const std::string& exeOrdner);

// `exeOrdner` when it holds catalogues; otherwise the user's folder, created
// when missing. A user folder without any catalogue receives copies of the
// installed ones; a catalogue the user already has is never replaced. When a
// copy fails, the copies made so far are removed again, so the next start tries
// afresh instead of keeping half a set.
StandardOrdner StandardProgrammOrdner(const std::string& exeOrdner, const Umgebung& env);

} // namespace zev::io
