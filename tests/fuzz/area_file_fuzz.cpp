// The internal-file reader, for all four kinds of file: whatever the bytes, a
// read either gives records or a status, and never reads out of bounds.
#include "fuzz_input.h"
#include "storage/area_files.h"

#include <memory>

namespace {

template <class R> void Lesen(const std::string& pfad) {
    zev::BereichsDatei<R> f;
    std::string fehler;
    const zev::LeseStatus s = zev::BereichsdateiLesen(pfad, f, fehler);
    zev::StilleMeldungen m;
    zev::LeseStatusMelden<R>(s, pfad, zev::fuzz::Ordner(), fehler, m);
    if (s != zev::LeseStatus::Ok) return;
    // A file read is written back as the same records.
    zev::BereichsDaten<R> b;
    b.DB = std::move(f.Saetze);
    if (zev::BereichsImage(b, f.Kopf.Schulnummer).size() != zev::kKopfGroesse + b.DB.size() * sizeof(R)) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t n) {
    // Every kind under its own name, so the school reader finds its file too.
    for (const char* name : {"Lehrer.ZEV", "Schule.ZEV"}) zev::fuzz::AlsDatei(name, daten, n);
    const std::string pfad = zev::fuzz::Ordner() + "Lehrer.ZEV";
    Lesen<zev::TLehrerDS>(pfad);
    Lesen<zev::TKlasseDS>(pfad);
    Lesen<zev::TSchuelerDS>(pfad);
    auto d = std::make_unique<zev::Datenbestand>();
    zev::StilleMeldungen m;
    zev::TEinstellungen e;
    zev::EinstellungenStandard(e, zev::fuzz::Ordner());
    zev::SchuleLesen(*d, zev::fuzz::Ordner(), m);
    zev::LehrerLesen(*d, zev::fuzz::Ordner(), e, m);
    return 0;
}
