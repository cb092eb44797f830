// `zev demo [--force]`: writes the demonstration school into the data folder the
// settings name, through the same controller and area writers as the program.
#include "cli/cli.h"
#include "cli/console_messages.h"
#include "control/demo_school.h"
#include "control/lifecycle.h"
#include "io/file_io.h"
#include "storage/area_files.h"

#include <string_view>

namespace zev::cli {

int Demo(const Kontext& k, const std::vector<std::string>& args) {
    bool ersetzen = false;
    for (const std::string& a : args) {
        if (a != "--force") {
            k.err << "Aufruf: zev [--home ORDNER] [--wait SEK] demo [--force]\n";
            return kBedienung;
        }
        ersetzen = true;
    }
    KonsolenMeldungen m(k.err, k.antwortJa);
    Steuerung s(k.programmOrdner, m);
    s.Erstellen();
    s.Gezeigt();
    const std::string& ordner = s.Ordnerpfade().Daten;
    if (!s.Sperren(kProgrammName, k.warteSekunden)) return kFehlerGemeldet;

    // Data a school entered must not vanish under a demonstration by accident.
    std::string vorhanden;
    for (Bereich b : kAlleBereiche) {
        const std::string_view name = Dateiname(b);
        if (!io::Existiert(DateiPfad(ordner, name, "ZEV"))) continue;
        vorhanden += (vorhanden.empty() ? "" : ", ") + std::string(name) + ".ZEV";
    }
    if (!vorhanden.empty() && !ersetzen) {
        m.Fehler("Im Daten-Ordner\r" + ordner + "\rgibt es schon Daten (" + vorhanden +
                 ").\rMit --force werden sie durch die Demo-Schule ersetzt;\rdie bisherigen Dateien bleiben als "
                 ".SIC erhalten.");
        return kFehlerGemeldet;
    }

    DemoSchuleErzeugen(s.Daten(), s.Katalogliste(), s.Einstellungen(), kDemoSaat);
    for (Bereich b : kAlleBereiche)
        if (s.Schreiben(b)) k.out << DateiPfad(ordner, Dateiname(b), "ZEV") << '\n';
    return m.Fehleranzahl() > 0 ? kFehlerGemeldet : kOk;
}

} // namespace zev::cli
