#include "graphics/section_drawing.h"

#include <algorithm>
#include <cmath>

#include "analysis/angle_math.h"
#include "format/code_page.h"
#include "format/units.h"
#include "sections/arc_center.h"
#include "sections/section_results.h"

namespace bxr {

std::string SectionDrawingName(int variant) {
    switch (variant) {
        case 2:
            return "KORMPOLY";
        case 3:
            return "KORMTAB";
        case 4:
            return "KORMGEO";
        default:
            return "KORM";
    }
}

SheetLimits SectionSheet(int variant, const SectionExtents& e) {
    switch (variant) {
        case 1:
            return {e.ymin - 0.1L * e.width, e.zmin - 0.1L * e.height,
                    e.ymax + 0.05L * e.width + e.height, e.zmax + 0.15L * e.height};
        case 3:
            return {0, 0, 140, 125};
        case 5:
            return {-5, -5, 225, 310};
        default:
            return {e.ymin - 0.05L * e.width, e.zmin - 0.05L * e.height, e.ymax + 0.05L * e.width,
                    e.zmax + 0.05L * e.height};
    }
}

void DrawContour(Drawing& d, const BeamModel& model, Real scale, Real dx, Real dy) {
    const int n = model.contourCount;
    for (int i = 1; i <= n; ++i) {
        const ContourPoint& p = model.contour[static_cast<std::size_t>(i)];
        const ContourPoint& q = model.contour[static_cast<std::size_t>(i == n ? 1 : i + 1)];
        if (n >= 2 && p.arcAngle != 0) {
            const ArcCenter arc = GetArcCenter(p.y, p.z, q.y, q.z, p.arcAngle);
            if (arc.valid && arc.r > 0) {
                d.Arc(dx + scale * arc.yc, dy + scale * arc.zc, scale * arc.r,
                      RadToDeg(arc.startAngle), RadToDeg(arc.endAngle));
                continue;
            }
        }
        if (n >= 2 && (p.y != q.y || p.z != q.z))
            d.Line(dx + scale * p.y, dy + scale * p.z, dx + scale * q.y, dy + scale * q.z);
    }
}

void DrawHatching(Drawing& d, const ExpandedPolygon& polygon, Real scale, Real dx, Real dy,
                  Real spacing) {
    const int n = polygon.count;
    if (n < 3 || spacing <= 0) return;
    // Lines x - y = c on the sheet; c runs over the polygon's range of x - y.
    std::vector<std::pair<Real, Real>> pts;
    for (int i = 1; i <= n; ++i) {
        const PolygonPoint& p = polygon.points[static_cast<std::size_t>(i)];
        pts.emplace_back(dx + scale * p.y, dy + scale * p.z);
    }
    Real cmin = 1e300L, cmax = -1e300L;
    for (const auto& [x, y] : pts) {
        cmin = std::min(cmin, x - y);
        cmax = std::max(cmax, x - y);
    }
    const int lines = static_cast<int>((cmax - cmin) / spacing);
    if (lines > 2000) return;  // a section too small to hatch at this spacing
    std::vector<Real> cuts;
    for (int k = 1; k <= lines; ++k) {
        const Real c = cmin + k * spacing;
        if (c >= cmax - 1e-9L * spacing) break;  // a line through the last corner only
        cuts.clear();
        for (std::size_t i = 0; i + 1 < pts.size(); ++i) {
            const Real fa = pts[i].first - pts[i].second - c;
            const Real fb = pts[i + 1].first - pts[i + 1].second - c;
            if ((fa < 0) == (fb < 0)) continue;
            const Real t = fa / (fa - fb);
            cuts.push_back(pts[i].first + t * (pts[i + 1].first - pts[i].first));
        }
        std::sort(cuts.begin(), cuts.end());
        for (std::size_t j = 0; j + 1 < cuts.size(); j += 2)
            d.Line(cuts[j], cuts[j] - c, cuts[j + 1], cuts[j + 1] - c);
    }
}

void DrawSectionTable(Drawing& d, const SectionState& section, Real x, Real y, Real height) {
    const OutputSettings& out = d.output();
    const Real w = 0.9L * height;  // one character
    const Real columns[4] = {0, 25 * w, 29 * w, 33 * w};
    d.TextAlign(0, 2);
    d.TextSize(w, height);
    d.Pen(21);
    d.Text(x, y, SectionTableHeading());
    Real row = y - 2 * height;
    int group = 0;
    for (const SectionResultRow& r : SectionTableRows(section)) {
        if (r.group != group) {
            group = r.group;
            d.Pen(20 + group);
        }
        d.Text(x + columns[0], row, r.description);
        d.Text(x + columns[1], row, r.symbol);
        d.Text(x + columns[2], row, ResultUnitText(out, r.unit));
        d.Text(x + columns[3], row, ResultValueText(out, r));
        row -= 2 * height;
    }
    d.TextAlign(0, 0);
}

namespace {

void AxisWithLabel(Drawing& d, Real x, Real y, Real angleDeg, Real length, const std::string& label,
                   Real textHeight) {
    const Real ex = x + length * CosDeg(angleDeg), ey = y + length * SinDeg(angleDeg);
    d.Line(x, y, ex, ey);
    d.Text(ex + 0.3L * textHeight, ey + 0.3L * textHeight, label);
}

}  // namespace

void DrawSectionAxes(Drawing& d, const SectionState& section, bool globalAxes, bool principalAxes) {
    const SectionExtents& ex = section.extents;
    const SectionProperties& p = section.props;
    const Real e = std::min(ex.width, ex.height);
    const Real h = e / 30;
    d.TextSize(0.025L * e, h);
    d.Pen(5);
    d.Circle(p.ys, p.zs, 0.01L * e);
    d.Text(p.ys + 0.01L * ex.width, p.zs + 0.01L * ex.height, "S");
    d.Pen(1);
    AxisWithLabel(d, p.ys, p.zs, 0, 1.2L * e, "eta", h);
    AxisWithLabel(d, p.ys, p.zs, 90, 1.2L * e, "zeta", h);
    if (principalAxes) {
        d.Pen(2);
        const Real phi = RadToDeg(p.phi);
        AxisWithLabel(d, p.ys, p.zs, phi, e, "v", h);
        AxisWithLabel(d, p.ys, p.zs, phi + 90, e, "w", h);
    }
    if (globalAxes) {
        d.Pen(4);
        const Real ylen = ex.ymax + 0.1L * ex.width, zlen = ex.zmax + 0.1L * ex.height;
        if (ylen > 0) AxisWithLabel(d, 0, 0, 0, ylen, "y", h);
        if (zlen > 0) AxisWithLabel(d, 0, 0, 90, zlen, "z", h);
    }
}

namespace {

void PointNumbers(Drawing& d, const BeamModel& model, const SectionExtents& ex) {
    const Real e = std::min(ex.width, ex.height);
    d.Pen(4);
    d.TextSize(0.025L * e, e / 30);
    for (int i = 1; i <= model.contourCount; ++i) {
        const ContourPoint& p = model.contour[static_cast<std::size_t>(i)];
        d.Text(p.y + 0.01L * e, p.z + 0.01L * e, std::to_string(i));
    }
}

void Messages(Drawing& d, const CalcMessages& messages, Real x, Real y, Real height) {
    d.Pen(4);
    d.TextSize(0, height);
    for (const auto& m : messages.entries) {
        d.Text(x, y, m);
        y -= 1.5L * height;
    }
}

}  // namespace

PlotFrame DrawSectionPlot(Drawing& d, const SectionDrawingInput& in, Real x0, Real y0, Real width,
                          Real height) {
    const SectionExtents& ex = in.section.extents;
    const OutputSettings& out = d.output();
    PlotFrame f;
    f.x0 = x0;
    f.y0 = y0;
    f.width = width;
    f.height = height;
    // Widen the narrower range so that millimetres are equal both ways on the sheet.
    Real ylo = ex.ymin, yhi = ex.ymax, zlo = ex.zmin, zhi = ex.zmax;
    const Real need = std::max((yhi - ylo) / width, (zhi - zlo) / height);
    const Real padY = (need * width - (yhi - ylo)) / 2, padZ = (need * height - (zhi - zlo)) / 2;
    ylo -= padY;
    yhi += padY;
    zlo -= padZ;
    zhi += padZ;
    const std::string unit = UnitText(out, Quantity::Length);
    DrawAxes(d, f, " y [" + unit + "]", "z [" + unit + "]", in.model.drawingName, ylo, yhi, zlo,
             zhi);
    // After rounding the two steps may differ: the frame is made isotropic again by
    // stretching the smaller range about its middle.
    const Real sx = f.width / (f.xmax - f.xmin), sy = f.height / (f.ymax - f.ymin);
    const Real s = std::min(sx, sy);
    const Real dx = f.x0 + (f.width - s * (f.xmax - f.xmin)) / 2 - s * f.xmin;
    const Real dy = f.y0 + (f.height - s * (f.ymax - f.ymin)) / 2 - s * f.ymin;
    if (in.model.hatching) {
        d.Pen(4);
        DrawHatching(d, in.section.polygon, s, dx, dy, 2.0L);
    }
    d.Pen(3);
    DrawContour(d, in.model, s, dx, dy);
    if (in.model.principalAxes) {
        const SectionProperties& p = in.section.props;
        const Real e = s * std::min(ex.width, ex.height);
        const Real phi = RadToDeg(p.phi);
        d.Pen(1);
        d.TextSize(2, 2.5L);
        const Real cx = dx + s * p.ys, cy = dy + s * p.zs;
        AxisWithLabel(d, cx, cy, phi, e, "v", 2.5L);
        AxisWithLabel(d, cx, cy, phi + 90, e, "w", 2.5L);
    }
    return f;
}

bool DrawSectionVariant(Drawing& d, int variant, const SectionDrawingInput& in) {
    const SectionExtents& ex = in.section.extents;
    const SheetLimits sheet = SectionSheet(variant, ex);
    d.Sheet(sheet.xmin, sheet.ymin, sheet.xmax, sheet.ymax);
    d.Tables(2);
    d.PageBegin();
    if (in.messages.fatal) {
        Messages(d, in.messages, sheet.xmin + 0.05L * (sheet.xmax - sheet.xmin),
                 sheet.ymax - 0.1L * (sheet.ymax - sheet.ymin), (sheet.ymax - sheet.ymin) / 40);
        d.PageEnd();
        return false;
    }
    const bool massRows = in.section.massLength > 0;
    switch (variant) {
        case 1:
            d.Pen(3);
            DrawContour(d, in.model);
            PointNumbers(d, in.model, ex);
            DrawSectionAxes(d, in.section, true);
            DrawSectionTable(d, in.section, ex.ymax + 0.2L * ex.width, ex.zmax, 0.02L * ex.height);
            break;
        case 2:
            d.Pen(3);
            DrawContour(d, in.model);
            break;
        case 3:
            DrawSectionTable(d, in.section, 5, 120, massRows ? 2.9L : 3.5L);
            break;
        case 4:
            d.Pen(3);
            DrawContour(d, in.model);
            PointNumbers(d, in.model, ex);
            DrawSectionAxes(d, in.section, false);
            break;
        default:
            DrawFrame(d, in.model, in.documentation, in.frame);
            DrawSectionPlot(d, in, 40, 160, 150, 105);
            DrawSectionTable(d, in.section, 25, 145, 2.5L);
            break;
    }
    d.PageEnd();
    return !d.failed();
}

}  // namespace bxr
