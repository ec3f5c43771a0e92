#include "graphics/shaft_drawing.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "format/code_page.h"
#include "format/number_format.h"
#include "format/units.h"
#include "model/shaft_sections.h"

namespace bxr {

namespace {

constexpr Real kSheetWidth = 297, kSheetHeight = 210;
constexpr Real kTextHeight = 2.5L;

// One stretch as drawn: outer and inner radius in model mm.
struct Piece {
    Real x1, x2, outer, inner;
    int section;  // 0 for the contour
};

std::vector<Piece> Pieces(const BeamModel& m, const SectionState& section) {
    const SectionExtents& ex = section.extents;
    const Real contourHalf = std::max(std::fabs(ex.ymax - section.props.ys),
                                      std::fabs(ex.ymin - section.props.ys));
    std::vector<ShaftStretch> stretches = ShaftStretches(m);
    if (stretches.empty() && m.length > 0) stretches.push_back({0, m.length, 0});
    std::vector<Piece> out;
    for (const ShaftStretch& s : stretches) {
        if (s.section == 0) {
            out.push_back({s.x1, s.x2, m.contourCount > 0 ? contourHalf : 0, 0, 0});
            continue;
        }
        const ShaftSection& sec = m.shaftSections[static_cast<std::size_t>(s.section)];
        out.push_back({s.x1, s.x2, sec.D / 2, sec.d / 2, s.section});
    }
    return out;
}

std::string ScaleText(Real scale) {
    auto number = [](Real v) {
        std::string t = FormatFree(OutputSettings{}, v);
        return t;
    };
    return scale >= 1 ? "M " + number(scale) + ":1" : "M 1:" + number(1 / scale);
}

class SideView {
  public:
    SideView(Drawing& d, const OutputSettings& out, Real scale, Real x0, Real axis)
        : d_(d), out_(out), scale_(scale), x0_(x0), axis_(axis) {}

    Real X(Real x) const { return x0_ + x * scale_; }
    Real Y(Real r) const { return axis_ + r * scale_; }

    std::string Length(Real v) const {
        return FormatFree(out_, ToDisplayUnits(out_, Quantity::Length, v));
    }

    void Arrow(Real x, Real y, Real dir) const {
        d_.Solid(x, y, x + dir * 2.5L, y + 0.6L, x + dir * 2.5L, y - 0.6L, x + dir * 2.5L,
                 y - 0.6L);
    }

    // A horizontal dimension from xa to xb (sheet) at height y, with extension lines down
    // from the outline heights ya and yb.
    void Horizontal(Real xa, Real xb, Real y, Real ya, Real yb, const std::string& text) const {
        d_.Line(xa, ya - 1, xa, y - 1.5L);
        d_.Line(xb, yb - 1, xb, y - 1.5L);
        d_.Line(xa, y, xb, y);
        const bool inside = xb - xa > 6;
        Arrow(xa, y, inside ? 1 : -1);
        Arrow(xb, y, inside ? -1 : 1);
        d_.TextAlign(1, 0);
        d_.Text((xa + xb) / 2, y + 0.8L, text);
        d_.TextAlign(0, 0);
    }

    // A vertical diameter dimension at xs from -r to +r (sheet), text turned along it.
    void Diameter(Real xs, Real r, const std::string& text) const {
        d_.Line(xs, axis_ - r, xs, axis_ + r);
        VerticalArrow(xs, axis_ - r, 1);
        VerticalArrow(xs, axis_ + r, -1);
        d_.TextSize(kTextHeight * 0.7L, kTextHeight, 90);
        d_.TextAlign(1, 0);
        d_.Text(xs - 0.8L, axis_, text);
        d_.TextAlign(0, 0);
        d_.TextSize(kTextHeight * 0.7L, kTextHeight, 0);
    }

  private:
    void VerticalArrow(Real x, Real y, Real dir) const {
        d_.Solid(x, y, x + 0.6L, y + dir * 2.5L, x - 0.6L, y + dir * 2.5L, x - 0.6L,
                 y + dir * 2.5L);
    }

