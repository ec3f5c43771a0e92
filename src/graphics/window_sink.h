// The graphics window as an output of the drawing interface: every primitive becomes
// records of the display list, pens become colours, line styles and widths.
#pragma once

#include "graphics/cad_settings.h"
#include "graphics/display_list.h"
#include "graphics/drawing_sink.h"

namespace bxr {

class WindowSink : public DrawingSink {
  public:
    WindowSink(DisplayList& list, const CadSettings& cad);

    void Sheet(Real xmin, Real ymin, Real xmax, Real ymax) override;
    bool Close() override { return ok(); }
    void Pen(int pen) override;
    void LineType(int type) override { list_.SetLineStyle(type); }
    void Line(Real x1, Real y1, Real x2, Real y2) override { list_.Line(x1, y1, x2, y2); }
    void Circle(Real xc, Real yc, Real r) override { list_.Circle(xc, yc, r); }
    void Arc(Real xc, Real yc, Real r, Real startDeg, Real endDeg) override;
    void Text(Real x, Real y, const std::string& oemText, const TextState& style) override;
    void Solid(const Real (&x)[4], const Real (&y)[4]) override { list_.Solid(x, y); }

  private:
    DisplayList& list_;
    const CadSettings& cad_;
    TextState lastStyle_{-1, -1, -1, -1};
};

}  // namespace bxr
