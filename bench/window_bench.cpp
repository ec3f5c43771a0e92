// The window's speed: opening the gear-shaft example to a drawn window (goal under 1 s) and
// repainting the stacked deflection diagram of 1500 segments (goal under 30 ms). Runs on Qt's
// offscreen platform.
#include <benchmark/benchmark.h>

#include "analysis/run_analysis.h"
#include "gui/main_window.h"
#include "gui/window_entry.h"

namespace {

using namespace bxr;

void App() {
    gui::EnsureOffscreenApplication();
}

const std::string kExample = std::string(BXR_SOURCE_DATA_DIR) + "/getriebewelle.bxr";

void BM_OpenExampleToDrawnWindow(benchmark::State& state) {
    App();
    for (auto _ : state) {
        gui::MainWindow w;
        w.resize(1024, 720);
        CommandLine cl;
        cl.form = CommandLine::Form::Plain;
        cl.file = kExample;
        StartSession(w.session(), cl, "/tmp", BXR_SOURCE_DATA_DIR);
        w.graphics()->PrepareForDrawing();
        RedrawCurrentView(w.session());
        benchmark::DoNotOptimize(w.graphics()->Render());
    }
}
BENCHMARK(BM_OpenExampleToDrawnWindow)->Unit(benchmark::kMillisecond);

void BM_RepaintStackedDiagram1500(benchmark::State& state) {
    App();
    gui::MainWindow w;
    w.resize(1024, 720);
    CommandLine cl;
    cl.form = CommandLine::Form::Plain;
    cl.file = kExample;
    StartSession(w.session(), cl, "/tmp", BXR_SOURCE_DATA_DIR);
    Session& s = w.session();
    s.ws.model.segmentCount = 1500;
    RunAnalysis(s.ws);
    w.graphics()->PrepareForDrawing();
    RunDrawing(s.ws, 34, static_cast<int>(CadOutput::Window), s.drawingServices());
    state.counters["records"] = static_cast<double>(s.window.records().size());
    for (auto _ : state) benchmark::DoNotOptimize(w.graphics()->Render());
}
BENCHMARK(BM_RepaintStackedDiagram1500)->Unit(benchmark::kMillisecond);

}  // namespace
