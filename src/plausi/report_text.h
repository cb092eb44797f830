// The pieces every report file is made of: HTML and CSV escaping, coloured text,
// the head of a page.
#pragma once

#include "model/colours.h"

#include <algorithm>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>

namespace zev::bericht {

// Each "\r" (and each "\r\n") of a message text becomes one "\n".
std::string Zeilenumbrueche(std::string_view text);
// Text for HTML, with line breaks as "\n".
std::string Html(std::string_view text);
// A span in the given colour.
std::string Farbig(std::string_view text, Farbe f);
// One CSV field, quoted where needed; a text that a spreadsheet would take for a
// formula gets an apostrophe in front, a number (`zahl`) stays as it is.
std::string CsvFeld(std::string_view text, bool zahl = false);
// Everything of a page up to its first table or list: title, styles, caption,
// school number and date.
std::string HtmlSeitenAnfang(std::string_view titel, std::string_view stil, std::string_view schulnummer,
                             std::string_view datum);

// Every CSV report: byte order mark first, ";" between fields, CRLF after each row.
inline constexpr std::string_view kCsvAnfang = "\xEF\xBB\xBF";

// `zahlen`: the columns that hold numbers.
template <class Felder, class Zahlen = std::initializer_list<std::size_t>>
std::string CsvZeile(const Felder& felder, const Zahlen& zahlen = {}) {
    std::string z;
    for (std::size_t i = 0; i < std::size(felder); ++i) {
        if (i > 0) z += ';';
        z += CsvFeld(felder[i], std::find(zahlen.begin(), zahlen.end(), i) != zahlen.end());
    }
    return z + "\r\n";
}

} // namespace zev::bericht
