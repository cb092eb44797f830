#include "control/import_report.h"

#include "plausi/check_report.h"

namespace zev {

namespace {

constexpr const char* kTitel = "Import-Bericht";

} // namespace

std::string ImportText(const std::vector<BereichsImport>& importe) {
    std::string s;
    for (const BereichsImport& i : importe) {
        s += "[" + std::string(BereichsName(i.bereich)) + "]\n";
        for (const ImportBericht& b : i.berichte) s += BerichtText(b);
    }
    return s;
}

std::string ImportHtml(const std::vector<BereichsImport>& importe, std::string_view schulnummer,
                       std::string_view datum) {
    std::string h = "<!DOCTYPE html>\n<html lang=\"de\">\n<head>\n<meta charset=\"utf-8\">\n<title>";
    h += std::string(kTitel) + " – " + HtmlText(schulnummer) + " – " + HtmlText(datum);
    h += "</title>\n<style>\nbody { font-family: sans-serif; margin: 2em; }\npre { white-space: pre-wrap; }\n"
         "table { border-collapse: collapse; }\n"
         "th, td { border: 1px solid #C0C0C0; padding: 2px 6px; text-align: left; vertical-align: top; }\n"
         "th { font-weight: normal; background: #F0F0F0; }\n</style>\n</head>\n<body>\n<h1>";
    h += std::string(kTitel) + "</h1>\n<p>Schulnummer: " + HtmlText(schulnummer) + "\nDatum: " + HtmlText(datum) +
         "</p>\n";
    for (const BereichsImport& i : importe) {
        h += "<h2>[" + HtmlText(BereichsName(i.bereich)) + "]</h2>\n";
        for (const ImportBericht& b : i.berichte) {
            // The summary without the list of losses, which follows as a table.
            std::string text = BerichtText(b);
            if (const auto ab = text.find("\n  "); ab != std::string::npos) text.resize(ab + 1);
            h += "<pre>" + HtmlText(text) + "</pre>\n";
            if (b.verluste.empty()) continue;
            h += "<table>\n<thead>\n<tr><th>Datensatz</th><th>Element</th><th>Wert in der Datei</th>"
                 "<th>übernommen</th></tr>\n</thead>\n<tbody>\n";
            for (const ImportVerlust& v : b.verluste)
                h += "<tr><td>" + HtmlText(v.datensatz) + "</td><td>" + HtmlText(v.element) + "</td><td>" +
                     HtmlText(v.wert) + "</td><td>" + HtmlText(v.was) + "</td></tr>\n";
            h += "</tbody>\n</table>\n";
        }
    }
    return h + "</body>\n</html>\n";
}

std::string ImportCsv(const std::vector<BereichsImport>& importe) {
    std::string c(kCsvAnfang);
    c += CsvZeile({"Bereich", "Datei", "Datensatz", "Element", "Wert in der Datei", "übernommen"});
    for (const BereichsImport& i : importe)
        for (const ImportBericht& b : i.berichte)
            for (const ImportVerlust& v : b.verluste)
                c += CsvZeile({std::string(BereichsName(i.bereich)), b.datei, v.datensatz, v.element, v.wert, v.was});
    return c;
}

bool ImportBerichtSpeichern(const std::string& pfad, const std::vector<BereichsImport>& importe,
                            std::string_view schulnummer, std::string_view datum, Meldungen& m) {
    const auto format = BerichtsFormatVon(pfad);
    if (!format) {
        m.Fehler(MeldungUnbekanntesBerichtsformat(pfad));
        return false;
    }
    return BerichtsdateiSchreiben(
        pfad, *format == BerichtsFormat::Html ? ImportHtml(importe, schulnummer, datum) : ImportCsv(importe), m);
}

} // namespace zev
