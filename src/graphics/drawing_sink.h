// One output of the drawing interface. The interface (Drawing) resolves the offset, the text
// alignment, pen numbers above 31 and blocks for outputs without them, and hands each output
// absolute sheet coordinates in millimetres.
#pragma once

#include <string>

#include "model/beam_model.h"

namespace bxr {

enum class CadOutput : int {
    Dxf = 1,
    Iges = 2,
    Window = 3,
    Plot = 4,  // a DXF file handed to the plot program
    ElementText = 5,
    Svg = 6,
};

// The extension of a file output's name; empty for the window and the plot program.
std::string OutputExtension(CadOutput kind);

struct TextState {
    Real height = 3.5;
    Real widthFactor = 0.7;
    Real rotation = 0;  // degrees
    Real oblique = 0;   // degrees
};

class DrawingSink {
  public:
    virtual ~DrawingSink() = default;

    virtual void Sheet(Real xmin, Real ymin, Real xmax, Real ymax) = 0;
    virtual void Tables(int /*scheme*/) {}
    virtual void PageBegin() {}
    virtual void PageEnd() {}
    // Finishes the output (writes the file); false, with failure() saying why, when that fails.
    virtual bool Close() = 0;

    virtual void Pen(int pen) = 0;          // 0..31
    virtual void LineType(int /*type*/) {}  // 0 solid, 1 dotted, 2 dash-dot, 3 dashed

    virtual void Line(Real x1, Real y1, Real x2, Real y2) = 0;
    // Outputs that keep the third coordinate say so; the others get the x-y projection.
    virtual bool Supports3D() const { return false; }
    virtual void Line3D(Real x1, Real y1, Real /*z1*/, Real x2, Real y2, Real /*z2*/) {
        Line(x1, y1, x2, y2);
    }
    // A polyline: outputs without one get its segments as lines.
    virtual void PolylineBegin(Real x, Real y) {
        lastX_ = x;
        lastY_ = y;
    }
    virtual void PolylineVertex(Real x, Real y) {
        Line(lastX_, lastY_, x, y);
        lastX_ = x;
        lastY_ = y;
    }
    virtual void PolylineEnd() {}
    virtual void Circle(Real xc, Real yc, Real r) = 0;
    // Counter-clockwise from the start angle to the end angle, degrees.
    virtual void Arc(Real xc, Real yc, Real r, Real startDeg, Real endDeg) = 0;
    virtual void Text(Real x, Real y, const std::string& oemText, const TextState& style) = 0;
    // A text at a point in space; outputs without the third coordinate write it at (x, y).
    virtual void Text3D(Real x, Real y, Real /*z*/, const std::string& oemText,
                        const TextState& style) {
        Text(x, y, oemText, style);
    }
    virtual void Solid(const Real (&x)[4], const Real (&y)[4]) = 0;

    // Blocks: outputs that keep them say so; for the others the interface replays the block
    // at every insert.
    virtual bool SupportsBlocks() const { return false; }
    virtual void BlockBegin(const std::string& /*name*/) {}
    virtual void BlockEnd() {}
    virtual void Insert(const std::string& /*name*/, Real /*x*/, Real /*y*/, Real /*sx*/,
                        Real /*sy*/, Real /*rotationDeg*/) {}

    // False once a write failed; the message says what went wrong.
    bool ok() const { return ok_; }
    const std::string& failure() const { return failure_; }

  protected:
    void Fail(const std::string& why) {
        if (ok_) failure_ = why;
        ok_ = false;
    }
    Real lastX_ = 0, lastY_ = 0;

  private:
    bool ok_ = true;
    std::string failure_;
};

// An arc whose start and end angles are equal, or 0 and 360 apart, within 1e-5: a circle.
bool IsFullArc(Real startDeg, Real endDeg);

}  // namespace bxr
