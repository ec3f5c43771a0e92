// An output that only measures: the box of everything drawn into it, texts by their nominal
// box (characters times height times width factor, one height high, turned). Drawings whose
// sheet follows from what they hold draw once into it, then onto their real output.
#pragma once

#include <memory>

#include "graphics/drawing.h"
#include "graphics/drawing_sink.h"

namespace bxr {

struct Extent {
    Real x0 = 1e300L, y0 = 1e300L, x1 = -1e300L, y1 = -1e300L;
    bool empty() const { return x0 > x1; }
    void Take(Real x, Real y);
    void Take(const Extent& e);
};

class ExtentSink : public DrawingSink {
  public:
    const Extent& extent() const { return extent_; }

    void Sheet(Real, Real, Real, Real) override {}
    bool Close() override { return true; }
    void Pen(int) override {}
    void Line(Real x1, Real y1, Real x2, Real y2) override;
    void Circle(Real xc, Real yc, Real r) override;
    void Arc(Real xc, Real yc, Real r, Real startDeg, Real endDeg) override;
    void Text(Real x, Real y, const std::string& oemText, const TextState& style) override;
    void Solid(const Real (&x)[4], const Real (&y)[4]) override;

  private:
    Extent extent_;
};

// The box of what draw puts on a drawing of the same kind and settings as d.
template <class Draw>
Extent MeasureDrawing(const Drawing& d, Draw&& draw) {
    bool abortFlag = false;
    auto owned = std::make_unique<ExtentSink>();
    ExtentSink* sink = owned.get();
    Drawing probe(std::move(owned), d.kind(), d.output(), d.cad(), abortFlag);
    draw(probe);
    return sink->extent();
}

}  // namespace bxr
