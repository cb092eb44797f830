#include "plausi/delivery_report.h"

#include "plausi/group_check.h"
#include "plausi/report_text.h"
#include "plausi/result_listing.h"

#include <array>

namespace zev {

using namespace bericht;

int Pruefbericht::Warnungen() const {
    int n = 0;
    for (const Bereichspruefung& b : bereiche) n += b.warnungen;
    return n;
}

int Pruefbericht::Fehler() const {
    int n = 0;
    for (const Bereichspruefung& b : bereiche) n += b.fehler;
    return n;
}

int Pruefbericht::Schemafehler() const {
    int n = 0;
    for (const SchemaZeile& d : dateien) n += d.gueltig ? 0 : 1;
    return n;
}

namespace {

std::string Datensaetze(std::size_t n) {
    return std::to_string(n) + (n == 1 ? " Datensatz" : " Datensätze");
}

std::string SchemaUrteil(const SchemaZeile& d) {
    return d.gueltig ? "gültig" : "ungültig";
}

std::string Zelle(std::string_view tag, const std::string& html) {
    return "<" + std::string(tag) + ">" + html + "</" + std::string(tag) + ">";
}

template <std::size_t N> std::string Tabellenzeile(std::string_view tag, const std::array<std::string, N>& zellen) {
    std::string z = "<tr>";
    for (const std::string& c : zellen) z += Zelle(tag, c);
    return z + "</tr>\n";
}

} // namespace

std::string PruefberichtHtml(const Pruefbericht& b) {
    std::string h = HtmlSeitenAnfang(kPruefberichtTitel,
                                     "h1, p, td { white-space: pre-wrap; }\n"
                                     "table { border-collapse: collapse; margin-bottom: 1em; }\n"
                                     "th, td { border: 1px solid #C0C0C0; padding: 2px 6px; text-align: left; "
                                     "vertical-align: top; }\n"
                                     "th { font-weight: normal; background: #F0F0F0; }\n",
                                     b.schulnummer, b.datum);
    h += "<p>Berichtsjahr: " + Html(b.berichtsjahr) + "</p>\n";

    h += "<h2>Übersicht</h2>\n<table>\n" +
         Tabellenzeile<6>("th", {"Bereich", "Datensätze", "Test-Alarm-Schwelle", "Warnungen", "Fehler", "Ergebnis"});
    for (const Bereichspruefung& x : b.bereiche) {
        const AnzeigeZeile s = SchwellenAnzeige(x.schwelle);
        const std::string ergebnis = GruppenErgebnis(x.warnungen, x.fehler);
        const Farbe f = x.fehler ? Farbe::Rot : x.warnungen ? Farbe::Fuchsia : Farbe::Gruen;
        h += Tabellenzeile<6>("td", {Html(x.bereich), std::to_string(x.datensaetze), Farbig(s.text, s.farbe),
                                     std::to_string(x.warnungen), std::to_string(x.fehler), Farbig(ergebnis, f)});
    }
    h += "</table>\n";

    h += "<h2>XML-Dateien</h2>\n<table>\n" + Tabellenzeile<3>("th", {"Datei", "XML-Schema", "Ergebnis"});
    for (const SchemaZeile& d : b.dateien) {
        std::string ergebnis = Farbig(SchemaUrteil(d), d.gueltig ? Farbe::Gruen : Farbe::Rot);
        for (const std::string& f : d.fehler) ergebnis += "\n" + Html(f);
        h += Tabellenzeile<3>("td", {Html(d.datei), Html(d.schema), ergebnis});
    }
    h += "</table>\n";

    for (const Bereichspruefung& x : b.bereiche) {
        h += "<h2>Befunde: " + Html(x.bereich) + "</h2>\n";
        if (x.befunde.empty()) {
            h += "<p>keine</p>\n";
            continue;
        }
        h += "<table>\n" + Tabellenzeile<5>("th", {"Datensatz", "Name", "Test", "Titel", "Ergebnis"});
        for (const Befund& f : x.befunde)
            h += Tabellenzeile<5>("td", {Html(f.datensatz), Html(f.name), std::to_string(f.nummer), Html(f.titel),
                                         Farbig(f.text, CodeFarbe(f.code))});
        h += "</table>\n";
    }
    h += "</body>\n</html>\n";
    return h;
}

std::string PruefberichtCsv(const Pruefbericht& b) {
    using Z2 = std::array<std::string, 2>;
    std::string c(kCsvAnfang);
    c += CsvZeile(Z2{"Prüfbericht", kPruefberichtTitel});
    c += CsvZeile(Z2{"Schulnummer", b.schulnummer});
    c += CsvZeile(Z2{"Berichtsjahr", b.berichtsjahr});
    c += CsvZeile(Z2{"Datum", b.datum});
    c += "\r\n";
    c += CsvZeile(
        std::array<std::string_view, 5>{"Bereich", "Datensätze", "Test-Alarm-Schwelle", "Warnungen", "Fehler"});
    for (const Bereichspruefung& x : b.bereiche)
        c += CsvZeile(std::array<std::string, 5>{x.bereich, std::to_string(x.datensaetze),
                                                 SchwellenAnzeige(x.schwelle).text, std::to_string(x.warnungen),
                                                 std::to_string(x.fehler)},
                      {1, 3, 4});
    c += "\r\n";
    c += CsvZeile(std::array<std::string_view, 4>{"Datei", "XML-Schema", "Ergebnis", "Meldungen"});
    for (const SchemaZeile& d : b.dateien) {
        std::string meldungen;
        for (const std::string& f : d.fehler) meldungen += (meldungen.empty() ? "" : "\r") + f;
        c += CsvZeile(std::array<std::string, 4>{d.datei, d.schema, SchemaUrteil(d), meldungen});
    }
    c += "\r\n";
    c += CsvZeile(std::array<std::string_view, 7>{"Bereich", "Datensatz", "Name", "Nummer", "Code", "Titel", "Text"});
    for (const Bereichspruefung& x : b.bereiche)
        for (const Befund& f : x.befunde)
            c += CsvZeile(std::array<std::string, 7>{x.bereich, f.datensatz, f.name, std::to_string(f.nummer),
                                                     std::to_string(f.code), f.titel, f.text},
                          {3, 4});
    return c;
}

std::string PruefberichtKurz(const Pruefbericht& b) {
    std::string t = "Schulnummer: " + b.schulnummer + "   Berichtsjahr: " + b.berichtsjahr + "   Datum: " + b.datum;
    for (const Bereichspruefung& x : b.bereiche)
        t += "\r" + x.bereich + ": " + Datensaetze(x.datensaetze) + " geprüft (" + SchwellenAnzeige(x.schwelle).text +
             "): " + std::to_string(x.warnungen) + " Warnung(en), " + std::to_string(x.fehler) + " Fehler";
    for (const SchemaZeile& d : b.dateien) {
        t += "\r" + d.datei + ": " + SchemaUrteil(d) + " nach " + d.schema;
        for (const std::string& f : d.fehler) t += "\r   " + f;
    }
    return t;
}

} // namespace zev