    Drawing& d_;
    const OutputSettings& out_;
    Real scale_, x0_, axis_;
};

}  // namespace

Real ShaftDrawingScale(Real length, Real diameter, Real width, Real height) {
    static const Real kScales[] = {5,        2,        1,         0.5L,     0.4L,
                                   0.2L,     0.1L,     0.05L,     0.02L,    0.01L,
                                   0.005L,   0.002L,   0.001L};
    for (Real s : kScales)
        if (length * s <= width && diameter * s <= height) return s;
    return std::min(width / std::max(length, Real(1)), height / std::max(diameter, Real(1)));
}

void DrawShaftDrawing(Drawing& d, const BeamModel& m, const SectionState& section) {
    d.Sheet(0, 0, kSheetWidth, kSheetHeight);
    d.Tables(2);
    d.PageBegin();
    const OutputSettings& out = d.output();
    const std::vector<Piece> pieces = Pieces(m, section);
    Real largest = 0;
    for (const Piece& p : pieces) largest = std::max(largest, p.outer);
    const Real length = std::max(m.length, Real(0));
    const Real scale = ShaftDrawingScale(length, 2 * largest, 240, 90);
    const Real x0 = (kSheetWidth - length * scale) / 2;
    const Real axis = 115;
    const SideView s(d, out, scale, x0, axis);

    // Frame and title; the pens are those of the section drawing: outline 5, axes 1
    // (dash-dot), hidden edges 2 (dashed), dimensions 4, texts and marks 3.
    d.Pen(5);
    d.Rectangle(10, 10, kSheetWidth - 10, kSheetHeight - 10);
    d.TextSize(kTextHeight * 0.7L, kTextHeight);
    d.Text(15, 15, m.drawingName.empty() ? std::string("Welle") : m.drawingName);
    d.TextAlign(2, 0);
    d.Text(kSheetWidth - 15, 15, ScaleText(scale) + "   [" + UnitText(out, Quantity::Length) + "]");
    d.TextAlign(0, 0);
    if (pieces.empty()) {
        d.PageEnd();
        return;
    }

    // Axis, a little beyond both ends.
    d.Pen(1);
    d.Line(s.X(0) - 6, axis, s.X(length) + 6, axis);

    // Outline: top and bottom of every stretch, and at each step and end the face of the
    // larger neighbour.
    d.Pen(5);
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const Piece& p = pieces[i];
        d.Line(s.X(p.x1), s.Y(p.outer), s.X(p.x2), s.Y(p.outer));
        d.Line(s.X(p.x1), s.Y(-p.outer), s.X(p.x2), s.Y(-p.outer));
        const Real before = i == 0 ? 0 : pieces[i - 1].outer;
        const Real face = std::max(before, p.outer);
        if (face > 0) d.Line(s.X(p.x1), s.Y(-face), s.X(p.x1), s.Y(face));
    }
    const Piece& last = pieces.back();
    d.Line(s.X(last.x2), s.Y(-last.outer), s.X(last.x2), s.Y(last.outer));

    // Bores, hidden: dashed.
    d.Pen(2);
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const Piece& p = pieces[i];
        if (p.inner > 0) {
            d.Line(s.X(p.x1), s.Y(p.inner), s.X(p.x2), s.Y(p.inner));
            d.Line(s.X(p.x1), s.Y(-p.inner), s.X(p.x2), s.Y(-p.inner));
        }
        const Real before = i == 0 ? 0 : pieces[i - 1].inner;
        const Real face = std::max(before, p.inner);
        if (face > 0 && before != p.inner) d.Line(s.X(p.x1), s.Y(-face), s.X(p.x1), s.Y(face));
    }
    if (last.inner > 0) d.Line(s.X(last.x2), s.Y(-last.inner), s.X(last.x2), s.Y(last.inner));

    // Dimensions: each diameter at the middle of its stretch, the stretch lengths in a chain
    // below the shaft and the whole length below that.
    d.Pen(4);
    d.TextSize(kTextHeight * 0.7L, kTextHeight);
    const Real bottom = s.Y(-largest);
    for (const Piece& p : pieces) {
        if (p.section == 0) continue;
        const ShaftSection& sec = m.shaftSections[static_cast<std::size_t>(p.section)];
        std::string text = "Ø"_oem + s.Length(sec.D);
        if (sec.d > 0) text += " / Ø"_oem + s.Length(sec.d);
        s.Diameter((s.X(p.x1) + s.X(p.x2)) / 2, p.outer * scale, text);
    }
    const Real chain = bottom - 10;
    for (const Piece& p : pieces)
        s.Horizontal(s.X(p.x1), s.X(p.x2), chain, s.Y(-p.outer), s.Y(-p.outer),
                     s.Length(p.x2 - p.x1));
    s.Horizontal(s.X(0), s.X(length), chain - 10, chain, chain, s.Length(length));

    // Supports below the shaft, notch zones above it.
    d.Pen(3);
    const Real top = s.Y(largest);
    auto supportMark = [&](Real x, const std::string& name) {
        const Real xs = s.X(x);
        const Real y = s.Y(-largest) - 1;
        d.Line(xs, y, xs - 2, y - 3.5L);
        d.Line(xs - 2, y - 3.5L, xs + 2, y - 3.5L);
        d.Line(xs + 2, y - 3.5L, xs, y);
        d.TextAlign(1, 2);
        d.Text(xs + 4, y - 1, name);
        d.TextAlign(0, 0);
    };
    if (m.supportType == kFixedClamp) {
        const Real xs = s.X(m.clampX);
        d.Line(xs, s.Y(-largest) - 3, xs, s.Y(largest) + 3);
        for (int i = 0; i < 6; ++i) {
            const Real y = s.Y(-largest) - 3 + i * (2 * largest * scale + 6) / 5;
            d.Line(xs, y, xs - 2, y - 2);
        }
    } else {
        const int count = m.supportType == kTwoHinges || m.supportType == kAngularContactPair
                              ? 2
                              : m.supportType - 1;
        for (int i = 0; i < count && i < 5; ++i)
            supportMark(m.supportX[static_cast<std::size_t>(i)], std::string(1, "ABCDE"[i]));
    }
    for (int i = 1; i <= std::clamp<int>(m.notchZoneCount, 0, kMaxNotchZones); ++i) {
        const NotchZone& z = m.notchZones[static_cast<std::size_t>(i)];
        const Real xa = s.X(std::max(z.x1, Real(0))), xb = s.X(std::min(z.x2, length));
        const Real y = top + 3;
        d.Line(xa, y, xb, y);
        d.Line(xa, y, xa, y - 1.5L);
        d.Line(xb, y, xb, y - 1.5L);
        d.TextAlign(1, 0);
        d.Text((xa + xb) / 2, y + 0.8L, "K" + std::to_string(i));
        d.TextAlign(0, 0);
    }
    d.PageEnd();
}

}  // namespace bxr
