#include "graphics/section_stress_view.h"

#include <algorithm>
#include <cmath>

#include "analysis/stresses.h"
#include "format/number_format.h"
#include "format/units.h"

namespace bxr {

Real OutlinePointStress(const SectionProperties& p, Real y, Real z, const Station& s) {
    return PointBendingStress(p, y, z, s.Mb_xy, s.Mb_xz) + s.sigZ;
}

namespace {

// Section (y, z) to the sheet: z to the right, y upwards.
struct Place {
    Real x, y;
};
Place P(Real y, Real z) {
    return {z, y};
}

void Axis(Drawing& d, Place from, Real dirX, Real dirY, Real length, const std::string& label,
          Real h) {
    const Place to{from.x + dirX * length, from.y + dirY * length};
    d.Line(from.x, from.y, to.x, to.y);
    d.Text(to.x + 0.3L * h, to.y + 0.3L * h, label);
}

}  // namespace

void DrawSectionStressView(Drawing& d, const SectionState& section, const Station& st) {
    const SectionExtents& ex = section.extents;
    const SectionProperties& p = section.props;
    const OutputSettings& out = d.output();
    const Real xmin = ex.zmin - 0.1L * ex.height, xmax = ex.zmax + 0.1L * ex.height;
    const Real ymin = ex.ymin - 0.1L * ex.width, ymax = ex.ymax + 0.1L * ex.width;
    d.Sheet(xmin, ymin, xmax, ymax);
    d.Tables(2);
    d.PageBegin();
    const Real e = std::min(xmax - xmin, ymax - ymin);
    const Real h = e / 45;
    const ExpandedPolygon& poly = section.polygon;

    d.Pen(5);
    for (int i = 1; i <= poly.count; ++i) {
        const Place q = P(poly.points[static_cast<std::size_t>(i)].y,
                          poly.points[static_cast<std::size_t>(i)].z);
        if (i == 1)
            d.PolylineBegin(q.x, q.y);
        else
            d.PolylineVertex(q.x, q.y);
    }
    d.PolylineEnd();
    d.Pen(2);
    for (int i = 1; i <= poly.count; ++i) {
        const Place q = P(poly.points[static_cast<std::size_t>(i)].y + st.w_xy,
                          poly.points[static_cast<std::size_t>(i)].z + st.w_xz);
        if (i == 1)
            d.PolylineBegin(q.x, q.y);
        else
            d.PolylineVertex(q.x, q.y);
    }
    d.PolylineEnd();

    const Place c = P(p.ys, p.zs);
    d.TextSize(0.8L * h, h);
    d.Pen(18);
    d.Circle(c.x, c.y, 0.01L * e);
    d.Text(c.x + 0.01L * e, c.y + 0.01L * e, "S");
    d.Pen(21);
    Axis(d, c, 0, 1, 1.2L * e, "y", h);
    Axis(d, c, 1, 0, 1.2L * e, "z", h);
    d.Pen(19);
    // The principal angle turns from y towards z: on the sheet from up towards the right.
    const Real sp = std::sin(p.phi), cp = std::cos(p.phi);
    Axis(d, c, sp, cp, e, "v", h);
    Axis(d, c, cp, -sp, e, "w", h);

    d.Pen(4);
    const std::string unit = " " + UnitText(out, Quantity::Stress);
    for (int i = 1; i + 1 <= poly.count; ++i) {  // the last point repeats the first
        const PolygonPoint& q = poly.points[static_cast<std::size_t>(i)];
        const Place at = P(q.y, q.z);
        d.Text(
            at.x + 0.3L * h, at.y + 0.3L * h,
            FormatQuantityFree(out, Quantity::Stress, OutlinePointStress(p, q.y, q.z, st)) + unit);
    }

    // The bending stress is linear in y and z: zero along the direction (B, -A) of
    // sigma = A dy + B dz through the centroid.
    const Real s0 = PointBendingStress(p, p.ys, p.zs, st.Mb_xy, st.Mb_xz);
    const Real a = PointBendingStress(p, p.ys + 1, p.zs, st.Mb_xy, st.Mb_xz) - s0;
    const Real b = PointBendingStress(p, p.ys, p.zs + 1, st.Mb_xy, st.Mb_xz) - s0;
    const Real norm = std::hypot(a, b);
    if (norm > 0) {
        const Real dyDir = b / norm, dzDir = -a / norm;
        const Real len = 0.6L * e;
        d.Pen(25);
        const Place from = P(p.ys - dyDir * len, p.zs - dzDir * len);
        const Place to = P(p.ys + dyDir * len, p.zs + dzDir * len);
        d.Line(from.x, from.y, to.x, to.y);
        d.Text(to.x + 0.3L * h, to.y, "Sigma b = 0");
    }

    d.Pen(21);
    d.Text(xmin + 0.02L * (xmax - xmin), ymin + 2.5L * h,
           "dy = " + FormatFree(out, st.w_xy) + " mm");
    d.Text(xmin + 0.02L * (xmax - xmin), ymin + h, "dz = " + FormatFree(out, st.w_xz) + " mm");
    d.PageEnd();
}

}  // namespace bxr
