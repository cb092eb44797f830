// The user guide beside the pages: which heading of the guide explains the page
// on screen, and how a heading is named as a link target.
#pragma once

#include "control/lifecycle.h"

#include <string>
#include <string_view>
#include <vector>

namespace zev {

inline constexpr const char* kHandbuchDatei = "handbuch.md";

// The heading (its text, without the leading #) that explains the page on
// screen: `unterseite` is the tab of the area ("Schul-Daten" .. "XML-Datei" of
// the school, "Stammblätter"/"XML-Datei" of the list areas), `blatt` the tab of a
// record's sheets. Indices out of range fall back to the area's heading.
std::string_view HandbuchAbschnitt(Seite seite, int unterseite, int blatt);

// Every heading the page table names, each once, in the order of the guide.
std::vector<std::string_view> HandbuchAbschnitte();

// The link target of a heading as Markdown renderers on the web name it:
// lower case, blanks become "-", punctuation is dropped; letters beyond ASCII
// (ä, ß, ...) stay. "Freie Träger" -> "freie-träger".
std::string HandbuchAnker(std::string_view ueberschrift);

// The headings of a Markdown text (ATX style "# ..." to "###### ..."), outside
// fenced code blocks, with their closing #s and outer blanks removed.
std::vector<std::string> MarkdownUeberschriften(std::string_view markdown);

} // namespace zev
