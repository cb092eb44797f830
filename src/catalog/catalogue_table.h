// Which catalogue numbers exist, their files and titles, and how wide the
// record fields are that each catalogue's keys fill.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace zev {

struct KatalogInfo {
    std::uint16_t nummer;
    std::string_view datei;
    std::string_view titel; // UTF-8
    // Width of the narrowest record field the keys are stored in (0: not a stored key).
    std::size_t schluesselBreite;
};

// The entry of a known number (102 is a second number for Katalog54.csv).
std::optional<KatalogInfo> KatalogInfoVon(std::uint16_t nummer);

// The fifty lists loaded at start, in loading order: 101, 103, 105, 106, 107,
// then the known numbers 1..54 in ascending order.
const std::vector<std::uint16_t>& StartKataloge();

inline constexpr std::uint16_t kHoechsteKatalognummer = 107;

} // namespace zev
