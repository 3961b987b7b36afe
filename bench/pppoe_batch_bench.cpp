// A batch of 100000 PPPoE accounts with the page's defaults (8-digit names with prefix and suffix,
// 6-digit passwords): the time to build the script, and the process's peak memory.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include "generators/pppoe/PppoeAccounts.hpp"

namespace {

vorlix::PppoeBatchFields defaults_with_count(long long count) {
    vorlix::PppoeBatchFields f = vorlix::pppoe_batch_fields(vorlix::Form::defaults(vorlix::pppoe_accounts_page_spec()));
    f.count = std::to_string(count);
    return f;
}

double peak_rss_mb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;  // ru_maxrss is in kilobytes on Linux
}

void BM_PppoeBatch(benchmark::State& state) {
    const vorlix::PppoeBatchFields f = defaults_with_count(state.range(0));
    vorlix::SeededRandom random(1);
    std::size_t bytes = 0;
    for (auto _ : state) {
        const vorlix::Result r = vorlix::generate_pppoe_batch(f, random);
        bytes = r.script.size();
        benchmark::DoNotOptimize(r.script.data());
    }
    state.counters["script_MB"] = static_cast<double>(bytes) / (1024.0 * 1024.0);
    state.counters["peak_rss_MB"] = peak_rss_mb();
}
BENCHMARK(BM_PppoeBatch)->Arg(100000)->Unit(benchmark::kMillisecond);

// The same batch with the account list kept for the log file.
void BM_PppoeBatchWithList(benchmark::State& state) {
    const vorlix::PppoeBatchFields f = defaults_with_count(state.range(0));
    vorlix::SeededRandom random(1);
    for (auto _ : state) {
        std::string list;
        const vorlix::Result r = vorlix::generate_pppoe_batch(f, random, &list);
        benchmark::DoNotOptimize(r.script.data());
        benchmark::DoNotOptimize(list.data());
    }
    state.counters["peak_rss_MB"] = peak_rss_mb();
}
BENCHMARK(BM_PppoeBatchWithList)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
