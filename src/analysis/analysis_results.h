// What a calculation leaves behind: stations, reactions, extreme values, buckling,
// frequency and safety results. Everything lives in the Workspace for the whole run and is
// overwritten by every calculation; nothing is cleared between calculations.
#pragma once

#include <array>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "analysis/outline_hull.h"
#include "analysis/shaft_profile.h"
#include "model/beam_model.h"
#include "platform/large_blocks.h"

namespace bxr {

inline constexpr int kMinSegments = 50;
inline constexpr int kMaxSegments = 1500;
inline constexpr int kMaxStations = kMaxSegments + 1;

// One calculation point: 27 values in the order of the result table.
struct Station {
    Real x = 0;                                  // mm
    Real phiFq = 0;                              // deg, angle of the shear-force resultant
    Real phiMb = 0;                              // deg, angle of the bending-moment resultant
    Real phiSigB = 0;                            // deg
    Real phiSlope = 0;                           // deg
    Real phiW = 0;                               // deg
    Real phiSigV = 0;                            // deg
    Real sigZ = 0;                               // N/mm², tension/compression
    Real N = 0;                                  // N, axial force
    Real Fq_xy = 0, Fq_xz = 0, Fq = 0;           // N
    Real Mb_xy = 0, Mb_xz = 0, Mb = 0;           // N·mm
    Real sigB_xy = 0, sigB_xz = 0, sigB = 0;     // N/mm²
    Real slope_xy = 0, slope_xz = 0, slope = 0;  // rad
    Real w_xy = 0, w_xz = 0, w = 0;              // mm
    Real sigV_xy = 0, sigV_xz = 0, sigV = 0;     // N/mm²
};

// Zeroed room for kMaxStations points, in the blocks kept for large tables: a run that never
// fills a table (most use one of the two a workspace holds) pays little for it.
class StationStore {
  public:
    StationStore() : data_(kMaxStations) {}

    Station& operator[](std::size_t k) { return data_[k]; }
    const Station& operator[](std::size_t k) const { return data_[k]; }
    const Station* begin() const { return data_.data(); }

  private:
    // All-zero bits are 0.0 in every field, as Station's initialisers have it.
    static_assert(std::numeric_limits<Real>::is_iec559);
    ZeroedArray<Station> data_;
};

// The calculation points 0..n at x = k·L/n, with room for the largest segment count so that
// no calculation allocates.
struct StationTable {
    StationStore points;  // kMaxStations entries
    int n = 0;            // segment count of the last pass; points 0..n are in use
    // The x column holds the points of this segment count and length (set by the pass, which
    // alone writes x).
    int xCount = -1;
    Real xLength = 0;

    Station& operator[](int k) { return points[static_cast<std::size_t>(k)]; }
    const Station& operator[](int k) const { return points[static_cast<std::size_t>(k)]; }
    int size() const { return n + 1; }
};

// A value as the trackers keep it: the 6-byte real of the extreme-value record, that is a
// 40-bit significand and a range of about 2.9e-39 to 1.7e38 (smaller magnitudes become 0).
// The trackers round every new extreme, thousands of times per pass, so the significand is
// cut by splitting (x·(2^s + 1) less its difference with x keeps the upper 40 bits, rounded
// to nearest, ties to even) rather than through the bits of the number in memory.
inline Real RoundToReal48(Real x) {
    // 1 hidden + 39 stored bits; exponent byte with bias 129, no subnormals.
    constexpr Real kSmallest = 0x1p-128L;
    constexpr Real kLargest = 0x1.fffffffffep126L;
    constexpr Real kSplit = [] {
        Real power = 1;
        for (int i = 40; i < std::numeric_limits<Real>::digits; ++i) power *= 2;
        return power + 1;
    }();
    // At and beyond the largest value the rounding could only give it or overflow; below it,
    // it cannot pass it, as the largest value has 40 bits. NaN passes through; comparisons
    // with it are false anyway.
    if (!(std::fabs(x) < kLargest)) return x != x ? x : x < 0 ? -kLargest : kLargest;
    const Real c = x * kSplit;
    const Real rounded = c - (c - x);
    return std::fabs(rounded) < kSmallest ? 0 : rounded;
}

// Largest and smallest value of one quantity; comparisons are made in full precision, the
// kept values are rounded as the record stores them.
struct ExtremeRange {
    Real max = 0;
    Real min = 0;

