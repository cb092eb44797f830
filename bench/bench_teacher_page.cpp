// The teacher sheets: showing and taking back one teacher, and leaving the
// teacher page with 1000 teachers (take the page, store the buffer, write
// Lehrer.ZEV and the teacher XML).
#include "page_world.h"
#include "pages/teacher_page.h"

#include <benchmark/benchmark.h>

namespace {

class KeineDialoge final : public zev::LehrerDialoge {
public:
    std::optional<std::vector<std::string>> UEAuswaehlen() override { return std::nullopt; }
    void Ergebnisfenster() override {}
    void Gruppenfenster() override {}
};

struct Welt : zev::bench::SeitenWelt<zev::LehrerSeitenLogik, KeineDialoge> {
    explicit Welt(int lehrer) : SeitenWelt(zev::Seite::Lehrer) {
        auto& b = st->Daten().Lehrer;
        b.DB.resize(static_cast<std::size_t>(lehrer));
        for (int i = 0; i < lehrer; ++i) {
            zev::TLehrerDS& l = b.DB[static_cast<std::size_t>(i)];
            zev::InitLehrer(l, "00000");
            l.ID = i + 1;
            l.Lehrernummer = "L" + std::to_string(i);
            l.Grunddaten.Name = "Name" + std::to_string(i);
            l.Grunddaten.Vorname = "Vorname";
            l.Grunddaten.Geburtsdatum = "01.02.1970";
            l.Grunddaten.Ausbildung[1] = "1STP";
            l.Anrechnungsstunden[1].Grund = "KL";
            l.Anrechnungsstunden[1].Stunden = "1,5";
            for (int k = 1; k <= 10; ++k) {
                l.Unterrichtseinheit[k].UE_ID = std::to_string(k);
                l.Unterrichtseinheit[k].Nummer = static_cast<std::uint16_t>(k);
            }
        }
        b.Aktuell = 0;
        b.Puffer = b.DB[0];
        seite->Zeigen();
    }
};

void BM_ShowAndCollectOneTeacher(benchmark::State& state) {
    Welt w(1);
    for (auto _ : state) {
        w.seite->Zeigen();
        w.seite->Uebernehmen();
        benchmark::DoNotOptimize(w.st->Daten().Lehrer.Puffer.ID.get());
    }
}
BENCHMARK(BM_ShowAndCollectOneTeacher)->Unit(benchmark::kMicrosecond);

void BM_LeaveTeacherPage1000(benchmark::State& state) {
    Welt w(1000);
    for (auto _ : state) w.st->SeiteVerlassen(zev::Seite::Lehrer);
}
BENCHMARK(BM_LeaveTeacherPage1000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
