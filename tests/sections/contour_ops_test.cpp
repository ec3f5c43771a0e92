#include "sections/contour_ops.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>

#include "section_test_support.h"
#include "sections/compute_section.h"

namespace bxr {
namespace {

using test::kPi;
using test::Radians;
using test::SetContour;

SectionProperties Compute(const BeamModel& model) {
    SectionState section;
    CalcMessages messages;
    ComputeSectionProperties(model, OutputSettings{}, section, messages);
    EXPECT_FALSE(messages.fatal);
    return section.props;
}

// Quarter disc of radius 10 at the origin with a notch: an arc, straight edges, no symmetry.
void QuarterDisc(BeamModel& model) {
    SetContour(model, {{0, 0}, {10, 0, 90}, {0, 10}, {0, 6}, {-2, 4}});
}

TEST(ContourReverse, SwapsPointsAndKeepsEveryArcOnItsEdge) {
    BeamModel model;
    SetContour(model, {{0, 0, 30}, {10, 0}, {10, 10, 40}, {5, 12, 7}});
    ReverseContour(model);
    // Edges walked backwards: old edge 3 (sweep 40) is new edge 1, old edge 1 (30) new edge 3.
    EXPECT_EQ(model.contour[1].y, 5);
    EXPECT_EQ(model.contour[1].z, 12);
    EXPECT_EQ(model.contour[4].y, 0);
    EXPECT_EQ(model.contour[4].z, 0);
    EXPECT_NEAR(model.contour[1].arcAngle, Radians(-40), 1e-15);
    EXPECT_NEAR(model.contour[2].arcAngle, 0, 1e-15);
    EXPECT_NEAR(model.contour[3].arcAngle, Radians(-30), 1e-15);
    // The unused angle of the last point is only negated.
    EXPECT_NEAR(model.contour[4].arcAngle, Radians(-7), 1e-15);
}

TEST(ContourReverse, TwiceRestoresAndOnceOnlyFlipsTheSign) {
    for (int odd = 0; odd < 2; ++odd) {
        BeamModel model;
        QuarterDisc(model);
        if (odd) model.contourCount = 4;
        const BeamModel before = model;
        const SectionProperties p = Compute(model);
        ReverseContour(model);
        const SectionProperties r = Compute(model);
        EXPECT_NEAR(r.A, -p.A, 1e-12);
        EXPECT_NEAR(r.ys, p.ys, 1e-12);
        EXPECT_NEAR(r.zs, p.zs, 1e-12);
        EXPECT_NEAR(r.I1, p.I1, 1e-9);
        EXPECT_NEAR(r.I2, p.I2, 1e-9);
        ReverseContour(model);
        for (int i = 1; i <= before.contourCount; ++i) {
            EXPECT_EQ(model.contour[i].y, before.contour[i].y) << i;
            EXPECT_EQ(model.contour[i].z, before.contour[i].z) << i;
            EXPECT_EQ(model.contour[i].arcAngle, before.contour[i].arcAngle) << i;
        }
    }
}

TEST(ContourMirror, ArcsStayConvexAndTheCentroidMoves) {
    BeamModel model;
    SetContour(model, {{0, 0}, {10, 0, 90}, {0, 10}});
    const SectionProperties p = Compute(model);
    // Mirrored about z the contour runs clockwise: the area changes sign, the centroid
    // moves to -ys, the principal moments stay.
    MirrorContourZ(model);
    const SectionProperties z = Compute(model);
    EXPECT_NEAR(z.A, -p.A, 1e-12);
    EXPECT_NEAR(z.ys, -p.ys, 1e-12);
    EXPECT_NEAR(z.zs, p.zs, 1e-12);
    EXPECT_NEAR(z.I1, p.I1, 1e-9);
    EXPECT_EQ(model.contour[2].y, -10);
    EXPECT_NEAR(model.contour[2].arcAngle, -kPi / 2, 1e-15);

    MirrorContourY(model);
    const SectionProperties zy = Compute(model);
    EXPECT_NEAR(zy.A, p.A, 1e-12);
    EXPECT_NEAR(zy.ys, -p.ys, 1e-12);
    EXPECT_NEAR(zy.zs, -p.zs, 1e-12);
    EXPECT_NEAR(model.contour[2].arcAngle, kPi / 2, 1e-15);
    // The sector centroid, 4r/(3 pi) for the true quarter circle, is approached.
    EXPECT_NEAR(p.ys, 40 / (3 * kPi), 0.02);
}

TEST(ContourTransform, ScalesThenRotatesThenShifts) {
    BeamModel model;
    SetContour(model, {{0, 0}, {100, 0}, {100, 10}, {0, 10}});
    TransformContour(model, 90, 0, 0, 1, 1);
    // Standing up: (100,0) goes to (0,100); the moments about the axes exchange.
    EXPECT_NEAR(model.contour[2].y, 0, 1e-15);
    EXPECT_NEAR(model.contour[2].z, 100, 1e-15);
    SectionProperties p = Compute(model);
    EXPECT_NEAR(p.A, 1000, 1e-9);
    EXPECT_NEAR(p.ys, -5, 1e-12);
    EXPECT_NEAR(p.zs, 50, 1e-12);
    EXPECT_NEAR(p.Ieta, 2500000.0L / 3, 1e-6);
    EXPECT_NEAR(p.Izeta, 25000.0L / 3, 1e-8);

    SetContour(model, {{0, 0}, {100, 0}, {100, 10}, {0, 10}});
    TransformContour(model, 0, 5, 7, 2, 3);
    p = Compute(model);
    EXPECT_NEAR(p.A, 6000, 1e-9);
    EXPECT_NEAR(p.ys, 105, 1e-12);
    EXPECT_NEAR(p.zs, 22, 1e-12);
    // 200 x 30: b h^3 / 12
    EXPECT_NEAR(p.Ieta, 200 * 27000 / 12.0L, 1e-6);

    // The arc angles are kept: a quarter disc turned by 30 degrees keeps its area.
    SetContour(model, {{0, 0}, {10, 0, 90}, {0, 10}});
    const Real area = Compute(model).A;
    TransformContour(model, 30, -3, 4, 1, 1);
    EXPECT_NEAR(model.contour[2].arcAngle, kPi / 2, 1e-15);
    EXPECT_NEAR(Compute(model).A, area, 1e-12);

    // A negative scale mirrors: the disc keeps its size and its arc still bulges outwards,
    // as the mirror about the z axis has it.
    for (const auto& [scaleY, scaleZ] : {std::pair<Real, Real>{-1, 1}, {1, -1}}) {
        SetContour(model, {{0, 0}, {10, 0, 90}, {0, 10}});
        const SectionProperties before = Compute(model);
        TransformContour(model, 0, 0, 0, scaleY, scaleZ);
        const SectionProperties after = Compute(model);
        EXPECT_NEAR(after.A, -before.A, 1e-12);
        EXPECT_NEAR(after.ys, scaleY * before.ys, 1e-12);
        EXPECT_NEAR(after.zs, scaleZ * before.zs, 1e-12);
    }
}

TEST(ContourOps, DamagedCountStaysInsideTheModel) {
    BeamModel model;
    model.contourCount = 60000;
    ReverseContour(model);
    MirrorContourZ(model);
    MirrorContourY(model);
    TransformContour(model, 10, 1, 1, 1, 1);
    SUCCEED();
}

}  // namespace
}  // namespace bxr
