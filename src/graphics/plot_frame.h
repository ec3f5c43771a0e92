// The plot frame of the diagrams and the section plot: a rectangle on the sheet into which
// value ranges are mapped, its axes with ticks, labels and grid, and lines clipped to it.
#pragma once

#include <functional>
#include <string>

#include "graphics/drawing.h"
#include "format/nice_scale.h"

namespace bxr {

struct PlotFrame {
    Real x0 = 15, y0 = 6;  // origin on the sheet, mm
    Real width = 130, height = 60;
    Real xmin = 0, xmax = 1, ymin = 0, ymax = 1;
    Real xstep = 1, ystep = 1;

    Real MapX(Real x) const { return (x - xmin) / (xmax - xmin) * width + x0; }
    Real MapY(Real y) const { return (y - ymin) / (ymax - ymin) * height + y0; }
    // max(height * 0.01, width * 0.00625): text sizes of the axes grow with the frame.
    Real Factor() const;
};

// Offered before the axes are drawn when the limits dialog is switched on: gets the diagram's
// title and axis texts and the computed limits, may replace them; false keeps the computed
// ones.
using LimitsQuestion =
    std::function<bool(const std::string& title, const std::string& xLabel,
                       const std::string& yLabel, Real& xmin, Real& xmax, Real& ymin, Real& ymax)>;

// Rounds the value ranges with NiceScale (6 intervals), asks for other limits when a
// question is given, and draws title, axes, ticks, labels and grid. The frame's ranges and
// steps are set from the rounded limits.
void DrawAxes(Drawing& d, PlotFrame& frame, const std::string& xLabel, const std::string& yLabel,
              const std::string& title, Real xlo, Real xhi, Real ylo, Real yhi,
              const LimitsQuestion& ask = nullptr);

// Clips the segment to the frame's value window enlarged by 1 % of each range; false when
// nothing is left.
bool ClipToFrame(const PlotFrame& frame, Real& xa, Real& ya, Real& xb, Real& yb);

// A line between two value points, clipped and mapped.
void FrameLine(Drawing& d, const PlotFrame& frame, Real xa, Real ya, Real xb, Real yb);

}  // namespace bxr
