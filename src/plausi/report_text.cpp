#include "plausi/report_text.h"

namespace zev::bericht {

// Each "\r" (and each "\r\n") of a message text becomes one "\n".
std::string Zeilenumbrueche(std::string_view text) {
    std::string s;
    s.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            s += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            s += text[i];
        }
    }
    return s;
}

std::string Html(std::string_view text) {
    std::string s;
    s.reserve(text.size());
    for (char c : Zeilenumbrueche(text)) {
        switch (c) {
            case '&':
                s += "&amp;";
                break;
            case '<':
                s += "&lt;";
                break;
            case '>':
                s += "&gt;";
                break;
            case '"':
                s += "&quot;";
                break;
            case '\'':
                s += "&#39;";
                break;
            default:
                s += c;
        }
    }
    return s;
}

std::string Farbig(std::string_view text, Farbe f) {
    return "<span style=\"color:" + HexVon(f) + "\">" + Html(text) + "</span>";
}

// A text cell that begins with one of these opens in a spreadsheet as a formula
// ("=HYPERLINK(...)" in a name would become a live link); an apostrophe in front
// keeps it text. Number cells are the program's own numbers and stay as they are.
constexpr std::string_view kFormelAnfang = "=+-@\t\r";

std::string CsvFeld(std::string_view text, bool zahl) {
    std::string s = Zeilenumbrueche(text);
    if (!zahl && !text.empty() && kFormelAnfang.find(text.front()) != std::string_view::npos) s.insert(0, 1, '\'');
    if (s.find_first_of(";\"\n") == std::string::npos) return s;
    std::string q = "\"";
    for (char c : s) {
        if (c == '"') q += '"';
        q += c;
    }
    return q + '"';
}

std::string HtmlSeitenAnfang(std::string_view titel, std::string_view stil, std::string_view schulnummer,
                             std::string_view datum) {
    std::string h = "<!DOCTYPE html>\n"
                    "<html lang=\"de\">\n"
                    "<head>\n"
                    "<meta charset=\"utf-8\">\n"
                    "<title>";
    h += Html(titel) + " – " + Html(schulnummer) + " – " + Html(datum);
    h += "</title>\n<style>\nbody { font-family: sans-serif; margin: 2em; }\n";
    h += stil;
    h += "* { -webkit-print-color-adjust: exact; print-color-adjust: exact; }\n"
         "</style>\n"
         "</head>\n"
         "<body>\n"
         "<h1>";
    h += Html(titel);
    h += "</h1>\n<p>Schulnummer: " + Html(schulnummer) + "\nDatum: " + Html(datum) + "</p>\n";
    return h;
}

} // namespace zev::bericht
