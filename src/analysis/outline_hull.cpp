#include "analysis/outline_hull.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "analysis/stresses.h"

namespace bxr {

namespace {

// Twice the signed area of o, a, b: positive for a left turn.
template <typename P>
Real Cross(const P& o, const P& a, const P& b) {
    return (a.dy - o.dy) * (b.dz - o.dz) - (a.dz - o.dz) * (b.dy - o.dy);
}

bool SameSection(const SectionProperties& a, const SectionProperties& b) {
    return a.ys == b.ys && a.zs == b.zs && a.Ieta == b.Ieta && a.Izeta == b.Izeta &&
           a.Iez == b.Iez && a.phi == b.phi && a.I1 == b.I1 && a.I2 == b.I2;
}

bool SamePolygon(const ExpandedPolygon& a, const ExpandedPolygon& b) {
    if (a.count != b.count) return false;
    for (int i = 1; i <= a.count; ++i) {
        const PolygonPoint& p = a.points[static_cast<std::size_t>(i)];
        const PolygonPoint& q = b.points[static_cast<std::size_t>(i)];
        if (!(p.y == q.y && p.z == q.z)) return false;
    }
    return true;
}

// The direction of (y, z) in (-π, π], as atan2 gives it, from the arctangent of the ratio:
// the library's atan2 costs twice as much, and a direction within 1e-9 of an edge's normal
// is looked at from both sides anyway.
double Direction(double y, double z) {
    constexpr double kPiD = std::numbers::pi;
    if (y > 0) return std::atan(z / y);
    if (y < 0) return z >= 0 ? std::atan(z / y) + kPiD : std::atan(z / y) - kPiD;
    return z > 0 ? kPiD / 2 : z < 0 ? -kPiD / 2 : 0;
}

}  // namespace

void OutlineHull::Build(const SectionProperties& section, const ExpandedPolygon& outline) {
    if (built_ && SameSection(section, props_) && SamePolygon(outline, polygon_)) return;
    built_ = true;
    props_ = section;
    polygon_ = outline;
    const SectionProperties& p = props_;
    const ExpandedPolygon& polygon = polygon_;
    cornerCount_ = 0;
    auto regular = [](Real v) { return std::isfinite(v) && v != 0; };
    usable_ = regular(p.Izeta) && regular(p.Ieta) && regular(p.I1) && regular(p.I2) &&
              std::isfinite(p.Iez) && std::isfinite(p.phi) && std::isfinite(p.ys) &&
              std::isfinite(p.zs);
    cosPhi_ = std::cos(p.phi);
    sinPhi_ = std::sin(p.phi);
    std::array<Corner, kMaxPolygonPoints + 1> points{};
    int count = 0;
    for (int i = 1; i <= polygon.count && count <= kMaxPolygonPoints; ++i) {
        const PolygonPoint& q = polygon.points[static_cast<std::size_t>(i)];
        points[static_cast<std::size_t>(count++)] = {q.y - p.ys, q.z - p.zs, i, {}};
    }
    if (count == 0) {
        dyMax_ = dyMin_ = dzMax_ = dzMin_ = 0;
        return;
    }
    Corner hiY = points[0], loY = points[0], hiZ = points[0], loZ = points[0];
    for (int i = 1; i < count; ++i) {
        const Corner& c = points[static_cast<std::size_t>(i)];
        if (c.dy > hiY.dy) hiY = c;
        if (c.dy < loY.dy) loY = c;
        if (c.dz > hiZ.dz) hiZ = c;
        if (c.dz < loZ.dz) loZ = c;
    }
    dyMax_ = hiY.point;
    dyMin_ = loY.point;
    dzMax_ = hiZ.point;
    dzMin_ = loZ.point;

    // Convex hull by the monotone chain, counterclockwise, collinear points left out.
    std::sort(points.begin(), points.begin() + count, [](const Corner& a, const Corner& b) {
        return a.dy < b.dy || (a.dy == b.dy && a.dz < b.dz);
    });
    std::array<int, 2 * (kMaxPolygonPoints + 1)> hull{};  // indices into points
    int h = 0;
    auto turnsLeft = [&](int c) {
        return Cross(points[static_cast<std::size_t>(hull[static_cast<std::size_t>(h - 2)])],
                     points[static_cast<std::size_t>(hull[static_cast<std::size_t>(h - 1)])],
                     points[static_cast<std::size_t>(c)]) > 0;
    };
    for (int i = 0; i < count; ++i) {  // lower chain
        while (h >= 2 && !turnsLeft(i)) --h;
        hull[static_cast<std::size_t>(h++)] = i;
    }
    for (int i = count - 2, lower = h + 1; i >= 0; --i) {  // upper chain
        while (h >= lower && !turnsLeft(i)) --h;
        hull[static_cast<std::size_t>(h++)] = i;
    }
    --h;                // the first point closes the chain
    if (h < 3) return;  // no area: Largest visits every point

    int first = 0;
    for (int j = 0; j < h; ++j) {
        const Corner& a = points[static_cast<std::size_t>(hull[static_cast<std::size_t>(j)])];
        const Corner& b =
            points[static_cast<std::size_t>(hull[static_cast<std::size_t>((j + 1) % h)])];
        corners_[static_cast<std::size_t>(j)] = a;
        // The outward normal of a counterclockwise edge (ey, ez) is (ez, -ey).
        edgeAngle_[static_cast<std::size_t>(j)] =
            std::atan2(static_cast<double>(a.dy - b.dy), static_cast<double>(b.dz - a.dz));
        if (edgeAngle_[static_cast<std::size_t>(j)] < edgeAngle_[static_cast<std::size_t>(first)])
            first = j;
    }
    // Start with the edge of the smallest outward direction, so that the directions rise.
    std::rotate(corners_.begin(), corners_.begin() + first, corners_.begin() + h);
    std::rotate(edgeAngle_.begin(), edgeAngle_.begin() + first, edgeAngle_.begin() + h);
    cornerCount_ = h;
    for (int j = 0; j < h; ++j) {
        Corner& c = corners_[static_cast<std::size_t>(j)];
        const PolygonPoint& q = polygon.points[static_cast<std::size_t>(c.point)];
        c.at = PrincipalOffsetOf(p, q.y, q.z);
    }
}

void OutlineHull::Gradient(Real mbXy, Real mbXz, Real& gy, Real& gz) const {
    const SectionProperties& p = props_;
    if (std::fabs(p.Iez) < 1e-5L) {
        gy = -mbXy / p.Izeta;
        gz = -mbXz / p.Ieta;
        return;
    }
    // In the principal axes the stress is a·u + b·v with u = dy·c + dz·s, v = dz·c - dy·s.
    const Real c = cosPhi_, s = sinPhi_;
    const Real m1 = mbXy * c - mbXz * s;
    const Real m2 = mbXz * c + mbXy * s;
    const Real absI1 = std::fabs(p.I1), absI2 = std::fabs(p.I2);
    const bool etaLarger = std::fabs(p.Ieta) > std::fabs(p.Izeta);
    const Real a = etaLarger ? m1 / absI2 : -m1 / absI1;
    const Real b = etaLarger ? -m2 / absI1 : m2 / absI2;
    gy = a * c - b * s;
    gz = a * s + b * c;
}

Real OutlineHull::CornerStress(int j, Real mbXy, Real mbXz) const {
    const Corner& c = corners_[static_cast<std::size_t>(j)];
    if (std::fabs(props_.Iez) < 1e-5L) return StressAt(c.point, mbXy, mbXz);
    return PrincipalBendingStress(props_, cosPhi_, sinPhi_, c.at, mbXy, mbXz);
}

Real OutlineHull::StressAt(int point, Real mbXy, Real mbXz) const {
    const PolygonPoint& q = polygon_.points[static_cast<std::size_t>(point)];
    return PointBendingStress(props_, q.y, q.z, mbXy, mbXz);
}

BendingStresses OutlineHull::Largest(Real mbXy, Real mbXz) const {
    BendingStresses s;
    if (!built_ || polygon_.count == 0) return s;
    const SectionProperties& p = props_;
    if (!usable_) {
        // Section values that make the stress infinite or undefined: the hull has nothing to
        // say about them, so every point is visited.
        for (int i = 1; i <= polygon_.count; ++i) {
            const PolygonPoint& q = polygon_.points[static_cast<std::size_t>(i)];
            s.combined = std::max(s.combined, StressAt(i, mbXy, mbXz));
            s.xy = std::max(s.xy, mbXy * (q.y - p.ys) / p.Izeta);
            s.xz = std::max(s.xz, mbXz * (q.z - p.zs) / p.Ieta);
        }
        return s;
    }
    // Rounding is monotonic, so the largest of Mb·d/I over the points is taken at the
    // largest or the smallest offset, by the sign of Mb/I, exactly as a visit of every point
    // finds it.
    auto plane = [&](Real moment, int hi, int lo, bool y, Real inertia) {
        const int point = (moment > 0) == (inertia > 0) ? hi : lo;
        const PolygonPoint& q = polygon_.points[static_cast<std::size_t>(point)];
        const Real d = y ? q.y - p.ys : q.z - p.zs;
        return std::max(Real(0), moment * d / inertia);
    };
    s.xy = plane(mbXy, dyMax_, dyMin_, true, p.Izeta);
    s.xz = plane(mbXz, dzMax_, dzMin_, false, p.Ieta);

    if (cornerCount_ < 3) {
        for (int i = 1; i <= polygon_.count; ++i)
            s.combined = std::max(s.combined, StressAt(i, mbXy, mbXz));
        return s;
    }
    Real gy = 0, gz = 0;
    Gradient(mbXy, mbXz, gy, gz);
    if (gy == 0 && gz == 0) {
        s.combined = std::max(s.combined, CornerStress(0, mbXy, mbXz));
        return s;
    }
    const double direction = Direction(static_cast<double>(gy), static_cast<double>(gz));
    // Corner j is farthest in the directions between the normals of edges j - 1 and j.
    const auto begin = edgeAngle_.begin();
    int j = static_cast<int>(std::lower_bound(begin, begin + cornerCount_, direction) - begin);
    if (j == cornerCount_) j = 0;
    s.combined = std::max(s.combined, CornerStress(j, mbXy, mbXz));
    // A direction within rounding of an edge's normal may name either end of the edge.
    auto near = [&](int edge) {
        double gap = std::fabs(direction - edgeAngle_[static_cast<std::size_t>(edge)]);
        if (gap > std::numbers::pi) gap = 2 * std::numbers::pi - gap;  // across the ±π seam
        return gap < 1e-9;
    };
    const int before = (j + cornerCount_ - 1) % cornerCount_;
    const int after = (j + 1) % cornerCount_;
    if (near(before)) s.combined = std::max(s.combined, CornerStress(before, mbXy, mbXz));
    if (near(j)) s.combined = std::max(s.combined, CornerStress(after, mbXy, mbXz));
    return s;
}

}  // namespace bxr
