// `zev export` and `zev import`: the XML exchange of the data folder the
// settings name, as the program does when an area's page is left or loaded.
#include "cli/cli.h"
#include "cli/console_messages.h"
#include "storage/area_files.h"
#include "storage/area_loading.h"
#include "storage/folders.h"
#include "storage/settings_file.h"
#include "xml/export_trees.h"

#include <memory>

namespace zev::cli {

namespace {

// The areas named on the command line (all four when none); false on an unknown name.
bool Bereiche(const std::vector<std::string>& namen, std::vector<Bereich>& out, std::ostream& err) {
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

// Settings, folders and the start state of the areas, as at program start.
struct Sitzung {
    TEinstellungen e;
    std::unique_ptr<Datenbestand> d = std::make_unique<Datenbestand>();
    Ordner o;
    Sitzung(const Kontext& k, Meldungen& m) {
        EinstellungenLesen(e, k.programmOrdner, "", m);
        AnfangsZustand(*d, e.Schulnummer.view(), m);
        o.Programm = k.programmOrdner;
        OrdnerBestimmen(o, e, d->SchulDS, m);
    }
};

} // namespace

int Export(const Kontext& k, const std::vector<std::string>& args) {
    std::vector<Bereich> bereiche;
    if (!Bereiche(args, bereiche, k.err)) return kBedienung;
    KonsolenMeldungen m(k.err, k.antwortJa);
    Sitzung s(k, m);
    for (Bereich b : bereiche) {
        BereichLaden(b, *s.d, s.e, s.o, m);
        if (BereichExportieren(b, *s.d, s.e, s.o, m))
            k.out << XmlExportPfad(s.e, static_cast<int>(b), s.o.Export) << '\n';
    }
    return m.Fehleranzahl() > 0 ? kFehlerGemeldet : kOk;
}

int Import(const Kontext& k, const std::vector<std::string>& args) {
    bool probe = false;
    std::vector<std::string> namen;
    for (const std::string& a : args) {
        if (a == "--dry-run") probe = true;
        else namen.push_back(a);
    }
    std::vector<Bereich> bereiche;
    if (!Bereiche(namen, bereiche, k.err)) return kBedienung;
    KonsolenMeldungen m(k.err, k.antwortJa);
    Sitzung s(k, m);
    for (Bereich b : bereiche) {
        // The area as it stands in its internal file, then the import over it.
        TEinstellungen intern = s.e;
        intern.Datenquelle = 1;
        BereichLaden(b, *s.d, intern, s.o, m);
        s.e.Dateizugriff = intern.Dateizugriff;
        const auto berichte = BereichImportieren(b, *s.d, s.e, m);
        k.out << "[" << BereichsName(b) << "]\n";
        if (berichte.empty()) {
            k.out << "keine Import-Datei gefunden\n";
            continue;
        }
        bool eingelesen = false;
        for (const ImportBericht& r : berichte) {
            k.out << BerichtText(r);
            eingelesen = eingelesen || r.gelesen;
        }
        if (!probe && eingelesen && BereichSpeichern(b, *s.d, s.e, s.o, m))
            k.out << "gespeichert in " << s.o.Daten << "\n";
    }
    return m.Fehleranzahl() > 0 ? kFehlerGemeldet : kOk;
}

} // namespace zev::cli
