#include "graphics/display_list.h"

#include <cmath>
#include <cstdlib>

#include "analysis/angle_math.h"
#include "graphics/cad_number.h"
#include "graphics/pen_style.h"

namespace bxr {

namespace {

long Round(Real v) {
    return std::lround(static_cast<double>(v));
}

}  // namespace

DisplayList::DisplayList() {
    SetClientSize(800, 600);
}

void DisplayList::SetClientSize(int width, int height) {
    clientW_ = width > 0 ? width : 1;
    clientH_ = height > 0 ? height : 1;
}

void DisplayList::Add(const std::string& code, std::initializer_list<Real> values) {
    std::string r = code + ";";
    bool first = true;
    for (Real v : values) {
        if (!first) r += ';';
        r += GeneralNumber(v);
        first = false;
    }
    records_.push_back(std::move(r));
}

void DisplayList::ComputeScale() {
    sx_ = static_cast<Real>(viewport_.right - viewport_.left) / (world_.x1 - world_.x0);
    sy_ = static_cast<Real>(viewport_.bottom - viewport_.top) / (world_.y1 - world_.y0);
    if (isotropic_) {
        const Real aspect = 0.75L * clientW_ / clientH_;
        const Real t = sy_ * aspect;
        if (sx_ >= t)
            sx_ = t;
        else
            sy_ = sx_ / aspect;
    }
}

bool DisplayList::SetWindow(bool inset, bool isotropic, Real x0, Real y0, Real x1, Real y1,
                            Real fx0, Real fy0, Real fx1, Real fy1) {
    if (x0 == x1 || y0 == y1) return false;
    const int in = inset ? 1 : 0;
    viewport_.left = static_cast<int>(Round(fx0 * clientW_)) + in;
    viewport_.right = static_cast<int>(Round(fx1 * clientW_)) - in;
    viewport_.top = static_cast<int>(Round((1 - fy1) * clientH_)) + in;
    viewport_.bottom = static_cast<int>(Round((1 - fy0) * clientH_)) - in;
    isotropic_ = isotropic;
    world_ = {x0, y0, x1, y1};
    records_.push_back("10;" + std::to_string(viewport_.left) + ";" +
                       std::to_string(viewport_.top) + ";" + std::to_string(viewport_.right) + ";" +
                       std::to_string(viewport_.bottom) + ";" + GeneralNumber(x0) + ";" +
                       GeneralNumber(y0) + ";" + GeneralNumber(x1) + ";" + GeneralNumber(y1));
    ComputeScale();
    return true;
}

bool DisplayList::Header(Real x0, Real y0, Real x1, Real y1) {
    if (!SetWindow(false, true, x0, y0, x1, y1)) return false;
    SetLineStyle(0);
    SaveLimit();
    SaveViewPort();
    return true;
}

void DisplayList::ZoomTo(int a, int b, int c, int d) {
    if (a == c || b == d) return;
    if (a > c) std::swap(a, c);
    if (b > d) std::swap(b, d);
    const Real w = static_cast<Real>(viewport_.right - viewport_.left);
    const Real h = static_cast<Real>(viewport_.bottom - viewport_.top);
    if (w <= 0 || h <= 0) return;
    const WorldWindow old = world_;
    // Pixel y grows downwards, world y upwards.
    world_.x0 = (a - viewport_.left) / w * (old.x1 - old.x0) + old.x0;
    world_.x1 = (c - viewport_.left) / w * (old.x1 - old.x0) + old.x0;
    world_.y0 = (viewport_.bottom - d) / h * (old.y1 - old.y0) + old.y0;
    world_.y1 = (viewport_.bottom - b) / h * (old.y1 - old.y0) + old.y0;
    ComputeScale();
}

void DisplayList::SetScale(int a, int b, int c, int d) {
    ZoomTo(a, b, c, d);
}

void DisplayList::Clear() {
    records_.clear();
    colour_ = -1;
    lineStyle_ = 99;
    lineWidth_ = 1;
}

void DisplayList::MoveTo(Real x, Real y) {
    Add("1", {x, y});
}
void DisplayList::LineTo(Real x, Real y) {
    Add("2", {x, y});
}
void DisplayList::Line(Real x1, Real y1, Real x2, Real y2) {
    Add("4", {x1, y1, x2, y2});
}
void DisplayList::Circle(Real xc, Real yc, Real r) {
    Add("3", {xc, yc, r});
}

void DisplayList::Arc(Real xc, Real yc, Real r, Real startDeg, Real endDeg) {
    Real sweep = std::fmod(endDeg - startDeg, 360.0L);
    if (sweep < 0) sweep += 360;
    if (sweep == 0 && endDeg != startDeg) sweep = 360;
    const Real xs = xc + r * CosDeg(startDeg), ys = yc + r * SinDeg(startDeg);
    const Real xe = xc + r * CosDeg(endDeg), ye = yc + r * SinDeg(endDeg);
    if (sweep >= 360) {
        Circle(xc, yc, r);
    } else if (sweep >= 4) {
        Add("5", {xc - r, yc - r, xc + r, yc + r, xs, ys, xe, ye});
    } else {
        Line(xs, ys, xe, ye);
    }
}

void DisplayList::Rectangle(Real x1, Real y1, Real x2, Real y2) {
    Line(x1, y1, x2, y1);
    Line(x2, y1, x2, y2);
    Line(x2, y2, x1, y2);
    Line(x1, y2, x1, y1);
}

void DisplayList::Solid(const Real (&x)[4], const Real (&y)[4]) {
    Add("7", {x[0], y[0], x[1], y[1], x[2], y[2], x[3], y[3]});
}

void DisplayList::OutTextXY(Real x, Real y, const std::string& oemText) {
    records_.push_back("6;" + GeneralNumber(x) + ";" + GeneralNumber(y) + ";" +
                       OneLineText(oemText));
}

void DisplayList::SetTextStyle(Real height, Real width, int font, Real angleDeg) {
    Add("9", {height, width, static_cast<Real>(font), angleDeg});
}

void DisplayList::SetColor(int colour) {
    if (colour < 0 || colour >= maxColours_ || colour == colour_) return;
    colour_ = colour;
    Add("8", {static_cast<Real>(colour)});
}

void DisplayList::SetColorAcad(int cadColour) {
    SetColor(GetColorTurbo(cadColour));
}

void DisplayList::SetLineStyle(int style) {
    if (style < 0 || style > 3 || style == lineStyle_) return;
    lineStyle_ = style;
    Add("11", {static_cast<Real>(style)});
}

void DisplayList::SetLineStyleName(const std::string& name) {
    SetLineStyle(LineStyleOfName(name));
}

void DisplayList::SetLineWidth(int width) {
    if (width < 1 || width == lineWidth_) return;
    lineWidth_ = width;
    Add("12", {static_cast<Real>(width)});
}

void DisplayList::SleepMs(int ms) {
    Add("13", {static_cast<Real>(ms)});
}

void DisplayList::RestoreLimit() {
    world_ = saved_;
    ComputeScale();
}

void DisplayList::ResetZoom() {
    viewport_ = savedViewport_;
    RestoreLimit();
}

void DisplayList::ProcessKey(ViewKey key) {
    const Real w = world_.x1 - world_.x0, h = world_.y1 - world_.y0;
    auto pan = [&](Real fx, Real fy) {
        world_.x0 += fx * w;
        world_.x1 += fx * w;
        world_.y0 += fy * h;
        world_.y1 += fy * h;
        ComputeScale();
    };
    auto zoom = [&](Real f) {
        const Real cx = (world_.x0 + world_.x1) / 2, cy = (world_.y0 + world_.y1) / 2;
        world_ = {cx - w / (2 * f), cy - h / (2 * f), cx + w / (2 * f), cy + h / (2 * f)};
        ComputeScale();
    };
    switch (key) {
        case ViewKey::Escape:
        case ViewKey::F5:
            ResetZoom();
            break;
        case ViewKey::Left:
            pan(-panStep_, 0);
            break;
        case ViewKey::Right:
            pan(panStep_, 0);
            break;
        case ViewKey::Up:
            pan(0, panStep_);
            break;
        case ViewKey::Down:
            pan(0, -panStep_);
            break;
        case ViewKey::PageUp:
            pan(0, 5 * panStep_);
            break;
        case ViewKey::PageDown:
            pan(0, -5 * panStep_);
            break;
        case ViewKey::Plus:
            zoom(zoomFactor_);
            break;
        case ViewKey::Minus:
            zoom(1 / zoomFactor_);
            break;
    }
}

void DisplayList::MouseDown(int x, int y) {
    dragging_ = true;
    dragX0_ = dragX1_ = x;
    dragY0_ = dragY1_ = y;
}

void DisplayList::MouseMove(int x, int y) {
    if (!dragging_) return;
    dragX1_ = x;
    dragY1_ = y;
}

void DisplayList::MouseUp(int x, int y) {
    if (!dragging_) return;
    dragging_ = false;
    ZoomTo(dragX0_, dragY0_, x, y);
}

PixelRect DisplayList::rubberBand() const {
    return {std::min(dragX0_, dragX1_), std::min(dragY0_, dragY1_), std::max(dragX0_, dragX1_),
            std::max(dragY0_, dragY1_)};
}

int DisplayList::PixelX(Real x) const {
    return static_cast<int>(Round((x - world_.x0) * sx_)) + viewport_.left;
}
int DisplayList::PixelY(Real y) const {
    return viewport_.bottom - static_cast<int>(Round((y - world_.y0) * sy_));
}
int DisplayList::PixelLengthX(Real length) const {
    return static_cast<int>(Round(length * sx_));
}
int DisplayList::PixelLengthY(Real length) const {
    return static_cast<int>(Round(length * sy_));
}

int DisplayList::PrintX(Real x, int pageWidth, Real marginMm, Real scale) const {
    const Real margin = pageWidth * marginMm / 210;
    return static_cast<int>(margin) +
           static_cast<int>(
               Round(pageWidth * ((x - world_.x0) * sx_ + viewport_.left) * scale / clientW_));
}

int DisplayList::PrintY(Real y, int pageHeight, Real marginMm, Real scale) const {
    const Real margin = pageHeight * marginMm / 210;
    const Real screen = viewport_.bottom - (y - world_.y0) * sy_;
    return static_cast<int>(margin) +
           static_cast<int>(Round(pageHeight * screen * scale / clientH_));
}

bool ParseDisplayRecord(const std::string& record, DisplayRecord& out) {
    out = {};
    const std::size_t semi = record.find(';');
    if (semi == std::string::npos || semi == 0) return false;
    char* end = nullptr;
    const long code = std::strtol(record.c_str(), &end, 10);
    if (end != record.c_str() + semi || code < 1 || code > 13) return false;
    out.code = static_cast<int>(code);
    std::size_t pos = semi + 1;
    const int numbers = code == 6 ? 2 : -1;
    int count = 0;
    while (pos <= record.size()) {
        if (numbers >= 0 && count == numbers) {
            out.text = record.substr(pos);
            return true;
        }
        std::size_t next = record.find(';', pos);
        std::string field =
            record.substr(pos, next == std::string::npos ? std::string::npos : next - pos);
        if (field.empty() && next == std::string::npos) break;
        char* e = nullptr;
        const long double v = std::strtold(field.c_str(), &e);
        if (e == field.c_str()) return false;
        out.values.push_back(v);
        ++count;
        if (next == std::string::npos) break;
        pos = next + 1;
    }
    static constexpr int kCounts[14] = {0, 2, 2, 3, 4, 8, 2, 8, 1, 4, 8, 1, 1, 1};
    return static_cast<int>(out.values.size()) == kCounts[code];
}

}  // namespace bxr
