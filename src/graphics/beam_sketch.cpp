#include "graphics/beam_sketch.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "analysis/angle_math.h"
#include "format/number_format.h"
#include "format/units.h"
#include "model/shaft_sections.h"

namespace bxr {

Real PlaneAngleOffset(const BeamModel& model, int plane) {
    if (plane == 1) return model.loadAngleOffset;
    if (plane == 2) return model.loadAngleOffset - 90;
    return 0;
}

int UserPointLoadCount(const BeamModel& m) {
    int count = m.pointLoadCount;
    if (m.auxLoadsAppended && m.supportType >= kThreeHinges && m.supportType <= kFiveHinges)
        count -= 2 * (m.supportType - kAngularContactPair);  // y and z of C, D, E
    return count < 0 ? 0 : count;
}

namespace {

constexpr Real kSymbol = 4;  // size of a support symbol, mm

struct Sketch {
    Drawing& d;
    const PlotFrame& f;
    const OutputSettings& out;
    Real h;  // axis height

    Real X(Real xModel) const { return f.MapX(ToDisplayUnits(out, Quantity::Length, xModel)); }
    std::string Force(Real v) const {
        return FormatFree(out, ToDisplayUnits(out, Quantity::Force, v));
    }
    void Label(Real x, Real y, const std::string& text) const {
        d.TextAlign(1, 0);
        d.Text(x, y, text);
        d.TextAlign(0, 0);
    }
    // A vertical arrow of the given length whose tip touches the axis; up for positive.
    void Arrow(Real x, Real value, Real length) const {
        const Real dir = value >= 0 ? 1 : -1;
        const Real tail = h - dir * length;
        d.Line(x, tail, x, h);
        d.Line(x, h, x - 0.8L, h - dir * 1.6L);
        d.Line(x, h, x + 0.8L, h - dir * 1.6L);
    }
    void Hinge(Real x, bool sliding, Real reaction) const {
        const Real s = kSymbol;
        d.Line(x, h, x - s / 2, h - s);
        d.Line(x - s / 2, h - s, x + s / 2, h - s);
        d.Line(x + s / 2, h - s, x, h);
        d.Circle(x, h, 0.5L);
        d.Line(x - s * 0.75L, h - s - (sliding ? 1 : 0), x + s * 0.75L, h - s - (sliding ? 1 : 0));
        Label(x, h - s - 3.5L, Force(reaction));
    }
    void Clamp(Real x, bool turned, Real force, Real moment) const {
        // A wall with hatch strokes; turned by -90 degrees it faces the other way.
        const Real side = turned ? 1 : -1;
        d.Line(x, h - kSymbol, x, h + kSymbol);
        for (int i = 0; i < 5; ++i) {
            const Real y = h - kSymbol + i * 2 * kSymbol / 4;
            d.Line(x, y, x + side * 1.5L, y - 1.5L);
        }
        Label(x, h - kSymbol - 3.5L, "F=" + Force(force));
        Label(x, h + kSymbol + 1,
              "M=" + FormatFree(out, ToDisplayUnits(out, Quantity::Moment, moment / 1000)));
    }
};

// The shaft sections as their side view about the axis, the largest 6 mm high on the sheet,
// with the bores dashed.
void DrawStepOutline(const Sketch& s, const BeamModel& m) {
    const std::vector<ShaftStretch> stretches = ShaftStretches(m);
    Real largest = 0;
    for (const ShaftStretch& st : stretches)
        if (st.section != 0)
            largest = std::max(largest, m.shaftSections[static_cast<std::size_t>(st.section)].D);
    if (!(largest > 0)) return;
    const Real scale = 3 / largest;
    Real before = 0;  // half height of the stretch to the left
    for (const ShaftStretch& st : stretches) {
        const ShaftSection* sec =
            st.section == 0 ? nullptr : &m.shaftSections[static_cast<std::size_t>(st.section)];
        const Real half = sec != nullptr ? sec->D * scale : 0;
        const Real x1 = s.X(st.x1), x2 = s.X(st.x2);
        // The step at x1 from the stretch before, then the outline of this one.
        if (half != before) {
            s.d.Line(x1, s.h - before, x1, s.h - half);
            s.d.Line(x1, s.h + before, x1, s.h + half);
        }
        if (half > 0) {
            s.d.Line(x1, s.h - half, x2, s.h - half);
            s.d.Line(x1, s.h + half, x2, s.h + half);
            if (sec->d > 0) {
                s.d.LineType(3);
                const Real bore = sec->d * scale;
                s.d.Line(x1, s.h - bore, x2, s.h - bore);
                s.d.Line(x1, s.h + bore, x2, s.h + bore);
                s.d.LineType(0);
            }
        }
        before = half;
    }
    const Real end = s.X(m.length);
    if (before > 0) s.d.Line(end, s.h - before, end, s.h + before);
}

}  // namespace

void DrawBeamSketch(Drawing& d, const PlotFrame& f, const BeamModel& m, const SupportReactions& r,
                    int plane, Real h) {
    Sketch s{d, f, d.output(), h};
    const Real offset = PlaneAngleOffset(m, plane);
    auto inPlane = [&](const SupportReactions& rr, int i) {
        const std::size_t k = static_cast<std::size_t>(i);
        return plane == 1 ? rr.Ry[k] : plane == 2 ? rr.Rz[k] : rr.R[k];
    };
    d.Pen(19);
    d.TextSize(1.5L, 2.0L);
    d.Line(s.X(0), h, s.X(m.length), h);
    DrawStepOutline(s, m);

    d.Pen(22);
    switch (m.supportType) {
        case kFixedClamp: {
            const bool turned = m.length <= m.clampX;
            const Real force = plane == 1 ? r.FfixY : plane == 2 ? r.FfixZ : r.Ffix;
            const Real moment = plane == 1 ? r.MfixY : plane == 2 ? r.MfixZ : r.Mfix;
            s.Clamp(s.X(m.clampX), turned, force, moment);
            break;
        }
        case kAngularContactPair:
            for (int i = 0; i < 2; ++i) {
                const Real x = s.X(m.supportX[static_cast<std::size_t>(i)]);
                const Real angle = i == 0 ? m.contactAngleA : m.contactAngleB;
                const Real dia = i == 0 ? m.racewayDiameterA : m.racewayDiameterB;
                // Bearing: a circle for the rolling element and the contact line.
                d.Circle(x, h - 2, 1.5L);
                const Real dir = (m.bearingArrangement == 1) == (i == 0) ? 1 : -1;
                d.Line(x - dir * 2 * SinDeg(angle), h - 2 - 2 * CosDeg(angle),
                       x + dir * 2 * SinDeg(angle), h - 2 + 2 * CosDeg(angle));
                s.Label(x, h - 8, s.Force(inPlane(r, i)));
                s.Label(
                    x, h - 11,
                    FormatFree(d.output(), angle) + "/" +
                        FormatFree(d.output(), ToDisplayUnits(d.output(), Quantity::Length, dia)));
            }
            break;
        default: {
            const int hinges = m.supportType == kTwoHinges ? 2 : m.supportType - 1;
            for (int i = 0; i < hinges && i < 5; ++i)
                s.Hinge(s.X(m.supportX[static_cast<std::size_t>(i)]), i > 0, inPlane(r, i));
            break;
        }
    }

    d.Pen(24);
    for (int i = 1; i <= UserPointLoadCount(m); ++i) {
        const PointLoad& p = m.pointLoads[static_cast<std::size_t>(i)];
        const Real c = CosDeg(p.angle + offset);
        if (std::fabs(c) <= 1e-9L) continue;
        const Real v = p.f * c;
        // A load acting downwards (negative) points onto the axis from above.
        s.Arrow(s.X(p.x), -v, 10);
        s.Label(s.X(p.x), h + (v <= 0 ? 11 : -14), s.Force(v));
    }
    for (int i = 1; i <= m.axialLoadCount; ++i) {
        const AxialLoad& a = m.axialLoads[static_cast<std::size_t>(i)];
        const Real x = s.X(a.x), dir = a.fx >= 0 ? 1 : -1;
        d.Line(x - dir * 8, h + 1, x, h + 1);
        d.Line(x, h + 1, x - dir * 1.6L, h + 1.8L);
        d.Line(x, h + 1, x - dir * 1.6L, h + 0.2L);
        s.Label(x - dir * 4, h + 2, s.Force(a.fx));
    }
    for (int i = 1; i <= m.distributedLoadCount; ++i) {
        const DistributedLoad& q = m.distributedLoads[static_cast<std::size_t>(i)];
        const Real c = CosDeg(q.angle + offset);
        if (std::fabs(c) <= 1e-9L) continue;
        const Real v = q.q * c, x1 = s.X(q.x1), x2 = s.X(q.x2);
        const Real top = h + 6;
        d.Rectangle(x1, h + 1, x2, top);
        for (Real x = x1; x <= x2 + 1e-9L; x += std::max((x2 - x1) / 6, 1.0L))
            d.Line(x, top, x, h + 1);
        s.Label((x1 + x2) / 2, top + 1,
                FormatFree(d.output(), ToDisplayUnits(d.output(), Quantity::LineLoad, v)));
    }
    for (int i = 1; i <= m.momentLoadCount; ++i) {
        const MomentLoad& mo = m.momentLoads[static_cast<std::size_t>(i)];
        const Real c = CosDeg(mo.angle + offset);
        if (std::fabs(c) <= 1e-9L) continue;
        const Real v = mo.mb * c, x = s.X(mo.x);
        if (v >= 0)
            d.Arc(x, h, 3, 0, 180);
        else
            d.Arc(x, h, 3, 180, 360);
        s.Label(x, h + 4,
                FormatFree(d.output(), ToDisplayUnits(d.output(), Quantity::Moment, v / 1000)));
    }
    d.Pen(26);
    for (int i = 1; i <= m.notchZoneCount; ++i) {
        const NotchZone& z = m.notchZones[static_cast<std::size_t>(i)];
        const Real x1 = s.X(z.x1), x2 = s.X(z.x2);
        d.Line(x1, h - 1, x1, h + 1);
        d.Line(x2, h - 1, x2, h + 1);
        d.Line(x1, h - 1, x2, h - 1);
        s.Label((x1 + x2) / 2, h - 4, "bk=" + FormatFree(d.output(), z.betaKb));
    }
}

void DrawSchemaSheet(Drawing& d, const BeamModel& m, const SupportReactions& r) {
    d.Sheet(0, 0, 170, 120);
    d.Tables(2);
    d.PageBegin();
    PlotFrame f;
    f.x0 = 15;
    f.y0 = 6;
    f.width = 130;
    f.height = 90;
    const Real L = ToDisplayUnits(d.output(), Quantity::Length, m.length);
    f.xmin = -0.05L * L;
    f.xmax = 1.05L * L;
    if (f.xmax <= f.xmin) f.xmax = f.xmin + 1;
    d.Pen(21);
    d.TextSize(1.6L, 2.0L);
    d.Text(10, 116, m.drawingNumber + "  " + m.drawingName);
    d.Text(10, 113, m.headerLines[2]);
    d.Text(10, 110, m.headerLines[3]);
    d.Pen(18);
    d.TextSize(3, 3, 90);
    d.Text(5, 85, "xy-Ebene");
    d.TextSize(3, 3, 0);
    DrawBeamSketch(d, f, m, r, 1, 90);
    d.Pen(18);
    d.TextSize(3, 3, 90);
    d.Text(5, 45, "xz-Ebene");
    d.TextSize(3, 3, 0);
    DrawBeamSketch(d, f, m, r, 2, 50);
    // Coordinate directions: x along the beam, y up in the upper sketch, z down in the lower.
    d.Pen(18);
    d.TextSize(2, 2.5L, 0);
    for (const auto& [y, label] : {std::pair<Real, const char*>{90, "y"}, {50, "z"}}) {
        const Real dir = label[0] == 'y' ? 1 : -1;
        d.Line(152, y, 162, y);
        d.Line(162, y, 160, y + 0.8L);
        d.Line(162, y, 160, y - 0.8L);
        d.Text(163, y - 1, "x");
        d.Line(152, y, 152, y + dir * 10);
        d.Line(152, y + dir * 10, 151.2L, y + dir * 8);
        d.Line(152, y + dir * 10, 152.8L, y + dir * 8);
        d.Text(153, y + dir * 10 - (dir < 0 ? 2.5L : 0), label);
    }
    d.PageEnd();
}

}  // namespace bxr
