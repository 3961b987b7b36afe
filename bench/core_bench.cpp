#include <benchmark/benchmark.h>

#include "script/encoding.hpp"
#include "script/ros_escape.hpp"

namespace {

// One megabyte of a typical comment mix: ASCII words, blanks and Chinese (as GBK bytes).
std::string mixed_text(std::size_t size) {
    const std::string piece = vorlix::utf8_to_gbk("PPPoE 用户 user-01 到期提醒, ");
    std::string out;
    while (out.size() < size) out += piece;
    out.resize(size);
    return out;
}

void BM_RosEscape1MB(benchmark::State& state) {
    const std::string text = mixed_text(1 << 20);
    for (auto _ : state) benchmark::DoNotOptimize(vorlix::ros_escape(text));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_RosEscape1MB)->Unit(benchmark::kMillisecond);

}  // namespace
