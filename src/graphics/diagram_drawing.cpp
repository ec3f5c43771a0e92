#include "graphics/diagram_drawing.h"

#include <algorithm>
#include <cmath>

#include "analysis/angle_math.h"
#include "graphics/beam_sketch.h"
#include "format/code_page.h"
#include "format/units.h"

namespace bxr {

bool IsDiagramKind(int kind) {
    return (kind >= 1 && kind <= 5) || kind == 7 || kind == 8;
}

std::string DiagramTitle(int kind, int plane, bool stacked) {
    std::string t;
    switch (kind) {
        case 1:
            t = "Querkraftverlauf";
            break;
        case 2:
            t = "Biegemomentverlauf";
            break;
        case 3:
            t = "Biegelinie";
            break;
        case 4:
            t = "Biegewinkel";
            break;
        case 5:
            t = std::string(stacked ? 7 : 10, ' ') + "Biegespannung";
            break;
        case 7:
            return "        Zug-/Druckspannung";
        case 8:
            t = std::string(stacked ? 12 : 13, ' ') + "Vergl.spannung";
            break;
        default:
            return "";
    }
    if (plane == 1) return t + " (xy-Ebene)";
    if (plane == 2) return t + " (xz-Ebene)";
    return t + " (Resultierende)";
}

std::string DiagramYLabel(const OutputSettings& out, int kind) {
    switch (kind) {
        case 1:
            return "Fq[" + UnitText(out, Quantity::Force) + "]";
        case 2:
            return "Mb[" + UnitText(out, Quantity::Moment) + "]";
        case 3:
            return "f[" + UnitText(out, Quantity::Length) + "]";
        case 4:
            return "phi[" + UnitText(out, Quantity::Angle) + "]";
        case 5:
            return "Sig.b[" + UnitText(out, Quantity::Stress) + "]";
        case 7:
            return "Sig.z[" + UnitText(out, Quantity::Stress) + "]";
        default:
            return "Sig.v[" + UnitText(out, Quantity::Stress) + "]";
    }
}

int DiagramPen(int kind) {
    switch (kind) {
        case 1:
            return 24;
        case 2:
            return 25;
        case 3:
            return 19;
        case 4:
            return 17;
        case 5:
            return 29;
        case 7:
            return 25;
        default:
            return 21;
    }
}

namespace {

Real Pick(int plane, Real xy, Real xz, Real res) {
    return plane == 1 ? xy : plane == 2 ? xz : res;
}

const ExtremeRange& PickRange(int plane, const ExtremeRange& xy, const ExtremeRange& xz,
                              const ExtremeRange& res) {
    return plane == 1 ? xy : plane == 2 ? xz : res;
}

Real ToDisplay(const OutputSettings& out, int kind, Real v) {
    switch (kind) {
        case 1:
            return ToDisplayUnits(out, Quantity::Force, v);
        case 2:
            return ToDisplayUnits(out, Quantity::Moment, v / 1000);
        case 3:
            return ToDisplayUnits(out, Quantity::Length, v);
        case 4:
            return RadToDeg(v);
        default:
            return ToDisplayUnits(out, Quantity::Stress, v);
    }
}

}  // namespace

Real DiagramValue(const OutputSettings& out, const Station& s, int kind, int plane) {
    Real v = 0;
    switch (kind) {
        case 1:
            v = Pick(plane, s.Fq_xy, s.Fq_xz, s.Fq);
            break;
        case 2:
            v = Pick(plane, s.Mb_xy, s.Mb_xz, s.Mb);
            break;
        case 3:
            v = Pick(plane, s.w_xy, s.w_xz, s.w);
            break;
        case 4:
            v = Pick(plane, s.slope_xy, s.slope_xz, s.slope);
            break;
        case 5:
            v = Pick(plane, s.sigB_xy, s.sigB_xz, s.sigB);
            break;
        case 7:
            v = s.sigZ;
            break;
        default:
            v = Pick(plane, s.sigV_xy, s.sigV_xz, s.sigV);
            break;
    }
    return ToDisplay(out, kind, v);
}

void DiagramRange(const OutputSettings& out, const ExtremeValues& e, int kind, int plane, Real& lo,
                  Real& hi) {
    const ExtremeRange* r = nullptr;
    switch (kind) {
        case 1:
            r = &PickRange(plane, e.Fq_xy, e.Fq_xz, e.Fq);
            break;
        case 2:
            r = &PickRange(plane, e.Mb_xy, e.Mb_xz, e.Mb);
            break;
        case 3:
            r = &PickRange(plane, e.w_xy, e.w_xz, e.w);
            break;
        case 4:
            r = &PickRange(plane, e.slope_xy, e.slope_xz, e.slope);
            break;
        case 5:
            r = &PickRange(plane, e.sigB_xy, e.sigB_xz, e.sigB);
            break;
        case 7:
            r = &e.sigZ;
            break;
        default:
            r = &PickRange(plane, e.sigV_xy, e.sigV_xz, e.sigV);
            break;
    }
    lo = ToDisplay(out, kind, r->min);
    hi = ToDisplay(out, kind, r->max);
    if (lo > hi) std::swap(lo, hi);  // a conversion with a negative factor
}

void DrawDiagram(Drawing& d, PlotFrame& f, int plane, int kind, bool stacked,
                 const DiagramInput& in, Real ylo, Real yhi) {
    const OutputSettings& out = d.output();
    const StationTable& st = in.results.stations;
    const int n = std::clamp(st.n, 0, kMaxSegments);
    const Real x0 = ToDisplayUnits(out, Quantity::Length, st[0].x);
    const Real xn = ToDisplayUnits(out, Quantity::Length, st[n].x);
    DrawAxes(d, f, "x[" + UnitText(out, Quantity::Length) + "]", DiagramYLabel(out, kind),
             DiagramTitle(kind, plane, stacked), x0, xn, ylo, yhi, in.askLimits);
    d.Pen(DiagramPen(kind));
    Real px = x0, py = DiagramValue(out, st[0], kind, plane);
    for (int k = 1; k <= n; ++k) {
        const Real x = ToDisplayUnits(out, Quantity::Length, st[k].x);
        const Real y = DiagramValue(out, st[k], kind, plane);
        FrameLine(d, f, px, py, x, y);
        if (k % 5 == 0 && y != 0) FrameLine(d, f, x, 0, x, y);
        px = x;
        py = y;
    }
}

void DrawDirectionDiagram(Drawing& d, PlotFrame& f, int kind, const DiagramInput& in) {
    const OutputSettings& out = d.output();
    const StationTable& st = in.results.stations;
    const int n = std::clamp(st.n, 0, kMaxSegments);
    auto angle = [kind](const Station& s) {
        switch (kind) {
            case 1:
                return s.phiFq;
            case 2:
                return s.phiMb;
            case 3:
                return s.phiW;
            case 4:
                return s.phiSlope;
            case 5:
                return s.phiSigB;
            default:
                return s.phiSigV;
        }
    };
    std::string title;
    int pen = 20;
    switch (kind) {
        case 1:
            title = "Richtung der größten Querkraft"_oem, pen = 24;
            break;
        case 2:
            title = "Richtung des größten Biegemoment"_oem, pen = 25;
            break;
        case 3:
            title = "Richtung der größten Durchbiegung"_oem, pen = 19;
            break;
        case 4:
            title = "Richtung des größten Biegewinkels"_oem, pen = 17;
            break;
        case 5:
            title = "Richtung der größten Biegespannung"_oem, pen = 26;
            break;
        default:
            title = "Richtung der Schubspannung";
            break;
    }
    Real lo = -360, hi = 360;
    if (pen != 20) {
        lo = 1e300L;
        hi = -1e300L;
        for (int k = 0; k <= n; ++k) {
            lo = std::min(lo, angle(st[k]));
            hi = std::max(hi, angle(st[k]));
        }
        hi += 1;
    }
    const Real x0 = ToDisplayUnits(out, Quantity::Length, st[0].x);
    const Real xn = ToDisplayUnits(out, Quantity::Length, st[n].x);
    DrawAxes(d, f, "x[" + UnitText(out, Quantity::Length) + "]",
             "phi[" + UnitText(out, Quantity::Angle) + "]", title, x0, xn, lo, hi);
    d.Pen(pen);
    for (int k = 1; k <= n; ++k)
        FrameLine(d, f, ToDisplayUnits(out, Quantity::Length, st[k - 1].x), angle(st[k - 1]),
                  ToDisplayUnits(out, Quantity::Length, st[k].x), angle(st[k]));
}

namespace {

PlotFrame Frame(Real x0, Real y0, Real width, Real height) {
    PlotFrame f;
    f.x0 = x0;
    f.y0 = y0;
    f.width = width;
    f.height = height;
    return f;
}

void IdentificationLine(Drawing& d, const BeamModel& m, Real x, Real y) {
    d.Pen(4);
    d.TextSize(1.7L, 2.0L);
    d.Text(x, y, m.drawingName + " " + m.drawingNumber + "  " + m.headerLines[2]);
}

}  // namespace

void DrawDiagramSheet(Drawing& d, int kind, int plane, const DiagramInput& in) {
    const OutputSettings& out = d.output();
    d.Sheet(0, 0, 160, 120);
    d.Tables(2);
    d.PageBegin();
    if (kind == 7) plane = plane == 4 ? 4 : 1;
    if (plane == 4) {
        // One value range for the three planes.
        Real lo = 1e300L, hi = -1e300L;
        for (int p = 1; p <= 3; ++p) {
            Real a, b;
            DiagramRange(out, in.results.extremes, kind, p, a, b);
            lo = std::min(lo, a);
            hi = std::max(hi, b);
        }
        const Real ys[3] = {85, 45, 4};  // x-y on top, then x-z, the resultant below
        for (int p = 1; p <= 3; ++p) {
            PlotFrame f = Frame(15, ys[p - 1], 130, 28);
            d.TextSize(1.5L, 1.5L);
            DrawDiagram(d, f, p, kind, true, in, lo, hi);
        }
    } else if (plane == 3) {
        PlotFrame f = Frame(15, 6, 130, 40);
        Real lo, hi;
        DiagramRange(out, in.results.extremes, kind, 3, lo, hi);
        d.TextSize(2.2L, 2.5L);
        DrawDiagram(d, f, 3, kind, false, in, lo, hi);
        PlotFrame g = Frame(15, 62, 130, 32);
        DrawDirectionDiagram(d, g, kind, in);
        if (!in.inCadFrame) IdentificationLine(d, in.model, 15, 115);
    } else {
        PlotFrame f = Frame(15, 6, 130, 60);
        Real lo, hi;
        DiagramRange(out, in.results.extremes, kind, plane, lo, hi);
        d.TextSize(2.0L, 2.5L);
        DrawDiagram(d, f, plane, kind, false, in, lo, hi);
        DrawBeamSketch(d, f, in.model, in.results.reactions, plane, 100);
        if (!in.inCadFrame) IdentificationLine(d, in.model, 15, 85);
    }
    d.PageEnd();
}

}  // namespace bxr
