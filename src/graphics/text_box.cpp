#include "graphics/text_box.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "format/code_page.h"

namespace bxr {

namespace {

constexpr Real kPi = 3.14159265358979323846L;

// Projection range of a polygon on an axis.
void Project(const Real* x, const Real* y, int n, Real ax, Real ay, Real& lo, Real& hi) {
    lo = std::numeric_limits<Real>::max();
    hi = -lo;
    for (int i = 0; i < n; ++i) {
        const Real p = x[i] * ax + y[i] * ay;
        lo = std::min(lo, p);
        hi = std::max(hi, p);
    }
}

// Separating axes of two convex polygons: one of the edge normals of either separates them
// by more than gap, or they overlap.
bool ConvexOverlap(const Real* ax, const Real* ay, int an, const Real* bx, const Real* by, int bn,
                   Real gap) {
    for (int pass = 0; pass < 2; ++pass) {
        const Real* px = pass ? bx : ax;
        const Real* py = pass ? by : ay;
        const int n = pass ? bn : an;
        for (int i = 0; i < n; ++i) {
            const int j = (i + 1) % n;
            Real nx = py[j] - py[i], ny = px[i] - px[j];
            const Real len = std::hypot(nx, ny);
            if (len == 0) continue;
            nx /= len;
            ny /= len;
            Real alo, ahi, blo, bhi;
            Project(ax, ay, an, nx, ny, alo, ahi);
            Project(bx, by, bn, nx, ny, blo, bhi);
            if (ahi + gap < blo || bhi + gap < alo) return false;
        }
    }
    return true;
}

// Advance widths of DejaVu Sans in thousandths of the font size, for ASCII 32..126.
constexpr short kAdvance[95] = {
    318,  401, 460, 838, 636, 950, 780, 275, 390, 390, 500, 838, 318, 361, 318, 337,  // ' '../
    636,  636, 636, 636, 636, 636, 636, 636, 636, 636, 337, 337, 838, 838, 838, 531,  // 0..?
    1000, 684, 686, 698, 770, 632, 575, 775, 752, 295, 295, 656, 557, 863, 748, 787,  // @..O
    603,  787, 695, 635, 611, 732, 684, 989, 685, 611, 685, 390, 337, 390, 838, 500,  // P.._
    500,  613, 635, 550, 635, 615, 352, 635, 634, 278, 278, 579, 278, 974, 634, 612,  // `..o
    635,  635, 411, 521, 392, 634, 592, 818, 592, 592, 525, 636, 337, 636, 838};      // p..~

// Characters beyond ASCII: the accented letters as their base letter, a few signs by their
// own width, the rest as an average letter.
int AdvanceOf(char32_t c) {
    if (c >= 32 && c <= 126) return kAdvance[c - 32];
    switch (c) {
        case 0xDF:  // ß
            return 636;
        case 0xB2:  // ²
        case 0xB3:  // ³
        case 0xB9:  // ¹
            return 401;
        case 0xB5:  // µ
            return 636;
        case 0xB0:  // °
            return 500;
        case 0xB1:  // ±
        case 0xD7:  // ×
            return 838;
        default:
            break;
    }
    static constexpr char kLatin1Base[] =
        "AAAAAAACEEEEIIIIDNOOOOOxOUUUUYTs"
        "aaaaaaaceeeeiiiidnooooo/ouuuuyty";
    if (c >= 0xC0 && c <= 0xFF) return kAdvance[kLatin1Base[c - 0xC0] - 32];
    return 620;
}

}  // namespace

TextQuad TextQuadAt(Real x, Real y, Real length, Real height, Real rotationDeg) {
    const Real t = rotationDeg * kPi / 180;
    const Real c = std::cos(t), s = std::sin(t);
    const Real u[4] = {0, length, length, 0};
    const Real v[4] = {0, 0, height, height};
    TextQuad q;
    for (int i = 0; i < 4; ++i) {
        q.x[i] = x + u[i] * c - v[i] * s;
        q.y[i] = y + u[i] * s + v[i] * c;
    }
    return q;
}

bool QuadsOverlap(const TextQuad& a, const TextQuad& b, Real gap) {
    return ConvexOverlap(a.x, a.y, 4, b.x, b.y, 4, gap);
}

bool QuadCrossesSegment(const TextQuad& q, Real x1, Real y1, Real x2, Real y2) {
    const Real sx[2] = {x1, x2}, sy[2] = {y1, y2};
    return ConvexOverlap(q.x, q.y, 4, sx, sy, 2, 0);
}

Real NaturalTextAdvance(const std::string& oem, Real fontSize) {
    int total = 0;
    for (unsigned char b : oem) total += AdvanceOf(OemCharacter(b));
    return total * fontSize / 1000;
}

Real NominalTextWidth(const std::string& oem, const TextState& style) {
    return static_cast<Real>(oem.size()) * style.height * style.widthFactor;
}

Real ShownTextWidth(const std::string& oem, const TextState& style) {
    return std::min(NaturalTextAdvance(oem, kFontSizePerTextHeight * style.height),
                    kShownWidthShare * NominalTextWidth(oem, style));
}

}  // namespace bxr
