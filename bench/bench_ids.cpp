// Fresh identifiers for a whole imported area, record by record: the bulk
// allocator against a smallest-free search that rescans the array per call.
#include "model/ids.h"

#include <benchmark/benchmark.h>

namespace {

using zev::BereichsDaten;
using zev::TLehrerDS;

// A smallest-free search that rescans the whole array on every call (one pass
// marking the numbers in use, one pass for the first gap): linear per call,
// quadratic for a whole import.
std::int32_t RescanKleinsteFreie(const std::vector<std::int32_t>& ids, std::vector<char>& belegt) {
    belegt.assign(ids.size() + 2, 0);
    for (std::int32_t id : ids)
        if (id > 0 && static_cast<std::size_t>(id) < belegt.size()) belegt[static_cast<std::size_t>(id)] = 1;
    for (std::size_t c = 1;; ++c)
        if (!belegt[c]) return static_cast<std::int32_t>(c);
}

void BM_BulkIds(benchmark::State& state) {
    const auto n = static_cast<std::size_t>(state.range(0));
    for (auto _ : state) {
        BereichsDaten<TLehrerDS> b;
        b.DB.clear();
        auto vergabe = zev::IdVergabeFuer(b);
        std::vector<std::int32_t> ids;
        ids.reserve(n);
        for (std::size_t i = 0; i < n; ++i) ids.push_back(vergabe.Naechste());
        benchmark::DoNotOptimize(ids.data());
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * n));
}
BENCHMARK(BM_BulkIds)->Arg(1024)->Arg(65536)->Unit(benchmark::kMillisecond);

void BM_RescanIds(benchmark::State& state) {
    const auto n = static_cast<std::size_t>(state.range(0));
    for (auto _ : state) {
        std::vector<std::int32_t> ids;
        std::vector<char> belegt;
        ids.reserve(n);
        for (std::size_t i = 0; i < n; ++i) ids.push_back(RescanKleinsteFreie(ids, belegt));
        benchmark::DoNotOptimize(ids.data());
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * n));
}
BENCHMARK(BM_RescanIds)->Arg(1024)->Arg(65536)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
