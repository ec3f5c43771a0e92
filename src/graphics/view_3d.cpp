#include "graphics/view_3d.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "analysis/angle_math.h"
#include "format/nice_scale.h"
#include "format/number_format.h"
#include "model/shaft_sections.h"

namespace bxr {

Projection3D Projection3D::FromAngles(Real ax, Real ay, Real az) {
    Projection3D p;
    const Real a[3] = {ax, ay, az};
    for (int i = 0; i < 3; ++i) {
        const std::size_t k = static_cast<std::size_t>(i);
        if (std::fabs(a[i] + 2 * kPi) < 1e-5L) continue;  // hidden axis
        p.cosines[k] = std::cos(a[i]);
        p.sines[k] = std::sin(a[i]);
    }
    return p;
}

void Projection3D::Project(Real x, Real y, Real z, Real& u, Real& v) const {
    u = x * cosines[0] + y * cosines[1] + z * cosines[2];
    v = x * sines[0] + y * sines[1] + z * sines[2];
}

std::array<Real, 3> ViewAngles(Real xDeg, Real yDeg, Real zDeg) {
    if (std::fabs(xDeg - yDeg) < 1e-5L) return {DegToRad(-15), DegToRad(90), DegToRad(210)};
    return {DegToRad(xDeg), DegToRad(yDeg), DegToRad(zDeg)};
}

void Draw3DView(Drawing& d, const BeamModel& model, const SectionState& section,
                const std::array<Real, 3>& angles, bool threeD) {
    d.Sheet(0, 0, 160, 120);
    d.Tables(2);
    d.PageBegin();
    PlotFrame f;
    f.x0 = 15;
    f.y0 = 15;
    f.width = 130;
    f.height = 90;
    const Projection3D pr = Projection3D::FromAngles(angles[0], angles[1], angles[2]);
    const SectionExtents& ex = section.extents;

    const std::string title = "BXR - 3D";
    d.Pen(4);
    d.TextSize(1.5L, 1.8L);
    d.Text(std::max(f.x0 + f.width / 2 - static_cast<Real>(title.size()) * 3.5L / 2, f.x0),
           f.y0 + f.height + 3, title);

    const Scale sx = NiceScale(0, model.length, 6);
    // The shaft sections may reach beyond the contour.
    Real ymin = ex.ymin, ymax = ex.ymax, zmin = ex.zmin, zmax = ex.zmax;
    for (int i = 1; i <= std::min<int>(model.shaftSectionCount, kMaxShaftSections); ++i) {
        const Real r = model.shaftSections[static_cast<std::size_t>(i)].D / 2;
        ymin = std::min(ymin, section.props.ys - r);
        ymax = std::max(ymax, section.props.ys + r);
        zmin = std::min(zmin, section.props.zs - r);
        zmax = std::max(zmax, section.props.zs + r);
    }
    const Scale sy = NiceScale(std::min(ymin, Real{0}), ymax, 6);
    const Scale sz = NiceScale(std::min(zmin, Real{0}), zmax, 6);
    Real umin = 1e300L, umax = -1e300L, vmin = 1e300L, vmax = -1e300L;
    for (Real x : {sx.lower, sx.upper})
        for (Real y : {sy.lower, sy.upper})
            for (Real z : {sz.lower, sz.upper}) {
                Real u, v;
                pr.Project(x, y, z, u, v);
                umin = std::min(umin, u);
                umax = std::max(umax, u);
                vmin = std::min(vmin, v);
                vmax = std::max(vmax, v);
            }
    f.xmin = umin;
    f.xmax = umax > umin ? umax : umin + 1;
    f.ymin = vmin;
    f.ymax = vmax > vmin ? vmax : vmin + 1;
    auto P = [&](Real x, Real y, Real z, Real& px, Real& py) {
        Real u, v;
        pr.Project(x, y, z, u, v);
        px = f.MapX(u);
        py = f.MapY(v);
    };

    d.Pen(17);
    d.TextSize(1.2L, 1.5L);
    const Scale* scales[3] = {&sx, &sy, &sz};
    const char* labels[3] = {"x", "y", "z"};
    for (int a = 0; a < 3; ++a) {
        const std::size_t k = static_cast<std::size_t>(a);
        if (pr.cosines[k] == 0 && pr.sines[k] == 0) continue;
        Real e[3] = {0, 0, 0};
        e[a] = scales[a]->upper;
        Real x0, y0, x1, y1;
        P(0, 0, 0, x0, y0);
        P(e[0], e[1], e[2], x1, y1);
        d.Line(x0, y0, x1, y1);
        d.Text(x1 + 1, y1 + 1, labels[a]);
        for (Real t : ScaleTicks(*scales[a])) {
            Real p[3] = {0, 0, 0};
            p[a] = t;
            Real tx, ty;
            P(p[0], p[1], p[2], tx, ty);
            d.Text(tx + 0.5L, ty - 2, FormatFree(d.output(), t));
        }
    }

    d.Pen(5);
    const bool real3D = threeD && d.supports3D();
    // A prism of the ring's points from x1 to x2: its end outlines, then its edges.
    auto prism = [&](Real x1, Real x2, const std::vector<PolygonPoint>& ring, std::size_t edgeStep) {
        for (Real x : {x1, x2}) {
            Real px = 0, py = 0;
            for (std::size_t i = 0; i < ring.size(); ++i) {
                const PolygonPoint& q = ring[i];
                Real nx, ny;
                P(x, q.y, q.z, nx, ny);
                if (i > 0) {
                    const PolygonPoint& o = ring[i - 1];
                    if (real3D)
                        d.Line3D(x, o.y, o.z, x, q.y, q.z);
                    else
                        d.Line(px, py, nx, ny);
                }
                px = nx;
                py = ny;
            }
        }
        for (std::size_t i = 0; i < ring.size(); i += edgeStep) {
            const PolygonPoint& q = ring[i];
            if (real3D) {
                d.Line3D(x2, q.y, q.z, x1, q.y, q.z);
                continue;
            }
            Real ax, ay, bx, by;
            P(x2, q.y, q.z, ax, ay);
            P(x1, q.y, q.z, bx, by);
            d.Line(ax, ay, bx, by);
        }
    };
    const ExpandedPolygon& poly = section.polygon;
    std::vector<PolygonPoint> contour;
    for (int i = 1; i <= poly.count; ++i) contour.push_back(poly.points[static_cast<std::size_t>(i)]);
    const std::vector<ShaftStretch> stretches = ShaftStretches(model);
    if (stretches.empty()) {
        prism(0, model.length, contour, 1);
    } else {
        // Each shaft section as its cylinder and bore about the contour's centroid, drawn with
        // 72 chords and every sixth point's edge.
        auto circle = [&](Real diameter) {
            std::vector<PolygonPoint> ring;
            for (int i = 0; i <= 72; ++i) {
                const Real a = i * 5 * kPi / 180;
                ring.push_back({section.props.ys + diameter / 2 * std::cos(a),
                                section.props.zs + diameter / 2 * std::sin(a)});
            }
            return ring;
        };
        for (const ShaftStretch& st : stretches) {
            if (st.section == 0) {
                prism(st.x1, st.x2, contour, 1);
                continue;
            }
            const ShaftSection& sec = model.shaftSections[static_cast<std::size_t>(st.section)];
            prism(st.x1, st.x2, circle(sec.D), 6);
            if (sec.d > 0) prism(st.x1, st.x2, circle(sec.d), 6);
        }
    }
    d.PageEnd();
}

}  // namespace bxr
