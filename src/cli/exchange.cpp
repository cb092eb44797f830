// `zev export` and `zev import`: the XML exchange of the data folder the
// settings name, through the same controller as the program.
#include "cli/cli.h"
#include "cli/console_messages.h"
#include "control/lifecycle.h"
#include "io/file_io.h"
#include "io/file_messages.h"
#include "storage/area_files.h"
#include "xml/export_trees.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>

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

// The system's reason when `pfad` is a symbolic link that leads to no file (its
// target missing, or a loop); "" otherwise. The loader takes such a link for a
// missing file and the area for empty, but the school's data are behind it.
std::string DefekterVerweis(const std::string& pfad) {
    struct stat st {};
    if (::lstat(pfad.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return {};
    if (::stat(pfad.c_str(), &st) == 0) return {};
    return io::SystemFehlerText(errno);
}

constexpr std::string_view kDateinamen[] = {"", "Schule", "Lehrer", "Klassen", "Schueler"};
constexpr std::string_view kDatenWort[] = {"", "Schuldaten", "Lehrerdaten", "Klassendaten", "Schülerdaten"};

// Whether the area came from its source as it stands. One that could not be
// read is held empty, and its export would replace the good XML file with nothing.
bool Geladen(Steuerung& s, Bereich b, Meldungen& m) {
    const std::vector<ImportBericht> berichte = s.Laden(b);
    switch (s.Einstellungen().Datenquelle.get()) {
        case 0:
            // An import file that is there but was refused (malformed, wrong root, too large).
            return std::none_of(berichte.begin(), berichte.end(),
                                [](const ImportBericht& r) { return !r.gelesen && !r.keineDatensaetze; });
        case 2:
            return true;
        default:
            break;
    }
    if (s.LadenFehlgeschlagen(b)) return false;
    const std::string pfad = DateiPfad(s.Ordnerpfade().Daten, kDateinamen[static_cast<int>(b)], "ZEV");
    if (const std::string grund = DefekterVerweis(pfad); !grund.empty()) {
        m.Fehler(MeldungLesefehler(pfad, grund));
        return false;
    }
    return true;
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
    for (Bereich b : bereiche) {
        const std::string xml = XmlExportPfad(s.Einstellungen(), static_cast<int>(b), s.Ordnerpfade().Export);
        if (!Geladen(s, b, m)) {
            m.Fehler("Die " + std::string(kDatenWort[static_cast<int>(b)]) +
                     " konnten nicht geladen werden!\rDie XML-Datei:\r" + xml +
                     "\rwird nicht geschrieben und bleibt, wie sie ist.");
            continue;
        }
        if (s.Exportieren(b)) k.out << xml << '\n';
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
