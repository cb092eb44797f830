// Showing and taking back the school page with 1000 lesson units, through the
// page's screen model over a controller with the bundled catalogues.
#include "control/lifecycle.h"
#include "model/messages.h"
#include "pages/school_page.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <stdlib.h>

namespace {

namespace fs = std::filesystem;

class KeineDialoge final : public zev::SchulDialoge {
public:
    std::optional<std::string> NeueSchulart() override { return std::nullopt; }
    bool Unterrichtseinheit(zev::TUnterrichtseinheitDS&, std::string_view) override { return false; }
    void Ergebnisfenster() override {}
};

struct Welt {
    std::string ordner;
    zev::StilleMeldungen m;
    KeineDialoge dialoge;
    std::unique_ptr<zev::Steuerung> st;
    std::unique_ptr<zev::SchulSeitenLogik> seite;

    Welt() {
        std::string muster = (fs::temp_directory_path() / "zevbench.XXXXXX").string();
        ordner = std::string(::mkdtemp(muster.data())) + "/";
        for (const auto& f : fs::directory_iterator(ZEV_CATALOGUE_DIR))
            fs::copy_file(f.path(), ordner + f.path().filename().string());
        st = std::make_unique<zev::Steuerung>(ordner, m);
        st->Erstellen();
        zev::TSchuleDS& s = st->Daten().SchulDS;
        for (int k = 1; k <= 1000; ++k) {
            auto& u = s.Unterrichtseinheit[k];
            u.UE_ID = k;
            u.UE_ID_Text = std::to_string(k);
            u.Schulart = "02";
            u.Jahrgang = "07";
            u.Klasse = "7a";
            u.Fach = k % 2 ? "020" : "010";
            u.Kurs = "KL";
            u.Bilingual = k % 5 ? "" : "EN";
            u.Stunden = "4";
            u.Lehrer = "L" + std::to_string(k % 64);
        }
        for (int i = 1; i <= 20; ++i) s.Schuldaten.Schulart[i] = i < 10 ? "0" + std::to_string(i) : std::to_string(i);
        seite = std::make_unique<zev::SchulSeitenLogik>(*st, dialoge, m);
    }
    ~Welt() { fs::remove_all(ordner); }
};

void BM_ShowSchool1000Units(benchmark::State& state) {
    Welt w;
    for (auto _ : state) {
        w.seite->Zeigen();
        benchmark::DoNotOptimize(w.seite->Seite().ue.zeilen.data());
    }
}
BENCHMARK(BM_ShowSchool1000Units)->Unit(benchmark::kMillisecond);

// Taking the page back includes rebuilding the lesson-unit descriptions.
void BM_CollectSchool1000Units(benchmark::State& state) {
    Welt w;
    w.seite->Zeigen();
    for (auto _ : state) {
        w.seite->Uebernehmen();
        benchmark::DoNotOptimize(w.st->Daten().SchulDS.Unterrichtseinheit[1000].UE_ID.get());
    }
}
BENCHMARK(BM_CollectSchool1000Units)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
