// The script pane with generator-sized texts: setScript of 1 MB and 5 MB, painted once as the user
// would see it.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <string>

#include "app/ScriptPane.hpp"

namespace {

// A script of about `size` bytes: firewall lines with escaped comments, CR LF between them.
std::string script_of(std::size_t size) {
    std::string out;
    for (int i = 0; out.size() < size; ++i)
        out += "/ip firewall filter add chain=forward src-address=10.0." + std::to_string(i % 256) + "." +
               std::to_string(i % 250 + 1) + " action=drop comment=\"\\D6\\D0\\CE\\C4-" + std::to_string(i) + "\"\r\n";
    return out;
}

void BM_ScriptPaneSetScript(benchmark::State& state) {
    const std::string text = script_of(static_cast<std::size_t>(state.range(0)) << 20);
    vorlix::ScriptPane pane;
    pane.resize(950, 180);
    pane.show();
    for (auto _ : state) {
        pane.setScript(text);
        QApplication::processEvents();  // lay out and paint what is visible
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
    state.counters["lines"] = pane.lineCount();
}
BENCHMARK(BM_ScriptPaneSetScript)->Arg(1)->Arg(5)->Unit(benchmark::kMillisecond);

void BM_ScriptPaneReadBack(benchmark::State& state) {
    const std::string text = script_of(static_cast<std::size_t>(state.range(0)) << 20);
    vorlix::ScriptPane pane;
    pane.setScript(text);
    for (auto _ : state) benchmark::DoNotOptimize(pane.script());
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_ScriptPaneReadBack)->Arg(5)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
