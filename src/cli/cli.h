// The `zev` command-line program, callable in-process for tests.
#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace zev::cli {

enum Exit { kOk = 0, kGefunden = 1, kBedienung = 2, kFehlerGemeldet = 3 };

// Runs `zev` with the given arguments (without the program name). `programmOrdner`
// is the default program folder, used unless --home names another.
int Ausfuehren(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
               const std::string& programmOrdner, bool farbig = false);

// Finds the default program folder. Asked only when a command is about to run
// without --home; a message in `fehler` ends the run with status 3 before
// anything is written.
using OrdnerSuche = std::function<std::string(std::string& fehler)>;
int Ausfuehren(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
               const OrdnerSuche& standardOrdner, bool farbig = false);

// What every command receives.
struct Kontext {
    std::string programmOrdner; // ends in a separator
    bool antwortJa = false;
    std::ostream& out;
    std::ostream& err;
    bool farbig = false;   // standard output is a terminal
    int warteSekunden = 0; // --wait: how long a writing command waits for the data folder's lock
};

// The name under which `zev` holds a lock, as other runs show it.
inline constexpr const char* kProgrammName = "zev";

// `zev dump FILE`
int Dump(const Kontext& k, const std::vector<std::string>& args);
// `zev catalogues [--check]`
int CatalogueList(const Kontext& k, const std::vector<std::string>& args);
// `zev export [AREA...]`
int Export(const Kontext& k, const std::vector<std::string>& args);
// `zev import [AREA...] [--dry-run]`
int Import(const Kontext& k, const std::vector<std::string>& args);
// `zev check schule|lehrer [--nr N] [--json] [--seed N]`
int Check(const Kontext& k, const std::vector<std::string>& args);
// `zev deliver [ORDNER] [--force]`
int Deliver(const Kontext& k, const std::vector<std::string>& args);
// `zev demo [--force]`
int Demo(const Kontext& k, const std::vector<std::string>& args);
// `zev school-year --preview | --apply ... | --undo YEAR`
int SchoolYear(const Kontext& k, const std::vector<std::string>& args);
// `zev settings show [--json] | set NAME=WERT...`
int Settings(const Kontext& k, const std::vector<std::string>& args);
// Its help text, with the names of the settings.
const std::string& SettingsHilfe();

} // namespace zev::cli
