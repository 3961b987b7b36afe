// Generation time of the multi-line WAN scripts with 64 lines (the press must feel instant).
#include <benchmark/benchmark.h>

#include "generators/wan/LoadBalance.hpp"
#include "generators/wan/SplitRouting.hpp"

namespace {

using vorlix::Rows;

Rows fixed_rows(int n, bool with_range) {
    Rows rows;
    for (int i = 1; i <= n; ++i) {
        const std::string a = std::to_string(i / 250), b = std::to_string(i % 250 + 1);
        rows.push_back({"100." + a + "." + b + ".2/30", "100." + a + "." + b + ".1", "ether" + std::to_string(i)});
        if (with_range) rows.back().push_back("192.168." + std::to_string(i) + ".0/24");
    }
    return rows;
}

Rows pppoe_rows(int n, bool with_range) {
    Rows rows;
    for (int i = 1; i <= n; ++i) {
        rows.push_back(
            {"adsl-account-" + std::to_string(i), "pass$word" + std::to_string(i), "ether" + std::to_string(i)});
        if (with_range) rows.back().push_back("192.168." + std::to_string(i) + ".0/24");
    }
    return rows;
}

// The page's start values, with these rows in its list.
vorlix::LoadBalanceFields load_fields(Rows rows) {
    vorlix::LoadBalanceFields f = vorlix::pppoe_load_fields(vorlix::Form::defaults(vorlix::pppoe_load_page_spec()));
    f.lines = std::move(rows);
    return f;
}

vorlix::SplitRoutingFields split_fields(Rows rows) {
    vorlix::SplitRoutingFields f = vorlix::fixed_split_fields(vorlix::Form::defaults(vorlix::fixed_split_page_spec()));
    f.lines = std::move(rows);
    return f;
}

void BM_PccFixed64(benchmark::State& state) {
    const vorlix::LoadBalanceFields f = load_fields(fixed_rows(64, false));
    for (auto _ : state) benchmark::DoNotOptimize(vorlix::generate_fixed_load(f, vorlix::Balancing::pcc));
}
BENCHMARK(BM_PccFixed64)->Unit(benchmark::kMicrosecond);

void BM_PccPppoe64(benchmark::State& state) {
    const vorlix::LoadBalanceFields f = load_fields(pppoe_rows(64, false));
    for (auto _ : state) benchmark::DoNotOptimize(vorlix::generate_pppoe_load(f, vorlix::Balancing::pcc));
}
BENCHMARK(BM_PccPppoe64)->Unit(benchmark::kMicrosecond);

void BM_SplitFixed64(benchmark::State& state) {
    const vorlix::SplitRoutingFields f = split_fields(fixed_rows(64, true));
    for (auto _ : state) benchmark::DoNotOptimize(vorlix::generate_fixed_split(f));
}
BENCHMARK(BM_SplitFixed64)->Unit(benchmark::kMicrosecond);

void BM_SplitPppoe64(benchmark::State& state) {
    const vorlix::SplitRoutingFields f = split_fields(pppoe_rows(64, true));
    for (auto _ : state) benchmark::DoNotOptimize(vorlix::generate_pppoe_split(f));
}
BENCHMARK(BM_SplitPppoe64)->Unit(benchmark::kMicrosecond);

}  // namespace
