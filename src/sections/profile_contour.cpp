#include "sections/profile_contour.h"

#include <cmath>
#include <numbers>
#include <utility>
#include <vector>

#include "sections/contour_ops.h"
#include "sections/fillet_arc.h"

namespace bxr {

namespace {

constexpr Real kPi = std::numbers::pi_v<Real>;

const std::array<ProfileFamilyInfo, kProfileFamilyCount + 1> kFamilies{{
    {"", "", ""},
    {"I-Träger DIN 1025 Blatt 1", "din1025a.dbf", " DIN 1025-1 "},
    {"I-Träger DIN 1025 Blatt 2-5", "din1025.dbf", " DIN 1025-2..5 "},
    {"T-Träger DIN 1024", "din1024.dbf", " DIN 1024 "},
    {"I-Träger DIN 1027", "din1027.dbf", " DIN 1027 "},
    {"L-Träger DIN 1029", "din1029.dbf", " DIN 1029 "},
    {"Winkelträger DIN 1028", "din1028.dbf", " DIN 1028 "},
    {"U-Träger DIN 1026", "din1026.dbf", " DIN 1026 "},
    {"Flachstahl DIN 1017", "flach.dbf", " DIN 1018 "},
    {"rund (Welle)", "", ""},
    {"Rohr", "", ""},
    {"Vierkantrohr", "", ""},
    {"Polygon", "", ""},
    {"Polygonrohr", "", ""},
}};

using Outline = std::vector<ContourPoint>;

void Add(Outline& o, Real y, Real z, Real arc = 0) {
    o.push_back({y, z, arc});
}

// Appends the two tangent points of a fillet, the first carrying the sweep.
void AddFillet(Outline& o, const EdgeLine& first, const EdgeLine& second, Real radius) {
    const FilletResult f = FilletArc(first, second, radius);
    Add(o, f.tangent1Y, f.tangent1Z, f.sweep);
    Add(o, f.tangent2Y, f.tangent2Z, 0);
}

// Points `from` down to `to` (1-based) mirrored about z = h/2 (mid-height) or about the z axis.
// A mirrored point takes the arc of the point before its source, so every arc stays on its
// edge; `arcOffset` is the distance from a source to the point whose arc it takes.
enum class MirrorAxis { kMidHeight, kZAxis };
void AppendMirrored(Outline& o, int from, int to, MirrorAxis axis, Real h) {
    for (int i = from; i >= to; --i) {
        const ContourPoint& p = o[i - 1];
        const Real arc = i >= 2 ? o[i - 2].arcAngle : 0;
        if (axis == MirrorAxis::kMidHeight)
            Add(o, p.y, h - p.z, arc);
        else
            Add(o, -p.y, p.z, arc);
    }
}

// DIN 1025-1: I-beams with 14 % flange slope. The flange tips are rounded with their own
// radius r2 (position 8) when the row gives one: with the web fillet radius there instead,
// the weak-axis moment comes out about 4 % below the published value.
Outline NarrowIBeam(const ProfileRow& r) {
    const Real h = r.value[3], b = r.value[4], s = r.value[5], t = r.value[6], rr = r.value[7];
    const Real tipRadius = r.value[8] > 0 ? r.value[8] : rr;
    Outline o;
    Add(o, -b / 2, 0);
    Add(o, b / 2, 0);
    AddFillet(o, {b / 2, 0, kPi / 2}, {b / 4, t, -0.139L}, tipRadius);
    AddFillet(o, {b / 4, t, 3.0025L}, {s / 2, h / 2, -kPi / 2}, rr);
    AppendMirrored(o, 6, 2, MirrorAxis::kMidHeight, h);
    AppendMirrored(o, 11, 2, MirrorAxis::kZAxis, h);
    return o;
}

// DIN 1025-2..5: parallel flanges.
Outline WideIBeam(const ProfileRow& r) {
    const Real h = r.value[3], b = r.value[4], s = r.value[5], t = r.value[6], rr = r.value[7];
    const Real q = kPi / 2;
    return {{-b / 2, 0, 0},          {b / 2, 0, 0},        {b / 2, t, 0},
            {s / 2 + rr, t, -q},     {s / 2, t + rr, 0},   {s / 2, h - t - rr, -q},
            {s / 2 + rr, h - t, 0},  {b / 2, h - t, 0},    {b / 2, h, 0},
            {-b / 2, h, 0},          {-b / 2, h - t, 0},   {-s / 2 - rr, h - t, -q},
            {-s / 2, h - t - rr, 0}, {-s / 2, t + rr, -q}, {-s / 2 - rr, t, 0},
            {-b / 2, t, 0},          {-b / 2, 0, 0}};
}

// DIN 1024: T with 2 % slope on the flange face and on the web faces; the flange lies at the
// bottom. Thicknesses are measured at a quarter of the width and at mid-height of the web.
Outline TBeam(const ProfileRow& r) {
    const Real h = r.value[3], b = r.value[4], t = r.value[5], rr = r.value[6];
    const Real slope = 0.02L;
    Outline o;
    Add(o, -b / 2, 0);
    Add(o, b / 2, 0);
    AddFillet(o, {b / 2, 0, kPi / 2}, {b / 4, t, -slope}, t / 2);                // flange tip
    AddFillet(o, {b / 4, t, kPi - slope}, {t / 2, h / 2, -kPi / 2 + slope}, t);  // web root
    AddFillet(o, {t / 2, h / 2, kPi / 2 + slope}, {0, h, 0}, rr);                // web tip
    AppendMirrored(o, 8, 3, MirrorAxis::kZAxis, h);
    Add(o, -b / 2, 0);
    return o;
}

// DIN 1027: Z with parallel flange faces.
Outline ZBeam(const ProfileRow& r) {
    const Real h = r.value[3], b = r.value[4], s = r.value[5], t = r.value[6];
    const Real r1 = r.value[7], r2 = r.value[8];
    const Real q = kPi / 2;
    return {{0, 0, 0},
            {b, 0, 0},
            {b, t - r2, q},
            {b - r2, t, 0},
            {s + r1, t, -q},
            {s, t + r1, 0},
            {s, h, 0},
            {s - b, h, 0},
            {s - b, h - t + r2, q},
            {s - b + r2, h - t, 0},
            {-r1, h - t, -q},
            {0, h - t - r1, 0},
            {0, 0, 0}};
}

// DIN 1028 and 1029: angles, leg A along y and leg B along z.
Outline Angle(Real legA, Real legB, Real s, Real r1, Real r2) {
    const Real q = kPi / 2;
    return {{0, 0, 0},       {legA, 0, 0},   {legA, s - r2, q}, {legA - r2, s, 0},
            {s + r1, s, -q}, {s, s + r1, 0}, {s, legB - r2, q}, {s - r2, legB, 0},
            {0, legB, 0},    {0, 0, 0}};
}

// DIN 1026: channel with sloped flange faces, web on the left.
Outline Channel(const ProfileRow& r) {
    const Real h = r.value[2], b = r.value[3], s = r.value[4], t = r.value[5];
    const Real r1 = r.value[6], r2 = r.value[7];
    const bool tall = h > 300;
    const Real alpha = std::atan(tall ? 0.05L : 0.08L);
    const Real y0 = tall ? (b + s) / 2 : b / 2;
    Outline o;
    Add(o, 0, 0);
    Add(o, b, 0);
    AddFillet(o, {b, 0, kPi / 2}, {y0, t, -alpha}, r2);
    AddFillet(o, {y0, t, kPi - alpha}, {s, h / 2, -kPi / 2}, r1);
    AppendMirrored(o, 6, 1, MirrorAxis::kMidHeight, h);
    Add(o, 0, 0);
    return o;
}

Outline FlatBar(Real b, Real h) {
    return {{0, 0, 0}, {b, 0, 0}, {b, h, 0}, {0, h, 0}, {0, 0, 0}};
}

Outline Circle(Real radius, Real sweep) {
    return {{radius, 0, sweep}, {-radius, 0, sweep}, {radius, 0, 0}};
}

// Corner points k = 0..z of a regular polygon, in the given order.
void AddPolygon(Outline& o, int corners, Real radius, bool counterClockwise) {
    for (int i = 0; i <= corners; ++i) {
        const int k = counterClockwise ? i : corners - i;
        const Real a = 2 * kPi * k / corners;
        Add(o, radius * std::cos(a), radius * std::sin(a));
    }
}

}  // namespace

const ProfileFamilyInfo& ProfileFamilyOf(int family) {
    if (family < 1 || family > kProfileFamilyCount) return kFamilies[0];
    return kFamilies[family];
}

int ProfileContourPoints(int family, int corners) {
    static constexpr std::array<int, 12> kFixed{0, 21, 17, 15, 13, 10, 10, 13, 5, 3, 6, 10};
    if (family >= 1 && family <= 11) return kFixed[family];
    if (family == 12) return corners + 1;
    if (family == 13) return 2 * corners + 2;
    return 0;
}

bool GenerateProfileContour(BeamModel& model, const ProfileRow& row,
                            const ParametricDimensions& dims) {
    const ProfileRow& r = row;
    Outline o;
    switch (model.profileFamily) {
        case 1:
            o = NarrowIBeam(r);
            break;
        case 2:
            o = WideIBeam(r);
            break;
        case 3:
            o = TBeam(r);
            break;
        case 4:
            o = ZBeam(r);
            break;
        case 5:
            o = Angle(r.value[3], r.value[2], r.value[4], r.value[5], r.value[6]);
            break;
        case 6:
            o = Angle(r.value[2], r.value[2], r.value[3], r.value[4], r.value[5]);
            break;
        case 7:
            o = Channel(r);
            break;
        case 8:
            o = FlatBar(r.value[1], r.value[2]);
            break;
        case 9:
            o = Circle(dims.d / 2, kPi);
            break;
        case 10:
            o = Circle(dims.de / 2, kPi);
            for (const ContourPoint& p : Circle(dims.di / 2, -kPi)) o.push_back(p);
            break;
        case 11: {
            const Real b = dims.b, h = dims.h, s = dims.s;
            o = {{0, 0, 0}, {b, 0, 0},     {b, h, 0},         {0, h, 0},     {0, 0, 0},
                 {s, s, 0}, {s, h - s, 0}, {b - s, h - s, 0}, {b - s, s, 0}, {s, s, 0}};
            break;
        }
        case 12:
        case 13:
            if (dims.corners < 3) return false;
            AddPolygon(o, dims.corners, dims.acrossCorners / 2, true);
            if (model.profileFamily == 13)
                AddPolygon(o, dims.corners, dims.acrossCorners / 2 - dims.wall, false);
            break;
        default:
            return false;
    }
    if (o.empty() || o.size() > static_cast<std::size_t>(kMaxContourPoints)) return false;
    model.contourCount = static_cast<std::uint16_t>(o.size());
    for (std::size_t i = 0; i < o.size(); ++i) model.contour[i + 1] = o[i];
    return true;
}

void SwapContourYZ(BeamModel& model) {
    for (int i = 1; i <= model.contourCount; ++i) {
        ContourPoint& p = model.contour[i];
        std::swap(p.y, p.z);
        p.arcAngle = -p.arcAngle;
    }
    // The swap mirrors the outline, so it now runs clockwise; reversing it restores the sense
    // and keeps each arc on its edge.
    ReverseContour(model);
}

}  // namespace bxr
