#include "plausi/check_report.h"

#include "io/file_io.h"
#include "io/file_messages.h"

#include <ctime>

namespace zev {

namespace {

constexpr std::string_view kPfeil = "  -->  ";

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

std::string CsvFeld(std::string_view text) {
    const std::string s = Zeilenumbrueche(text);
    if (s.find_first_of(";\"\n") == std::string::npos) return s;
    std::string q = "\"";
    for (char c : s) {
        if (c == '"') q += '"';
        q += c;
    }
    return q + '"';
}

char Klein(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

std::optional<BerichtsFormat> BerichtsFormatVon(std::string_view pfad) {
    const std::string_view name = pfad.substr(pfad.find_last_of('/') + 1);
    const auto punkt = name.find_last_of('.');
    if (punkt == std::string_view::npos) return std::nullopt;
    std::string endung;
    for (char c : name.substr(punkt + 1)) endung += Klein(c);
    if (endung == "html" || endung == "htm") return BerichtsFormat::Html;
    if (endung == "csv") return BerichtsFormat::Csv;
    return std::nullopt;
}

std::string BerichtHtml(const Ergebnisanzeige& a, std::string_view schulnummer, std::string_view datum) {
    std::string h = "<!DOCTYPE html>\n"
                    "<html lang=\"de\">\n"
                    "<head>\n"
                    "<meta charset=\"utf-8\">\n"
                    "<title>";
    h += Html(kFensterTitel) + " – " + Html(schulnummer) + " – " + Html(datum);
    h += "</title>\n"
         "<style>\n"
         "body { font-family: sans-serif; margin: 2em; }\n"
         "p, pre { white-space: pre-wrap; }\n"
         ".urteil { font-size: 1.4em; font-weight: bold; }\n"
         "* { -webkit-print-color-adjust: exact; print-color-adjust: exact; }\n"
         "</style>\n"
         "</head>\n"
         "<body>\n"
         "<h1>";
    h += Html(kFensterTitel);
    h += "</h1>\n<p>Schulnummer: " + Html(schulnummer) + "\nDatum: " + Html(datum) + "</p>\n";
    h += "<p>Test-Alarm-Schwelle: " + Farbig(a.schwelleText, a.schwelleFarbe) + "</p>\n";
    h += "<h2>Einzel-Tests mit Ergebnissen:</h2>\n<pre>\n";
    for (const AnzeigeZeile& z : a.zeilen) h += (z.text.empty() ? std::string() : Farbig(z.text, z.farbe)) + "\n";
    h += "</pre>\n<p class=\"urteil\">Gesamt-Test-Ergebnis: " + Farbig(a.urteil, a.urteilFarbe) + "</p>\n";
    if (a.zaehlerSichtbar)
        h += "<p>mit " + std::to_string(a.warnungen) + " Warnung(en)     und " + std::to_string(a.fehler) +
             " Fehler</p>\n";
    h += "</body>\n</html>\n";
    return h;
}

std::string BerichtCsv(const Ergebnisanzeige& a) {
    std::string c = "\xEF\xBB\xBFNummer;Code;Titel;Text\r\n";
    for (const ListenEintrag& e : a.eintraege) {
        std::string_view text = e.text;
        if (text.starts_with(kPfeil)) text.remove_prefix(kPfeil.size());
        c += std::to_string(e.nummer) + ";" + std::to_string(e.code) + ";" + CsvFeld(e.titel) + ";" + CsvFeld(text) +
             "\r\n";
    }
    return c;
}

bool BerichtSchreiben(const std::string& pfad, BerichtsFormat format, const Ergebnisanzeige& a,
                      std::string_view schulnummer, std::string_view datum, Meldungen& m) {
    const std::string inhalt = format == BerichtsFormat::Html ? BerichtHtml(a, schulnummer, datum) : BerichtCsv(a);
    const auto fehler =
        io::SicherSchreiben(pfad, {reinterpret_cast<const std::uint8_t*>(inhalt.data()), inhalt.size()});
    if (!fehler) return true;
    m.Fehler(MeldungSchreibfehler(pfad, fehler->text));
    return false;
}

bool BerichtSpeichern(const std::string& pfad, const Ergebnisanzeige& a, std::string_view schulnummer,
                      std::string_view datum, Meldungen& m) {
    const auto format = BerichtsFormatVon(pfad);
    if (!format) {
        m.Fehler(MeldungUnbekanntesBerichtsformat(pfad));
        return false;
    }
    return BerichtSchreiben(pfad, *format, a, schulnummer, datum, m);
}

std::string MeldungUnbekanntesBerichtsformat(const std::string& pfad) {
    return "Unbekanntes Berichtsformat: " + pfad +
           "\r\rEin Bericht wird als HTML-Datei (*.html, *.htm) oder als CSV-Datei (*.csv) gespeichert.\r\rKEIN "
           "Bericht gespeichert!";
}

std::string HeutigesDatum() {
    const std::time_t jetzt = std::time(nullptr);
    std::tm t{};
    localtime_r(&jetzt, &t);
    char puffer[16];
    std::strftime(puffer, sizeof puffer, "%d.%m.%Y", &t);
    return puffer;
}

} // namespace zev
