#include "model/beam_model.h"

#include "model/shaft_sections.h"

#include <algorithm>
#include <cmath>

namespace bxr {

void Initialise(BeamModel& model) { model = BeamModel{}; }

void ResetGeometry(BeamModel& model) {
    model.contourCount = 0;
    model.notchZoneCount = 0;
    model.shaftSectionCount = 0;
    model.length = 0;
}

void ResetLoads(BeamModel& model) {
    model.pointLoadCount = 0;
    model.distributedLoadCount = 0;
    model.momentLoadCount = 0;
    model.axialLoadCount = 0;
}

void ResetContour(BeamModel& model) {
    model.contourCount = 0;
    for (auto& p : model.contour) p = ContourPoint{999, 999, 0};
    model.contour[0] = ContourPoint{0, 0, 0};
}

void RemoveAddedLoads(BeamModel& model) {
    // Never below zero: a damaged count must not turn into a negative list length.
    auto shrink = [](std::int32_t& count, int by) { count = std::max(0, count - by); };
    const auto type = model.supportType;
    if (type == kAngularContactPair) shrink(model.momentLoadCount, 2);
    if (model.selfWeightAsLoad) shrink(model.distributedLoadCount, SelfWeightLoadCount(model));
    if (type >= kThreeHinges && type <= kFiveHinges) shrink(model.pointLoadCount, 2);
    if (type == kFourHinges || type == kFiveHinges) shrink(model.pointLoadCount, 2);
    if (type == kFiveHinges) shrink(model.pointLoadCount, 2);
}

int PointIndex(const BeamModel& model, Real x) {
    const int n = model.segmentCount;
    if (model.length == 0) return 0;
    const Real raw = x / model.length * n;
    if (!(raw > 0)) return 0;  // also catches NaN
    if (raw >= n) return n;
    return static_cast<int>(std::nearbyint(raw));  // default rounding mode: halves to even
}

Real PointPosition(const BeamModel& model, int k) {
    k = std::clamp(k, 0, std::max(0, static_cast<int>(model.segmentCount)));
    if (model.segmentCount <= 0) return 0;
    return k * model.length / model.segmentCount;
}

OemString ComposeHeaderLine1(const OemString& drawingName, const OemString& drawingNumber) {
    return CutText(drawingName + "   " + "Zeich Nr" + ": " + drawingNumber, kHeaderLineLength);
}

OemString CutText(const OemString& text, std::size_t maxLength) {
    return text.size() > maxLength ? text.substr(0, maxLength) : text;
}

}  // namespace bxr
