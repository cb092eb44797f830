// The lesson-unit tests of the school with 1000 units, and the run over all
// teachers (35 references each, 1000 school units) for growing numbers of teachers.
#include "catalog/catalogue_loader.h"
#include "model/messages.h"
#include "plausi/group_check.h"
#include "plausi/school_tests.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

struct Welt {
    zev::TEinstellungen e;
    zev::Kataloge kataloge;
    std::unique_ptr<zev::Datenbestand> d = std::make_unique<zev::Datenbestand>();
    explicit Welt(std::size_t lehrer) {
        zev::EinstellungenStandard(e, "/p/");
        e.Schulnummer = "12345";
        e.FreierTraeger = 1;
        zev::StilleMeldungen m;
        kataloge.AlleLaden(ZEV_CATALOGUE_DIR "/", m);
        zev::InitSchule(d->SchulDS, "12345");
        for (int k = 1; k <= 1000; ++k) {
            auto& u = d->SchulDS.Unterrichtseinheit[k];
            u.UE_ID = k;
            u.UE_ID_Text = std::to_string(k);
            u.Schulart = "02";
            u.Jahrgang = "07";
            u.Klasse = "7a";
            u.Fach = "020";
            u.Kurs = "01";
            u.Stunden = "4";
            u.Lehrer = "L" + std::to_string(k % 64);
        }
        d->Lehrer.DB.resize(lehrer);
        for (std::size_t t = 0; t < lehrer; ++t) {
            zev::TLehrerDS& l = d->Lehrer.DB[t];
            zev::InitLehrer(l, "12345");
            l.Lehrernummer = "L" + std::to_string(t % 64);
            l.Grunddaten.Name = "Meier";
            l.Grunddaten.Vorname = "Eva";
            l.Grunddaten.Geschlecht = 2;
            l.Grunddaten.Geburtsdatum = "15.06.1960";
            l.Grunddaten.Ausbildung[1] = "GY";
            l.Stunden.Regelstunden = "26";
            l.Stunden.Vertragsstunden = "26";
            l.Sonstiges.Taetigkeit = "01";
            for (int k = 1; k <= 35; ++k) {
                const int ue = 1 + static_cast<int>((t * 35 + static_cast<std::size_t>(k)) % 1000);
                l.Unterrichtseinheit[k].Nummer = static_cast<std::uint16_t>(ue);
                l.Unterrichtseinheit[k].UE_ID = std::to_string(ue);
            }
        }
        d->Lehrer.Geladen = d->Klassen.Geladen = true;
    }
};

void BM_TesteSchulUE(benchmark::State& state) {
    Welt w(64);
    zev::PlausiLauf p;
    const zev::PruefKontext k{w.e, w.kataloge, *w.d};
    for (auto _ : state) {
        p.TestsZuruecksetzen();
        zev::TesteSchulUE(p, w.d->SchulDS, k);
        benchmark::DoNotOptimize(p.Code(173));
    }
}
BENCHMARK(BM_TesteSchulUE)->Unit(benchmark::kMillisecond);

void BM_AlleLehrerPruefen(benchmark::State& state) {
    Welt w(static_cast<std::size_t>(state.range(0)));
    zev::PlausiLauf p;
    for (auto _ : state) benchmark::DoNotOptimize(zev::AlleLehrerPruefen(p, *w.d, true, w.e, w.kataloge));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_AlleLehrerPruefen)->Arg(16384)->Arg(32768)->Arg(65536)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
