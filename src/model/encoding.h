// Conversion between the Windows-1252 bytes of the data (records, catalogues,
// exchange files) and the UTF-8 texts shown to people (messages, widgets, dumps).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zev {

// Every byte maps to one character. The five bytes Windows-1252 leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the control characters of the same value,
// so no byte is ever lost.
std::string Cp1252ToUtf8(std::string_view bytes);

// Characters without a Windows-1252 byte, and malformed UTF-8, become "?".
std::string Utf8ToCp1252(std::string_view utf8);

// One Unicode code point to its Windows-1252 byte; '?' when there is none.
char CodePointToCp1252(char32_t cp);
char32_t Cp1252ToCodePoint(unsigned char byte);

// Appends the UTF-8 encoding of a code point.
void AppendUtf8(std::string& out, char32_t cp);

} // namespace zev
