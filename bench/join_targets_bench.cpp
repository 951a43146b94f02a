// Cost of joining a multiple selection of targets, per selected file.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "base_paths.h"

namespace {

void BM_JoinTargets(benchmark::State& state) {
    const std::string base = "C:\\Projects\\CD_Temp";
    const std::string folder = base + "\\docs\\chapters";
    std::vector<std::string> selected;
    for (int i = 0; i < state.range(0); ++i)
        selected.push_back(folder + "\\chapter-" + std::to_string(i) + ".html");
    for (auto _ : state) benchmark::DoNotOptimize(plivora::JoinTargets(folder, selected, base));
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.counters["per_file"] = benchmark::Counter(
        static_cast<double>(state.iterations() * state.range(0)),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_JoinTargets)->Arg(10)->Arg(1000)->Arg(10000);

}  // namespace
