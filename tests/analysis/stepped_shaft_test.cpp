// Beams whose section steps along x, against values worked out by hand: the moment-area and
// virtual-work integrals taken piece by piece (Simpson's rule is exact on each piece, whose
// integrands are polynomials of at most third degree), the force method for the reaction of
// a middle support, and the characteristic equation of the two-step Euler column.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <tuple>
#include <vector>

#include "analysis/buckling.h"
#include "analysis/run_analysis.h"
#include "beam_fixture.h"
#include "model/shaft_sections.h"

namespace bxr::test {
namespace {

constexpr double kPi = std::numbers::pi;

double D(Real x) {
    return static_cast<double>(x);
}

double Inertia(double d) {
    return kPi * d * d * d * d / 64;
}

void Steps(BeamModel& m, std::vector<ShaftSection> sections) {
    m.shaftSectionCount = 0;
    for (const ShaftSection& s : sections) m.shaftSections[++m.shaftSectionCount] = s;
}

// ∫ f over [a, b] with breaks: Simpson on every piece between neighbouring breaks.
double PiecewiseIntegral(const std::function<double(double)>& f, std::vector<double> breaks) {
    std::sort(breaks.begin(), breaks.end());
    double sum = 0;
    for (std::size_t i = 0; i + 1 < breaks.size(); ++i) {
        const double a = breaks[i], b = breaks[i + 1];
        if (b <= a) continue;
        const double e = 1e-9 * (b - a);  // the values inside the piece, not on its edges
        sum += (b - a) / 6 * (f(a + e) + 4 * f((a + b) / 2) + f(b - e));
    }
    return sum;
}

// Moment of a simple span 0..l under a unit force at c, at x.
double UnitMoment(double l, double c, double x) {
    return x <= c ? x * (l - c) / l : c * (l - x) / l;
}

TEST(stepped_shaft, two_step_cantilever_by_the_moment_area_method) {
    // Clamp at 0, D 40 up to a = 400, D 30 beyond, F = 1000 N at the tip of L = 1000.
    auto ws = RectangleBeam(1000, kFixedClamp);
    Steps(ws->model, {{0, 400, 40, 0}, {400, 1000, 30, 0}});
    AddPointLoad(ws->model, 1000, 1000, 0);
    RunAnalysis(*ws);
    ASSERT_FALSE(ws->abortFlag);
    const double F = 1000, L = 1000, a = 400, b = 600, E = kE;
    const double i1 = Inertia(40), i2 = Inertia(30);
    const double tip = F / E * ((L * L * L - b * b * b) / (3 * i1) + b * b * b / (3 * i2));
    const double tipSlope = F / E * ((L * L - b * b) / (2 * i1) + b * b / (2 * i2));
    const double atStep = F / (E * i1) * (L * a * a / 2 - a * a * a / 6);
    const StationTable& t = ws->results.stations;
    EXPECT_NEAR(D(std::fabs(t[1000].w_xy)), tip, tip * 5e-3);
    EXPECT_NEAR(D(std::fabs(t[1000].slope_xy)), tipSlope, tipSlope * 5e-3);
    EXPECT_NEAR(D(std::fabs(t[400].w_xy)), atStep, atStep * 5e-3);
    // The stress at the clamp on the outer fibre of D 40, and just beyond the step on D 30.
    // A point on the step takes the weaker section.
    for (const auto& [k, arm, r, i] : {std::tuple{1, 999.0, 20.0, i1}, std::tuple{399, 601.0, 20.0, i1},
                                      std::tuple{400, 600.0, 15.0, i2},
                                      std::tuple{401, 599.0, 15.0, i2}})
        EXPECT_NEAR(D(t[k].sigB), F * arm * r / i, 1e-4 * F * arm * r / i) << k;
}

TEST(stepped_shaft, two_step_simple_beam_by_virtual_work) {
    // Supports at 0 and 1000, D 40 up to 300, a bore of 10 beyond it in D 30, F at 600.
    auto ws = RectangleBeam(1000, kTwoHinges);
    Steps(ws->model, {{0, 300, 40, 0}, {300, 1000, 30, 10}});
    AddPointLoad(ws->model, 1000, 600, 90);  // in z: both planes take the round section
    RunAnalysis(*ws);
    ASSERT_FALSE(ws->abortFlag);
    const double L = 1000, F = 1000;
    auto ei = [&](double x) {
        return kE * (x < 300 ? Inertia(40) : Inertia(30) - Inertia(10));
    };
    auto deflectionAt = [&](double c) {
        return PiecewiseIntegral(
            [&](double x) { return F * UnitMoment(L, 600, x) * UnitMoment(L, c, x) / ei(x); },
            {0, 300, 600, c, L});
    };
    const double slopeA = PiecewiseIntegral(
        [&](double x) { return F * UnitMoment(L, 600, x) * (1 - x / L) / ei(x); },
        {0, 300, 600, L});
    const StationTable& t = ws->results.stations;
    for (int k : {300, 150, 750}) {
        const double hand = deflectionAt(k);
        EXPECT_NEAR(D(std::fabs(t[k].w_xz)), hand, hand * 5e-3) << k;
    }
    EXPECT_NEAR(D(std::fabs(t[1].slope_xz)), slopeA, slopeA * 5e-3);
    EXPECT_NEAR(D(ws->results.extremes.w_xy.max), 0, 1e-15);
}

TEST(stepped_shaft, middle_support_reaction_follows_the_stiffness_ratio) {
    // A = 0, B = 1000, C = 500 under q = 1 N/mm. Force method on the span A-B:
    // R_C = δ10/δ11 with the virtual-work integrals over E·I(x).
    struct Case {
        double left, right;
    };
    for (const Case c : {Case{40, 30}, Case{30, 40}, Case{35, 35}}) {
        auto ws = RectangleBeam(1000, kThreeHinges);
        ws->model.supportX[kSupportC] = 500;
        ws->model.iterationEps = 1e-5L;
        Steps(ws->model, {{0, 500, c.left, 0}, {500, 1000, c.right, 0}});
        AddUniformLoad(ws->model, 1, 0, 1000, 0);
        RunAnalysis(*ws);
        ASSERT_FALSE(ws->abortFlag);
        const double L = 1000;
        auto ei = [&](double x) { return kE * Inertia(x < 500 ? c.left : c.right); };
        const double d10 = PiecewiseIntegral(
            [&](double x) { return x * (L - x) / 2 * UnitMoment(L, 500, x) / ei(x); },
            {0, 500, L});
        const double d11 = PiecewiseIntegral(
            [&](double x) { return UnitMoment(L, 500, x) * UnitMoment(L, 500, x) / ei(x); },
            {0, 500, L});
        const double rc = d10 / d11;
        const SupportReactions& r = ws->results.reactions;
        EXPECT_NEAR(D(std::fabs(r.Ry[kSupportC])), rc, rc * 5e-3) << c.left;
        EXPECT_NEAR(D(-(r.Ry[kSupportA] + r.Ry[kSupportB] + r.Ry[kSupportC])), 1000, 1e-6);
        if (c.left == c.right) {
            EXPECT_NEAR(rc, 625, 1e-6);  // 5/8·q·L of the even beam
        }
    }
}

// The lowest root of f above 0, f(0+) and f at the root of the other sign.
double LowestRoot(const std::function<double(double)>& f, double step) {
    double lo = step * 1e-3, hi = lo;
    const bool start = f(lo) > 0;
    while ((f(hi) > 0) == start) hi += step;
    lo = hi - step;
    for (int i = 0; i < 200; ++i) {
        const double mid = (lo + hi) / 2;
        ((f(mid) > 0) == start ? lo : hi) = mid;
    }
    return (lo + hi) / 2;
}

TEST(stepped_shaft, euler_load_of_the_two_step_column) {
    // D 40 over a = 400, D 30 over b = 600, E = 210000. Hinged: w = A·sin(k1·x) and
    // B·sin(k2·(L - x)) meet with equal value and slope: k2·sin(k1·a)·cos(k2·b) +
    // k1·cos(k1·a)·sin(k2·b) = 0. Clamped at 0, free at L: u = δ - w is δ·cos(k1·x) and
    // C·sin(k2·(L - x)): k1·sin(k1·a)·sin(k2·b) - k2·cos(k1·a)·cos(k2·b) = 0.
    const double a = 400, b = 600, ei1 = kE * Inertia(40), ei2 = kE * Inertia(30);
    auto k = [](double p, double ei) { return std::sqrt(p / ei); };
    const double hinged = LowestRoot(
        [&](double p) {
            const double k1 = k(p, ei1), k2 = k(p, ei2);
            return k2 * std::sin(k1 * a) * std::cos(k2 * b) +
                   k1 * std::cos(k1 * a) * std::sin(k2 * b);
        },
        500);
    const double clamped = LowestRoot(
        [&](double p) {
            const double k1 = k(p, ei1), k2 = k(p, ei2);
            return k1 * std::sin(k1 * a) * std::sin(k2 * b) -
                   k2 * std::cos(k1 * a) * std::cos(k2 * b);
        },
        100);
    for (int type : {kTwoHinges, kFixedClamp}) {
        auto ws = RectangleBeam(1000, type);
        Steps(ws->model, {{0, 400, 40, 0}, {400, 1000, 30, 0}});
        const double hand = type == kFixedClamp ? clamped : hinged;
        EXPECT_NEAR(D(SteppedEulerLoad(ws->model, ws->section.props)), hand, hand * 1e-5) << type;
        // One stiffness all along: the formula's value.
        Steps(ws->model, {{0, 400, 30, 0}, {400, 1000, 30, 0}});
        const double even = kPi * kPi * ei2 / (1000.0 * 1000) / (type == kFixedClamp ? 4 : 1);
        EXPECT_NEAR(D(SteppedEulerLoad(ws->model, ws->section.props)), even, even * 1e-12);
    }
}

TEST(stepped_shaft, one_section_over_the_whole_beam_equals_the_round_contour) {
    // D 40 once as a contour of two half-circle arcs in 1° chords (closed by a third point),
    // once as a shaft section.
    std::unique_ptr<Workspace> ws[2];
    for (int i = 0; i < 2; ++i) {
        ws[i] = RectangleBeam(1000, kTwoHinges);
        BeamModel& m = ws[i]->model;
        if (i == 0) {
            m.contourCount = 3;
            m.contour[1] = {20, 0, std::numbers::pi_v<Real>};
            m.contour[2] = {-20, 0, std::numbers::pi_v<Real>};
            m.contour[3] = {20, 0, 0};
            m.arcDivision = 1;
        } else {
            Steps(m, {{0, 1000, 40, 0}});
        }
        m.supportX = {100, 900, 0, 0, 0};
        m.selfWeightAsLoad = true;
        m.dunkerleyOn = true;
        m.bucklingOn = true;
        m.notchMode = 3;
        AddPointLoad(m, 1000, 500, 30);
        AddUniformLoad(m, 2, 0, 100, 120);
        m.axialLoads[++m.axialLoadCount] = AxialLoad{-5000, 1000, ""};
        RunAnalysis(*ws[i]);
        ASSERT_FALSE(ws[i]->abortFlag);
    }
    const AnalysisResults& c = ws[0]->results;
    const AnalysisResults& s = ws[1]->results;
    auto same = [](Real contour, Real section, const char* what) {
        EXPECT_NEAR(D(section), D(contour), std::fabs(D(contour)) * 5e-4) << what;
    };
    same(c.extremes.w.max, s.extremes.w.max, "w");
    same(c.extremes.slope.max, s.extremes.slope.max, "slope");
    same(c.extremes.sigB.max, s.extremes.sigB.max, "sigB");
    EXPECT_NEAR(D(s.extremes.sigZ.min), D(c.extremes.sigZ.min), 5e-4 * 5000 / 1256.6);
    same(c.extremes.sigV.max, s.extremes.sigV.max, "sigV");
    same(c.reactions.R[kSupportA], s.reactions.R[kSupportA], "R_A");
    same(c.frequency, s.frequency, "f");
    same(c.buckling.eulerLoad, s.buckling.eulerLoad, "F_K");
    same(c.buckling.wFax, s.buckling.wFax, "w_Fax");
    same(ws[0]->section.mass, ws[1]->section.mass, "m");
}

TEST(stepped_shaft, self_weight_per_stretch_beside_fifty_loads_and_the_mass) {
    // A 40 mm journal over 0..200, the 60 x 40 rectangle 200..700, a tube 50/30 700..1000.
    auto ws = RectangleBeam(1000, kTwoHinges);
    BeamModel& m = ws->model;
    Steps(m, {{700, 1000, 50, 30}, {0, 200, 40, 0}});
    for (int i = 0; i < kMaxDistributedLoads; ++i) AddUniformLoad(m, 0.001L, 0, 1000, 0);
    m.selfWeightAsLoad = true;
    RunAnalysis(*ws);
    ASSERT_FALSE(ws->abortFlag);
    EXPECT_FALSE(HasMessage(*ws, "Fatal  : Fq max !"));
    const double volume = kPi / 4 * 40 * 40 * 200 + 2400.0 * 500 + kPi / 4 * (50 * 50 - 30 * 30) * 300;
    EXPECT_NEAR(D(ws->section.volume), volume, volume * 1e-12);
    EXPECT_NEAR(D(ws->section.mass), volume * 7.8e-6, volume * 1e-17);
    // The reactions carry the user's loads (50·0.001·1000 N) and the weight, straight down.
    const SupportReactions& r = ws->results.reactions;
    EXPECT_NEAR(D(r.Ry[kSupportA] + r.Ry[kSupportB]), volume * 7.8e-6 * 9.81 - 50, 1e-6);
    // Three stretches appended, and taken away again as many.
    EXPECT_EQ(m.distributedLoadCount, kMaxDistributedLoads + 3);
    EXPECT_EQ(m.distributedLoads[kMaxDistributedLoads + 2].x2, 700);
    RemoveAddedLoads(m);
    EXPECT_EQ(m.distributedLoadCount, kMaxDistributedLoads);
}

}  // namespace
}  // namespace bxr::test
