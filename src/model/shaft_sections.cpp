#include "model/shaft_sections.h"

#include <algorithm>
#include <numeric>

#include "format/basic_types.h"

namespace bxr {

namespace {
constexpr Real kPiValue = 3.141592653589793238462643383279502884L;
}  // namespace

Real ShaftSectionArea(const ShaftSection& s) {
    return kPiValue * (s.D * s.D - s.d * s.d) / 4;
}

Real ShaftSectionInertia(const ShaftSection& s) {
    const Real d2 = s.d * s.d, D2 = s.D * s.D;
    return kPiValue * (D2 * D2 - d2 * d2) / 64;
}

std::vector<ShaftStretch> ShaftStretches(const BeamModel& m) {
    std::vector<ShaftStretch> out;
    const int count = std::clamp<int>(m.shaftSectionCount, 0, kMaxShaftSections);
    if (count == 0) return out;
    std::vector<int> order(static_cast<std::size_t>(count));
    std::iota(order.begin(), order.end(), 1);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return m.shaftSections[static_cast<std::size_t>(a)].x1 <
               m.shaftSections[static_cast<std::size_t>(b)].x1;
    });
    const Real length = m.length;
    Real at = 0;
    for (int i : order) {
        const ShaftSection& s = m.shaftSections[static_cast<std::size_t>(i)];
        const Real x1 = std::max(s.x1, at);
        const Real x2 = std::min(s.x2, length);
        if (!(x1 < x2)) continue;  // outside the beam, empty, or not a number
        if (at < x1) out.push_back({at, x1, 0});
        out.push_back({x1, x2, i});
        at = x2;
    }
    if (at < length) out.push_back({at, length, 0});
    return out;
}

bool FillShaftGaps(BeamModel& m, const ShaftSection& round) {
    std::vector<ShaftStretch> gaps;
    if (m.shaftSectionCount <= 0) {
        if (m.length > 0) gaps.push_back({0, m.length, 0});
    } else {
        for (const ShaftStretch& s : ShaftStretches(m))
            if (s.section == 0) gaps.push_back(s);
    }
    const int count = std::clamp<int>(m.shaftSectionCount, 0, kMaxShaftSections);
    if (count + static_cast<int>(gaps.size()) > kMaxShaftSections) return false;
    m.shaftSectionCount = count;
    for (const ShaftStretch& g : gaps)
        m.shaftSections[static_cast<std::size_t>(++m.shaftSectionCount)] =
            ShaftSection{g.x1, g.x2, round.D, round.d};
    return true;
}

int SelfWeightLoadCount(const BeamModel& m) {
    if (m.shaftSectionCount <= 0) return 1;
    return std::max<int>(1, static_cast<int>(ShaftStretches(m).size()));
}

}  // namespace bxr
