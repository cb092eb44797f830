// The change of school year for a full student area (65,536 students in 2,630
// classes of about 25): the plan and its execution in memory, and the whole step on disk as the
// window and `zev school-year --apply` run it (read the four files, plan, archive
// and verify, write the new files beside the old ones and switch).
#include "control/school_year_run.h"
#include "storage/area_files.h"
#include "storage/settings_file.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <set>
#include <stdlib.h>

namespace {

using namespace zev;
namespace fs = std::filesystem;

constexpr std::size_t kSchueler = 65536;

// Grades 1 to 10, classes of 25 named "5a", "5b", … as the numbers run.
void SchuleFuellen(Datenbestand& d) {
    d.Schueler.DB.assign(kSchueler, TSchuelerDS{});
    d.Klassen.DB.clear();
    std::size_t klasse = 0;
    std::set<std::string> namen;
    for (std::size_t i = 0; i < kSchueler; ++i) {
        TSchuelerDS& s = d.Schueler.DB[i];
        InitSchueler(s, "12345");
        const int jahrgang = static_cast<int>(i % 10) + 1;
        if (i % 250 == 0) klasse = i / 250;
        const std::string name =
            std::to_string(jahrgang) + static_cast<char>('a' + klasse % 26) + std::to_string(klasse / 26);
        s.ID = static_cast<std::int32_t>(i + 1);
        s.Schuelernummer = std::to_string(100000 + i);
        s.Jahrgangsdaten.Klasse = name;
        s.Jahrgangsdaten.Jahrgang = (jahrgang < 10 ? "0" : "") + std::to_string(jahrgang);
        s.Grunddaten.Zuzug = "2020";
        s.Jahrgangsdaten.Unterrichtseinheit[1].Nummer = 1;
        s.Jahrgangsdaten.Unterrichtseinheit[1].UE_ID = "1";
        if (namen.insert(name).second) {
            TKlasseDS& k = d.Klassen.DB.emplace_back();
            InitKlasse(k, "12345");
            k.Klassenname = name;
        }
    }
    d.SchuleGeladen = d.Lehrer.Geladen = d.Klassen.Geladen = d.Schueler.Geladen = true;
}

struct Welt {
    std::string home;
    std::unique_ptr<Datenbestand> d = std::make_unique<Datenbestand>();
    Kataloge kataloge;
    TEinstellungen e{};
    StilleMeldungen m;

    Welt() {
        char muster[] = "/tmp/zevbench.XXXXXX";
        home = std::string(::mkdtemp(muster)) + "/";
        for (const auto& x : fs::directory_iterator(ZEV_CATALOGUE_DIR))
            if (x.path().extension() == ".csv") fs::copy(x.path(), home);
        EinstellungenStandard(e, home);
        e.Schulnummer = "12345";
        e.Berichtsjahr = "2025";
        e.Datenquelle = 1;
        EinstellungenSchreiben(e, home, m);
        kataloge.AlleLaden(home, m);
        InitSchule(d->SchulDS, "12345");
        SchuleFuellen(*d);
        const std::string daten = home + "Daten/";
        fs::create_directories(daten);
        SchuleSchreiben(d->SchulDS, daten, m);
        BereichSchreiben(d->Lehrer, daten, e, m);
        BereichSchreiben(d->Klassen, daten, e, m);
        BereichSchreiben(d->Schueler, daten, e, m);
        fs::copy(home, home.substr(0, home.size() - 1) + ".vorher", fs::copy_options::recursive);
    }
    ~Welt() {
        fs::remove_all(home);
        fs::remove_all(home.substr(0, home.size() - 1) + ".vorher");
    }
    void Zuruecksetzen() const {
        fs::remove_all(home);
        fs::copy(home.substr(0, home.size() - 1) + ".vorher", home, fs::copy_options::recursive);
    }
};

Welt& DieWelt() {
    static Welt w;
    return w;
}

void BM_PlanUndAusfuehrenImSpeicher(benchmark::State& state) {
    Welt& w = DieWelt();
    for (auto _ : state) {
        state.PauseTiming();
        auto d = std::make_unique<Datenbestand>(*w.d);
        TEinstellungen e = w.e;
        state.ResumeTiming();
        std::string fehler;
        const SchuljahrPlan p = PlanAufstellen(*d, w.kataloge, e, fehler);
        PlanAusfuehren(p, *d, e);
        benchmark::DoNotOptimize(d->Schueler.DB.data());
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kSchueler));
}
BENCHMARK(BM_PlanUndAusfuehrenImSpeicher)->Unit(benchmark::kMillisecond);

void BM_SchuljahreswechselAufDerPlatte(benchmark::State& state) {
    Welt& w = DieWelt();
    for (auto _ : state) {
        state.PauseTiming();
        w.Zuruecksetzen();
        StilleMeldungen m;
        Steuerung s(w.home, m);
        s.Erstellen();
        s.Gezeigt();
        s.Sperren("bench", 0);
        state.ResumeTiming();
        std::string fehler;
        const bool ok = SchuljahrLaden(s, m) && [&] {
            const SchuljahrPlan p = PlanAufstellen(s.Daten(), s.Katalogliste(), s.Einstellungen(), fehler);
            return SchuljahrDurchfuehren(s, p, "bench", m);
        }();
        if (!ok || s.Daten().Schueler.DB.size() != kSchueler - kSchueler / 10)
            state.SkipWithError("nicht durchgeführt");
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kSchueler));
}
BENCHMARK(BM_SchuljahreswechselAufDerPlatte)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

BENCHMARK_MAIN();
