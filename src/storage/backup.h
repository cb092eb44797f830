// The start-up backup: the data files and the import and export folders of the
// data folder, copied into its "Backups" folder.
#pragma once

#include <string>
#include <vector>

namespace zev {

// Whether a name matches one of the backup patterns "*.ZEV", "*.SIC" and "*PORT",
// without regard to case.
bool SicherungsMuster(const std::string& name);

// Copies every matching file and folder (folders with their contents) of
// `quelle` into `ziel`, replacing copies of the same name. Returns the names
// copied; failures of single copies are passed over.
std::vector<std::string> SicherungKopieren(const std::string& quelle, const std::string& ziel);

} // namespace zev
