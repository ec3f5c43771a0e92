// A family of statically indeterminate beams drawn from a seed, for timing the solvers of
// supports C, D and E over many beams instead of one favourable one, and for comparing the
// fast solver with the literal one on a sample of the same beams. Each beam comes from its
// own seed, so that one beam of the family can be rerun alone.
#pragma once

#include <cmath>
#include <cstdint>
#include <memory>
#include <numbers>
#include <random>
#include <utility>

#include "workspace/workspace.h"

namespace bxr::family {

// The first seed of the family; beam i of a kind has seed kFirstSeed + 1000·kind + i.
inline constexpr std::uint64_t kFirstSeed = 20261209;

inline std::uint64_t SeedOf(int supportType, int index) {
    return kFirstSeed + 1000 * static_cast<std::uint64_t>(supportType) +
           static_cast<std::uint64_t>(index);
}

// Uniform numbers from the raw generator: the standard distributions differ between
// libraries, the engine does not.
class Draw {
  public:
    explicit Draw(std::uint64_t seed) : engine_(seed) {}
    Real Unit() { return static_cast<Real>(engine_() >> 11) * 0x1p-53L; }  // [0, 1)
    Real Between(Real low, Real high) { return low + (high - low) * Unit(); }
    int Count(int low, int high) {  // low..high
        return low + static_cast<int>(engine_() % static_cast<std::uint64_t>(high - low + 1));
    }
    bool Chance(Real p) { return Unit() < p; }

