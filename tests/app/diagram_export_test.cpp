#include "app/diagram_export.h"

#include <gtest/gtest.h>

#include "format/code_page.h"
#include "support/output_test_support.h"
#include "support/scripted_ui.h"

namespace bxr {
namespace {

using test::Cancel;
using test::Lines;
using test::Slurp;

struct Fixture {
    std::string folder = test::MakeTempFolder();
    test::RecordingLauncher launcher;
    test::ScriptedUi ui;
    Workspace ws;
    ChannelEnvironment env;
    // Station k carries k in its first column, so every row shows which station it read.
    DiagramExportSource source{1000, 100, [](int station, DiagramTableKind kind) {
                                   std::vector<Real> v(kind == DiagramTableKind::Forces ? 8 : 5, 0);
                                   v[0] = station;
                                   return v;
                               }};

    Fixture() {
        ws.ui = &ui;
        ws.currentName = "welle";
        env.ui = &ui;
        env.abortFlag = &ws.abortFlag;
        env.settings.tempFolder = folder;
        env.settings.defaultDestination = kDosFile;
        env.settings.lineStyle = 1;
        env.outputFolder = folder;
        env.launcher = &launcher;
        env.today = [] { return std::string("08.12.2026"); };
        env.now = [] { return std::string("9:05"); };
    }
    std::vector<std::string> Written() { return Lines(Slurp(folder + "OUTDOS.TXT")); }
};

TEST(AskDiagramTableRequest, ProposesTheSegmentCountAndAsksAgainOutsideTheRange) {
    const OutputSettings settings;
    test::ScriptedUi ui({3, std::string("5000"), std::string("10"), std::string("800")});
    auto r = AskDiagramTableRequest(ui, settings, 800);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->kind, DiagramTableKind::ResultantStresses);
    EXPECT_EQ(r->count, 800);
    ASSERT_EQ(ui.choiceItems.size(), 1u);
    EXPECT_EQ(ui.choiceItems[0].size(), 3u);
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0], "G\x81ltiger Wertebereich: 50 .. 800 !");
    EXPECT_TRUE(ui.Exhausted());

    test::ScriptedUi garbage({1, std::string("viele"), std::string("120,4")});
    r = AskDiagramTableRequest(garbage, settings, 800);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->count, 120);
    EXPECT_EQ(garbage.messages.size(), 1u);

    test::ScriptedUi lowest({2, std::string(" 50 ")});
    EXPECT_EQ(AskDiagramTableRequest(lowest, settings, 800)->count, 50);

    test::ScriptedUi cancelChoice({Cancel{}});
    EXPECT_FALSE(AskDiagramTableRequest(cancelChoice, settings, 800));
    test::ScriptedUi cancelCount({1, Cancel{}});
    EXPECT_FALSE(AskDiagramTableRequest(cancelCount, settings, 800));
}

TEST(ExportDiagramTable, WritesTheChosenTableWithoutPageHeaders) {
    Fixture f;
    f.ui.Push(1);
    f.ui.Push(std::string("50"));
    OutputChannel out(f.env);
    ASSERT_TRUE(ExportDiagramTable(f.ws, out, f.source));
    EXPECT_FALSE(f.ws.abortFlag);
    const auto lines = f.Written();
    // Rules, header, rules, then 51 rows each with its rule; no page header.
    ASSERT_EQ(lines.size(), 3u + 2 * 51);
    EXPECT_EQ(lines[1],
              "       x [mm]  Fxy [N] Fxz [N] Mbxy Nm Mbxz Nm wxy [mm]wxz [mm]w'xy degw'xz deg ");
    // 50 points of a 100-segment beam: x = 20 i reads station 2 i.
    const std::string zero = "      0 ";
    EXPECT_EQ(lines[3 + 2 * 7],
              "           140      14 " + zero + zero + zero + zero + zero + zero + zero + " ");
}

TEST(ExportDiagramTable, ReadsTheStationsOfTheLastCalculation) {
    Fixture f;
    f.ws.model.length = 600;
    StationTable& st = f.ws.results.stations;
    st.n = 60;
    for (int k = 0; k <= 60; ++k) {
        st[k].x = 10.0L * k;
        st[k].sigB = 2.0L * k;
        st[k].phiSigB = 45;
        st[k].sigV = -1.5L * k;
    }
    const DiagramExportSource source = StationExportSource(f.ws);
    EXPECT_EQ(source.length, 600);
    EXPECT_EQ(source.segments, 60);
    EXPECT_EQ(source.values(30, DiagramTableKind::ResultantStresses),
              (std::vector<Real>{60, 45, 0, -45, 0}));
    EXPECT_TRUE(source.values(61, DiagramTableKind::Forces).empty());

    f.ui.Push(3);
    f.ui.Push(std::string("60"));
    OutputChannel out(f.env);
    ASSERT_TRUE(ExportDiagramTable(f.ws, out, source));
    const auto lines = f.Written();
    ASSERT_EQ(lines.size(), 3u + 2 * 61);
    // Row 20: x = 200 mm, station 20: sigB 40, phi 45, sigZ 0, sigV -30, phi 0.
    const std::string zero = "       0 ";
    EXPECT_EQ(lines[3 + 2 * 20],
              "            200       40       45 " + zero + "     -30 " + zero + " ");
}

TEST(ExportDiagramTable, CancelledQuestionWritesNothing) {
    Fixture f;
    f.ui.Push(Cancel{});
    OutputChannel out(f.env);
    EXPECT_FALSE(ExportDiagramTable(f.ws, out, f.source));
    EXPECT_TRUE(f.ws.abortFlag);
    EXPECT_FALSE(out.IsOpen());
    EXPECT_TRUE(f.Written().empty());
}

}  // namespace
}  // namespace bxr
