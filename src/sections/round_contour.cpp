#include "sections/round_contour.h"

#include <cmath>

#include "model/shaft_sections.h"

namespace bxr {

std::optional<ShaftSection> RoundContourSection(const SectionState& section) {
    const SectionExtents& ex = section.extents;
    const SectionProperties& p = section.props;
    const Real outer = ex.width;
    if (!(outer > 0) || std::fabs(ex.height - outer) > 1e-3L * outer) return std::nullopt;
    // Centred in its extents and bending alike in every direction.
    const Real cy = ex.ymin + outer / 2, cz = ex.zmin + outer / 2;
    if (std::fabs(p.ys - cy) > 1e-3L * outer || std::fabs(p.zs - cz) > 1e-3L * outer)
        return std::nullopt;
    const Real i1 = std::fabs(p.I1), i2 = std::fabs(p.I2);
    if (std::fabs(i1 - i2) > 1e-3L * std::max(i1, i2)) return std::nullopt;
    ShaftSection s{0, 0, outer, 0};
    const Real solid = ShaftSectionArea(s);
    const Real area = std::fabs(p.A);
    if (area < 0.99L * solid) {
        const Real boreSquare = outer * outer - 4 * area / 3.141592653589793238462643383279502884L;
        s.d = std::sqrt(std::max<Real>(0, boreSquare));
    }
    const Real inertia = ShaftSectionInertia(s);
    if (std::fabs(i1 - inertia) > 0.01L * inertia || area > 1.001L * solid) return std::nullopt;
    return s;
}

}  // namespace bxr
