// `zev export` and `zev import`: the XML exchange of the data folder the
// settings name, through the same controller as the program.
#include "cli/cli.h"
#include "cli/console_messages.h"
#include "control/lifecycle.h"
#include "model/encoding.h"
#include "xml/export_trees.h"

#include <nlohmann/json.hpp>

namespace zev::cli {

using Json = nlohmann::json;

namespace {

// The areas named on the command line (all four when none); false on an unknown name.
bool BereicheAusArgumenten(const std::vector<std::string>& namen, std::vector<Bereich>& out, std::ostream& err) {
    const Bereich alle[] = {Bereich::Schule, Bereich::Lehrer, Bereich::Klassen, Bereich::Schueler};
    for (const std::string& n : namen) {
        bool gefunden = false;
        for (Bereich b : alle)
            if (BereichsName(b) == n) out.push_back(b), gefunden = true;
        if (!gefunden) {
            err << "zev: unbekannter Bereich: " << n << " (schule, lehrer, klassen, schueler)\n";
            return false;
        }
    }
    if (out.empty()) out.assign(std::begin(alle), std::end(alle));
    return true;
}

// The window falls back to the program folder and lets the user choose; a command
// must not write anywhere but where the settings say.
bool OrdnerBereit(const Steuerung& s, Meldungen& m) {
    const Ordner& o = s.Ordnerpfade();
    if (!o.DatenFehlt.empty())
        m.Fehler("Der Daten-Ordner:\r" + o.DatenFehlt + "\rkann nicht erstellt werden!\r\rEs wird nichts geschrieben.");
    return o.DatenFehlt.empty() && o.NichtSpeicherbar.empty();
}

} // namespace

int Export(const Kontext& k, const std::vector<std::string>& args) {
    std::vector<Bereich> bereiche;
    if (!BereicheAusArgumenten(args, bereiche, k.err)) return kBedienung;
    KonsolenMeldungen m(k.err, k.antwortJa);
    Steuerung s(k.programmOrdner, m);
    s.Erstellen(false);
    s.Gezeigt();
    if (!OrdnerBereit(s, m)) return kFehlerGemeldet;
    for (Bereich b : bereiche)
        if (const std::string xml = s.Ausliefern(b); !xml.empty()) k.out << xml << '\n';
    return m.Fehleranzahl() > 0 ? kFehlerGemeldet : kOk;
}

namespace {

// One file's report as the JSON of `zev import --json`.
Json BerichtJson(const ImportBericht& r) {
    Json j = {{"datei", r.datei},
              {"root", Cp1252ToUtf8(r.root)},
              {"gelesen", r.gelesen},
              {"zuViele", r.zuViele},
              {"keineDatensaetze", r.keineDatensaetze},
              {"alsWindows1252", r.alsWindows1252},
              {"datensaetze", r.datensaetze},
              {"abgelehnt", r.abgelehnt},
              {"ueUebernommen", r.ueUebernommen},
              {"ueNichtPlatziert", r.ueNichtPlatziert},
              {"unbekannt", Json::object()},
              {"verluste", Json::array()}};
    for (const auto& [name, anzahl] : r.unbekannt) j["unbekannt"][name] = anzahl;
    for (const ImportVerlust& v : r.verluste)
        j["verluste"].push_back({{"datensatz", v.datensatz}, {"element", v.element}, {"wert", v.wert}, {"was", v.was}});
    return j;
}

} // namespace

int Import(const Kontext& k, const std::vector<std::string>& args) {
    bool probe = false, json = false;
    std::vector<std::string> namen;
    for (const std::string& a : args) {
        if (a == "--dry-run")
            probe = true;
        else if (a == "--json")
            json = true;
        else
            namen.push_back(a);
    }
    std::vector<Bereich> bereiche;
    if (!BereicheAusArgumenten(namen, bereiche, k.err)) return kBedienung;
    KonsolenMeldungen m(k.err, k.antwortJa);
    Steuerung s(k.programmOrdner, m);
    s.Erstellen(false);
    s.Gezeigt();
    if (!OrdnerBereit(s, m)) return kFehlerGemeldet;
    // Held from the first read to the last write, so no other run writes in between.
    if (!probe && !s.Sperren(kProgrammName, k.warteSekunden)) return kFehlerGemeldet;
    Json alle = Json::array();
    for (Bereich b : bereiche) {
        // The area as it stands in its internal file, then the import over it.
        s.InternLaden(b);
        const auto berichte = s.Importieren(b);
        Json bereich = {{"bereich", BereichsName(b)}, {"dateien", Json::array()}, {"gespeichert", false}};
        if (!json) k.out << "[" << BereichsName(b) << "]\n";
        if (berichte.empty() && !json) k.out << "keine Import-Datei gefunden\n";
        // Written only when some file gave records: the area is unchanged otherwise.
        bool eingelesen = false;
        for (const ImportBericht& r : berichte) {
            if (json)
                bereich["dateien"].push_back(BerichtJson(r));
            else
                k.out << BerichtText(r);
            eingelesen = eingelesen || (r.gelesen && r.datensaetze > 0);
        }
        if (!probe && eingelesen && s.Schreiben(b)) {
            bereich["gespeichert"] = true;
            if (!json) k.out << "gespeichert in " << s.Ordnerpfade().Daten << "\n";
        }
        alle.push_back(std::move(bereich));
    }
    if (json)
        k.out << Json{{"bereiche", alle}, {"datenOrdner", s.Ordnerpfade().Daten}}.dump(2, ' ', false,
                                                                                       Json::error_handler_t::replace)
              << '\n';
    return m.Fehleranzahl() > 0 ? kFehlerGemeldet : kOk;
}

} // namespace zev::cli
