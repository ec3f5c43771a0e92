#include "graphics/section_drawing.h"

#include <algorithm>
#include <cmath>

#include "analysis/angle_math.h"
#include "format/code_page.h"
#include "format/units.h"
#include "graphics/extent_sink.h"
#include "graphics/text_box.h"
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
    const std::vector<SectionResultRow> rows = SectionTableRows(section);
    // Columns of 25, 4 and 4 characters, each widened where its longest text would come
    // closer to the next column than the smallest gap ("Izeta" in a column of four).
    std::size_t longest[3] = {0, 0, 0};
    for (const SectionResultRow& r : rows) {
        longest[0] = std::max(longest[0], r.description.size());
        longest[1] = std::max(longest[1], r.symbol.size());
        longest[2] = std::max(longest[2], ResultUnitText(out, r.unit).size());
    }
    const Real minimum[3] = {25, 4, 4};
    Real columns[4] = {0, 0, 0, 0};
    for (int k = 0; k < 3; ++k) {
        const Real needed =
            (kShownWidthShare * static_cast<Real>(longest[k]) * w + kMinTextGapShare * height) / w;
        columns[k + 1] = columns[k] + std::max(minimum[k], std::ceil(needed)) * w;
    }
    d.TextAlign(0, 2);
    d.TextSize(w, height);
    d.Pen(21);
    d.Text(x, y, SectionTableHeading());
    Real row = y - 2 * height;
    int group = 0;
    for (const SectionResultRow& r : rows) {
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

// An axis and its label at its end. Axes that end in the same place (a principal axis on a
// section axis, a section axis on a global one) would put their labels on top of each other:
// a label that touches one placed before moves up until it is clear.
void AxisWithLabel(Drawing& d, Real x, Real y, Real angleDeg, Real length, const std::string& label,
                   Real textHeight, std::vector<TextQuad>* placed = nullptr) {
    const Real ex = x + length * CosDeg(angleDeg), ey = y + length * SinDeg(angleDeg);
    d.Line(x, y, ex, ey);
    Real tx = ex + 0.3L * textHeight, ty = ey + 0.3L * textHeight;
    if (placed) {
        const Real w = NominalTextWidth(label, d.textState()), h = d.textState().height;
        for (int tries = 0; tries < 20; ++tries) {
            const TextQuad q = TextQuadAt(tx, ty, w, h, 0);
            bool clear = true;
            for (const TextQuad& o : *placed) clear = clear && !QuadsOverlap(q, o, 0.5L * h);
            if (clear) break;
            ty += 1.6L * h;
        }
        placed->push_back(TextQuadAt(tx, ty, w, h, 0));
    }
    d.Text(tx, ty, label);
}

// The length from (x, y) along the angle to the border of the box, less a margin.
Real LengthInside(Real x, Real y, Real angleDeg, Real x0, Real y0, Real x1, Real y1, Real margin) {
    const Real c = CosDeg(angleDeg), s = SinDeg(angleDeg);
    Real t = 1e300L;
    if (c > 1e-12L) t = std::min(t, (x1 - margin - x) / c);
    if (c < -1e-12L) t = std::min(t, (x0 + margin - x) / c);
    if (s > 1e-12L) t = std::min(t, (y1 - margin - y) / s);
    if (s < -1e-12L) t = std::min(t, (y0 + margin - y) / s);
    return std::max(t, Real(0));
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
    std::vector<TextQuad> labels;
    AxisWithLabel(d, p.ys, p.zs, 0, 1.2L * e, "eta", h, &labels);
    AxisWithLabel(d, p.ys, p.zs, 90, 1.2L * e, "zeta", h, &labels);
    if (principalAxes) {
        d.Pen(2);
        const Real phi = RadToDeg(p.phi);
        AxisWithLabel(d, p.ys, p.zs, phi, e, "v", h, &labels);
        AxisWithLabel(d, p.ys, p.zs, phi + 90, e, "w", h, &labels);
    }
    if (globalAxes) {
        d.Pen(4);
        const Real ylen = ex.ymax + 0.1L * ex.width, zlen = ex.zmax + 0.1L * ex.height;
        if (ylen > 0) AxisWithLabel(d, 0, 0, 0, ylen, "y", h, &labels);
        if (zlen > 0) AxisWithLabel(d, 0, 0, 90, zlen, "z", h, &labels);
    }
}

namespace {

void PointNumbers(Drawing& d, const BeamModel& model, const SectionExtents& ex) {
    const Real e = std::min(ex.width, ex.height);
    d.Pen(4);
    d.TextSize(0.025L * e, e / 30);
    // Points in the same place (a closed arc's end, the two ends of a cut) share one label.
    for (int i = 1; i <= model.contourCount; ++i) {
        const ContourPoint& p = model.contour[static_cast<std::size_t>(i)];
        bool earlier = false;
        for (int j = 1; j < i && !earlier; ++j) {
            const ContourPoint& q = model.contour[static_cast<std::size_t>(j)];
            earlier = q.y == p.y && q.z == p.z;
        }
        if (earlier) continue;
        std::string label = std::to_string(i);
        for (int j = i + 1; j <= model.contourCount; ++j) {
            const ContourPoint& q = model.contour[static_cast<std::size_t>(j)];
            if (q.y == p.y && q.z == p.z) label += "," + std::to_string(j);
        }
        d.Text(p.y + 0.01L * e, p.z + 0.01L * e, label);
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
        // The axes end inside the plot, clear of its title above it.
        for (const auto& [angle, label] :
             {std::pair<Real, const char*>{phi, "v"}, std::pair<Real, const char*>{phi + 90, "w"}})
            AxisWithLabel(d, cx, cy, angle,
                          std::min(e, LengthInside(cx, cy, angle, f.x0, f.y0, f.x0 + f.width,
                                                   f.y0 + f.height, 3.5L)),
                          label, 2.5L);
    }
    return f;
}

bool DrawSectionVariant(Drawing& d, int variant, const SectionDrawingInput& in) {
    const SectionExtents& ex = in.section.extents;
    SheetLimits sheet = SectionSheet(variant, ex);
    // The windows around the section grow to hold the axes and their labels, and the table
    // of variant 1 stands right of all of them.
    Real tableX = ex.ymax + 0.2L * ex.width;
    if (!in.messages.fatal && (variant == 1 || variant == 2 || variant == 4)) {
        Extent all = MeasureDrawing(d, [&](Drawing& probe) {
            probe.Pen(3);
            DrawContour(probe, in.model);
            if (variant == 2) return;
            PointNumbers(probe, in.model, ex);
            DrawSectionAxes(probe, in.section, variant == 1);
        });
        if (variant == 1) {
            tableX = std::max(tableX, all.x1 + 0.05L * ex.width);
            all.Take(MeasureDrawing(d, [&](Drawing& probe) {
                DrawSectionTable(probe, in.section, tableX, ex.zmax, 0.02L * ex.height);
            }));
        }
        const Real mx = 0.02L * (all.x1 - all.x0), my = 0.02L * (all.y1 - all.y0);
        sheet = {std::min(sheet.xmin, all.x0 - mx), std::min(sheet.ymin, all.y0 - my),
                 std::max(sheet.xmax, all.x1 + mx), std::max(sheet.ymax, all.y1 + my)};
    }
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
            DrawSectionTable(d, in.section, tableX, ex.zmax, 0.02L * ex.height);
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
