// Replaying the display list onto a canvas: the window's painting and printing walk the
// records with the current mapping and hand pixel geometry to a painter. The Qt window
// implements the painter; nothing here knows the toolkit.
#pragma once

#include <string>

#include "graphics/display_list.h"

namespace bxr {

struct ReplayPen {
    unsigned rgb = 0;
    int style = 0;  // 0 solid, 1 dotted, 2 dash-dot, 3 dashed
    int width = 1;  // pixels
};

struct ReplayFont {
    int heightPx = 10;
    int widthPx = 0;     // of one character; 0 = the font's own
    int maxWidthPx = 0;  // the width the whole text may take (kShownWidthShare of its
                         // characters' widths); 0 = no limit
    int escapement = 0;  // tenths of a degree
    unsigned rgb = 0;
    int flags = 0;  // kTextBold | kTextItalic | kTextUnderline | kTextStrikeOut
};

// The text flags of the configuration's graphics text style, bit by bit.
inline constexpr int kTextBold = 1, kTextItalic = 2, kTextUnderline = 4, kTextStrikeOut = 8;

class ReplayPainter {
  public:
    virtual ~ReplayPainter() = default;
    virtual void Line(const ReplayPen& pen, int x1, int y1, int x2, int y2) = 0;
    // Circle outline in its bounding square.
    virtual void Ellipse(const ReplayPen& pen, int left, int top, int right, int bottom) = 0;
    // Counter-clockwise arc in the bounding square from the start point to the end point.
    virtual void Arc(const ReplayPen& pen, int left, int top, int right, int bottom, int xs, int ys,
                     int xe, int ye) = 0;
    virtual void Polygon(unsigned rgb, const int (&x)[4], const int (&y)[4]) = 0;
    // Text drawn from its top left corner with a transparent background; code page 850.
    // The rule every output with a proportional font follows (the SVG file does the same): a
    // sans-serif font of kFontSizePerTextHeight * heightPx pixels at its natural advance;
    // when that is wider than maxWidthPx the text is narrowed to maxWidthPx, it is never
    // widened (ShownTextWidth in text_box.h says how wide that is in drawing units).
    virtual void Text(const ReplayFont& font, int x, int y, const std::string& oemText) = 0;
};

// The colours of a canvas: the window's configured background, or white paper.
struct ReplayOptions {
    unsigned backgroundRgb = 0xFFFFFF;
    unsigned foregroundRgb = 0;  // colour 0, and texts without colour display
    bool colourDisplay = true;   // off: texts in the foreground colour
    int textFlags = 0;           // the style of every text (ReplayFont::flags)
    bool printing = false;      // line widths four times; the page mapping below
    bool monochromePrint = false;
    int pageWidth = 0, pageHeight = 0;
    Real marginMm = 0, scale = 1;
};

// The window's colours from its configured background; printing and picture files use the
// defaults above (white paper, black foreground).
ReplayOptions ScreenColours(int configuredBackground, bool colourDisplay);

// Paints every record from the first; colours as ShownRgb (pen_style.h) shows them on the
// background; returns the number of records painted.
int ReplayDisplayList(const DisplayList& list, ReplayPainter& painter, const ReplayOptions& o);

}  // namespace bxr
