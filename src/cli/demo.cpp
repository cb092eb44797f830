// `zev demo [--force]`: writes the demonstration school into the data folder the
// settings name, through the same controller and area writers as the program.
#include "cli/cli.h"
#include "cli/console_messages.h"
#include "control/demo_school.h"
#include "control/lifecycle.h"
#include "io/file_io.h"
#include "storage/area_files.h"

#include <array>
#include <string_view>
#include <utility>

namespace zev::cli {

namespace {

constexpr std::array<std::pair<Bereich, std::string_view>, 4> kDateien = {{
    {Bereich::Schule, "Schule"},
    {Bereich::Lehrer, "Lehrer"},
    {Bereich::Klassen, "Klassen"},
    {Bereich::Schueler, "Schueler"},
}};

} // namespace

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
    for (const auto& [bereich, name] : kDateien) {
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
    for (const auto& [bereich, name] : kDateien)
        if (s.Schreiben(bereich)) k.out << DateiPfad(ordner, name, "ZEV") << '\n';
    return m.Fehleranzahl() > 0 ? kFehlerGemeldet : kOk;
}

} // namespace zev::cli
