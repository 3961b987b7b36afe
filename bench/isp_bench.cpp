// Generation time of the longest carrier outputs: the route-table window over all_china in its three
// modes, and the dual-line page's route table with Netcom primary (the whole Telecom list).
#include <benchmark/benchmark.h>

#include "generators/wan/DualLineTelecomNetcom.hpp"
#include "script/isp_lists.hpp"
#include "windows/core/RouteTable.hpp"

namespace {

using namespace vorlix;

void BM_RouteTableAllChina(benchmark::State& state, RouteTableMode mode) {
    const RouteTableFields f{.list = IspList::all_china,
                             .mode = mode,
                             .gateway = "10.0.0.1",
                             .type = "unicast",
                             .scope = "30",
                             .rule_action = "lookup",
                             .rule_table = "main",
                             .list_name = "novpn"};
    std::size_t bytes = 0;
    for (auto _ : state) {
        const Result r = generate_route_table(f);
        bytes = r.script.size();
        benchmark::DoNotOptimize(r);
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(isp_list_entries(IspList::all_china).size()));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(bytes));
}
BENCHMARK_CAPTURE(BM_RouteTableAllChina, route, RouteTableMode::route)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_RouteTableAllChina, rule, RouteTableMode::rule)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_RouteTableAllChina, address_list, RouteTableMode::address_list)->Unit(benchmark::kMicrosecond);

void BM_DualLineRoutesNetcomPrimary(benchmark::State& state) {
    const DualLineRouteFields f{"218.85.150.1", "210.13.100.1", false};
    for (auto _ : state) benchmark::DoNotOptimize(generate_dual_line_routes(f));
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(isp_list_entries(IspList::telecom).size()));
}
BENCHMARK(BM_DualLineRoutesNetcomPrimary)->Unit(benchmark::kMicrosecond);

}  // namespace
