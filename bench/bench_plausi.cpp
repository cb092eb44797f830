// The lesson-unit tests of the school with 1000 units, and the runs over all
// teachers (35 references each, 1000 school units) and over all students (every
// field filled, 25 references each, 64 classes) for growing numbers of records.
#include "catalog/catalogue_loader.h"
#include "model/messages.h"
#include "plausi/group_check.h"
#include "plausi/school_tests.h"
#include "plausi/student_tests.h"

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

// Students as full as the pages allow: every code field that the demo catalogues
// fill, 25 lesson units, five languages; the class of each is one of 64.
void SchuelerFuellen(Welt& w, std::size_t anzahl) {
    auto& d = *w.d;
    d.SchulDS.Schuldaten.Schulart[1] = "02";
    d.Klassen.DB.resize(64);
    for (std::size_t c = 0; c < 64; ++c) {
        zev::InitKlasse(d.Klassen.DB[c], "12345");
        d.Klassen.DB[c].Klassenname = "7" + std::to_string(c);
    }
    d.Schueler.DB.resize(anzahl);
    for (std::size_t i = 0; i < anzahl; ++i) {
        zev::TSchuelerDS& s = d.Schueler.DB[i];
        zev::InitSchueler(s, "12345");
        s.Schuelernummer = std::to_string(1000000 + i);
        s.Grunddaten.Name = "Lange";
        s.Grunddaten.Vorname = "Ida";
        s.Grunddaten.Geschlecht = 2;
        s.Grunddaten.Geburtsdatum = "12.03.2012";
        s.Grunddaten.Staatsangehoerigkeit = "276";
        s.Grunddaten.Migrantenstatus = "01";
        s.Grunddaten.Verkehrssprache = "deu";
        s.Grunddaten.Einschulung.Einschulungsjahr = "2018";
        s.Grunddaten.Einschulung.Einschulungsart = "01";
        s.Grunddaten.Anschrift.Gemeinde = "16051000";
        s.Grunddaten.Anschrift.PLZ = "99084";
        s.Jahrgangsdaten.Klasse = "7" + std::to_string(i % 64);
        s.Jahrgangsdaten.Jahrgang = "07";
        s.Jahrgangsdaten.Schulart = "02";
        s.Jahrgangsdaten.Ganztag = "01";
        s.Jahrgangsdaten.Bildungsgang = "24";
        s.Foerderbedarf.Bedarf = s.Foerderbedarf.Tatsaechlich = "LE";
        for (int k = 1; k <= 25; ++k) {
            const int ue = 1 + static_cast<int>((i * 25 + static_cast<std::size_t>(k)) % 1000);
            s.Jahrgangsdaten.Unterrichtseinheit[k].Nummer = static_cast<std::uint16_t>(ue);
            s.Jahrgangsdaten.Unterrichtseinheit[k].UE_ID = std::to_string(ue);
        }
        const char* sprachen[] = {"eng", "fra", "lat", "spa", "rus"};
        for (int f = 1; f <= 5; ++f) {
            s.Fremdsprachen[f].Erwerb = "1";
            s.Fremdsprachen[f].Sprache = sprachen[f - 1];
            s.Fremdsprachen[f].Art = "PF";
        }
    }
    d.Schueler.Geladen = true;
}

void BM_AlleSchuelerPruefen(benchmark::State& state) {
    Welt w(1);
    SchuelerFuellen(w, static_cast<std::size_t>(state.range(0)));
    zev::PlausiLauf p;
    for (auto _ : state) benchmark::DoNotOptimize(zev::AlleSchuelerPruefen(p, *w.d, w.e, w.kataloge));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_AlleSchuelerPruefen)->Arg(16384)->Arg(32768)->Arg(65536)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
