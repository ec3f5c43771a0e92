// Section values of a contour near the polygon limit: a 100 x 60 rectangle with four rounded
// corners whose quarter arcs, at 0.75 degrees per chord, expand to 490 polygon points.
#include <benchmark/benchmark.h>

#include <numbers>

#include "model/calc_messages.h"
#include "model/beam_model.h"
#include "format/output_settings.h"
#include "sections/compute_section.h"
#include "model/section_properties.h"

namespace {

using bxr::Real;

bxr::BeamModel RoundedRectangle() {
    const Real quarter = std::numbers::pi_v<Real> / 2;
    const bxr::ContourPoint points[] = {
        {8, 0, 0},        {92, 0, quarter}, {100, 8, 0},     {100, 52, quarter}, {92, 60, 0},
        {8, 60, quarter}, {0, 52, 0},       {0, 8, quarter}, {8, 0, 0},
    };
    bxr::BeamModel model;
    int n = 0;
    for (const auto& p : points) model.contour[++n] = p;
    model.contourCount = static_cast<std::uint16_t>(n);
    model.arcDivision = 0.75L;
    return model;
}

void BM_ComputeSectionProperties(benchmark::State& state) {
    const bxr::BeamModel model = RoundedRectangle();
    const bxr::OutputSettings settings;
    bxr::SectionState section;
    bxr::CalcMessages messages;
    for (auto _ : state) {
        bxr::ComputeSectionProperties(model, settings, section, messages);
        benchmark::DoNotOptimize(section.props.I1);
    }
    if (messages.fatal || section.polygon.count != 490)
        state.SkipWithError("the contour did not expand to 490 points");
    state.counters["points"] = section.polygon.count;
}
BENCHMARK(BM_ComputeSectionProperties);

}  // namespace
