// The catalogue loader: any file as a catalogue list and as the school-type table.
#include "catalog/catalogue_loader.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t n) {
    zev::fuzz::AlsDatei("Katalog39.csv", daten, n);
    zev::fuzz::AlsDatei("Katalog101.csv", daten, n);
    zev::StilleMeldungen m;
    zev::Katalog k;
    zev::LoadCatalogue(k, 39, zev::fuzz::Ordner(), m);
    zev::LoadCatalogue(k, 101, zev::fuzz::Ordner(), m);
    zev::SchoolTypeTable t;
    zev::LoadSchoolTypeTable(t, zev::fuzz::Ordner(), m);
    std::string fehler;
    const auto zeilen = zev::KatalogZeilenLesen(zev::fuzz::Ordner() + "Katalog39.csv", fehler);
    if (zeilen)
        for (const auto& f : *zeilen) (void)zev::AnzeigeVon(39, f);
    return 0;
}
