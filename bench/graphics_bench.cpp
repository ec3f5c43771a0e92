// Drawing speed: the display list of the largest drawing (the stacked diagram at 1500
// segments) should take under 20 ms, and any drawing written to any file format under 100 ms.
#include <benchmark/benchmark.h>

#include <cmath>
#include <string>

#include "graphics/diagram_drawing.h"
#include "graphics/display_list.h"
#include "graphics/drawing_output.h"
#include "graphics/section_drawing.h"
#include "graphics/window_sink.h"
#include "workspace/workspace.h"
#include "platform/file_system.h"
#include "sections/compute_section.h"

namespace {

using namespace bxr;

// A file system that keeps nothing, so that the benchmark measures the drawing and its text.
class NullFileSystem : public FileSystem {
  public:
    std::optional<std::string> Read(const std::string&, std::size_t) override { return {}; }
    std::unique_ptr<WriteHandle> Create(const std::string&) override {
        struct Handle : WriteHandle {
            bool Write(std::string_view) override { return true; }
            bool Close() override { return true; }
        };
        return std::make_unique<Handle>();
    }
    bool Rename(const std::string&, const std::string&) override { return true; }
    bool Remove(const std::string&) override { return true; }
    bool IsFile(const std::string&) override { return false; }
    bool IsFolder(const std::string&) override { return true; }
    std::optional<std::vector<std::string>> List(const std::string&) override { return {}; }
    std::optional<FileDate> ModificationDate(const std::string&) override { return {}; }
};

// Results of a beam of 1500 segments with wavy curves in every column.
const AnalysisResults& LargeResults() {
    static AnalysisResults r = [] {
        AnalysisResults a;
        a.stations.n = kMaxSegments;
        for (int k = 0; k <= kMaxSegments; ++k) {
            Station& s = a.stations[k];
            s.x = 2.0L * k;
            const Real t = k / 100.0L;
            s.Mb_xy = 1e5L * std::sin(t);
            s.Mb_xz = 5e4L * std::cos(t);
            s.Mb = std::hypot(s.Mb_xy, s.Mb_xz);
            s.phiMb = 10 * t;
            for (ExtremeRange* e : {&a.extremes.Mb_xy, &a.extremes.Mb_xz, &a.extremes.Mb})
                e->Update(e == &a.extremes.Mb_xy   ? s.Mb_xy
                          : e == &a.extremes.Mb_xz ? s.Mb_xz
                                                   : s.Mb);
        }
        return a;
    }();
    return r;
}

void BM_DisplayListStackedDiagram1500(benchmark::State& state) {
    BeamModel model;
    model.length = 3000;
    const CadSettings cad;
    const OutputSettings out;
    for (auto _ : state) {
        DisplayList list;
        bool abort = false;
        Drawing d(std::make_unique<WindowSink>(list, cad), CadOutput::Window, out, cad, abort);
        DrawDiagramSheet(d, 2, 4, {model, LargeResults()});
        d.Close();
        benchmark::DoNotOptimize(list.records().size());
    }
}
BENCHMARK(BM_DisplayListStackedDiagram1500)->Unit(benchmark::kMillisecond);

void BM_StackedDiagramToFile(benchmark::State& state) {
    const auto kind = static_cast<CadOutput>(state.range(0));
    BeamModel model;
    model.length = 3000;
    const CadSettings cad;
    const OutputSettings out;
    NullFileSystem fs;
    for (auto _ : state) {
        bool abort = false;
        DrawingTarget t;
        t.kind = kind;
        t.path = "bench." + OutputExtension(kind);
        t.fs = &fs;
        auto d = OpenDrawing(t, out, cad, abort);
        DrawDiagramSheet(*d, 2, 4, {model, LargeResults()});
        benchmark::DoNotOptimize(d->Close());
    }
    state.SetLabel(OutputExtension(kind));
}
BENCHMARK(BM_StackedDiagramToFile)
    ->Arg(static_cast<int>(CadOutput::Dxf))
    ->Arg(static_cast<int>(CadOutput::Iges))
    ->Arg(static_cast<int>(CadOutput::ElementText))
    ->Arg(static_cast<int>(CadOutput::Svg))
    ->Unit(benchmark::kMillisecond);

void BM_ProductionDrawingToFile(benchmark::State& state) {
    const auto kind = static_cast<CadOutput>(state.range(0));
    Workspace ws;
    const Real quarter = 1.5707963267948966192L;
    const ContourPoint points[] = {{8, 0, 0},   {92, 0, quarter}, {100, 8, 0}, {100, 52, quarter},
                                   {92, 60, 0}, {8, 60, quarter}, {0, 52, 0},  {0, 8, quarter}};
    for (const auto& p : points) ws.model.contour[++ws.model.contourCount] = p;
    ws.model.arcDivision = 1;
    ComputeSectionProperties(ws);
    const CadSettings cad;
    NullFileSystem fs;
    for (auto _ : state) {
        bool abort = false;
        DrawingTarget t;
        t.kind = kind;
        t.path = "bench." + OutputExtension(kind);
        t.fs = &fs;
        auto d = OpenDrawing(t, ws.output(), cad, abort);
        DrawSectionVariant(*d, 5, {ws.model, ws.section, ws.messages, ws.documentation, {}});
        benchmark::DoNotOptimize(d->Close());
    }
    state.SetLabel(OutputExtension(kind));
}
BENCHMARK(BM_ProductionDrawingToFile)
    ->Arg(static_cast<int>(CadOutput::Dxf))
    ->Arg(static_cast<int>(CadOutput::Iges))
    ->Arg(static_cast<int>(CadOutput::ElementText))
    ->Arg(static_cast<int>(CadOutput::Svg))
    ->Unit(benchmark::kMillisecond);

}  // namespace
