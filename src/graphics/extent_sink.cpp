#include "graphics/extent_sink.h"

#include <algorithm>
#include <cmath>

#include "graphics/text_box.h"

namespace bxr {

void Extent::Take(Real x, Real y) {
    x0 = std::min(x0, x);
    y0 = std::min(y0, y);
    x1 = std::max(x1, x);
    y1 = std::max(y1, y);
}

void Extent::Take(const Extent& e) {
    if (e.empty()) return;
    Take(e.x0, e.y0);
    Take(e.x1, e.y1);
}

void ExtentSink::Line(Real x1, Real y1, Real x2, Real y2) {
    extent_.Take(x1, y1);
    extent_.Take(x2, y2);
}

void ExtentSink::Circle(Real xc, Real yc, Real r) {
    extent_.Take(xc - r, yc - r);
    extent_.Take(xc + r, yc + r);
}

void ExtentSink::Arc(Real xc, Real yc, Real r, Real startDeg, Real endDeg) {
    constexpr Real kPi = 3.14159265358979323846L;
    auto take = [&](Real deg) {
        extent_.Take(xc + r * std::cos(deg * kPi / 180), yc + r * std::sin(deg * kPi / 180));
    };
    while (endDeg < startDeg) endDeg += 360;
    take(startDeg);
    take(endDeg);
    for (Real q = std::ceil(startDeg / 90) * 90; q < endDeg; q += 90) take(q);
}

void ExtentSink::Text(Real x, Real y, const std::string& oemText, const TextState& style) {
    const TextQuad q =
        TextQuadAt(x, y, NominalTextWidth(oemText, style), style.height, style.rotation);
    for (int i = 0; i < 4; ++i) extent_.Take(q.x[i], q.y[i]);
}

void ExtentSink::Solid(const Real (&x)[4], const Real (&y)[4]) {
    for (int i = 0; i < 4; ++i) extent_.Take(x[i], y[i]);
}

}  // namespace bxr
