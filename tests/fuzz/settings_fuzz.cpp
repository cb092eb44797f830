// The settings reader: any file is taken, reported or replaced in part, and what
// is taken converts to paths without harm. Folders are never created from it.
#include "fuzz_input.h"
#include "model/encoding.h"
#include "storage/settings_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t n) {
    zev::fuzz::AlsDatei(zev::kEinstellungenDatei, daten, n);
    zev::TEinstellungen e;
    zev::StilleMeldungen m;
    zev::EinstellungenLesen(e, zev::fuzz::Ordner(), "", m);
    std::size_t summe = zev::PfadAusFeld(e.DatenPfad).size() + zev::PfadAusFeld(e.ImportPfad).size() +
                        zev::PfadAusFeld(e.ExportPfad).size() + zev::Cp1252ToUtf8(e.Berichtsjahr.view()).size();
    for (int a = 1; a <= 4; ++a) {
        summe += zev::XMLDateiName(e, a).size();
        for (int k = 1; k <= 3; ++k) summe += zev::PfadAusFeld(e.XMLImport[a][k].Datei).size();
    }
    return summe == static_cast<std::size_t>(-1) ? 1 : 0;
}
