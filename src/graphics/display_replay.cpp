#include "graphics/display_replay.h"

#include <cmath>

#include "analysis/angle_math.h"
#include "graphics/pen_style.h"
#include "graphics/text_box.h"

namespace bxr {

ReplayOptions ScreenColours(int configuredBackground, bool colourDisplay) {
    ReplayOptions o;
    o.backgroundRgb = BackgroundRgb(configuredBackground);
    o.foregroundRgb = ForegroundRgbOn(o.backgroundRgb);
    o.colourDisplay = colourDisplay;
    return o;
}

int ReplayDisplayList(const DisplayList& list, ReplayPainter& painter, const ReplayOptions& o) {
    auto X = [&](Real x) {
        return o.printing ? list.PrintX(x, o.pageWidth, o.marginMm, o.scale) : list.PixelX(x);
    };
    auto Y = [&](Real y) {
        return o.printing ? list.PrintY(y, o.pageHeight, o.marginMm, o.scale) : list.PixelY(y);
    };
    auto LenY = [&](Real l) {
        return o.printing ? static_cast<int>(std::lround(static_cast<double>(
                                l * list.scaleY() * o.pageHeight * o.scale / list.clientHeight())))
                          : list.PixelLengthY(l);
    };
    auto Shown = [&](unsigned rgb) { return ShownRgb(rgb, o.backgroundRgb, o.foregroundRgb); };
    ReplayPen pen;
    pen.rgb = o.foregroundRgb;
    unsigned colour = o.foregroundRgb;
    Real textHeight = 3.5L, textWidth = 0, textAngle = 0;
    Real curX = 0, curY = 0;
    int painted = 0;
    DisplayRecord r;
    for (const std::string& record : list.records()) {
        if (!ParseDisplayRecord(record, r)) continue;
        const auto& v = r.values;
        switch (r.code) {
            case 1:
                curX = v[0];
                curY = v[1];
                break;
            case 2:
                painter.Line(pen, X(curX), Y(curY), X(v[0]), Y(v[1]));
                curX = v[0];
                curY = v[1];
                break;
            case 3:
                painter.Ellipse(pen, X(v[0] - v[2]), Y(v[1] + v[2]), X(v[0] + v[2]),
                                Y(v[1] - v[2]));
                break;
            case 4:
                painter.Line(pen, X(v[0]), Y(v[1]), X(v[2]), Y(v[3]));
                break;
            case 5:
                painter.Arc(pen, X(v[0]), Y(v[3]), X(v[2]), Y(v[1]), X(v[4]), Y(v[5]), X(v[6]),
                            Y(v[7]));
                break;
            case 6: {
                ReplayFont font;
                font.heightPx = std::max(1, LenY(textHeight));
                font.widthPx = textWidth > 0 ? std::max(1, LenY(textWidth)) : 0;
                if (textWidth > 0)
                    font.maxWidthPx = std::max(
                        1, LenY(kShownWidthShare * textWidth * static_cast<Real>(r.text.size())));
                font.escapement =
                    static_cast<int>(std::lround(static_cast<double>(textAngle * 10)));
                font.flags = o.textFlags;
                font.rgb = (!o.colourDisplay || o.monochromePrint) ? o.foregroundRgb : colour;
                Real x = v[0], y = v[1] + 0.75L * textHeight;
                if (textAngle != 0) {
                    x = v[0] - SinDeg(textAngle) * 0.7L * textHeight;
                    y = v[1] + CosDeg(textAngle) * 0.75L * textHeight;
                }
                painter.Text(font, X(x), Y(y), r.text);
                break;
            }
            case 7: {
                const int xs[4] = {X(v[0]), X(v[2]), X(v[4]), X(v[6])};
                const int ys[4] = {Y(v[1]), Y(v[3]), Y(v[5]), Y(v[7])};
                painter.Polygon(colour, xs, ys);
                break;
            }
            case 8:
                colour = Shown(PaletteRgb(static_cast<int>(v[0]), o.foregroundRgb));
                pen.rgb = colour;
                break;
            case 9:
                textHeight = v[0];
                textWidth = v[1];
                textAngle = v[3];
                break;
            case 11:
                pen.style = static_cast<int>(v[0]);
                break;
            case 12:
                pen.width = static_cast<int>(v[0]) * (o.printing ? 4 : 1);
                break;
            default:
                break;  // window and pause records need no painting
        }
        ++painted;
    }
    return painted;
}

}  // namespace bxr
