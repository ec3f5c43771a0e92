// The pass over all calculation points: stage 1 shear force, axial force and bending
// moment; stage 2 stresses; stage 3 slope and deflection with the integration constants
// fitted to the supports.
#pragma once

#include "analysis/analysis_results.h"
#include "analysis/load_range.h"
#include "analysis/shaft_profile.h"
#include "model/beam_model.h"
#include "model/section_properties.h"

namespace bxr {

struct CalcState;

enum class PassEnd {
    kComplete,  // all three stages ran
    kStopped,   // the pass ended early: the deflection columns were not (all) written
};

// What a pass writes besides stresses. Passes whose table is replaced afterwards leave out
// what nobody reads in the meantime.
enum class PassColumns {
    kAll,
    // All but the angle columns phiFq, phiMb, phiSlope and phiW: nothing decides on them.
    kNoAngles,
    // The deflected shape the second-order rounds start from: as kNoAngles, without the axial
    // force and the resultants and trackers of shear force and moment.
    kShape,
    // Only what the solvers read of a pass: x and the plane columns of shear force, moment,
    // slope and deflection; no resultant and no tracker (TrackDeflectionRanges adds those of
    // w_xy and w_xz where a solver needs them).
    kDeflection,
};

struct PassOptions {
    bool stresses = true;  // stage 2; the solvers skip it in passes whose stresses are not kept
    PassColumns columns = PassColumns::kAll;
};

PassEnd ForcePass(CalcState& ws, Real w0);
PassEnd ForcePass(CalcState& ws, Real w0, const PassOptions& options);

// Stage 1 for the given loads and reactions: x, Fq_*, phiFq, N, Mb_*, phiMb of points 0..n;
// the shear and moment trackers when extremes is given; of these only what columns asks for.
void ShearAndMoment(const BeamModel& m, const LoadRange& loads, const SupportReactions& r, Real w0,
                    StationTable& t, ExtremeValues* extremes,
                    PassColumns columns = PassColumns::kAll);
// First half of stage 3: slope_xy and slope_xz integrated from the moments over E·I of each
// point (the contour's, or the shaft section's where the profile is active), before the
// integration constants (slope 0 at point 0).
void RawSlopes(const BeamModel& m, const SectionProperties& p, const ShaftProfile& shaft,
               StationTable& t);
// The same from the moments of src into outY[0..n] and outZ[0..n].
void RawSlopesInto(const BeamModel& m, const SectionProperties& p, const ShaftProfile& shaft,
                   const StationTable& src, Real* outY, Real* outZ);
// The integration constant of the slope between the supports: bisection from -1e30..1e30
// until the slopes between them sum to zero. sum is the sum of the raw slopes over the count
// points between the supports. The rounds end when the sum S is exactly 0 or the bracket can
// no longer be halved; a plane without load therefore gets 0 at once and every plane its
// constant to full precision. False for a sum that is not finite or out of the bracket (the
// pass then reports "Fehler : Iteration").
bool SlopeConstant(Real sum, int count, Real& constant);
// The rest of stage 3 on ws.results.stations: constants, slope and deflection columns and
// their trackers, of these only what columns asks for.
PassEnd SlopeAndDeflection(CalcState& ws, PassColumns columns = PassColumns::kAll);

// The trackers of w_xy and w_xz over the points 1..n of the table, as a full pass keeps them:
// for a pass that wrote the deflection only.
void TrackDeflectionRanges(CalcState& ws);

// The angle columns phiFq, phiMb, phiSlope and phiW of points 0..n from their plane columns,
// as a pass with angles writes them: for a run of passes without angles whose last table is
// kept.
void FillAngleColumns(StationTable& t);

// Points of the supports that the deflection refers to: kRef is the fixed end or A; the
// slope constant sums over kLow..kHigh (A and B). False when a support lies beyond the
// points; the message has then been given.
struct SupportPoints {
    int kRef = 0, kLow = 0, kHigh = 0;
};
bool FindSupportPoints(CalcState& ws, SupportPoints& points);

}  // namespace bxr
