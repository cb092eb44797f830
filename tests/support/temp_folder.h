// A fresh folder below the system's temporary folder, removed with its contents.
#pragma once

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <stdlib.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace zev::test {

class TempOrdner {
public:
    TempOrdner() {
        std::string muster = (std::filesystem::temp_directory_path() / "zevtest.XXXXXX").string();
        pfad_ = ::mkdtemp(muster.data()) ? muster : throw std::runtime_error("mkdtemp");
    }
    ~TempOrdner() {
        std::error_code ec;
        std::filesystem::remove_all(pfad_, ec);
    }
    TempOrdner(const TempOrdner&) = delete;
    TempOrdner& operator=(const TempOrdner&) = delete;

    // The folder, ending in a separator.
    std::string Pfad() const { return pfad_ + "/"; }
    std::string operator/(const std::string& name) const { return pfad_ + "/" + name; }

private:
    std::string pfad_;
};

inline std::vector<std::uint8_t> DateiBytes(const std::string& pfad) {
    std::ifstream f(pfad, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

inline void DateiSchreiben(const std::string& pfad, const std::vector<std::uint8_t>& daten) {
    std::ofstream f(pfad, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(daten.data()), static_cast<std::streamsize>(daten.size()));
}

inline bool Da(const std::string& pfad) { return std::filesystem::exists(pfad); }

// Names in a folder, sorted.
inline std::vector<std::string> Inhalt(const std::string& ordner) {
    std::vector<std::string> n;
    for (const auto& e : std::filesystem::directory_iterator(ordner)) n.push_back(e.path().filename().string());
    std::sort(n.begin(), n.end());
    return n;
}

} // namespace zev::test
