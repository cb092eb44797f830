#include "plausi/check_report.h"

#include "io/file_io.h"
#include "io/file_messages.h"
#include "io/write_target.h"
#include "plausi/report_text.h"

#include <algorithm>
#include <array>
#include <ctime>

namespace zev {

using namespace bericht;

namespace {

constexpr std::string_view kPfeil = "  -->  ";

// Everything of a page up to its first table or list: title, styles, caption,
// school number, date and the threshold in its colour.
std::string HtmlAnfang(std::string_view titel, std::string_view stil, std::string_view schulnummer,
                       std::string_view datum, const std::string& schwelle, Farbe schwelleFarbe) {
    return HtmlSeitenAnfang(titel, stil, schulnummer, datum) +
           "<p>Test-Alarm-Schwelle: " + Farbig(schwelle, schwelleFarbe) + "</p>\n";
}

bool InhaltSchreiben(const std::string& pfad, const std::string& inhalt, Meldungen& m) {
    if (!io::SchreibzielPruefen(pfad, m)) return false;
    const auto fehler =
        io::SicherSchreiben(pfad, {reinterpret_cast<const std::uint8_t*>(inhalt.data()), inhalt.size()});
    if (!fehler) return true;
    m.Fehler(MeldungSchreibfehler(pfad, fehler->text));
    return false;
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
    std::string h = HtmlAnfang(kFensterTitel,
                               "p, pre { white-space: pre-wrap; }\n"
                               ".urteil { font-size: 1.4em; font-weight: bold; }\n",
                               schulnummer, datum, a.schwelleText, a.schwelleFarbe);
    h += "<h2>Einzel-Tests mit Ergebnissen:</h2>\n<pre>\n";
    for (const AnzeigeZeile& z : a.zeilen) h += (z.text.empty() ? std::string() : Farbig(z.text, z.farbe)) + "\n";
    h += "</pre>\n<p class=\"urteil\">Gesamt-Test-Ergebnis: " + Farbig(a.urteil, a.urteilFarbe) + "</p>\n";
    if (a.zaehlerSichtbar)
        h += "<p>mit " + std::to_string(a.warnungen) + " Warnung(en)     und " + std::to_string(a.fehler) +
             " Fehler</p>\n";
    h += "</body>\n</html>\n";
    return h;
}

std::string BerichtHtml(const Gruppenanzeige& g, std::string_view schulnummer, std::string_view datum) {
    // The grid draws its headings plainly, only the cells marked bold stand out.
    std::string h = HtmlAnfang(g.titel,
                               "h1, p { white-space: pre-wrap; }\n"
                               "table { border-collapse: collapse; }\n"
                               "th, td { border: 1px solid #C0C0C0; padding: 2px 6px; text-align: left; "
                               "white-space: pre; }\n"
                               "th { font-weight: normal; background: #F0F0F0; }\n"
                               ".fett { font-weight: bold; }\n",
                               schulnummer, datum, g.schwelle.text, g.schwelle.farbe);
    h += "<h2>Übersicht über die Einzeltests:</h2>\n<table>\n";
    const auto zeile = [&](std::size_t z, const char* tag) {
        h += "<tr>";
        for (const GruppenZelle& c : g.zeilen[z]) {
            h += std::string("<") + tag;
            if (c.fett) h += " class=\"fett\"";
            if (c.farbe) h += " style=\"color:" + HexVon(*c.farbe) + "\"";
            h += ">" + Html(c.text) + "</" + tag + ">";
        }
        h += "</tr>\n";
    };
    if (!g.zeilen.empty()) {
        h += "<thead>\n";
        zeile(0, "th");
        h += "</thead>\n<tbody>\n";
        for (std::size_t z = 1; z <= g.datenzeilen && z < g.zeilen.size(); ++z) zeile(z, "td");
        h += "</tbody>\n";
    }
    h += "</table>\n</body>\n</html>\n";
    return h;
}

std::string BerichtCsv(const Ergebnisanzeige& a) {
    std::string c =
        std::string(kCsvAnfang) + CsvZeile(std::array<std::string_view, 4>{"Nummer", "Code", "Titel", "Text"});
    for (const ListenEintrag& e : a.eintraege) {
        std::string_view text = e.text;
        if (text.starts_with(kPfeil)) text.remove_prefix(kPfeil.size());
        c += CsvZeile(
            std::array<std::string, 4>{std::to_string(e.nummer), std::to_string(e.code), e.titel, std::string(text)},
            {0, 1});
    }
    return c;
}

std::string BerichtCsv(const Gruppenanzeige& g) {
    std::string c(kCsvAnfang);
    const auto texte = [&](std::size_t z) {
        std::vector<std::string_view> t;
        for (const GruppenZelle& zelle : g.zeilen[z]) t.push_back(zelle.text);
        return t;
    };
    if (g.zeilen.empty()) return c;
    c += CsvZeile(texte(0));
    // The record's own columns, then Warnungen, Fehler (as numbers) and Ergebnis.
    const std::vector<std::size_t> zahlen = g.Zahlspalten();
    for (std::size_t z = 1; z <= g.datenzeilen && z < g.zeilen.size(); ++z) c += CsvZeile(texte(z), zahlen);
    return c;
}

bool BerichtSchreiben(const std::string& pfad, BerichtsFormat format, const Ergebnisanzeige& a,
                      std::string_view schulnummer, std::string_view datum, Meldungen& m) {
    return InhaltSchreiben(pfad, format == BerichtsFormat::Html ? BerichtHtml(a, schulnummer, datum) : BerichtCsv(a),
                           m);
}

bool BerichtSchreiben(const std::string& pfad, BerichtsFormat format, const Gruppenanzeige& g,
                      std::string_view schulnummer, std::string_view datum, Meldungen& m) {
    return InhaltSchreiben(pfad, format == BerichtsFormat::Html ? BerichtHtml(g, schulnummer, datum) : BerichtCsv(g),
                           m);
}

namespace {

template <class Anzeige>
bool NachEndungSpeichern(const std::string& pfad, const Anzeige& a, std::string_view schulnummer,
                         std::string_view datum, Meldungen& m) {
    const auto format = BerichtsFormatVon(pfad);
    if (!format) {
        m.Fehler(MeldungUnbekanntesBerichtsformat(pfad));
        return false;
    }
    return BerichtSchreiben(pfad, *format, a, schulnummer, datum, m);
}

} // namespace

bool BerichtSpeichern(const std::string& pfad, const Ergebnisanzeige& a, std::string_view schulnummer,
                      std::string_view datum, Meldungen& m) {
    return NachEndungSpeichern(pfad, a, schulnummer, datum, m);
}

bool BerichtSpeichern(const std::string& pfad, const Gruppenanzeige& g, std::string_view schulnummer,
                      std::string_view datum, Meldungen& m) {
    return NachEndungSpeichern(pfad, g, schulnummer, datum, m);
}

bool BerichtsdateiSchreiben(const std::string& pfad, const std::string& inhalt, Meldungen& m) {
    return InhaltSchreiben(pfad, inhalt, m);
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
