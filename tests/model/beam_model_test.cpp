#include "model/beam_model.h"

#include <gtest/gtest.h>

namespace bxr {
namespace {

TEST(beam_model, initialise_sets_the_documented_defaults) {
    BeamModel m;
    m.length = 5;
    m.pointLoadCount = 3;
    Initialise(m);
    EXPECT_EQ(m.length, 1200);
    EXPECT_EQ(m.segmentCount, 1000);
    EXPECT_EQ(m.supportType, 1);
    EXPECT_EQ(m.supportX[kSupportB], 1060);
    EXPECT_EQ(m.arcDivision, 5);
    EXPECT_EQ(m.material.name, "42CrMo4");
    EXPECT_EQ(m.material.code, "1.7225");
    EXPECT_EQ(m.material.e, 210000);
    EXPECT_EQ(m.materialSource, 2);
    EXPECT_TRUE(m.bucklingOn);
    EXPECT_FALSE(m.dunkerleyOn);
    EXPECT_TRUE(m.hatching);
    EXPECT_TRUE(m.principalAxes);
    EXPECT_EQ(m.headerLines[1], std::string(60, ' '));
    EXPECT_EQ(m.notchZones[1].betaK, 1);
    EXPECT_EQ(m.pointLoadCount, 0);
}

TEST(beam_model, resets_touch_only_their_fields) {
    BeamModel m;
    m.contourCount = 4;
    m.notchZoneCount = 2;
    m.pointLoadCount = 1;
    m.axialLoadCount = 2;
    ResetGeometry(m);
    EXPECT_EQ(m.contourCount, 0);
    EXPECT_EQ(m.notchZoneCount, 0);
    EXPECT_EQ(m.length, 0);
    EXPECT_EQ(m.pointLoadCount, 1);
    ResetLoads(m);
    EXPECT_EQ(m.pointLoadCount, 0);
    EXPECT_EQ(m.axialLoadCount, 0);

    m.contourCount = 3;
    m.contour[2] = {4, 5, 6};
    ResetContour(m);
    EXPECT_EQ(m.contourCount, 0);
    EXPECT_EQ(m.contour[2].y, 999);
    EXPECT_EQ(m.contour[2].z, 999);
    EXPECT_EQ(m.contour[2].arcAngle, 0);
    EXPECT_EQ(m.contour[0].y, 0);
}

TEST(beam_model, remove_added_loads_strips_what_each_support_type_appends) {
    BeamModel m;
    m.pointLoadCount = 10;
    m.distributedLoadCount = 5;
    m.momentLoadCount = 4;
    m.supportType = kFiveHinges;
    m.selfWeightAsLoad = true;
    m.auxLoadsAppended = true;
    RemoveAddedLoads(m);
    EXPECT_EQ(m.pointLoadCount, 4);
    EXPECT_EQ(m.distributedLoadCount, 4);
    EXPECT_EQ(m.momentLoadCount, 4);
    EXPECT_TRUE(m.auxLoadsAppended);

    m.supportType = kAngularContactPair;
    RemoveAddedLoads(m);
    EXPECT_EQ(m.momentLoadCount, 2);
    EXPECT_EQ(m.distributedLoadCount, 3);
    EXPECT_EQ(m.pointLoadCount, 4);

    m.supportType = kTwoHinges;
    m.selfWeightAsLoad = false;
    RemoveAddedLoads(m);
    EXPECT_EQ(m.distributedLoadCount, 3);
    EXPECT_EQ(m.momentLoadCount, 2);

    m.supportType = kFourHinges;
    RemoveAddedLoads(m);
    EXPECT_EQ(m.pointLoadCount, 0);
    RemoveAddedLoads(m);
    EXPECT_EQ(m.pointLoadCount, 0);  // never negative
}

TEST(beam_model, point_index_rounds_halves_to_even_and_clamps) {
    BeamModel m;
    m.length = 1000;
    m.segmentCount = 100;
    EXPECT_EQ(PointIndex(m, 1000), 100);
    EXPECT_EQ(PointIndex(m, 2000), 100);
    EXPECT_EQ(PointIndex(m, -5), 0);
    EXPECT_EQ(PointIndex(m, 25), 2);   // 2.5 -> 2
    EXPECT_EQ(PointIndex(m, 35), 4);   // 3.5 -> 4
    EXPECT_EQ(PointIndex(m, 36), 4);
    EXPECT_EQ(PointIndex(m, 34), 3);
    EXPECT_EQ(PointPosition(m, 7), 70);
    EXPECT_EQ(PointPosition(m, 200), 1000);
}

TEST(beam_model, header_line_is_composed_and_cut) {
    const std::string name(25, 'N');
    const std::string number(18, '9');
    const auto line = ComposeHeaderLine1(name, number);
    EXPECT_EQ(line.size(), 56u);
    EXPECT_EQ(line, name + "   Zeich Nr: " + number);
    EXPECT_EQ(ComposeHeaderLine1(std::string(60, 'a'), "1").size(), kHeaderLineLength);
    EXPECT_EQ(CutText("Lager links A", kLabelLength), "Lager link");
}

}  // namespace
}  // namespace bxr
