// `zev export` and `zev import`: the XML exchange of the data folder the
// settings name, through the same controller as the program.
#include "cli/cli.h"
#include "cli/console_messages.h"
#include "control/lifecycle.h"
#include "xml/export_trees.h"

namespace zev::cli {

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

int Import(const Kontext& k, const std::vector<std::string>& args) {
    bool probe = false;
    std::vector<std::string> namen;
    for (const std::string& a : args) {
        if (a == "--dry-run") probe = true;
        else namen.push_back(a);
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
    for (Bereich b : bereiche) {
        // The area as it stands in its internal file, then the import over it.
        s.InternLaden(b);
        const auto berichte = s.Importieren(b);
        k.out << "[" << BereichsName(b) << "]\n";
        if (berichte.empty()) {
            k.out << "keine Import-Datei gefunden\n";
            continue;
        }
        // Written only when some file gave records: the area is unchanged otherwise.
        bool eingelesen = false;
        for (const ImportBericht& r : berichte) {
            k.out << BerichtText(r);
            eingelesen = eingelesen || (r.gelesen && r.datensaetze > 0);
        }
        if (!probe && eingelesen && s.Schreiben(b)) k.out << "gespeichert in " << s.Ordnerpfade().Daten << "\n";
    }
    return m.Fehleranzahl() > 0 ? kFehlerGemeldet : kOk;
}

} // namespace zev::cli
