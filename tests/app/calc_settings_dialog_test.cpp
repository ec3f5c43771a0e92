#include "app/calc_settings_dialog.h"

#include <gtest/gtest.h>

#include "workspace/workspace.h"
#include "format/code_page.h"
#include "support/scripted_ui.h"

namespace bxr {
namespace {

TEST(CalcSettingsLimits, SegmentCountIsAWholeNumberFrom50To1500) {
    EXPECT_EQ(SegmentCountFromText("5000"), 1500);
    EXPECT_EQ(SegmentCountFromText("10"), 50);
    EXPECT_EQ(SegmentCountFromText(""), 50);  // not a number reads as 0
    EXPECT_EQ(SegmentCountFromText("abc"), 50);
    EXPECT_EQ(SegmentCountFromText("-700"), 50);
    EXPECT_EQ(SegmentCountFromText("600"), 600);
    EXPECT_EQ(SegmentCountFromText(" 1499,6 "), 1500);  // comma as decimal mark, rounded
    EXPECT_EQ(SegmentCountFromText("777.4"), 777);
    EXPECT_EQ(SegmentCountFromText("50"), 50);
    EXPECT_EQ(SegmentCountFromText("1500"), 1500);
    // Far beyond any integer: still the upper limit, no overflow.
    EXPECT_EQ(SegmentCountFromText("123456789012345678901234567890"), 1500);
}

TEST(CalcSettingsLimits, PolygonStepFrom0Point1To30) {
    EXPECT_NEAR(double(ArcDivisionFromText("0")), 0.1, 1e-15);
    EXPECT_EQ(ArcDivisionFromText("45"), 30);
    EXPECT_NEAR(double(ArcDivisionFromText("")), 0.1, 1e-15);
    EXPECT_NEAR(double(ArcDivisionFromText("2,5")), 2.5, 1e-15);
    EXPECT_EQ(ArcDivisionFromText("30"), 30);
    EXPECT_NEAR(double(ArcDivisionFromText("0.1")), 0.1, 1e-15);
}

TEST(CalcSettingsDialog, ShowsTheModelsSettingsWithTextsAndHints) {
    Workspace ws;
    ws.model.notchMode = 4;  // no item of its own
    ws.model.dunkerleyOn = true;
    CalcSettingsDialog d(ws, nullptr);
    EXPECT_EQ(ws.model.notchMode, 3);
    EXPECT_EQ(d.Field("RadioGroup_notchMode")->index, 2);
    EXPECT_FALSE(d.Field("RadioGroup_notchMode")->visible);
    EXPECT_FALSE(d.Field("CheckBox_supportStiffness")->visible);
    EXPECT_EQ(d.Field("Edit_segments")->text, "1000");
    EXPECT_EQ(d.Field("Edit_eps")->text, "0.001");
    EXPECT_EQ(d.Field("Edit_arcDivision")->text, "5");
    EXPECT_EQ(d.Field("Edit_arcDivision")->unit, "deg");
    EXPECT_FALSE(d.Field("CheckBox_selfWeight")->checked);
    EXPECT_TRUE(d.Field("CheckBox_buckling")->checked);
    EXPECT_TRUE(d.Field("CheckBox_dunkerley")->checked);
    EXPECT_EQ(d.Field("RadioGroup_unit")->index, 0);
    EXPECT_EQ(d.Field("CheckBox_selfWeight")->label,
              "Gewichtskraft als Streckenlasten übernehmen"_oem);
    EXPECT_EQ(d.Field("Edit_arcDivision")->label, "Polygon-Teilung für Kreisbogenberechnung"_oem);
    EXPECT_EQ(d.Field("CheckBox_selfWeight")->hint, 6900);
    EXPECT_EQ(d.Field("Edit_segments")->hint, 6940);
    EXPECT_EQ(d.Field("CheckBox_supportStiffness")->hint, 6140);
    EXPECT_EQ(d.Field("CheckBox_dunkerley")->hint, 6925);
    EXPECT_EQ(d.Field("Edit_eps")->hint, 6930);
    EXPECT_EQ(d.Field("CheckBox_buckling")->hint, 6980);
    EXPECT_EQ(d.Field("Edit_arcDivision")->hint, 5300);
    EXPECT_EQ(d.Field("RadioGroup_notchMode")->hint, 6820);
    EXPECT_EQ(d.Field("RadioGroup_unit")->hint, 0);
    EXPECT_EQ(d.Field("RadioGroup_unit")->items,
              (std::vector<std::string>{"mm, N, MPa, Nm, N/mm", "in, lbf, psi, lbfin, lbf/in"}));
    EXPECT_EQ(d.Field("RadioGroup_notchMode")->items.size(), 3u);

    // The "<" buttons propose their values without storing anything.
    d.Field("Edit_segments")->text = "17";
    d.Field("Edit_eps")->text = "";
    d.Field("Edit_arcDivision")->text = "x";
    EXPECT_FALSE(d.Press("Button_segmentsDefault"));
    EXPECT_FALSE(d.Press("Button_epsDefault"));
    EXPECT_FALSE(d.Press("Button_arcDivisionDefault"));
    EXPECT_EQ(d.Field("Edit_segments")->text, "600");
    EXPECT_EQ(d.Field("Edit_eps")->text, "0.001");
    EXPECT_EQ(d.Field("Edit_arcDivision")->text, "5");
    EXPECT_EQ(ws.model.segmentCount, 1000);
}

TEST(CalcSettingsDialog, OkRemovesAppendedLoadsReadsWithLimitsAndCalculates) {
    Workspace ws;
    BeamModel& m = ws.model;
    m.supportType = kFiveHinges;  // C, D and E appended as 6 point forces
    m.pointLoadCount = 8;
    m.selfWeightAsLoad = true;
    m.distributedLoadCount = 3;
    m.auxLoadsAppended = true;
    ws.abortFlag = true;  // left from an earlier command
    int runs = 0;
    int pointsSeen = -1, distributedSeen = -1;
    bool abortSeen = true;
    CalcSettingsDialog d(ws, [&](CalcState& w) {
        ++runs;
        pointsSeen = w.model.pointLoadCount;
        distributedSeen = w.model.distributedLoadCount;
        abortSeen = w.abortFlag;
    });
    d.Field("Edit_segments")->text = "5000";
    d.Field("Edit_arcDivision")->text = "0";
    d.Field("Edit_eps")->text = "0,002";
    d.Field("CheckBox_selfWeight")->checked = false;
    d.Field("CheckBox_buckling")->checked = false;
    d.Field("RadioGroup_unit")->index = 1;
    EXPECT_TRUE(d.Press("Button_ok"));
    EXPECT_TRUE(d.Accepted());
    EXPECT_EQ(runs, 1);
    // Removed with the settings as they stood: 6 point forces and the self-weight load.
    EXPECT_EQ(pointsSeen, 2);
    EXPECT_EQ(distributedSeen, 2);
    EXPECT_FALSE(abortSeen);
    EXPECT_FALSE(m.auxLoadsAppended);  // the stand-in appended nothing
    EXPECT_EQ(m.segmentCount, 1500);
    EXPECT_NEAR(double(m.arcDivision), 0.1, 1e-15);
    EXPECT_NEAR(double(m.iterationEps), 0.002, 1e-15);
    EXPECT_FALSE(m.selfWeightAsLoad);
    EXPECT_FALSE(m.bucklingOn);
    EXPECT_EQ(ws.config.output.unitSystem, 1);
}

TEST(CalcSettingsDialog, StoppedCalculationKeepsTheDialogOpen) {
    Workspace ws;
    bool stop = true;
    int runs = 0;
    CalcSettingsDialog d(ws, [&](CalcState& w) {
        ++runs;
        w.abortFlag = stop;
    });
    d.Field("Edit_segments")->text = "10";
    EXPECT_FALSE(d.Press("Button_ok"));
    EXPECT_EQ(d.message, "Not enough data");
    EXPECT_FALSE(d.Accepted());
    EXPECT_EQ(ws.model.segmentCount, 50);  // read before the calculation
    stop = false;
    EXPECT_TRUE(d.Press("Button_ok"));
    EXPECT_TRUE(d.message.empty());
    EXPECT_EQ(runs, 2);
    EXPECT_FALSE(ws.abortFlag);
}

TEST(CalcSettingsDialog, CancelReadsNothingAndSetsTheStopFlag) {
    Workspace ws;
    ws.model.auxLoadsAppended = true;
    ws.model.selfWeightAsLoad = true;
    ws.model.distributedLoadCount = 1;
    int runs = 0;
    CalcSettingsDialog d(ws, [&](CalcState&) { ++runs; });
    d.Field("Edit_segments")->text = "700";
    d.Field("RadioGroup_unit")->index = 1;
    EXPECT_TRUE(d.Press("Button_cancel"));
    EXPECT_FALSE(d.Accepted());
    EXPECT_TRUE(ws.abortFlag);
    EXPECT_EQ(runs, 0);
    EXPECT_EQ(ws.model.segmentCount, 1000);
    EXPECT_EQ(ws.config.output.unitSystem, 0);
    EXPECT_EQ(ws.model.distributedLoadCount, 1);  // appended loads untouched
    EXPECT_TRUE(ws.model.auxLoadsAppended);
}

TEST(EditCalcSettings, RunsTheDialogThroughTheUi) {
    Workspace ws;
    test::ScriptedUi ui;
    ws.ui = &ui;
    int runs = 0;
    ui.Push(test::FormScript([](FormModel& f) {
        f.Field("Edit_segments")->text = "";
        f.Press("Button_ok");
    }));
    EXPECT_TRUE(EditCalcSettings(ws, [&](CalcState&) { ++runs; }));
    EXPECT_EQ(ws.model.segmentCount, 50);
    EXPECT_EQ(runs, 1);

    ui.Push(test::Cancel{});  // the window closed without a button
    EXPECT_FALSE(EditCalcSettings(ws, [&](CalcState&) { ++runs; }));
    EXPECT_TRUE(ws.abortFlag);
    EXPECT_EQ(runs, 1);
}

}  // namespace
}  // namespace bxr