  private:
    std::mt19937_64 engine_;
};

// A tube outer/inner diameter: the outer circle counter-clockwise, a slit, the bore
// clockwise.
inline void Tube(BeamModel& m, Real outer, Real inner, Real arcDivision) {
    const Real pi = std::numbers::pi_v<Real>;
    const Real r = outer / 2, ri = inner / 2;
    const ContourPoint points[] = {{r, 0, pi},   {-r, 0, pi},   {r, 0, 0},
                                   {ri, 0, -pi}, {-ri, 0, -pi}, {ri, 0, 0}};
    int n = 0;
    for (const auto& p : points) m.contour[++n] = p;
    m.contourCount = static_cast<std::uint16_t>(n);
    m.arcDivision = arcDivision;
}

// A solid rectangle turned about the beam axis, so that its principal axes are not y and z
// and a load in one plane deflects the beam in both.
inline void TurnedRectangle(BeamModel& m, Real height, Real width, Real degrees) {
    const Real a = degrees * std::numbers::pi_v<Real> / 180;
    const Real c = std::cos(a), s = std::sin(a);
    const Real corners[4][2] = {{-height / 2, -width / 2},
                                {height / 2, -width / 2},
                                {height / 2, width / 2},
                                {-height / 2, width / 2}};
    for (int i = 0; i < 4; ++i)
        m.contour[i + 1] = ContourPoint{corners[i][0] * c - corners[i][1] * s,
                                        corners[i][0] * s + corners[i][1] * c, 0};
    m.contourCount = 4;
}

inline void Settings(BeamModel& m, int supportType) {
    m.supportType = static_cast<std::uint16_t>(supportType);
    m.segmentCount = 1500;
    m.selfWeightAsLoad = true;
    m.bucklingOn = true;
    m.dunkerleyOn = true;
}

// The shaft of the issue that first showed the cost of unfavourable beams: five supports,
// 20 forces, 49 distributed loads, 20 moments and 10 axial forces at angles spread round the
// circle, a tube 40/32 drawn with 1.5° chords (about 490 polygon points), self weight,
// buckling and natural frequency, N = 1500.
inline std::unique_ptr<Workspace> AllRoundShaft() {
    auto ws = std::make_unique<Workspace>();
    BeamModel& m = ws->model;
    Tube(m, 40, 32, 1.5L);
    m.length = 2000;
    Settings(m, kFiveHinges);
    m.supportX = {40, 1960, 500, 1000, 1500};
    for (int i = 1; i <= 20; ++i)
        m.pointLoads[++m.pointLoadCount] = {Real(500 + 40 * i), Real(95 * i),
                                            Real(360 * i / 20.0L - 9), "F"};
    for (int i = 1; i <= 49; ++i)
        m.distributedLoads[++m.distributedLoadCount] = {
            Real(0.5L + 0.01L * i), Real(30 * i), Real(30 * i + 400), Real(360 * i / 49.0L), "q"};
    for (int i = 1; i <= 20; ++i)
        m.momentLoads[++m.momentLoadCount] = {Real(20000 + 500 * i), Real(97 * i),
                                              Real(360 * i / 20.0L - 5), "M"};
    for (int i = 1; i <= 10; ++i)
        m.axialLoads[++m.axialLoadCount] = {Real(i % 2 ? -800 : 600), Real(190 * i), "Fx"};
    return ws;
}

// One beam of the family: length, support positions, the four load lists (counts from none
// to full, positions anywhere on the beam, angles round the whole circle), the section and
// eps 0.001 or 1e-5, all drawn from the seed.
inline std::unique_ptr<Workspace> FamilyBeam(int supportType, std::uint64_t seed) {
    Draw d(seed);
    auto ws = std::make_unique<Workspace>();
    BeamModel& m = ws->model;
    const Real length = d.Between(500, 4000);
    m.length = length;
    Settings(m, supportType);
    m.iterationEps = d.Chance(0.5L) ? Real(0.001L) : Real(1e-5L);
    switch (d.Count(0, 2)) {
        case 0:
            Tube(m, 40, 32, 1.5L);
            break;
        case 1: {
            const Real outer = d.Between(30, 120);
            Tube(m, outer, outer * d.Between(0.3L, 0.9L), 3);
            break;
        }
        default:
            TurnedRectangle(m, d.Between(30, 100), d.Between(20, 60), d.Between(0, 90));
            break;
    }

    // A and B anywhere, C, D and E anywhere else: A and B need not be the outer supports,
    // and two supports may come close.
    Real xa = d.Between(0, 0.3L) * length, xb = d.Between(0.7L, 1) * length;
    if (d.Chance(0.25L)) xb = d.Between(0.4L, 1) * length;
    if (xa == xb) xb = length;
    m.supportX = {xa, xb, d.Between(0, 1) * length, d.Between(0, 1) * length,
                  d.Between(0, 1) * length};

    const Real scale = d.Between(0.2L, 5);
    const int forces = d.Count(0, 20), lines = d.Count(0, 49), moments = d.Count(0, 20),
              axial = d.Count(0, 10);
    for (int i = 0; i < forces; ++i)
        m.pointLoads[++m.pointLoadCount] = {scale * d.Between(-2000, 2000),
                                            d.Between(0, 1) * length, d.Between(0, 360), "F"};
    for (int i = 0; i < lines; ++i) {
        Real x1 = d.Between(0, 1) * length, x2 = d.Between(0, 1) * length;
        if (x2 < x1) std::swap(x1, x2);
        if (x1 == x2) x2 = length;
        m.distributedLoads[++m.distributedLoadCount] = {scale * d.Between(-2, 2), x1, x2,
                                                        d.Between(0, 360), "q"};
    }
    for (int i = 0; i < moments; ++i)
        m.momentLoads[++m.momentLoadCount] = {scale * d.Between(-1e5L, 1e5L),
                                              d.Between(0, 1) * length, d.Between(0, 360), "M"};
    for (int i = 0; i < axial; ++i)
        m.axialLoads[++m.axialLoadCount] = {scale * d.Between(-2000, 2000),
                                            d.Between(0, 1) * length, "Fx"};
    return ws;
}

// The same beam as a stepped shaft: twelve shaft sections of equal length over the whole
// beam, diameters 30 to 120 mm, every third one bored, drawn from the seed.
inline void MakeStepped(BeamModel& m, std::uint64_t seed) {
    Draw d(seed ^ 0x5eedULL);
    m.shaftSectionCount = 0;
    for (int i = 0; i < 12; ++i) {
        const Real outer = d.Between(30, 120);
        m.shaftSections[static_cast<std::size_t>(++m.shaftSectionCount)] = {
            m.length * i / 12, m.length * (i + 1) / 12, outer,
            i % 3 == 2 ? outer * d.Between(0.3L, 0.7L) : Real(0)};
    }
}

}  // namespace bxr::family
