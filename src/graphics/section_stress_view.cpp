#include "graphics/section_stress_view.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "analysis/stresses.h"
#include "format/number_format.h"
#include "format/units.h"
#include "graphics/text_box.h"

namespace bxr {

Real OutlinePointStress(const SectionProperties& p, Real y, Real z, const Station& s) {
    return PointBendingStress(p, y, z, s.Mb_xy, s.Mb_xz) + s.sigZ;
}

namespace {

constexpr Real kPi = 3.14159265358979323846L;

// Section (y, z) to the sheet: z to the right, y upwards.
struct Place {
    Real x, y;
};
Place P(Real y, Real z) {
    return {z, y};
}

// A text as the view places it: reference point (left end of the base line), height, width
// factor and rotation; its box follows.
struct PlacedText {
    Real x = 0, y = 0, height = 1, widthFactor = 0.8L, rotation = 0;
    int pen = 0;
    std::string text;
    Real Length() const { return static_cast<Real>(text.size()) * height * widthFactor; }
    TextQuad Quad() const { return TextQuadAt(x, y, Length(), height, rotation); }
};

// Everything the view draws, collected first so that the sheet can be made to hold it.
struct Plan {
    struct Polyline {
        int pen;
        std::vector<Place> points;
    };
    struct Segment {
        int pen;
        Place from, to;
    };
    std::vector<Polyline> polylines;
    std::vector<Segment> lines;
    Place circleAt{0, 0};
    Real circleR = 0;
    std::vector<PlacedText> texts;

