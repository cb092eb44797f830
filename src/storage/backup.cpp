#include "storage/backup.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace zev {

bool SicherungsMuster(const std::string& name) {
    std::string klein = name;
    for (char& c : klein) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (std::string_view endung : {".zev", ".sic", "port"})
        if (klein.size() >= endung.size() && klein.compare(klein.size() - endung.size(), endung.size(), endung) == 0)
            return true;
    return false;
}

std::vector<std::string> SicherungKopieren(const std::string& quelle, const std::string& ziel) {
    namespace fs = std::filesystem;
    std::vector<std::string> kopiert;
    std::error_code ec;
    for (const auto& eintrag : fs::directory_iterator(quelle, ec)) {
        const std::string name = eintrag.path().filename().string();
        if (!SicherungsMuster(name)) continue;
        std::error_code fehler;
        fs::copy(eintrag.path(), fs::path(ziel) / name,
                 fs::copy_options::recursive | fs::copy_options::overwrite_existing, fehler);
        if (!fehler) kopiert.push_back(name);
    }
    std::sort(kopiert.begin(), kopiert.end());
    return kopiert;
}

} // namespace zev
