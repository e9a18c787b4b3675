// The 10 A / 100 µH selection alone and with the design figures of all 203
// candidates, as 'select --figures' computes them. The figures should cost at
// most as much again as the selection.
#include <benchmark/benchmark.h>

#include "catalogue/catalogue.h"
#include "commands/selection_command.h"
#include "commands/design_command.h"

namespace {

void fillCatalogueOnce() {
    static const bool filled = [] {
        zova::FillCoreCatalogue();
        zova::FillCoreDimensions();
        return true;
    }();
    (void)filled;
}

void BM_SelectionAlone(benchmark::State& state) {
    fillCatalogueOnce();
    for (auto _ : state) {
        zova::SelectionOutcome got = zova::SelectCores("10", "100", "1");
        benchmark::DoNotOptimize(got);
        if (got.lines.size() != 203) {
            state.SkipWithError("unexpected outcome");
            break;
        }
    }
}

void BM_SelectionWithFigures(benchmark::State& state) {
    fillCatalogueOnce();
    for (auto _ : state) {
        zova::SelectionOutcome got = zova::SelectCores("10", "100", "1");
        zova::CandidateFigures figures = zova::FiguresOfCandidates(got);
        benchmark::DoNotOptimize(got);
        benchmark::DoNotOptimize(figures);
        if (figures.end != zova::DesignEnd::Found || figures.figures.size() != 203) {
            state.SkipWithError("unexpected outcome");
            break;
        }
    }
}

BENCHMARK(BM_SelectionAlone)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SelectionWithFigures)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
