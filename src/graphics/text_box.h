// Where a text lies on the sheet and how wide it is shown: the box of a text turned about its
// reference point, overlap tests for such boxes, and the width rule that every output with a
// proportional font follows (the SVG file and the window's painter): a text is shown at the
// natural advance of the font, narrowed to the width its style allows, never widened.
#pragma once

#include <string>

#include "graphics/drawing_sink.h"

namespace bxr {

// The four corners of a text box, counter-clockwise from the reference point (left end of
// the base line).
struct TextQuad {
    Real x[4] = {0, 0, 0, 0};
    Real y[4] = {0, 0, 0, 0};
};

// The box of a text of this length and height at (x, y), turned counter-clockwise.
TextQuad TextQuadAt(Real x, Real y, Real length, Real height, Real rotationDeg);
// True when the boxes come closer than gap (touching boxes overlap at gap 0).
bool QuadsOverlap(const TextQuad& a, const TextQuad& b, Real gap = 0);
// True when the segment touches the box.
bool QuadCrossesSegment(const TextQuad& q, Real x1, Real y1, Real x2, Real y2);

// The font size of a proportional font for a text of this height: capitals one height tall.
inline constexpr Real kFontSizePerTextHeight = 1.4L;
// The advance of the text (code page 850) in a sans-serif font of this size, from the advance
// widths of DejaVu Sans, the sans-serif of the Linux desktops.
Real NaturalTextAdvance(const std::string& oem, Real fontSize);
// The width the style gives a text: characters times height times width factor.
Real NominalTextWidth(const std::string& oem, const TextState& style);
// The share of the nominal width a text may fill at most, so that texts in neighbouring
// columns of a table keep a visible gap.
inline constexpr Real kShownWidthShare = 0.95L;
// The least gap, in text heights, between neighbouring texts on one line.
inline constexpr Real kMinTextGapShare = 0.2L;
// The width a text is shown at: its natural advance, narrowed to kShownWidthShare of the
// nominal width.
Real ShownTextWidth(const std::string& oem, const TextState& style);

}  // namespace bxr
