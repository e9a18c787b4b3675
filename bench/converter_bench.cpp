// A converter's inductor: the selection alone on the converter's peak current
// and inductance, and the whole converter command (operating point, selection,
// the DC and AC figures of every candidate, without the roll-off). Buck
// 5 V -> 3.3 V, 1 A, 500 kHz, r = 0.3 lists about 400 cores. The whole
// command should take at most three times the selection.
#include <benchmark/benchmark.h>

#include "catalogue/catalogue.h"
#include "commands/converter_command.h"
#include "commands/selection_command.h"

namespace {

const zova::ConverterTexts kBuck = {"buck", "5", "3.3", "1", "500", "", "", "1", ""};

void BM_ConverterSelectionAlone(benchmark::State& state) {
    zova::LoadCatalogue();
    const zova::ConverterOutcome reference = zova::RunConverter(kBuck);
    for (auto _ : state) {
        zova::SelectionOutcome got = zova::SelectCores(reference.currentText, reference.inductanceText, "1");
        benchmark::DoNotOptimize(got);
    }
    state.counters["candidates"] = static_cast<double>(reference.figures.size());
}

void BM_ConverterWithFigures(benchmark::State& state) {
    zova::LoadCatalogue();
    for (auto _ : state) {
        zova::ConverterOutcome got = zova::RunConverter(kBuck);
        benchmark::DoNotOptimize(got);
        if (got.end != zova::ConverterEnd::Found) {
            state.SkipWithError("unexpected outcome");
            break;
        }
    }
}

BENCHMARK(BM_ConverterSelectionAlone)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ConverterWithFigures)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
