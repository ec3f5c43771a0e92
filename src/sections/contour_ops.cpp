#include "sections/contour_ops.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace bxr {

namespace {

// A damaged count must not walk past the model's room.
int PointCount(const BeamModel& model) {
    return std::min<int>(model.contourCount, kMaxContourPoints);
}

}  // namespace

void MirrorContourZ(BeamModel& model) {
    const int n = PointCount(model);
    for (int i = 1; i <= n; ++i) {
        model.contour[i].y = -model.contour[i].y;
        model.contour[i].arcAngle = -model.contour[i].arcAngle;
    }
}

void MirrorContourY(BeamModel& model) {
    const int n = PointCount(model);
    for (int i = 1; i <= n; ++i) {
        model.contour[i].z = -model.contour[i].z;
        model.contour[i].arcAngle = -model.contour[i].arcAngle;
    }
}

void ReverseContour(BeamModel& model) {
    const int n = PointCount(model);
    auto& c = model.contour;
    for (int i = 1; i <= n / 2; ++i) {
        std::swap(c[i].y, c[n + 1 - i].y);
        std::swap(c[i].z, c[n + 1 - i].z);
        // The arc of edge i ends up on edge n - i, which is the same edge walked backwards.
        std::swap(c[i].arcAngle, c[n - i].arcAngle);
    }
    for (int i = 1; i <= n; ++i) c[i].arcAngle = -c[i].arcAngle;
}

void TransformContour(BeamModel& model, Real angleDeg, Real shiftY, Real shiftZ, Real scaleY,
                      Real scaleZ) {
    const Real angle = angleDeg * std::numbers::pi_v<Real> / 180;
    const Real c = std::cos(angle);
    const Real s = std::sin(angle);
    const int n = PointCount(model);
    // Scales of opposite signs mirror the contour; an arc keeps its shape only when its sweep
    // turns the other way too, as in the mirror commands.
    const bool mirrored = (scaleY < 0) != (scaleZ < 0);
    for (int i = 1; i <= n; ++i) {
        if (mirrored) model.contour[i].arcAngle = -model.contour[i].arcAngle;
        const Real y = scaleY * model.contour[i].y;
        const Real z = scaleZ * model.contour[i].z;
        model.contour[i].y = shiftY + y * c - z * s;
        model.contour[i].z = shiftZ + y * s + z * c;
    }
}

}  // namespace bxr
