// Moving to the next teacher, and adding and deleting a teacher, through the
// navigation over a controller whose page hooks do what a page does: show copies
// the buffer onto the page and turns its texts into UTF-8, collect writes them back.
#include "control/navigation.h"
#include "model/encoding.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <stdlib.h>

namespace {

namespace fs = std::filesystem;

// Says Yes to every question, so "-" deletes.
class JaMeldungen final : public zev::Meldungen {
public:
    zev::Antwort Zeigen(zev::MeldungsArt, std::string_view, zev::Tasten t) override {
        return t == zev::Tasten::Ok ? zev::Antwort::Ok : zev::Antwort::Ja;
    }
};

// What a teacher page holds between show and collect.
struct Seite {
    zev::TLehrerDS bild{};
    std::string name, vorname, titel, geburtsdatum;
};

struct Welt {
    std::string ordner;
    JaMeldungen m;
    Seite seite;
    std::unique_ptr<zev::Steuerung> st;
    std::unique_ptr<zev::Navigation> nav;

    explicit Welt(int anzahl) {
        std::string muster = (fs::temp_directory_path() / "zevbench.XXXXXX").string();
        ordner = std::string(::mkdtemp(muster.data())) + "/";
        zev::Fensterdienste f;
        f.seiteZeigen = [this](zev::Seite) {
            const zev::TLehrerDS& p = st->Daten().Lehrer.Puffer;
            seite.bild = p;
            seite.name = zev::Cp1252ToUtf8(p.Grunddaten.Name.view());
            seite.vorname = zev::Cp1252ToUtf8(p.Grunddaten.Vorname.view());
            seite.titel = zev::Cp1252ToUtf8(p.Grunddaten.Titel.view());
            seite.geburtsdatum = zev::Cp1252ToUtf8(p.Grunddaten.Geburtsdatum.view());
        };
        f.seiteUebernehmen = [this](zev::Seite) {
            zev::TLehrerDS& p = st->Daten().Lehrer.Puffer;
            p = seite.bild;
            p.Grunddaten.Name = zev::Utf8ToCp1252(seite.name);
            p.Grunddaten.Vorname = zev::Utf8ToCp1252(seite.vorname);
            p.Grunddaten.Titel = zev::Utf8ToCp1252(seite.titel);
            p.Grunddaten.Geburtsdatum = zev::Utf8ToCp1252(seite.geburtsdatum);
        };
        st = std::make_unique<zev::Steuerung>(ordner, m, f);
        st->Erstellen(false);
        nav = std::make_unique<zev::Navigation>(*st, m);
        auto& l = st->Daten().Lehrer;
        l.DB.assign(static_cast<std::size_t>(anzahl), zev::TLehrerDS{});
        for (int i = 0; i < anzahl; ++i) {
            zev::TLehrerDS& r = l.DB[static_cast<std::size_t>(i)];
            zev::InitLehrer(r, "12345");
            r.ID = i + 1;
            r.Grunddaten.Name = "M\xFCller-" + std::to_string(i);
            r.Grunddaten.Vorname = "J\xFCrgen";
            r.Lehrernummer = "L" + std::to_string(i);
        }
        l.Aktuell = 0;
        zev::PufferLaden(l, 0);
        st->ListenAufbauen(zev::Bereich::Lehrer);
        st->Zeigen(zev::Seite::Lehrer);
    }
    ~Welt() { fs::remove_all(ordner); }
};

// One step forward; from the last back to the first, which costs the same.
void BM_NextTeacher(benchmark::State& state) {
    Welt w(static_cast<int>(state.range(0)));
    const auto& l = w.st->Daten().Lehrer;
    for (auto _ : state) {
        if (l.Aktuell == l.Letzter())
            w.nav->MoveFirst(zev::Bereich::Lehrer);
        else
            w.nav->MoveNext(zev::Bereich::Lehrer);
        benchmark::DoNotOptimize(w.st->LehrerListe()[static_cast<std::size_t>(l.Aktuell)].data());
    }
}
BENCHMARK(BM_NextTeacher)->Arg(1024)->Arg(65536)->Unit(benchmark::kMicrosecond);

// "+" on the first teacher (every record moves up) of 65,535, making the area full.
// With `Arg(1)` the array has no room to spare, as after loading, and grows first.
void BM_InsertTeacher(benchmark::State& state) {
    Welt w(65535);
    auto& l = w.st->Daten().Lehrer;
    for (auto _ : state) {
        state.PauseTiming();
        if (state.range(0) == 1) l.DB.shrink_to_fit();
        state.ResumeTiming();
        if (!w.nav->InsertRecord(zev::Bereich::Lehrer)) state.SkipWithError("not inserted");
        state.PauseTiming();
        w.nav->DeleteRecord(zev::Bereich::Lehrer);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_InsertTeacher)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// "-" on the first of 65,536 teachers (every record moves down), with its question answered Yes.
void BM_DeleteTeacher(benchmark::State& state) {
    Welt w(65536);
    for (auto _ : state) {
        if (!w.nav->DeleteRecord(zev::Bereich::Lehrer)) state.SkipWithError("not deleted");
        state.PauseTiming();
        w.nav->InsertRecord(zev::Bereich::Lehrer);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_DeleteTeacher)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