    void Reset(Real maxStart, Real minStart) {
        max = RoundToReal48(maxStart);
        min = RoundToReal48(minStart);
    }
    // True when v became the new largest value.
    bool Update(Real v) {
        bool newMax = false;
        if (v > max) {
            max = RoundToReal48(v);
            newMax = true;
        }
        if (v < min) min = RoundToReal48(v);
        return newMax;
    }
};

// Extremes of the station columns and the points where some of the largest occurred.
// Shear and moment start at -1e30/+1e30, slope_xy, slope_xz and the deflections too, slope at
// 0/0; the stresses at 1.0/0 (sigZ at 0.1/0). Points keep their values when nothing beats the
// start value.
struct ExtremeValues {
    ExtremeRange Fq_xy, Fq_xz, Fq;
    ExtremeRange Mb_xy, Mb_xz, Mb;
    ExtremeRange slope_xy, slope_xz, slope;
    ExtremeRange w_xy, w_xz, w;
    ExtremeRange sigB_xy, sigB_xz, sigB;
    ExtremeRange sigZ;
    ExtremeRange sigV_xy, sigV_xz, sigV;

    int pointMb = 0;     // point of the largest Mb
    int pointSlope = 0;  // point of the largest slope
    int pointW = 0;      // point of the largest w
    int pointSigB = 0;   // point of the largest sigB
    int pointSigZ = 0;   // point of the largest sigZ (or of a smallest of larger magnitude)
    int pointSigV = 0;   // point of the largest sigV
};

// Reactions of the last solution. Supports are indexed A..E (SupportIndex).
struct SupportReactions {
    std::array<Real, 5> Ry{};  // N
    std::array<Real, 5> Rz{};  // N
    std::array<Real, 5> R{};   // N, resultant

    // Fixed end: moment and force in y, in z, and their resultants.
    Real MfixY = 0, FfixY = 0, MfixZ = 0, FfixZ = 0, Mfix = 0, Ffix = 0;

    // Axial reactions.
    Real FxA = 0, FxB = 0, FxFix = 0;
    // Angular-contact bearings: the axial load components that make the bearing moments.
    Real FaA = 0, FaB = 0;

    // Load resultants of the last reaction solution (about its reference point).
    Real sumFy = 0, sumFz = 0, sumF = 0, angleF = 0;  // N, N, N, deg
    Real sumMy = 0, sumMz = 0, sumM = 0, angleM = 0;  // N·mm, ..., deg
    Real sumFx = 0;                                   // N
};

struct BucklingResults {
    Real eulerLoad = 0;     // F_k, N
    Real wFax = 0;          // deflection from the axial forces, mm
    bool iterated = false;  // the second-order iteration ran in the last calculation
};

struct SafetyResults {
    Real Sw = 0;    // tension/compression
    Real Sbw = 0;   // bending
    Real Svbw = 0;  // equivalent stress
};

// How the extra supports C, D, E are solved: both give the same results (support_solvers.h).
enum class SolveMethod { kFast, kLiteral };

// Working memory of the solvers, allocated once so that no pass allocates.
struct SolverScratch {
    StationTable table;
    OutlineHull outline;  // of the last section the stresses were worked out for
    ShaftProfile shaft;   // the shaft sections at the points of the last pass
    ZeroedArray<Real> values;
    ZeroedArray<double> approx;  // double copies for the quick scans of the fast solver
    // The fast solver's answers to a unit force at each extra support are the same in every
    // solution with the same beam, supports and section (the natural frequency's nine and the
    // main one): the key they were worked out for, and their sums. Their columns stay in
    // values and approx. Cleared at the start of every calculation.
    struct UnitAnswers {
        bool valid = false;
        std::array<Real, 24> key{};
        Real sum[6][2] = {}, largest[6][2] = {}, ry[6][2] = {}, rz[6][2] = {};
        bool zero[6][2] = {};
    } unitAnswers;
};

struct AnalysisResults {
    SolveMethod method = SolveMethod::kFast;
    SolverScratch scratch;
    // The long loops of the calculation look at the stop flag: from the input check on,
    // until the calculation ends or a fault of its own sets the flag.
    bool abortPolled = false;

    StationTable stations;
    SupportReactions reactions;
    ExtremeValues extremes;
    BucklingResults buckling;
    Real frequency = 0;  // f_D after Dunkerley, Hz
    SafetyResults safety;

    // Spring stiffness of the supports A..E, N/mm; only C, D and E act, and only when the
    // model's supportStiffnessOn is set. The model has no field for them.
    std::array<Real, 5> supportStiffness{50000, 50000, 50000, 50000, 50000};

    // Texts shown in message boxes by the last calculation (each once), for batch runs and
    // tests; the interactive program also shows them through the Ui.
    std::vector<std::string> boxMessages;
};

}  // namespace bxr
