// The whole calculation of a loaded shaft: five supports at N = 1500 with every kind of
// load, buckling and natural frequency on, and a contour that expands to 490 polygon points;
// a two-support beam at N = 1000; and the literal solver on a small five-support beam for
// comparison with the fast one.
#include <benchmark/benchmark.h>

#include <memory>
#include <numbers>

#include "analysis/run_analysis.h"
#include "workspace/workspace.h"

namespace {

using bxr::Real;

// A 100 x 60 rectangle with rounded corners: 490 polygon points at 0.75° per chord.
void RoundedRectangle(bxr::BeamModel& model) {
    const Real quarter = std::numbers::pi_v<Real> / 2;
    const bxr::ContourPoint points[] = {
        {8, 0, 0},        {92, 0, quarter}, {100, 8, 0},     {100, 52, quarter}, {92, 60, 0},
        {8, 60, quarter}, {0, 52, 0},       {0, 8, quarter}, {8, 0, 0},
    };
    int n = 0;
    for (const auto& p : points) model.contour[++n] = p;
    model.contourCount = static_cast<std::uint16_t>(n);
    model.arcDivision = 0.75L;
}

// 20 single forces, 49 distributed loads (plus the self weight), 20 moments, 10 axial
// forces, spread over the beam at varied angles.
std::unique_ptr<bxr::Workspace> LoadedShaft(int supportType, int segments) {
    auto ws = std::make_unique<bxr::Workspace>();
    bxr::BeamModel& m = ws->model;
    RoundedRectangle(m);
    m.length = 2000;
    m.segmentCount = segments;
    m.supportType = static_cast<std::uint16_t>(supportType);
    m.supportX = {40, 1960, 500, 1000, 1500};
    m.selfWeightAsLoad = true;
    m.bucklingOn = true;
    m.dunkerleyOn = true;
    for (int i = 1; i <= 20; ++i)
        m.pointLoads[++m.pointLoadCount] = {Real(500 + 40 * i), Real(95 * i), Real(17 * i), "F"};
    for (int i = 1; i <= 49; ++i)
        m.distributedLoads[++m.distributedLoadCount] = {Real(0.5L + 0.01L * i), Real(30 * i),
                                                        Real(30 * i + 400), Real(7 * i), "q"};
    for (int i = 1; i <= 20; ++i)
        m.momentLoads[++m.momentLoadCount] = {Real(20000 + 500 * i), Real(97 * i), Real(23 * i),
                                              "M"};
    for (int i = 1; i <= 10; ++i)
        m.axialLoads[++m.axialLoadCount] = {Real(i % 2 ? -800 : 600), Real(190 * i), "Fx"};
    return ws;
}

void Run(benchmark::State& state, int supportType, int segments, bxr::SolveMethod method) {
    auto ws = LoadedShaft(supportType, segments);
    ws->results.method = method;
    for (auto _ : state) {
        ws->abortFlag = false;
        bxr::RunAnalysis(*ws);
        benchmark::DoNotOptimize(ws->results.reactions.R[0]);
    }
    if (ws->abortFlag || ws->messages.fatal)
        state.SkipWithError(ws->messages.empty() ? "the calculation stopped"
                                                 : ws->messages.entries.front().c_str());
    state.counters["polygon"] = ws->section.polygon.count;
    state.counters["f_D"] = static_cast<double>(ws->results.frequency);
}

void BM_FiveSupportsN1500(benchmark::State& state) {
    Run(state, bxr::kFiveHinges, 1500, bxr::SolveMethod::kFast);
}
BENCHMARK(BM_FiveSupportsN1500)->Unit(benchmark::kMillisecond);

void BM_TwoSupportsN1000(benchmark::State& state) {
    Run(state, bxr::kTwoHinges, 1000, bxr::SolveMethod::kFast);
}
BENCHMARK(BM_TwoSupportsN1000)->Unit(benchmark::kMillisecond);

// The same small beam both ways: how much the fast solver saves.
void BM_FiveSupportsN100Fast(benchmark::State& state) {
    Run(state, bxr::kFiveHinges, 100, bxr::SolveMethod::kFast);
}
BENCHMARK(BM_FiveSupportsN100Fast)->Unit(benchmark::kMillisecond);

void BM_FiveSupportsN100Literal(benchmark::State& state) {
    Run(state, bxr::kFiveHinges, 100, bxr::SolveMethod::kLiteral);
}
BENCHMARK(BM_FiveSupportsN100Literal)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
