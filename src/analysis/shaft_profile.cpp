#include "analysis/shaft_profile.h"

#include <algorithm>
#include <cmath>

#include "model/shaft_sections.h"

namespace bxr {

namespace {

Real ContourInertia(const SectionProperties& p) {
    return std::min(std::fabs(p.I1), std::fabs(p.I2));
}

Real StretchInertia(const BeamModel& m, const ShaftStretch& s, Real contourI) {
    return s.section == 0
               ? contourI
               : ShaftSectionInertia(m.shaftSections[static_cast<std::size_t>(s.section)]);
}

bool SameKey(const ShaftProfile& p, const BeamModel& m, Real contourI) {
    if (p.n != m.segmentCount || p.length != m.length || p.contourI != contourI ||
        p.count != m.shaftSectionCount)
        return false;
    for (int i = 1; i <= p.count; ++i) {
        const ShaftSection& a = p.sections[static_cast<std::size_t>(i)];
        const ShaftSection& b = m.shaftSections[static_cast<std::size_t>(i)];
        if (a.x1 != b.x1 || a.x2 != b.x2 || a.D != b.D || a.d != b.d) return false;
    }
    return true;
}

// The stretch standing at x: of two that meet there, the one with the smaller I. `from` is
// the first stretch that may hold x; the stretches rise.
int StretchAt(const BeamModel& m, const std::vector<ShaftStretch>& st, Real x, Real contourI,
              std::size_t& from) {
    while (from + 1 < st.size() && st[from].x2 < x) ++from;
    std::size_t pick = from;
    if (from + 1 < st.size() && st[from + 1].x1 <= x &&
        StretchInertia(m, st[from + 1], contourI) < StretchInertia(m, st[from], contourI))
        pick = from + 1;
    return st[pick].section;
}

}  // namespace

const ShaftProfile& UpdateShaftProfile(ShaftProfile& profile, const BeamModel& m,
                                       const SectionProperties& contour) {
    const Real contourI = ContourInertia(contour);
    if (m.shaftSectionCount <= 0) {
        profile.active = false;
        profile.count = 0;
        return profile;
    }
    if (profile.active && SameKey(profile, m, contourI)) return profile;
    const int count = std::min<int>(m.shaftSectionCount, kMaxShaftSections);
    const int n = m.segmentCount;
    profile.n = n;
    profile.length = m.length;
    profile.contourI = contourI;
    profile.count = count;
    for (int i = 1; i <= count; ++i) {
        const auto k = static_cast<std::size_t>(i);
        profile.sections[k] = m.shaftSections[k];
        profile.A[k] = ShaftSectionArea(m.shaftSections[k]);
        profile.I[k] = ShaftSectionInertia(m.shaftSections[k]);
        profile.D[k] = m.shaftSections[k].D;
    }
    const std::vector<ShaftStretch> stretches = ShaftStretches(m);
    profile.active = !stretches.empty() && n >= 1;
    if (!profile.active) return profile;
    profile.at.assign(static_cast<std::size_t>(n) + 1, 0);
    std::size_t from = 0;
    for (int k = 0; k <= n; ++k) {
        // As the pass places its points: point n lies at L exactly.
        const Real x = k == n ? m.length : k * m.length / n;
        profile.at[static_cast<std::size_t>(k)] =
            static_cast<std::uint8_t>(StretchAt(m, stretches, x, contourI, from));
    }
    return profile;
}

}  // namespace bxr
