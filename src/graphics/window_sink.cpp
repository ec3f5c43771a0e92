#include "graphics/window_sink.h"

#include "graphics/pen_style.h"
#include "format/code_page.h"

namespace bxr {

WindowSink::WindowSink(DisplayList& list, const CadSettings& cad) : list_(list), cad_(cad) {
    list_.SetMaxColours(cad.maxColours);
    list_.SetZoomFactor(cad.zoomFactor);
    list_.SetPanStep(cad.panStep);
}

void WindowSink::Sheet(Real xmin, Real ymin, Real xmax, Real ymax) {
    list_.Clear();
    if (!list_.Header(xmin, ymin, xmax, ymax)) Fail("Zeichnungsgrenzen ungültig"_oem);
}

void WindowSink::Pen(int pen) {
    list_.SetColorAcad(PenCadColour(cad_, pen));
    list_.SetLineStyle(PenLineStyle(cad_, pen));
    list_.SetLineWidth(PenLineWidth(cad_, pen));
}

void WindowSink::Arc(Real xc, Real yc, Real r, Real startDeg, Real endDeg) {
    if (IsFullArc(startDeg, endDeg))
        list_.Circle(xc, yc, r);
    else
        list_.Arc(xc, yc, r, startDeg, endDeg);
}

void WindowSink::Text(Real x, Real y, const std::string& oemText, const TextState& style) {
    if (style.height != lastStyle_.height || style.widthFactor != lastStyle_.widthFactor ||
        style.rotation != lastStyle_.rotation) {
        list_.SetTextStyle(style.height, style.height * style.widthFactor, 0, style.rotation);
        lastStyle_ = style;
    }
    list_.OutTextXY(x, y, oemText);
}

}  // namespace bxr
