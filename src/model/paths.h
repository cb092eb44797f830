// Folder and file names. Where a stored folder is joined with a file name, it
// counts as ending in a separator when it ends in "/" or "\"; otherwise the
// platform's separator is appended.
#pragma once

#include <string>
#include <string_view>

namespace zev {

inline constexpr char kTrenner = '/';

inline bool EndetMitTrenner(std::string_view pfad) {
    return !pfad.empty() && (pfad.back() == '/' || pfad.back() == '\\');
}

inline std::string MitTrenner(std::string pfad) {
    if (!pfad.empty() && !EndetMitTrenner(pfad)) pfad += kTrenner;
    return pfad;
}

// Folder + file name.
inline std::string PfadVon(std::string_view ordner, std::string_view datei) {
    return MitTrenner(std::string(ordner)) + std::string(datei);
}

} // namespace zev
