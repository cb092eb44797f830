#include "storage/folders.h"

#include "model/paths.h"
#include "io/file_io.h"

namespace zev {

std::string MeldungPfadNichtSpeicherbar(const std::string& pfad) {
    return "Der Pfad:\r" + pfad +
           "\rkann nicht in den Einstellungen gespeichert werden!\r\r(Möglich sind höchstens 250 Zeichen, "
           "alle aus dem Windows-Zeichensatz 1252.)";
}

bool OrdnerBestimmen(Ordner& o, const TEinstellungen& e, TSchuleDS& schule, Meldungen& m) {
    o.Programm = MitTrenner(o.Programm);
    o.Daten = o.Programm + "Daten" + kTrenner;
    o.Import = o.Programm;
    o.DatenFehlt.clear();
    o.NichtSpeicherbar.clear();
    // Before the first determination there is no export folder to keep.
    if (o.Export.empty()) o.Export = o.Programm;
    if (!e.DatenPfad.empty()) o.Daten = MitTrenner(PfadAusFeld(e.DatenPfad));
    // A folder derived from the program folder that the settings cannot hold: the run
    // uses it as it is, and says that it cannot be stored.
    const auto speicherbar = [&](const std::string& pfad) {
        if (PfadSpeicherbar(pfad) || !o.NichtSpeicherbar.empty()) return;
        o.NichtSpeicherbar = pfad;
        m.Fehler(MeldungPfadNichtSpeicherbar(pfad));
    };
    if (e.DatenPfad.empty()) speicherbar(o.Daten);

    if (!io::OrdnerAnlegen(o.Daten)) {
        o.DatenFehlt = o.Daten;
        m.Information("Problem beim Erstellen des Datenverzeichnis:\r" + o.Daten + "\r" +
                      "Legen Sie sofort einen verfügbaren Ort (Laufwerk, Pfad) für Ihre Daten fest!");
        o.Daten = o.Programm;
    } else {
        const auto unterordner = [&](const s250& pfad, const char* standard) {
            std::string ordner = pfad.empty() ? o.Daten + standard + kTrenner : MitTrenner(PfadAusFeld(pfad));
            if (pfad.empty()) speicherbar(ordner);
            return io::OrdnerAnlegen(ordner) ? ordner : o.Daten;
        };
        o.Import = unterordner(e.ImportPfad, "Import");
        o.Export = unterordner(e.ExportPfad, "Export");
    }
    schule.Schulnummer = e.Schulnummer.view();
    return io::IstDatei(o.Programm + kEinstellungenDatei);
}

} // namespace zev
