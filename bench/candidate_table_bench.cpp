// Filling the design workbench's comparison from the 1 A / 10 µH selection,
// which lists 402 cores: the figures alone, the window's first slice (what
// holds the window before it next paints) and the whole fill with the table
// view. The first slice should stay within a frame or two (16–33 ms).
// Run on the offscreen platform unless QT_QPA_PLATFORM says otherwise.
#include <benchmark/benchmark.h>

#include <QAbstractItemModel>
#include <QApplication>
#include <QTableView>
#include <memory>

#include "catalogue/catalogue.h"
#include "commands/selection_command.h"
#include "presentation/candidate_table.h"
#include "ui/frm_design.h"

namespace {

constexpr std::size_t kLines = 402;

std::shared_ptr<const zova::SelectionOutcome> run() {
    auto got = std::make_shared<const zova::SelectionOutcome>(zova::SelectCores("1", "10", "1"));
    return got->cores.size() == kLines ? got : nullptr;
}

void BM_CandidateRows402(benchmark::State& state) {
    const auto selection = run();
    if (!selection) return state.SkipWithError("the run did not list 402 cores");
    for (auto _ : state) {
        zova::CandidateRowsOutcome rows = zova::CandidateRows(*selection, 0, kLines);
        benchmark::DoNotOptimize(rows);
    }
}

// ShowRun computes the first slice before it returns; the rest come between events.
void BM_WindowFirstSlice402(benchmark::State& state) {
    zova::ui::FrmDesign window;
    window.show();
    QAbstractItemModel* model = window.findChild<QTableView*>("grdCandidates")->model();
    for (auto _ : state) {
        state.PauseTiming();
        const auto selection = run();  // a new run each time: the same one is not filled again
        if (!selection) return state.SkipWithError("the run did not list 402 cores");
        state.ResumeTiming();
        window.ShowRun(selection);
        state.PauseTiming();
        while (model->rowCount() < static_cast<int>(kLines)) QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_WindowFirstSlice402)->Unit(benchmark::kMillisecond);

void BM_WindowWholeFill402(benchmark::State& state) {
    zova::ui::FrmDesign window;
    window.show();
    QAbstractItemModel* model = window.findChild<QTableView*>("grdCandidates")->model();
    for (auto _ : state) {
        state.PauseTiming();
        const auto selection = run();
        if (!selection) return state.SkipWithError("the run did not list 402 cores");
        state.ResumeTiming();
        window.ShowRun(selection);
        while (model->rowCount() < static_cast<int>(kLines)) QApplication::processEvents();
        QApplication::processEvents();  // the view's repaint
    }
}

}  // namespace

BENCHMARK(BM_CandidateRows402)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WindowWholeFill402)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    zova::LoadCatalogue();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
