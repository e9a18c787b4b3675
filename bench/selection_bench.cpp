// The whole selection command as the window runs it, in its typical case and in
// the case where no core reaches the target (the plain scan then tries each of
// the 469 cores at all 350 turn counts). The plain scan is timed beside it: it
// is the reference the command's pruned scan must match.
#include <benchmark/benchmark.h>

#include <string_view>

#include "catalogue/catalogue.h"
#include "commands/selection_command.h"

namespace {

using Command = zova::SelectionOutcome (*)(std::string_view, std::string_view, std::string_view);

// Fails the run rather than timing a command that has stopped doing its work.
void run(benchmark::State& state, Command command, const char* current, const char* inductance,
         zova::SelectionEnd end, std::size_t lines) {
    zova::LoadCatalogue();
    for (auto _ : state) {
        zova::SelectionOutcome got = command(current, inductance, "1");
        benchmark::DoNotOptimize(got);
        if (got.end != end || got.lines.size() != lines) {
            state.SkipWithError("unexpected outcome");
            break;
        }
    }
}

void BM_Typical(benchmark::State& state, Command command) {
    run(state, command, "10", "100", zova::SelectionEnd::Found, 203);
}
void BM_NoCoreReaches(benchmark::State& state, Command command) {
    run(state, command, "10", "100000", zova::SelectionEnd::NoResult, 0);
}

BENCHMARK_CAPTURE(BM_Typical, 10A_100uH, &zova::SelectCores)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_NoCoreReaches, 10A_100000uH, &zova::SelectCores)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Typical, 10A_100uH_plainScan, &zova::SelectCoresPlainScan)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_NoCoreReaches, 10A_100000uH_plainScan, &zova::SelectCoresPlainScan)
    ->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
