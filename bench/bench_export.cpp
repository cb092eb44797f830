// Exporting 65,536 students and 65,536 teachers (layout 1, free carrier on)
// against writing the same number of bytes with one plain buffered write.
#include "xml/export_trees.h"
#include "model/messages.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <unistd.h>
#include <filesystem>
#include <memory>

namespace {

constexpr std::size_t kAnzahl = 65536;

zev::TEinstellungen Einstellungen() {
    zev::TEinstellungen e;
    zev::EinstellungenStandard(e, "/p/");
    e.XMLLayout = 1;
    e.FreierTraeger = 1;
    return e;
}

// Records of a realistic filling: names, dates, codes and a few group entries.
struct Daten {
    zev::BereichsDaten<zev::TLehrerDS> lehrer;
    zev::BereichsDaten<zev::TSchuelerDS> schueler;
    Daten() {
        lehrer.DB.resize(kAnzahl);
        schueler.DB.resize(kAnzahl);
        for (std::size_t i = 0; i < kAnzahl; ++i) {
            zev::TLehrerDS& l = lehrer.DB[i];
            zev::InitLehrer(l, "12345");
            l.Lehrernummer = "L" + std::to_string(i);
            l.Grunddaten.Name = "M\xFCller-Schmidt";
            l.Grunddaten.Vorname = "Anna";
            l.Grunddaten.Geburtsdatum = "12.03.1971";
            l.Grunddaten.Ausbildung[1] = "GY";
            l.Grunddaten.Fach_Lehrb[1] = "De";
            l.Grunddaten.Fach_Lehrb[2] = "Ge";
            l.Stunden.Regelstunden = "26";
            l.Arbeitszeitkonto[1].Grund_mehr = "01";
            l.Einsatz[1].Art = "1";
            for (int k = 1; k <= 8; ++k) {
                l.Unterrichtseinheit[k].Nummer = static_cast<std::uint16_t>(k);
                l.Unterrichtseinheit[k].UE_ID = std::to_string(k);
            }
            zev::TSchuelerDS& s = schueler.DB[i];
            zev::InitSchueler(s, "12345");
            s.Schuelernummer = "S" + std::to_string(i);
            s.Grunddaten.Name = "Sch\xE4" "fer";
            s.Grunddaten.Vorname = "Jonas";
            s.Grunddaten.Anschrift.Wohnort = "Erfurt";
            s.Grunddaten.Anschrift.Strasse = "Anger 1 & 2";
            s.Jahrgangsdaten.Klasse = "7b";
            s.Fremdsprachen[1].Sprache = "ENG";
            for (int k = 1; k <= 6; ++k) {
                s.Jahrgangsdaten.Unterrichtseinheit[k].Nummer = static_cast<std::uint16_t>(k);
                s.Jahrgangsdaten.Unterrichtseinheit[k].UE_ID = std::to_string(k);
            }
        }
    }
};

const Daten& Bestand() {
    static const auto d = std::make_unique<Daten>();
    return *d;
}

std::string Ordner() {
    const auto o = std::filesystem::temp_directory_path() / "zev-bench-export";
    std::filesystem::create_directories(o);
    return o.string() + "/";
}

std::size_t ExportGroesse() {
    const auto e = Einstellungen();
    return zev::LehrerXml(Bestand().lehrer.DB, e, "Lehrer.XML").size() +
           zev::SchuelerXml(Bestand().schueler.DB, e, "Schueler.XML").size();
}

void BM_ExportBoth(benchmark::State& state) {
    const auto e = Einstellungen();
    const std::string o = Ordner();
    zev::StilleMeldungen m;
    for (auto _ : state) {
        zev::WriteTeacherXml(Bestand().lehrer, e, o, m);
        zev::WriteStudentXml(Bestand().schueler, e, o, m);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * ExportGroesse()));
}
BENCHMARK(BM_ExportBoth)->Unit(benchmark::kMillisecond)->UseRealTime();

// Building the two file images in memory, as the preview and the tests do, without the file system.
void BM_BuildImagesOnly(benchmark::State& state) {
    const auto e = Einstellungen();
    for (auto _ : state) {
        benchmark::DoNotOptimize(zev::LehrerXml(Bestand().lehrer.DB, e, "Lehrer.XML").size());
        benchmark::DoNotOptimize(zev::SchuelerXml(Bestand().schueler.DB, e, "Schueler.XML").size());
    }
}
BENCHMARK(BM_BuildImagesOnly)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same number of bytes, one buffered write each to two files, with the same
// flush to disk the export does, so both sides pay for the disk alike.
void BM_PlainWriteSameBytes(benchmark::State& state) {
    const std::size_t n = ExportGroesse();
    const std::string puffer(n, 'x');
    const std::string o = Ordner();
    for (auto _ : state) {
        const std::size_t haelfte = n / 2;
        for (const auto& [name, von, laenge] : {std::tuple{"a.xml", std::size_t{0}, haelfte},
                                               std::tuple{"b.xml", haelfte, n - haelfte}}) {
            FILE* f = std::fopen((o + name).c_str(), "wb");
            std::fwrite(puffer.data() + von, 1, laenge, f);
            std::fflush(f);
            ::fsync(::fileno(f));
            std::fclose(f);
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * n));
}
BENCHMARK(BM_PlainWriteSameBytes)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
