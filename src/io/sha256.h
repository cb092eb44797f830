// SHA-256 (FIPS 180-4) of a byte string, for the checksum list of a delivery
// that `sha256sum -c` verifies.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace zev::io {

std::array<std::uint8_t, 32> Sha256(std::string_view daten);

// The digest as 64 lower-case hexadecimal digits, as sha256sum prints it.
std::string Sha256Hex(std::string_view daten);

} // namespace zev::io
