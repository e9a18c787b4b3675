// What zovamagnetic.select(10, 100, figures=True) runs before its answer
// becomes Python objects: the tool's 'select --format json --figures' in
// process, the selection, the figures of its 203 candidates and their JSON.
// bench/design_bench times the selection and the figures alone.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "cli/commands.h"

namespace {

void BM_SelectFiguresJson(benchmark::State& state) {
    zova::LoadCatalogue();
    // The arguments the module passes for select(10, 100, figures=True).
    const std::vector<std::string> args = {"select", "--current=10", "--inductance=100", "--stack=1",
                                           "--format=json", "--figures"};
    for (auto _ : state) {
        zova::cli::CliResult got = zova::cli::RunCli(args);
        benchmark::DoNotOptimize(got);
        if (got.exitCode != zova::cli::kExitOk || got.out.size() < 1000000) {
            state.SkipWithError("unexpected outcome");
            break;
        }
    }
}

BENCHMARK(BM_SelectFiguresJson)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
