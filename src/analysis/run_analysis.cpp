#include "analysis/run_analysis.h"

#include <algorithm>

#include "analysis/buckling.h"
#include "analysis/check_input.h"
#include "analysis/dunkerley.h"
#include "analysis/reactions.h"
#include "analysis/safety_factors.h"
#include "analysis/stresses.h"
#include "analysis/support_solvers.h"
#include "analysis/calc_state.h"
#include "model/shaft_sections.h"
#include "sections/compute_section.h"

namespace bxr {

namespace {

struct Counts {
    std::int32_t points, distributed, moments;
};

Counts CountsOf(const BeamModel& m) {
    return {m.pointLoadCount, m.distributedLoadCount, m.momentLoadCount};
}

// The counts the lists must have after the calculation appended its loads.
Counts WithAddedLoads(const BeamModel& m, Counts user) {
    const int type = m.supportType;
    if (type == kAngularContactPair) user.moments += 2;
    if (m.selfWeightAsLoad) user.distributed += SelfWeightLoadCount(m);
    if (type == kThreeHinges) user.points += 2;
    if (type == kFourHinges) user.points += 4;
    if (type == kFiveHinges) user.points += 6;
    return user;
}

}  // namespace

void RunAnalysis(CalcState& ws) {
    BeamModel& m = ws.model;
    ws.messages.Clear();
    ws.results.boxMessages.clear();
    ws.results.scratch.unitAnswers.valid = false;

    // The loads the last calculation appended go first, so that the check counts and looks
    // at the user's entries only (a second calculation of a beam with 15 single forces on
    // five supports would otherwise see 21 of them).
    if (m.auxLoadsAppended) {
        RemoveAddedLoads(m);
        m.auxLoadsAppended = false;
    }
    CheckInput(ws);
    if (StopFlagSet(ws)) return;
    // From here on a cancel from another thread ends the calculation at the next step, or
    // sooner inside the long ones (the bisection rounds of supports C, D and E, the natural
    // frequency's solutions, the second-order rounds), which poll the flag themselves.
    PollAbort(ws, true);
    // The station table has room for the dialog's range of segments; a count from elsewhere
    // is brought into it as the dialog would.
    m.segmentCount = std::clamp<std::int32_t>(m.segmentCount, kMinSegments, kMaxSegments);
    m.loadAngleOffset = 0;
    const Real w0 = m.loadAngleOffset;

    ws.section.massLength = m.length;
    ws.section.density = m.material.density;
    // The section values start their own message list; the warnings of the input check (a
    // load outside the beam) belong to this calculation too and stay in front.
    const CalcMessages checked = ws.messages;
    ComputeSectionProperties(ws);
    CalcMessages merged = checked;
    for (const auto& e : ws.messages.entries) merged.Add(e);
    merged.fatal = checked.fatal || ws.messages.fatal;
    ws.messages = std::move(merged);

    const Counts user = CountsOf(m);
    // A cancelled calculation gives the lists back their user's entries and keeps the flag
    // set, so that nothing takes its results as valid.
    auto cancelled = [&] {
        if (!AbortPolled(ws)) return false;
        m.pointLoadCount = user.points;
        m.distributedLoadCount = user.distributed;
        m.momentLoadCount = user.moments;
        PollAbort(ws, false);
        return true;
    };
    if (m.selfWeightAsLoad) AddSelfWeight(ws);
    if (m.dunkerleyOn) DunkerleyFrequency(ws);
    if (cancelled()) return;

    switch (m.supportType) {
        case kThreeHinges:
            SolveThreeSupports(ws, w0);
            break;
        case kFourHinges:
            SolveFourSupports(ws, w0);
            break;
        case kFiveHinges:
            SolveFiveSupports(ws, w0);
            break;
        default: {
            // When the second-order rounds follow, their last table is the one kept: its
            // stresses and angles are worked out there, unless the literal method or a stress
            // mode that ends every pass asks for them in every pass.
            const bool replaced = ws.results.method == SolveMethod::kFast && StressModeValid(m) &&
                                  SecondOrderIterates(m);
            SolveTwoSupports(ws, w0,
                             replaced ? PassOptions{false, PassColumns::kShape} : PassOptions{});
            break;
        }
    }
    if (cancelled()) return;
    if (m.supportType >= kThreeHinges && m.supportType <= kFiveHinges)
        AddSupportForces(ws, kSupportC);
    if (m.supportType == kFourHinges || m.supportType == kFiveHinges)
        AddSupportForces(ws, kSupportD);
    if (m.supportType == kFiveHinges) AddSupportForces(ws, kSupportE);

    const SectionProperties& p = ws.section.props;
    ws.results.buckling.eulerLoad =
        m.shaftSectionCount > 0
            ? SteppedEulerLoad(m, p)
            : EulerLoad(m.supportType, m.length, std::min(p.I1, p.I2), m.material.e);
    SecondOrderDeflection(ws);
    if (cancelled()) return;
    PollAbort(ws, false);

    // The appended loads are taken away again by count; when a full list refused one of
    // them, that count would cut into the user's own entries, so the lists go back to the
    // user's entries instead and are not marked.
    const Counts expected = WithAddedLoads(m, user);
    const Counts now = CountsOf(m);
    if (now.points == expected.points && now.distributed == expected.distributed &&
        now.moments == expected.moments) {
        m.auxLoadsAppended = true;
    } else {
        m.pointLoadCount = user.points;
        m.distributedLoadCount = user.distributed;
        m.momentLoadCount = user.moments;
    }

    SafetyFactors(ws);
}

}  // namespace bxr