    Real x0 = 1e300L, y0 = 1e300L, x1 = -1e300L, y1 = -1e300L;
    void Take(Real x, Real y) {
        x0 = std::min(x0, x);
        y0 = std::min(y0, y);
        x1 = std::max(x1, x);
        y1 = std::max(y1, y);
    }
    void Extents() {
        for (const auto& p : polylines)
            for (const Place& q : p.points) Take(q.x, q.y);
        for (const auto& l : lines) {
            Take(l.from.x, l.from.y);
            Take(l.to.x, l.to.y);
        }
        Take(circleAt.x - circleR, circleAt.y - circleR);
        Take(circleAt.x + circleR, circleAt.y + circleR);
        for (const auto& t : texts) {
            const TextQuad q = t.Quad();
            for (int i = 0; i < 4; ++i) Take(q.x[i], q.y[i]);
        }
    }
};

void Axis(Plan& plan, int pen, Place from, Real dirX, Real dirY, Real length,
          const std::string& label, Real h) {
    const Place to{from.x + dirX * length, from.y + dirY * length};
    plan.lines.push_back({pen, from, to});
    plan.texts.push_back({to.x + 0.3L * h, to.y + 0.3L * h, h, 0.8L, 0, pen, label});
}

// The outward normal at every point of the closed outline (points 1..m, point m + 1 repeats
// point 1), on the sheet: away from the material, for holes into the hole.
std::vector<Place> OutwardNormals(const std::vector<Place>& pts) {
    const std::size_t m = pts.size();
    Real area = 0;
    for (std::size_t i = 0; i < m; ++i) {
        const Place& a = pts[i];
        const Place& b = pts[(i + 1) % m];
        area += a.x * b.y - b.x * a.y;
    }
    const Real side = area >= 0 ? 1 : -1;  // counter-clockwise: the right of each edge
    auto edgeNormal = [&](std::size_t from, int step, Place& n) {
        // The first edge of non-zero length from this point, forwards or backwards.
        for (std::size_t k = 1; k < m; ++k) {
            const std::size_t j = step > 0 ? (from + k) % m : (from + m - k % m) % m;
            Real dx = pts[j].x - pts[from].x, dy = pts[j].y - pts[from].y;
            if (step < 0) {
                dx = -dx;
                dy = -dy;
            }
            const Real len = std::hypot(dx, dy);
            if (len > 1e-12L) {
                n = {side * dy / len, -side * dx / len};
                return true;
            }
        }
        return false;
    };
    std::vector<Place> normals(m, Place{0, 0});
    for (std::size_t i = 0; i < m; ++i) {
        Place a{0, 0}, b{0, 0};
        const bool hasA = edgeNormal(i, -1, a), hasB = edgeNormal(i, 1, b);
        Place n{(hasA ? a.x : 0) + (hasB ? b.x : 0), (hasA ? a.y : 0) + (hasB ? b.y : 0)};
        Real len = std::hypot(n.x, n.y);
        if (len < 1e-9L) {  // a spike: the edge that leaves the point
            n = b;
            len = std::hypot(n.x, n.y);
        }
        if (len > 0) normals[i] = {n.x / len, n.y / len};
    }
    return normals;
}

}  // namespace

std::vector<StressLabel> PlaceStressLabels(const std::vector<StressLabelPoint>& points, Real height,
                                           const std::vector<TextQuad>& occupied) {
    std::vector<Place> pts;
    for (const auto& p : points) pts.push_back({p.x, p.y});
    const std::vector<Place> normals = OutwardNormals(pts);
    const std::size_t m = pts.size();
    const Real gap = 0.4L * height;
    // The text height from the spacing of the points: the labels stand along the normals,
    // so neighbours are apart when the height stays below the distance of their feet.
    Real spacing = 1e300L;
    for (std::size_t i = 0; i < m; ++i) {
        const std::size_t j = (i + 1) % m;
        const Real d = std::hypot(pts[j].x + normals[j].x * gap - pts[i].x - normals[i].x * gap,
                                  pts[j].y + normals[j].y * gap - pts[i].y - normals[i].y * gap);
        if (d > 1e-9L) spacing = std::min(spacing, d);
    }
    const Real h = std::clamp(0.8L * spacing, 0.45L * height, height);

    std::vector<StressLabel> all(m);
    for (std::size_t i = 0; i < m; ++i) {
        const Place n = normals[i];
        StressLabel& l = all[i];
        l.point = static_cast<int>(i);
        l.text = points[i].text;
        l.height = h;
        const Real length = static_cast<Real>(l.text.size()) * h * 0.8L;
        Real angle = std::atan2(n.y, n.x) * 180 / kPi;
        const bool flipped = n.x < -1e-9L;  // never upside down: left of the section the text
        if (flipped) angle += 180;          // reads towards the outline
        l.rotation = angle;
        const Real t = angle * kPi / 180;
        const Real vx = -std::sin(t), vy = std::cos(t);  // the text's up direction
        Real ax = pts[i].x + n.x * gap, ay = pts[i].y + n.y * gap;
        if (flipped) {
            ax += n.x * length;
            ay += n.y * length;
        }
        l.x = ax - vx * h * 0.5L;
        l.y = ay - vy * h * 0.5L;
    }
    // The largest stresses first; a label that would touch a placed one, a fixed text or the
    // outline is left out.
    std::vector<std::size_t> order(m);
    for (std::size_t i = 0; i < m; ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return std::fabs(points[a].stress) > std::fabs(points[b].stress);
    });
    std::vector<TextQuad> taken = occupied;
    std::vector<StressLabel> placed;
    for (std::size_t i : order) {
        const StressLabel& l = all[i];
        const TextQuad q = TextQuadAt(l.x, l.y, static_cast<Real>(l.text.size()) * l.height * 0.8L,
                                      l.height, l.rotation);
        bool free = true;
        for (const TextQuad& o : taken)
            if (QuadsOverlap(q, o, 0.15L * h)) {
                free = false;
                break;
            }
        for (std::size_t k = 0; free && k < m; ++k) {
            const Place& a = pts[k];
            const Place& b = pts[(k + 1) % m];
            if (QuadCrossesSegment(q, a.x, a.y, b.x, b.y)) free = false;
        }
        if (!free) continue;
        taken.push_back(q);
        placed.push_back(l);
    }
    std::sort(placed.begin(), placed.end(),
              [](const StressLabel& a, const StressLabel& b) { return a.point < b.point; });
    return placed;
}

