// The student sheets: showing and taking back one student (what the page adds
// to a move), and leaving the student page with 2,000 students (take the page,
// store the buffer, write Schueler.ZEV and the student XML).
#include "page_world.h"
#include "pages/student_page.h"

#include <benchmark/benchmark.h>

namespace {

class KeineDialoge final : public zev::SchuelerDialoge {
public:
    std::optional<std::vector<std::string>> UEAuswaehlen() override { return std::nullopt; }
};

void SchuelerFuellen(zev::TSchuelerDS& s, int i) {
    zev::InitSchueler(s, "00000");
    s.ID = i + 1;
    s.Schuelernummer = "S" + std::to_string(i);
    s.Grunddaten.Name = "Name" + std::to_string(i);
    s.Grunddaten.Vorname = "Vorname";
    s.Grunddaten.Geburtsdatum = "15.03.2014";
    s.Grunddaten.Staatsangehoerigkeit = "276";
    s.Grunddaten.Anschrift.PLZ = "99084";
    s.Grunddaten.Anschrift.Wohnort = "Erfurt";
    s.Grunddaten.Anschrift.Gemeinde = "16051000";
    s.Jahrgangsdaten.Klasse = "5a";
    s.Jahrgangsdaten.Jahrgang = "05";
    s.Fremdsprachen[1].Erwerb = "1";
    s.Fremdsprachen[1].Sprache = "eng";
    s.Fremdsprachen[1].Art = "PF";
    s.Ausbildung.Standort = "09";
    s.Ausbildung.Standort_Text = "Bayern";
    for (int k = 1; k <= 12; ++k) {
        s.Jahrgangsdaten.Unterrichtseinheit[k].UE_ID = std::to_string(k);
        s.Jahrgangsdaten.Unterrichtseinheit[k].Nummer = static_cast<std::uint16_t>(k);
    }
}

struct Welt : zev::bench::SeitenWelt<zev::SchuelerSeitenLogik, KeineDialoge> {
    explicit Welt(int schueler) : SeitenWelt(zev::Seite::Schueler) {
        for (int k = 1; k <= 40; ++k) {
            auto& u = st->Daten().SchulDS.Unterrichtseinheit[k];
            u.UE_ID = k;
            u.UE_ID_Text = std::to_string(k);
            u.Stunden = "2";
        }
        st->UEBeschreibungenNeu();
        auto& b = st->Daten().Schueler;
        b.DB.resize(static_cast<std::size_t>(schueler));
        for (int i = 0; i < schueler; ++i) SchuelerFuellen(b.DB[static_cast<std::size_t>(i)], i);
        b.Aktuell = 0;
        b.Puffer = b.DB[0];
        seite->Zeigen();
    }
};

void BM_ShowAndCollectOneStudent(benchmark::State& state) {
    Welt w(1);
    for (auto _ : state) {
        w.seite->Zeigen();
        w.seite->Uebernehmen();
        benchmark::DoNotOptimize(w.st->Daten().Schueler.Puffer.ID.get());
    }
}
BENCHMARK(BM_ShowAndCollectOneStudent)->Unit(benchmark::kMicrosecond);

void BM_LeaveStudentPage2000(benchmark::State& state) {
    Welt w(2000);
    for (auto _ : state) w.st->SeiteVerlassen(zev::Seite::Schueler);
}
BENCHMARK(BM_LeaveStudentPage2000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
