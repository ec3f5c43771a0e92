#include "app/report_commands.h"

#include <gtest/gtest.h>

#include "support/output_test_support.h"
#include "support/scripted_ui.h"

namespace bxr {
namespace {

struct CommandSetup {
    std::string folder = test::MakeTempFolder();
    Workspace ws;
    test::ScriptedUi ui;
    KeptTextWindow window;
    test::RecordingLauncher launcher;
    ReportServices services;
    CommandSetup() {
        ws.ui = &ui;
        ws.config.tempFolder = folder;
        ws.config.pltFolder = folder;  // no description file there
        ws.config.textDevice = 1;
        ws.dataFolder = folder;
        ws.currentName = "balken";
        BeamModel& m = ws.model;
        m.length = 1000;
        m.contourCount = 4;
        m.contour[1] = {0, 0, 0};
        m.contour[2] = {20, 0, 0};
        m.contour[3] = {20, 40, 0};
        m.contour[4] = {0, 40, 0};
        m.supportType = kTwoHinges;
        m.supportX = {0, 1000, 0, 0, 0};
        m.pointLoadCount = 1;
        m.pointLoads[1] = {1000, 500, 90, "F"};
        services.textWindow = &window;
        services.launcher = &launcher;
    }
};

TEST(ReportCommands, TheStandardReportCalculatesAndShowsOnTheScreen) {
    CommandSetup s;
    EXPECT_EQ(ViewStandardReport(s.ws, s.services, false), ReportOutcome::Written);
    EXPECT_TRUE(s.ws.model.auxLoadsAppended);  // the calculation ran first
    ASSERT_EQ(s.window.shown.size(), 1u);
    EXPECT_EQ(s.window.shown[0].title, "balken.txt");
    // F·L/4 = 250 N·m in the middle of the beam.
    EXPECT_NE(s.window.shown[0].text.find("Max. Biegemoment      250 Nm"), std::string::npos);
}

TEST(ReportCommands, AFatalCalculationShowsTheMessagesInsteadOfAReport) {
    CommandSetup s;
    s.ws.model.contourCount = 0;  // no cross-section
    s.ui.Push(test::Cancel{});    // the message list
    EXPECT_EQ(ViewStandardReport(s.ws, s.services, false), ReportOutcome::FatalMessages);
    EXPECT_TRUE(s.window.shown.empty());
    ASSERT_EQ(s.ui.choiceItems.size(), 1u);
    EXPECT_EQ(s.ui.shown.back(),
              "Berechnungsmodul meldet Warnungen oder Fehler, siehe Ursache und Abhilfe.");

    CommandSetup quiet;
    quiet.ws.model.contourCount = 0;
    EXPECT_EQ(ViewStandardReport(quiet.ws, quiet.services, true), ReportOutcome::FatalMessages);
    EXPECT_TRUE(quiet.ui.choiceItems.empty());  // no message list without a window
}

TEST(ReportCommands, ChangeListGoesToTheDestinationTheMenuAsksFor) {
    CommandSetup s;
    s.ws.documentation.changeCount = 1;
    s.ws.documentation.changes[1] = {"Erstausgabe", "01.12.2026", "HK", ""};
    ChangeListWriter(s.ws, s.services)(1);
    ASSERT_EQ(s.window.shown.size(), 1u);
    EXPECT_EQ(s.window.shown[0].title, "balken.TXT");
    EXPECT_NE(s.window.shown[0].text.find("Erstausgabe"), std::string::npos);
}

}  // namespace
}  // namespace bxr