void DrawSectionStressView(Drawing& d, const SectionState& section, const Station& st) {
    const SectionExtents& ex = section.extents;
    const SectionProperties& p = section.props;
    const OutputSettings& out = d.output();
    // The section's box with 10 % on every side sets the scale of marks and texts; the sheet
    // then grows to hold the axes, the labels and the deflection lines as well.
    const Real bx0 = ex.zmin - 0.1L * ex.height, bx1 = ex.zmax + 0.1L * ex.height;
    const Real by0 = ex.ymin - 0.1L * ex.width, by1 = ex.ymax + 0.1L * ex.width;
    const Real e = std::min(bx1 - bx0, by1 - by0);
    const Real h = e / 45;
    const ExpandedPolygon& poly = section.polygon;

    Plan plan;
    Plan::Polyline contour{5, {}}, moved{2, {}};
    for (int i = 1; i <= poly.count; ++i) {
        const PolygonPoint& q = poly.points[static_cast<std::size_t>(i)];
        contour.points.push_back(P(q.y, q.z));
        moved.points.push_back(P(q.y + st.w_xy, q.z + st.w_xz));
    }
    plan.polylines = {contour, moved};

    const Place c = P(p.ys, p.zs);
    plan.circleAt = c;
    plan.circleR = 0.01L * e;
    plan.texts.push_back({c.x + 0.01L * e, c.y + 0.01L * e, h, 0.8L, 0, 18, "S"});
    Axis(plan, 21, c, 0, 1, 1.2L * e, "y", h);
    Axis(plan, 21, c, 1, 0, 1.2L * e, "z", h);
    // The principal angle turns from y towards z: on the sheet from up towards the right.
    const Real sp = std::sin(p.phi), cp = std::cos(p.phi);
    Axis(plan, 19, c, sp, cp, e, "v", h);
    Axis(plan, 19, c, cp, -sp, e, "w", h);

    // The bending stress is linear in y and z: zero along the direction (B, -A) of
    // sigma = A dy + B dz through the centroid.
    const Real s0 = PointBendingStress(p, p.ys, p.zs, st.Mb_xy, st.Mb_xz);
    const Real a = PointBendingStress(p, p.ys + 1, p.zs, st.Mb_xy, st.Mb_xz) - s0;
    const Real b = PointBendingStress(p, p.ys, p.zs + 1, st.Mb_xy, st.Mb_xz) - s0;
    const Real norm = std::hypot(a, b);
    if (norm > 0) {
        const Real dyDir = b / norm, dzDir = -a / norm;
        const Real len = 0.6L * e;
        const Place from = P(p.ys - dyDir * len, p.zs - dzDir * len);
        const Place to = P(p.ys + dyDir * len, p.zs + dzDir * len);
        plan.lines.push_back({25, from, to});
        plan.texts.push_back({to.x + 0.3L * h, to.y, h, 0.8L, 0, 25, "Sigma b = 0"});
    }

    // The stress at every outline point (the last point repeats the first).
    const std::string unit = " " + UnitText(out, Quantity::Stress);
    std::vector<StressLabelPoint> points;
    for (int i = 1; i + 1 <= poly.count; ++i) {
        const PolygonPoint& q = poly.points[static_cast<std::size_t>(i)];
        const Place at = P(q.y, q.z);
        const Real sigma = OutlinePointStress(p, q.y, q.z, st);
        points.push_back(
            {at.x, at.y, sigma, FormatQuantityFree(out, Quantity::Stress, sigma) + unit});
    }
    std::vector<TextQuad> fixed;
    for (const PlacedText& t : plan.texts) fixed.push_back(t.Quad());
    if (points.size() >= 3)
        for (const StressLabel& l : PlaceStressLabels(points, h, fixed))
            plan.texts.push_back({l.x, l.y, l.height, 0.8L, l.rotation, 4, l.text});

    // The deflection lines under everything else.
    plan.Extents();
    const Real left = plan.x0;
    const Real below = plan.y0 - 0.8L * h;
    plan.texts.push_back(
        {left, below - h, h, 0.8L, 0, 21, "dy = " + FormatFree(out, st.w_xy) + " mm"});
    plan.texts.push_back(
        {left, below - 2.6L * h, h, 0.8L, 0, 21, "dz = " + FormatFree(out, st.w_xz) + " mm"});
    plan.Extents();

    const Real margin = 0.03L * e;
    d.Sheet(plan.x0 - margin, plan.y0 - margin, plan.x1 + margin, plan.y1 + margin);
    d.Tables(2);
    d.PageBegin();
    for (const auto& pl : plan.polylines) {
        d.Pen(pl.pen);
        for (std::size_t i = 0; i < pl.points.size(); ++i) {
            if (i == 0)
                d.PolylineBegin(pl.points[i].x, pl.points[i].y);
            else
                d.PolylineVertex(pl.points[i].x, pl.points[i].y);
        }
        d.PolylineEnd();
    }
    d.Pen(18);
    d.Circle(c.x, c.y, plan.circleR);
    for (const auto& l : plan.lines) {
        d.Pen(l.pen);
        d.Line(l.from.x, l.from.y, l.to.x, l.to.y);
    }
    d.TextAlign(0, 0);
    for (const auto& t : plan.texts) {
        d.Pen(t.pen);
        d.TextSize(t.widthFactor * t.height, t.height, t.rotation);
        d.Text(t.x, t.y, t.text);
    }
    d.PageEnd();
}

}  // namespace bxr
