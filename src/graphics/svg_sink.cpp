#include "graphics/svg_sink.h"

#include <cmath>
#include <cstdio>

#include "analysis/angle_math.h"
#include "format/code_page.h"
#include "graphics/cad_number.h"
#include "graphics/pen_style.h"
#include "graphics/text_box.h"
#include "platform/replace_file.h"

namespace bxr {

namespace {

std::string Num(Real v) {
    if (!std::isfinite(v)) v = 0;
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.3Lf", v);
    std::string t = buf;
    while (!t.empty() && t.back() == '0') t.pop_back();
    if (!t.empty() && t.back() == '.') t.pop_back();
    if (t == "-0") t = "0";
    return t;
}

std::string Escaped(const std::string& utf8) {
    std::string r;
    for (unsigned char c : utf8) {
        switch (c) {
            case '&':
                r += "&amp;";
                break;
            case '<':
                r += "&lt;";
                break;
            case '>':
                r += "&gt;";
                break;
            case '"':
                r += "&quot;";
                break;
            default:
                if (c >= 0x20 || c == '\t') r += static_cast<char>(c);
        }
    }
    return r;
}

}  // namespace

SvgSink::SvgSink(FileSystem& fs, std::string path, const OutputSettings& out,
                 const CadSettings& cad)
    : fs_(fs), path_(std::move(path)), out_(out), cad_(cad) {}

std::string SvgSink::PaperColour(int cadColour) {
    // Light screen colours lose their contrast on paper; darker shades of the same hue.
    const unsigned rgb = DarkerOnLight(PaletteRgb(GetColorTurbo(cadColour), 0));
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%06x", rgb);
    return buf;
}

std::string SvgSink::X(Real x) const {
    return Num(x - xmin_);
}
std::string SvgSink::Y(Real y) const {
    return Num(ymax_ - y);
}

std::string SvgSink::Stroke() const {
    std::string s = " stroke=\"" + colour_ + "\" stroke-width=\"" + Num(width_) + "\"";
    switch (style_) {
        case 1:
            s += " stroke-dasharray=\"0.3 0.9\"";
            break;
        case 2:
            s += " stroke-dasharray=\"4 1 0.5 1\"";
            break;
        case 3:
            s += " stroke-dasharray=\"2 1\"";
            break;
        default:
            break;
    }
    return s;
}

void SvgSink::Sheet(Real xmin, Real ymin, Real xmax, Real ymax) {
    xmin_ = xmin;
    ymin_ = ymin;
    xmax_ = xmax;
    ymax_ = ymax;
}

void SvgSink::Pen(int pen) {
    colour_ = PaperColour(PenCadColour(cad_, pen));
    style_ = PenLineStyle(cad_, pen);
    width_ = 0.18L * PenLineWidth(cad_, pen) + 0.07L;
}

void SvgSink::Line(Real x1, Real y1, Real x2, Real y2) {
    body_ += "<line x1=\"" + X(x1) + "\" y1=\"" + Y(y1) + "\" x2=\"" + X(x2) + "\" y2=\"" + Y(y2) +
             "\"" + Stroke() + "/>\n";
}

void SvgSink::PolylineBegin(Real x, Real y) {
    if (inPolyline_) PolylineEnd();
    inPolyline_ = true;
    points_ = X(x) + "," + Y(y);
}

void SvgSink::PolylineVertex(Real x, Real y) {
    if (!inPolyline_) {
        PolylineBegin(x, y);
        return;
    }
    points_ += " " + X(x) + "," + Y(y);
}

void SvgSink::PolylineEnd() {
    if (!inPolyline_) return;
    inPolyline_ = false;
    body_ += "<polyline points=\"" + points_ + "\" fill=\"none\"" + Stroke() + "/>\n";
    points_.clear();
}

void SvgSink::Circle(Real xc, Real yc, Real r) {
    body_ += "<circle cx=\"" + X(xc) + "\" cy=\"" + Y(yc) + "\" r=\"" + Num(r) +
             "\" fill=\"none\"" + Stroke() + "/>\n";
}

void SvgSink::Arc(Real xc, Real yc, Real r, Real startDeg, Real endDeg) {
    if (IsFullArc(startDeg, endDeg)) {
        Circle(xc, yc, r);
        return;
    }
    Real sweep = std::fmod(endDeg - startDeg, 360.0L);
    if (sweep < 0) sweep += 360;
    // Counter-clockwise on the sheet is counter-clockwise on the screen: sweep flag 0.
    body_ += "<path d=\"M" + X(xc + r * CosDeg(startDeg)) + "," + Y(yc + r * SinDeg(startDeg)) +
             " A" + Num(r) + "," + Num(r) + " 0 " + (sweep > 180 ? "1" : "0") + " 0 " +
             X(xc + r * CosDeg(endDeg)) + "," + Y(yc + r * SinDeg(endDeg)) + "\" fill=\"none\"" +
             Stroke() + "/>\n";
}

void SvgSink::Text(Real x, Real y, const std::string& oemText, const TextState& style) {
    if (oemText.empty()) return;
    const std::string text = Escaped(OemToDisplay(out_, oemText));
    if (text.empty()) return;
    // The font's natural advance, narrowed to the width the style allows but never widened:
    // a text stretched to its full character count runs into the next column.
    const Real fontSize = style.height * kFontSizePerTextHeight;
    const Real allowed = kShownWidthShare * NominalTextWidth(oemText, style);
    std::string t =
        "<text x=\"" + X(x) + "\" y=\"" + Y(y) + "\" font-size=\"" + Num(fontSize) + "\"";
    if (NaturalTextAdvance(oemText, fontSize) > allowed)
        t += " textLength=\"" + Num(allowed) + "\" lengthAdjust=\"spacingAndGlyphs\"";
    t += " fill=\"" + colour_ + "\"";
    if (std::fabs(style.rotation) > 1e-9L)
        t += " transform=\"rotate(" + Num(-style.rotation) + " " + X(x) + " " + Y(y) + ")\"";
    body_ += t + ">" + text + "</text>\n";
}

void SvgSink::Solid(const Real (&x)[4], const Real (&y)[4]) {
    body_ += "<polygon points=\"";
    for (int i = 0; i < 4; ++i) body_ += (i ? " " : "") + X(x[i]) + "," + Y(y[i]);
    body_ += "\" fill=\"" + colour_ + "\" stroke=\"none\"/>\n";
}

std::string SvgSink::Text() const {
    const std::string w = Num(xmax_ - xmin_), h = Num(ymax_ - ymin_);
    std::string all = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    all += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" + w +
           "mm\" height=\"" + h + "mm\" viewBox=\"0 0 " + w + " " + h +
           "\" font-family=\"DejaVu Sans, sans-serif\" stroke-linecap=\"round\">\n";
    all += "<rect x=\"0\" y=\"0\" width=\"" + w + "\" height=\"" + h + "\" fill=\"#ffffff\"/>\n";
    all += body_;
    if (inPolyline_)
        all += "<polyline points=\"" + points_ + "\" fill=\"none\"" + Stroke() + "/>\n";
    all += "</svg>\n";
    return all;
}

bool SvgSink::Close() {
    if (inPolyline_) PolylineEnd();
    if (!ReplaceFileContent(fs_, path_, Text())) {
        Fail("Schreibfehler: " + path_);
        return false;
    }
    return true;
}

}  // namespace bxr
