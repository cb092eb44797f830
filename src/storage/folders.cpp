#include "storage/folders.h"

#include "model/paths.h"
#include "io/file_io.h"

namespace zev {

bool OrdnerBestimmen(Ordner& o, const TEinstellungen& e, TSchuleDS& schule, Meldungen& m) {
    o.Programm = MitTrenner(o.Programm);
    o.Daten = o.Programm + "Daten" + kTrenner;
    o.Import = o.Programm;
    // Before the first determination there is no export folder to keep.
    if (o.Export.empty()) o.Export = o.Programm;
    if (!e.DatenPfad.empty()) o.Daten = MitTrenner(PfadAusFeld(e.DatenPfad));

    if (!io::OrdnerAnlegen(o.Daten)) {
        m.Information("Problem beim Erstellen des Datenverzeichnis:\r" + o.Daten + "\r" +
                      "Legen Sie sofort einen verfügbaren Ort (Laufwerk, Pfad) für Ihre Daten fest!");
        o.Daten = o.Programm;
    } else {
        const auto unterordner = [&](const s250& pfad, const char* standard) {
            std::string ordner = pfad.empty() ? o.Daten + standard + kTrenner : MitTrenner(PfadAusFeld(pfad));
            return io::OrdnerAnlegen(ordner) ? ordner : o.Daten;
        };
        o.Import = unterordner(e.ImportPfad, "Import");
        o.Export = unterordner(e.ExportPfad, "Export");
    }
    schule.Schulnummer = e.Schulnummer.view();
    return io::IstDatei(o.Programm + kEinstellungenDatei);
}

} // namespace zev
