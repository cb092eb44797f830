// The XML import of one of the four files (ZEV_FUZZ_BEREICH: 1 school, 2 teachers,
// 3 classes, 4 students), with its merge or the replacement of the area, and the
// report. Questions are answered Yes and No in turn.
#include "fuzz_input.h"
#include "storage/area_files.h"
#include "xml/xml_import.h"

#include <memory>

namespace {

class Wechselnd final : public zev::Meldungen {
public:
    zev::Antwort Zeigen(zev::MeldungsArt, std::string_view, zev::Tasten t) override {
        if (t == zev::Tasten::Ok) return zev::Antwort::Ok;
        ja_ = !ja_;
        return ja_ ? zev::Antwort::Ja : zev::Antwort::Nein;
    }

private:
    bool ja_ = false;
};

template <class R> void Ersetzen(zev::BereichsDaten<R>& b, std::optional<std::vector<R>> v, zev::Meldungen& m) {
    if (!v) return;
    zev::BereichErsetzen(b, std::move(*v), "12345", m);
    if (b.DB.empty() || b.DB.size() > zev::kBereichKapazitaet) std::abort();
    (void)zev::BereichsImage(b, zev::s10{});
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t n) {
    const std::string pfad = zev::fuzz::AlsDatei("f.xml", daten, n);
    static zev::TEinstellungen e = [] {
        zev::TEinstellungen x;
        zev::EinstellungenStandard(x, zev::fuzz::Ordner());
        x.Schulnummer = "12345";
        x.FreierTraeger = 1;
        return x;
    }();
    Wechselnd m;
    zev::ImportBericht bericht;
    auto d = std::make_unique<zev::Datenbestand>();
    switch (ZEV_FUZZ_BEREICH) {
        case 1:
            if (auto s = zev::ImportSchoolXml(pfad, e, m, bericht)) {
                zev::MergeSchoolImport(d->SchulDS, *s, 0, 0, m, bericht);
                zev::MergeSchoolImport(d->SchulDS, *s, 1, 2, m, bericht);
            }
            break;
        case 2: Ersetzen(d->Lehrer, zev::ImportTeacherXml(pfad, e, m, bericht), m); break;
        case 3: Ersetzen(d->Klassen, zev::ImportClassXml(pfad, e, m, bericht), m); break;
        default: Ersetzen(d->Schueler, zev::ImportStudentXml(pfad, e, m, bericht), m); break;
    }
    (void)zev::BerichtText(bericht);
    return 0;
}
