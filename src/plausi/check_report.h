// The findings of a check run as a file to keep, print or pass on: an HTML page
// that looks like the result window (or the grid of the group window), or a CSV
// table with one row per test (or per teacher).
#pragma once

#include "model/messages.h"
#include "plausi/group_check.h"
#include "plausi/result_listing.h"

#include <optional>
#include <string>
#include <string_view>

namespace zev {

enum class BerichtsFormat { Html, Csv };

// By the suffix of the file name, ignoring case: .html and .htm, .csv.
std::optional<BerichtsFormat> BerichtsFormatVon(std::string_view pfad);

// A complete UTF-8 document: school number, date, threshold, every line of the
// list in its colour, the verdict and, where the window shows them, the counts.
std::string BerichtHtml(const Ergebnisanzeige& a, std::string_view schulnummer, std::string_view datum);

// UTF-8 with a byte order mark (without one, spreadsheet programs on Windows
// read the umlauts wrongly), ";" between fields, CRLF after each row: a header,
// then per test its number, code, title and text (without the arrow in front).
// A "\r" inside a text is a line break within its field.
std::string BerichtCsv(const Ergebnisanzeige& a);

// The group grid as a page: caption, school number, date, threshold, then a
// table of the headings and the teachers' rows with each cell's weight and colour.
std::string BerichtHtml(const Gruppenanzeige& g, std::string_view schulnummer, std::string_view datum);

// The group grid as CSV, written as the single-run CSV is: the headings, then one
// row per teacher (the grid's empty padding rows are left out).
std::string BerichtCsv(const Gruppenanzeige& g);

// Writes the report in the given format to `pfad` (whole file, or the previous
// one stays); a failure is reported through `m`. True when written. Only a new
// file or a regular file that is none of the program's own is written
// (io::SchreibzielPruefen); any other target is reported and left as it is.
bool BerichtSchreiben(const std::string& pfad, BerichtsFormat format, const Ergebnisanzeige& a,
                      std::string_view schulnummer, std::string_view datum, Meldungen& m);
bool BerichtSchreiben(const std::string& pfad, BerichtsFormat format, const Gruppenanzeige& g,
                      std::string_view schulnummer, std::string_view datum, Meldungen& m);

// The same, the format taken from the suffix; another suffix is reported and
// nothing is written.
bool BerichtSpeichern(const std::string& pfad, const Ergebnisanzeige& a, std::string_view schulnummer,
                      std::string_view datum, Meldungen& m);
bool BerichtSpeichern(const std::string& pfad, const Gruppenanzeige& g, std::string_view schulnummer,
                      std::string_view datum, Meldungen& m);

std::string MeldungUnbekanntesBerichtsformat(const std::string& pfad);

// A whole report file of another kind (the import report) written as
// BerichtSchreiben writes it.
bool BerichtsdateiSchreiben(const std::string& pfad, const std::string& inhalt, Meldungen& m);

// Today's date as the program writes dates: "TT.MM.JJJJ".
std::string HeutigesDatum();

} // namespace zev
