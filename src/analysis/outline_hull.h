// The largest bending stress over the section outline without visiting every outline point.
// The stress at an outline point is a linear function of its offsets from the centroid, so
// its largest value lies on a corner of the convex hull of the outline; which corner follows
// from the direction of the stress gradient by a binary search over the directions of the
// hull's edges. The few corners around the one found are then evaluated with the point
// formula itself, so the value is the one a visit of every point gives, to rounding.
#pragma once

#include <array>

#include "analysis/stresses.h"
#include "model/section_properties.h"

namespace bxr {

struct BendingStresses {
    Real combined = 0, xy = 0, xz = 0;  // each at least 0
};

class OutlineHull {
  public:
    // Built from the section values and the expanded outline, of which it keeps a copy; a
    // build for the same section as the last one keeps what it has.
    void Build(const SectionProperties& p, const ExpandedPolygon& polygon);

    // The largest bending stresses over the outline for the moments of one point: combined
    // as PointBendingStress gives it, xy = Mb_xy·dy/Izeta and xz = Mb_xz·dz/Ieta; each at
    // least 0.
    BendingStresses Largest(Real mbXy, Real mbXz) const;

  private:
    struct Corner {
        Real dy = 0, dz = 0;  // offset from the centroid
        int point = 0;        // index in the polygon
        PrincipalOffset at;   // of a hull corner: its offsets in the principal axes
    };
    // Gradient of the stress over the offsets (dy, dz) for the given moments.
    void Gradient(Real mbXy, Real mbXz, Real& gy, Real& gz) const;
    Real StressAt(int point, Real mbXy, Real mbXz) const;
    // StressAt of hull corner j, from the offsets kept for it.
    Real CornerStress(int j, Real mbXy, Real mbXz) const;

    bool built_ = false;
    bool usable_ = false;           // section values for which the hull finds the largest stress
    Real cosPhi_ = 1, sinPhi_ = 0;  // of the principal axes' angle
    SectionProperties props_;
    ExpandedPolygon polygon_;
    // The points of extreme dy and dz, where xy and xz are largest.
    int dyMax_ = 0, dyMin_ = 0, dzMax_ = 0, dzMin_ = 0;
    // Hull corners counterclockwise, starting with the corner whose following edge has the
    // smallest outward direction; edgeAngle_[j] is the direction of the outward normal of the
    // edge from corner j to corner j + 1, rising with j.
    std::array<Corner, kMaxPolygonPoints + 1> corners_{};
    std::array<double, kMaxPolygonPoints + 1> edgeAngle_{};
    int cornerCount_ = 0;
};

}  // namespace bxr
