#include "graphics/plot_frame.h"

#include <algorithm>
#include <cmath>

#include "format/number_format.h"

namespace bxr {

Real PlotFrame::Factor() const {
    return std::max(height * 0.01L, width * 0.00625L);
}

namespace {

void Arrow(Drawing& d, Real tipX, Real tipY, Real dirX, Real dirY, Real size) {
    // Two strokes back from the tip, a third of the size to each side.
    const Real bx = tipX - dirX * size, by = tipY - dirY * size;
    const Real nx = -dirY * size / 3, ny = dirX * size / 3;
    d.Line(tipX, tipY, bx + nx, by + ny);
    d.Line(tipX, tipY, bx - nx, by - ny);
}

}  // namespace

void DrawAxes(Drawing& d, PlotFrame& f, const std::string& xLabel, const std::string& yLabel,
              const std::string& title, Real xlo, Real xhi, Real ylo, Real yhi,
              const LimitsQuestion& ask) {
    const Real ff = f.Factor();
    // Title centred over the frame, never left of it.
    d.Pen(4);
    d.TextSize(2.5L * ff, 3.5L * ff);
    const Real centre = f.x0 + f.width / 2;
    d.Text(std::max(centre - static_cast<Real>(title.size()) * 3.5L / 2, f.x0), f.y0 + f.height + 3,
           title);

    Scale sx = NiceScale(xlo, xhi, 6), sy = NiceScale(ylo, yhi, 6);
    if (ask) {
        Real a = sx.lower, b = sx.upper, c = sy.lower, e = sy.upper;
        if (ask(title, xLabel, yLabel, a, b, c, e)) {
            sx = NiceScale(a, b, 6);
            sy = NiceScale(c, e, 6);
        }
    }
    f.xmin = sx.lower;
    f.xmax = sx.upper;
    f.xstep = sx.step;
    f.ymin = sy.lower;
    f.ymax = sy.upper;
    f.ystep = sy.step;
    const Real xr = f.xmax - f.xmin, yr = f.ymax - f.ymin;

    d.Pen(17);
    d.TextSize(1.9L * ff, 2.3L * ff);
    if (f.ymin <= 0 && 0 <= f.ymax) {
        const Real tip = f.MapX(f.xmax + 0.05L * xr);
        d.Line(f.MapX(f.xmin), f.MapY(0), tip, f.MapY(0));
        Arrow(d, tip, f.MapY(0), 1, 0, 0.04L * f.width);
    }
    if (f.xmin <= 0 && 0 <= f.xmax) {
        const Real tip = f.MapY(f.ymax + 0.05L * yr);
        d.Line(f.MapX(0), f.MapY(f.ymin), f.MapX(0), tip);
        Arrow(d, f.MapX(0), tip, 0, 1, 0.04L * f.height);
    }
    const std::vector<Real> xt = ScaleTicks(sx), yt = ScaleTicks(sy);
    for (Real x : xt) {
        d.Line(f.MapX(x), f.MapY(f.ymin - 0.01L * yr), f.MapX(x), f.MapY(f.ymin));
        d.Text(f.MapX(x - 0.03L * f.xmax), f.MapY(f.ymin - 0.07L * yr), FormatSmart(d.output(), x));
    }
    for (Real y : yt) {
        d.Line(f.MapX(f.xmin - 0.01L * xr), f.MapY(y), f.MapX(f.xmin), f.MapY(y));
        d.Text(f.MapX(f.xmin - 0.1L * xr), f.MapY(y - 0.01L * yr), FormatSmart(d.output(), y));
    }
    d.Text(f.MapX(1.01L * f.xmax), f.MapY(f.ymin + 0.03L * yr), xLabel);
    d.Text(f.MapX(f.xmin - 0.1L * xr), f.MapY(f.ymax + 0.07L * yr), yLabel);

    d.LineType(1);
    for (Real x : xt) d.Line(f.MapX(x), f.MapY(f.ymin), f.MapX(x), f.MapY(f.ymax));
    for (Real y : yt) d.Line(f.MapX(f.xmin), f.MapY(y), f.MapX(f.xmax), f.MapY(y));
    d.LineType(0);
}

bool ClipToFrame(const PlotFrame& f, Real& xa, Real& ya, Real& xb, Real& yb) {
    const Real ex = 0.01L * (f.xmax - f.xmin), ey = 0.01L * (f.ymax - f.ymin);
    const Real left = f.xmin - ex, right = f.xmax + ex, bottom = f.ymin - ey, top = f.ymax + ey;
    // Liang-Barsky.
    Real t0 = 0, t1 = 1;
    const Real dx = xb - xa, dy = yb - ya;
    const Real p[4] = {-dx, dx, -dy, dy};
    const Real q[4] = {xa - left, right - xa, ya - bottom, top - ya};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const Real t = q[i] / p[i];
        if (p[i] < 0) {
            if (t > t1) return false;
            t0 = std::max(t0, t);
        } else {
            if (t < t0) return false;
            t1 = std::min(t1, t);
        }
    }
    const Real ax = xa, ay = ya;
    xa = ax + t0 * dx;
    ya = ay + t0 * dy;
    xb = ax + t1 * dx;
    yb = ay + t1 * dy;
    return true;
}

void FrameLine(Drawing& d, const PlotFrame& f, Real xa, Real ya, Real xb, Real yb) {
    if (!ClipToFrame(f, xa, ya, xb, yb)) return;
    d.Line(f.MapX(xa), f.MapY(ya), f.MapX(xb), f.MapY(yb));
}

}  // namespace bxr
