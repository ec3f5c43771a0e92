#include "sections/compute_section.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

#include "format/code_page.h"
#include "format/number_format.h"
#include "model/shaft_sections.h"
#include "sections/arc_center.h"

namespace bxr {

namespace {

constexpr Real kPi = std::numbers::pi_v<Real>;
constexpr Real kTwoPi = 2 * kPi;
// The contour file keeps arc angles to 3 decimals: a sweep closer than that to a full turn
// is one.
constexpr Real kFullTurnTolerance = 1e-3L;
// Points the contour may yield before the closing copy of point 1.
constexpr int kMaxContourDerivedPoints = kMaxPolygonPoints - 1;
// More chords than this always pass the point limit; the cap keeps the count an int.
constexpr Real kChordCountCap = 2 * kMaxPolygonPoints;

const char* const kTooManyPoints = "Fatal  : > 500 Punkte !";
const char* const kZeroArea = "Fatal  : A = 0 !";
// Not-a-number or infinite coordinates would give meaningless values reported as results.
std::string InvalidContourText() {
    return "Fatal  : Kontur ungültig !"_oem;
}
// A count beyond the model's room cannot come from the editor, only from damaged data.
const char* const kContourTooLong = "Fatal  : zu viele Punkte !";

// Nearest integer, halves to the even neighbour, whatever the floating-point rounding mode.
Real RoundHalfEvenReal(Real x) {
    const Real low = std::floor(x);
    const Real fraction = x - low;
    if (fraction > 0.5L) return low + 1;
    if (fraction < 0.5L) return low;
    return std::fmod(low, 2) == 0 ? low : low + 1;
}

// Sine and cosine of an arc angle. The library reduces long-double arguments beyond π/4 at
// several times the cost of the sine itself, and every arc point needs both: the angle is
// first brought within π/4 of a quarter turn by subtracting the quarter turns with π/2 in two
// parts, the first short enough (60 bits) that its multiples up to 16 are exact.
void SinCos(Real angle, Real& sine, Real& cosine) {
    constexpr Real kHalfPiHigh = 0xc.90fdaa22168c230p-3L;
    constexpr Real kHalfPiLow = 0x9.898cc51701b839ap-64L;
    if (!(std::fabs(angle) < 16)) {
        sine = std::sin(angle);
        cosine = std::cos(angle);
        return;
    }
    const Real quarters = std::nearbyint(angle / (kHalfPiHigh + kHalfPiLow));
    const Real rest = (angle - quarters * kHalfPiHigh) - quarters * kHalfPiLow;
    const Real s = std::sin(rest), c = std::cos(rest);
    switch (static_cast<int>(quarters) & 3) {
        case 0:
            sine = s, cosine = c;
            break;
        case 1:
            sine = c, cosine = -s;
            break;
        case 2:
            sine = -s, cosine = -c;
            break;
        default:
            sine = -c, cosine = s;
            break;
    }
}

bool ContourIsFinite(const BeamModel& model, int n) {
    for (int i = 1; i <= n; ++i) {
        const ContourPoint& p = model.contour[i];
        if (!std::isfinite(p.y) || !std::isfinite(p.z)) return false;
        if (i < n && !std::isfinite(p.arcAngle)) return false;
    }
    return true;
}

// Fills the polygon; false after the point limit was reached (message added).
bool ExpandArcs(const BeamModel& model, int n, const OutputSettings& settings,
                ExpandedPolygon& polygon, CalcMessages& messages) {
    int count = 0;
    auto append = [&](Real y, Real z) {
        if (count + 1 >= kMaxPolygonPoints) {
            messages.AddFatal(kTooManyPoints);
            return false;
        }
        ++count;
        polygon.points[count] = {y, z};
        polygon.count = static_cast<std::uint16_t>(count);
        return true;
    };

    polygon.count = 0;
    for (int i = 1; i <= n; ++i) {
        const ContourPoint& p = model.contour[i];
        const Real sweep = i >= 2 ? model.contour[i - 1].arcAngle : 0;
        ArcCenter arc;
        if (std::fabs(sweep) > kTwoPi - kFullTurnTolerance) {
            // A full turn or more between two points has no centre: the sine of the half
            // sweep is never exactly 0 for a decimal value, and the radius it gives is absurd.
            messages.AddFatal("Fehler in GetArcCenter (dphi = " + FormatFree(settings, sweep) +
                              " ! ");
            return false;
        }
        if (sweep != 0) {
            const ContourPoint& q = model.contour[i - 1];
            arc = GetArcCenter(q.y, q.z, p.y, p.z, sweep, messages, settings);
        }
        if (!arc.valid) {
            // Straight edge, also for an arc without defined geometry.
            if (!append(p.y, p.z)) return false;
            continue;
        }
        Real a0 = arc.startAngle;
        Real a1 = arc.endAngle;
        if (a0 < 0) a0 += kTwoPi;
        if (a1 < 0) a1 += kTwoPi;
        const int m = ArcChordCount(sweep, model.arcDivision);
        const Real chord = std::fabs(sweep) / m;
        for (int j = 0; j <= m; ++j) {
            const Real angle = sweep >= 0 ? a0 + j * chord : a1 - j * chord;
            Real sine = 0, cosine = 0;
            SinCos(angle, sine, cosine);
            if (!append(arc.yc + arc.r * cosine, arc.zc + arc.r * sine)) return false;
        }
    }
    // Close the polygon with a copy of point 1; the limit above leaves room for it.
    ++count;
    polygon.points[count] = {model.contour[1].y, model.contour[1].z};
    polygon.count = static_cast<std::uint16_t>(count);
    return true;
}

void ComputeExtents(const ExpandedPolygon& polygon, SectionExtents& e) {
    e.ymax = -1e32L;
    e.zmax = -1e32L;
    e.ymin = 1e32L;
    e.zmin = 1e32L;
    for (int k = 1; k <= polygon.count; ++k) {
        const PolygonPoint& p = polygon.points[k];
        if (p.y > e.ymax) e.ymax = p.y;
        if (p.z > e.zmax) e.zmax = p.z;
        if (p.y < e.ymin) e.ymin = p.y;
        if (p.z < e.zmin) e.zmin = p.z;
    }
    if (e.ymin == e.ymax) e.ymax = e.ymin + 1;
    if (e.zmin == e.zmax) e.zmax = e.zmin + 1;
    e.width = e.ymax - e.ymin;
    e.height = e.zmax - e.zmin;
}

// Line integrals over the edges (strips down to z = 0), in the evaluation order whose
// rounding the stored values have always had.
void IntegratePolygon(const ExpandedPolygon& polygon, SectionProperties& s) {
    const Real twoThirds = 2.0L / 3.0L;
    const Real sixth = 1.0L / 6.0L;
    s.A = s.Hy = s.Hz = s.Iy = s.Iz = s.Iyz = 0;
    for (int k = 1; k < polygon.count; ++k) {
        const Real y1 = polygon.points[k].y;
        const Real z1 = polygon.points[k].z;
        const Real y2 = polygon.points[k + 1].y;
        const Real z2 = polygon.points[k + 1].z;
        const Real ym = (y1 + y2) * 0.5L;
        const Real zm = (z1 + z2) * 0.5L;
        const Real dy = y2 - y1;
        const Real dz = z2 - z1;

        const Real dA = -zm * dy;
        const Real dHy = twoThirds * zm * dA + sixth * z1 * z2 * dy;
        const Real dHz = twoThirds * ym * (ym * dz) - sixth * y1 * y2 * dz;
        const Real dIy = zm * (dHy + sixth * z1 * z2 * dy);
        const Real dIz = ym * (dHz - sixth * y1 * y2 * dz);
        const Real dIyz = y1 * dHy - dy * dy * (zm * zm + z2 * z2 / 2) / 6;

        s.A += dA;
        s.Hy += dHy;
        s.Hz += dHz;
        s.Iy += dIy;
        s.Iz += dIz;
        s.Iyz += dIyz;
        s.Ip0 = s.Iy + s.Iz;
    }
}

// An area that is only rounding noise of the integration (points on one line that are not
// exactly representable) would give a centroid far outside the section; it counts as 0.
bool AreaIsZero(const ExpandedPolygon& polygon, Real area) {
    Real largest = 0;
    for (int k = 1; k <= polygon.count; ++k)
        largest =
            std::max({largest, std::fabs(polygon.points[k].y), std::fabs(polygon.points[k].z)});
    const Real noise = 8 * polygon.count * std::numeric_limits<Real>::epsilon() * largest * largest;
    return std::fabs(area) <= noise;
}

bool IntegralsAreFinite(const SectionProperties& s) {
    return std::isfinite(s.A) && std::isfinite(s.Hy) && std::isfinite(s.Hz) &&
           std::isfinite(s.Iy) && std::isfinite(s.Iz) && std::isfinite(s.Iyz);
}

void ComputeMassValues(SectionState& section) {
    const SectionProperties& s = section.props;
    const Real length = section.massLength;
    if (!(length > 0)) return;
    section.volume = std::fabs(s.A * length);
    section.mass = section.volume * section.density * 1e-6L;
    section.props.J0 = std::fabs(s.Ip0 * section.density * length * 1e-12L);
    section.props.Js = std::fabs(s.IpS * section.density * length * 1e-12L);
}

// Volume, mass and mass moments of inertia of a beam whose shaft sections replace the contour
// where they stand: summed over its stretches.
void ComputeShaftMassValues(const BeamModel& model, SectionState& section) {
    const std::vector<ShaftStretch> stretches = ShaftStretches(model);
    if (stretches.empty()) return;
    const SectionProperties& s = section.props;
    Real volume = 0, ip0 = 0, ipS = 0;
    for (const ShaftStretch& st : stretches) {
        const Real len = st.x2 - st.x1;
        if (st.section == 0) {
            volume += std::fabs(s.A) * len;
            ip0 += std::fabs(s.Ip0) * len;
            ipS += std::fabs(s.IpS) * len;
            continue;
        }
        const ShaftSection& sec = model.shaftSections[static_cast<std::size_t>(st.section)];
        volume += ShaftSectionArea(sec) * len;
        // The polar moment of a circle or tube about its own axis is twice the axial one.
        ip0 += 2 * ShaftSectionInertia(sec) * len;
        ipS += 2 * ShaftSectionInertia(sec) * len;
    }
    section.volume = volume;
    section.mass = volume * section.density * 1e-6L;
    section.props.J0 = ip0 * section.density * 1e-12L;
    section.props.Js = ipS * section.density * 1e-12L;
}

}  // namespace

void ComputeCentroidalValues(SectionProperties& s) {
    s.ys = s.Hz / s.A;
    s.zs = s.Hy / s.A;
    s.Ieta = s.Iy - s.zs * s.zs * s.A;
    s.Izeta = s.Iz - s.ys * s.ys * s.A;
    s.Iez = s.Iyz - s.ys * s.zs * s.A;
    s.IpS = s.Ieta + s.Izeta;

    const Real difference = s.Izeta - s.Ieta;
    if (difference != 0)
        s.phi = 0.5L * std::atan(2 * s.Iez / difference);
    else if (s.Iez == 0)
        s.phi = kPi / 2;  // every axis is principal
    else
        // Equal axial moments with a product moment (an equal-leg angle): the principal
        // axes lie at 45 degrees, the limit of the formula above as the difference goes to
        // zero from the side where Izeta is the larger one.
        s.phi = s.Iez > 0 ? kPi / 4 : -kPi / 4;

    const Real r =
        0.5L * std::sqrt((s.Ieta - s.Izeta) * (s.Ieta - s.Izeta) + (2 * s.Iez) * (2 * s.Iez));
    s.I1 = (s.Ieta + s.Izeta) * 0.5L + r;
    s.I2 = (s.Ieta + s.Izeta) * 0.5L - r;
    // A clockwise contour negates every moment; phi does not change with that, and after
    // the exchange I1 and I2 equal those of the counter-clockwise contour, so phi stays too.
    if (s.I1 < 0 && s.I2 < 0) {
        const Real i1 = s.I1;
        s.I1 = -s.I2;
        s.I2 = -i1;
    }
}

int ArcChordCount(Real sweep, Real arcDivisionDeg) {
    const Real step = arcDivisionDeg * kPi / 180;
    const Real ratio = std::fabs(sweep) / step;
    // NaN, infinity and huge ratios (a step of 0) end at the point limit.
    if (!(ratio < kChordCountCap)) return static_cast<int>(kChordCountCap);
    return static_cast<int>(std::max(RoundHalfEvenReal(ratio), Real{2}));
}

void ComputeSectionProperties(const BeamModel& model, const OutputSettings& settings,
                              SectionState& section, CalcMessages& messages) {
    messages.Clear();
    const int n = model.contourCount;
    if (n == 0) return;
    if (n > kMaxContourPoints) {
        messages.AddFatal(kContourTooLong);
        return;
    }
    if (!ContourIsFinite(model, n)) {
        messages.AddFatal(InvalidContourText());
        return;
    }
    if (!ExpandArcs(model, n, settings, section.polygon, messages)) return;
    ComputeExtents(section.polygon, section.extents);

    SectionProperties& s = section.props;
    IntegratePolygon(section.polygon, s);
    if (!IntegralsAreFinite(s)) {
        messages.AddFatal(InvalidContourText());
        return;
    }
    if (AreaIsZero(section.polygon, s.A)) {
        messages.AddFatal(kZeroArea);
        return;
    }
    ComputeCentroidalValues(s);
    ComputeMassValues(section);
    if (model.shaftSectionCount > 0 && section.massLength == model.length)
        ComputeShaftMassValues(model, section);
}


}  // namespace bxr
