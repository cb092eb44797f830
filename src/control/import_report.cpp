#include "control/import_report.h"

#include "plausi/check_report.h"
#include "plausi/report_text.h"

#include <array>

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
    std::string h = bericht::HtmlSeitenAnfang(kTitel,
                                              "pre { white-space: pre-wrap; }\n"
                                              "table { border-collapse: collapse; }\n"
                                              "th, td { border: 1px solid #C0C0C0; padding: 2px 6px; "
                                              "text-align: left; vertical-align: top; }\n"
                                              "th { font-weight: normal; background: #F0F0F0; }\n",
                                              schulnummer, datum);
    for (const BereichsImport& i : importe) {
        h += "<h2>[" + bericht::Html(BereichsName(i.bereich)) + "]</h2>\n";
        for (const ImportBericht& b : i.berichte) {
            // The summary without the list of losses, which follows as a table.
            std::string text = BerichtText(b);
            if (const auto ab = text.find("\n  "); ab != std::string::npos) text.resize(ab + 1);
            h += "<pre>" + bericht::Html(text) + "</pre>\n";
            if (b.verluste.empty()) continue;
            h += "<table>\n<thead>\n<tr><th>Datensatz</th><th>Element</th><th>Wert in der Datei</th>"
                 "<th>übernommen</th></tr>\n</thead>\n<tbody>\n";
            for (const ImportVerlust& v : b.verluste)
                h += "<tr><td>" + bericht::Html(v.datensatz) + "</td><td>" + bericht::Html(v.element) + "</td><td>" +
                     bericht::Html(v.wert) + "</td><td>" + bericht::Html(v.was) + "</td></tr>\n";
            h += "</tbody>\n</table>\n";
        }
    }
    return h + "</body>\n</html>\n";
}

std::string ImportCsv(const std::vector<BereichsImport>& importe) {
    std::string c(bericht::kCsvAnfang);
    c += bericht::CsvZeile(
        std::array<std::string_view, 6>{"Bereich", "Datei", "Datensatz", "Element", "Wert in der Datei", "übernommen"});
    for (const BereichsImport& i : importe)
        for (const ImportBericht& b : i.berichte)
            for (const ImportVerlust& v : b.verluste)
                c += bericht::CsvZeile(std::array<std::string_view, 6>{BereichsName(i.bereich), b.datei, v.datensatz,
                                                                       v.element, v.wert, v.was});
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
