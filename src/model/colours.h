// The named colours of the program. Values are given as 0x00BBGGRR, as the
// standard 16-colour palette writes them; Rgb() turns them the usual way round.
#pragma once

#include <cstdint>
#include <string>

namespace zev {

enum class Farbe : std::uint32_t {
    Schwarz = 0x000000,
    Blau = 0xFF0000,
    Gruen = 0x008000,
    Lila = 0x800080, // purple
    Fuchsia = 0xFF00FF,
    Rot = 0x0000FF,
};

struct Rgb {
    std::uint8_t r, g, b;
};

constexpr Rgb RgbVon(Farbe f) {
    const auto v = static_cast<std::uint32_t>(f);
    return {static_cast<std::uint8_t>(v & 0xFF), static_cast<std::uint8_t>((v >> 8) & 0xFF),
            static_cast<std::uint8_t>((v >> 16) & 0xFF)};
}

// "#RRGGBB".
inline std::string HexVon(Farbe f) {
    static constexpr char kZiffern[] = "0123456789ABCDEF";
    const Rgb c = RgbVon(f);
    std::string s = "#";
    for (std::uint8_t x : {c.r, c.g, c.b}) {
        s += kZiffern[x >> 4];
        s += kZiffern[x & 0xF];
    }
    return s;
}

} // namespace zev
