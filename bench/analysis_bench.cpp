// The whole calculation of a loaded shaft: five supports at N = 1500 with every kind of
// load, buckling and natural frequency on, and a contour that expands to 490 polygon points;
// a two-support beam at N = 1000; the literal solver on a small five-support beam for
// comparison with the fast one; the shaft whose loads point all round the circle; and the
// family of three- to five-support beams, with its median and worst beam.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <memory>
#include <numbers>
#include <string>
#include <vector>

#include "analysis/run_analysis.h"
#include "beam_family.h"
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

// The shaft whose loads point all round the circle.
void BM_AllRoundShaftN1500(benchmark::State& state) {
    auto ws = bxr::family::AllRoundShaft();
    for (auto _ : state) {
        ws->abortFlag = false;
        bxr::RunAnalysis(*ws);
        benchmark::DoNotOptimize(ws->results.reactions.R[0]);
    }
    if (ws->abortFlag) state.SkipWithError("the calculation stopped");
}
BENCHMARK(BM_AllRoundShaftN1500)->Unit(benchmark::kMillisecond);

// The processor time of this thread: on a machine shared with other work the wall clock
// counts their time too.
double ThreadMilliseconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) * 1e-6;
}

// Every beam of the family once per round; a beam's time is the least processor time of its
// rounds, so that the work of other programs on the machine counts as little as it can.
// Reports the median and the worst beam, and the seed of the worst in the label (rerun it
// with bxr::family::FamilyBeam).
void Family(benchmark::State& state, int supportType, int beams) {
    constexpr int kRounds = 3;
    std::vector<double> best(static_cast<std::size_t>(beams), 1e300);
    int stopped = 0;
    for (auto _ : state) {
        for (int round = 0; round < kRounds; ++round) {
            for (int i = 0; i < beams; ++i) {
                auto ws = bxr::family::FamilyBeam(supportType, bxr::family::SeedOf(supportType, i));
                const double start = ThreadMilliseconds();
                bxr::RunAnalysis(*ws);
                const double t = ThreadMilliseconds() - start;
                best[static_cast<std::size_t>(i)] = std::min(best[static_cast<std::size_t>(i)], t);
                if (round == 0 && ws->abortFlag) ++stopped;
            }
        }
    }
    std::vector<double> sorted = best;
    std::sort(sorted.begin(), sorted.end());
    const auto worst = std::max_element(best.begin(), best.end()) - best.begin();
    state.counters["beams"] = beams;
    state.counters["median_ms"] = sorted[sorted.size() / 2];
    state.counters["worst_ms"] = sorted.back();
    state.SetLabel("worst seed " +
                   std::to_string(bxr::family::SeedOf(supportType, static_cast<int>(worst))));
    state.counters["stopped"] = stopped;
}

// The five-support family as stepped shafts of twelve sections beside the same beams
// prismatic: the stepped beam's time over the prismatic one's, median and worst.
void BM_FamilyFiveSupportsStepped(benchmark::State& state) {
    constexpr int kRounds = 3, kBeams = 100;
    std::vector<double> plain(kBeams, 1e300), stepped(kBeams, 1e300);
    for (auto _ : state) {
        for (int round = 0; round < kRounds; ++round) {
            for (int i = 0; i < kBeams; ++i) {
                const std::uint64_t seed = bxr::family::SeedOf(bxr::kFiveHinges, i);
                for (int kind = 0; kind < 2; ++kind) {
                    auto ws = bxr::family::FamilyBeam(bxr::kFiveHinges, seed);
                    if (kind == 1) bxr::family::MakeStepped(ws->model, seed);
                    const double start = ThreadMilliseconds();
                    bxr::RunAnalysis(*ws);
                    const double t = ThreadMilliseconds() - start;
                    auto& best = kind == 0 ? plain : stepped;
                    best[static_cast<std::size_t>(i)] = std::min(best[static_cast<std::size_t>(i)], t);
                }
            }
        }
    }
    std::vector<double> ratio(kBeams), times = stepped;
    for (std::size_t i = 0; i < ratio.size(); ++i) ratio[i] = stepped[i] / plain[i];
    std::sort(ratio.begin(), ratio.end());
    std::sort(times.begin(), times.end());
    state.counters["median_ratio"] = ratio[ratio.size() / 2];
    state.counters["worst_ratio"] = ratio.back();
    state.counters["median_ms"] = times[times.size() / 2];
    state.counters["worst_ms"] = times.back();
}
BENCHMARK(BM_FamilyFiveSupportsStepped)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_FamilyFiveSupports(benchmark::State& state) {
    Family(state, bxr::kFiveHinges, 200);
}
BENCHMARK(BM_FamilyFiveSupports)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_FamilyFourSupports(benchmark::State& state) {
    Family(state, bxr::kFourHinges, 100);
}
BENCHMARK(BM_FamilyFourSupports)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_FamilyThreeSupports(benchmark::State& state) {
    Family(state, bxr::kThreeHinges, 100);
}
BENCHMARK(BM_FamilyThreeSupports)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
