// Beams for the analysis tests: a solid rectangle 60 mm high (y) and 40 mm wide (z), steel.
// Izeta = 40·60³/12 = 720000 mm⁴, Ieta = 60·40³/12 = 320000 mm⁴, A = 2400 mm².
#pragma once

#include <memory>

#include "model/beam_model.h"
#include "workspace/workspace.h"

namespace bxr::test {

inline constexpr long double kIzeta = 720000;
inline constexpr long double kIeta = 320000;
inline constexpr long double kE = 210000;

inline std::unique_ptr<Workspace> RectangleBeam(Real length, int supportType) {
    auto ws = std::make_unique<Workspace>();
    BeamModel& m = ws->model;
    m.length = length;
    m.contourCount = 4;
    m.contour[1] = {-30, -20, 0};
    m.contour[2] = {30, -20, 0};
    m.contour[3] = {30, 20, 0};
    m.contour[4] = {-30, 20, 0};
    m.supportType = static_cast<std::uint16_t>(supportType);
    m.supportX = {0, length, 0, 0, 0};
    m.clampX = 0;
    m.segmentCount = 1000;
    m.bucklingOn = false;
    m.dunkerleyOn = false;
    return ws;
}

inline void AddPointLoad(BeamModel& m, Real f, Real x, Real angle) {
    m.pointLoads[++m.pointLoadCount] = PointLoad{f, x, angle, "F"};
}

inline void AddUniformLoad(BeamModel& m, Real q, Real x1, Real x2, Real angle) {
    m.distributedLoads[++m.distributedLoadCount] = DistributedLoad{q, x1, x2, angle, "q"};
}

inline bool HasMessage(const Workspace& ws, const std::string& text) {
    for (const auto& e : ws.messages.entries)
        if (e == text) return true;
    return false;
}

}  // namespace bxr::test
