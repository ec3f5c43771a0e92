// An output that keeps what a drawing sends: the sheet, every text with its style and the
// extent of every primitive, for the checks of what the drawings show.
#pragma once

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "graphics/drawing_sink.h"

namespace bxr::samples {

struct Box {
    Real x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};

struct RecordedText {
    Real x = 0, y = 0;
    std::string oem;
    TextState style;
    int pen = 0;
};

struct RecordedPrimitive {
    std::string what;
    Box box;
};

class RecordingSink : public DrawingSink {
  public:
    Box sheet;
    std::vector<RecordedText> texts;
    std::vector<RecordedPrimitive> primitives;

    void Sheet(Real xmin, Real ymin, Real xmax, Real ymax) override {
        sheet = {xmin, ymin, xmax, ymax};
    }
    bool Close() override { return true; }
    void Pen(int pen) override { pen_ = pen; }
    void Line(Real x1, Real y1, Real x2, Real y2) override {
        Add("line", {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)});
    }
    void Circle(Real xc, Real yc, Real r) override {
        Add("circle", {xc - r, yc - r, xc + r, yc + r});
    }
    void Arc(Real xc, Real yc, Real r, Real a, Real b) override {
        // The end points and every quadrant point the sweep passes.
        Box box{1e300L, 1e300L, -1e300L, -1e300L};
        auto take = [&](Real deg) {
            const Real t = deg * 3.14159265358979323846L / 180;
            const Real x = xc + r * std::cos(t), y = yc + r * std::sin(t);
            box = {std::min(box.x0, x), std::min(box.y0, y), std::max(box.x1, x),
                   std::max(box.y1, y)};
        };
        while (b < a) b += 360;
        take(a);
        take(b);
        for (Real q = std::ceil(a / 90) * 90; q < b; q += 90) take(q);
        Add("arc", box);
    }
    void Text(Real x, Real y, const std::string& oemText, const TextState& style) override {
        texts.push_back({x, y, oemText, style, pen_});
        // The nominal box: the character count times height times width factor, one height
        // high, turned about the reference point.
        const Real length = static_cast<Real>(oemText.size()) * style.height * style.widthFactor;
        const Real t = style.rotation * 3.14159265358979323846L / 180;
        const Real c = std::cos(t), s = std::sin(t);
        Box box{1e300L, 1e300L, -1e300L, -1e300L};
        for (Real u : {Real(0), length})
            for (Real v : {Real(0), style.height}) {
                const Real px = x + u * c - v * s, py = y + u * s + v * c;
                box = {std::min(box.x0, px), std::min(box.y0, py), std::max(box.x1, px),
                       std::max(box.y1, py)};
            }
        Add("text \"" + oemText + "\"", box);
    }
    void Solid(const Real (&x)[4], const Real (&y)[4]) override {
        Add("solid", {*std::min_element(x, x + 4), *std::min_element(y, y + 4),
                      *std::max_element(x, x + 4), *std::max_element(y, y + 4)});
    }

  private:
    int pen_ = 0;
    void Add(const std::string& what, Box box) { primitives.push_back({what, box}); }
};

}  // namespace bxr::samples
