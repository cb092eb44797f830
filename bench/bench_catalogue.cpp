// Catalogue lookups ("the first entry containing [key]") in a 50,000-line
// catalogue: the index built at load against a plain linear scan.
#include "catalog/catalogue_list.h"
#include "catalog/catalogue_loader.h"
#include "model/messages.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>

namespace {

constexpr int kZeilen = 50000;
constexpr int kSuchen = 100000;

// A generated Gemeinden-like catalogue, loaded through the real loader once.
const zev::Katalog& GrosserKatalog() {
    static const zev::Katalog k = [] {
        const auto ordner = std::filesystem::temp_directory_path() / "zev-bench-katalog";
        std::filesystem::create_directories(ordner);
        {
            std::ofstream f(ordner / "Katalog54.csv", std::ios::binary);
            for (int i = 0; i < kZeilen; ++i)
                f << (10000 + i) << ";Ort " << i << ";" << (16000000 + i) << ";Kreis " << (i % 400) << "\r\n";
        }
        zev::Katalog liste;
        zev::StilleMeldungen m;
        zev::LoadCatalogue(liste, 54, ordner.string() + "/", m);
        std::filesystem::remove_all(ordner);
        return liste;
    }();
    return k;
}

std::vector<std::string> Schluessel() {
    std::mt19937 zufall(7);
    std::uniform_int_distribution<int> d(0, kZeilen + kZeilen / 10); // about one in eleven is missing
    std::vector<std::string> s;
    s.reserve(kSuchen);
    for (int i = 0; i < kSuchen; ++i) s.push_back(std::to_string(10000 + d(zufall)));
    return s;
}

int LinearSuchen(const zev::Katalog& k, const std::string& key) {
    const std::string gesucht = "[" + key + "]";
    for (std::size_t i = 0; i < k.size(); ++i)
        if (k[i].find(gesucht) != std::string::npos) return static_cast<int>(i);
    return 0;
}

void BM_IndexLookup(benchmark::State& state) {
    const zev::Katalog& k = GrosserKatalog();
    const auto keys = Schluessel();
    (void)zev::CatalogueIndexOfKey(k, "warm"); // the index is built at the first lookup
    for (auto _ : state) {
        long summe = 0;
        for (const auto& key : keys) summe += zev::CatalogueIndexOfKey(k, key);
        benchmark::DoNotOptimize(summe);
    }
    state.SetItemsProcessed(state.iterations() * kSuchen);
}
BENCHMARK(BM_IndexLookup)->Unit(benchmark::kMillisecond);

void BM_LinearScan(benchmark::State& state) {
    const zev::Katalog& k = GrosserKatalog();
    const auto keys = Schluessel();
    for (auto _ : state) {
        long summe = 0;
        for (const auto& key : keys) summe += LinearSuchen(k, key);
        benchmark::DoNotOptimize(summe);
    }
    state.SetItemsProcessed(state.iterations() * kSuchen);
}
BENCHMARK(BM_LinearScan)->Unit(benchmark::kMillisecond)->Iterations(1);

// Building the index of a 50,000-entry list (with a copy of the list).
void BM_BuildIndex(benchmark::State& state) {
    const zev::Katalog& k = GrosserKatalog();
    for (auto _ : state) {
        zev::Katalog kopie = k;
        benchmark::DoNotOptimize(zev::CatalogueIndexOfKey(kopie, "10000"));
    }
}
BENCHMARK(BM_BuildIndex)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
