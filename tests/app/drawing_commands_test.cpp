#include "app/drawing_commands.h"

#include <gtest/gtest.h>

#include "model/project_file.h"
#include "support/memory_file_system.h"
#include "support/scripted_ui.h"

namespace bxr::test {
namespace {

struct Session {
    Workspace ws;
    MemoryFileSystem fs;
    DisplayList window;
    DrawingServices services;
    explicit Session(std::vector<Answer> answers) : ui(std::move(answers)) {
        auto text =
            DiskFileSystem().Read(std::string(BXR_SOURCE_DATA_DIR) + "/konsole.bxr", 1 << 20);
        EXPECT_TRUE(text && ReadProjectText(*text, ws.model, ws.documentation).Ok());
        ws.ui = &ui;
        ws.currentName = "konsole";
        ws.config.tempFolder = "/tmp";
        services.window = &window;
        services.fs = &fs;
    }
    bool WindowShows(const std::string& text) const {
        for (const auto& r : window.records())
            if (r.rfind("6;", 0) == 0 && r.find(text) != std::string::npos) return true;
        return false;
    }
    ScriptedUi ui;
};

class RecordingLauncher : public ProcessLauncher {
  public:
    std::vector<std::vector<std::string>> started;
    bool ProgramExists(const std::string&) override { return true; }
    bool StartDetached(const std::vector<std::string>& argv) override {
        started.push_back(argv);
        return true;
    }
};

TEST(DrawingCommands, SectionListComesBackUntilBack) {
    Session s({2, 3, 6});
    SectionDrawingCommand(s.ws, 0, 3, s.services);
    EXPECT_EQ(s.ui.choiceItems.size(), 3u);
    EXPECT_EQ(s.ui.preselections.at(1), 2);    // the last choice is offered again
    EXPECT_TRUE(s.WindowShows("ERGEBNISSE"));  // variant 3, the table, drawn last
    EXPECT_TRUE(s.ui.Exhausted());
}

TEST(DrawingCommands, DiagramPlaneIsAskedForWhenNotGiven) {
    Session s({3});
    DiagramCommand(s.ws, 2, 0, 3, s.services);
    EXPECT_TRUE(s.WindowShows("Biegemomentverlauf (Resultierende)"));
    EXPECT_TRUE(s.WindowShows("Richtung des gr"));
}

TEST(DrawingCommands, CancelledPositionDrawsNoStressView) {
    Session s({Cancel{}});
    EXPECT_FALSE(RunDrawing(s.ws, 2, 3, s.services));
    EXPECT_EQ(s.ui.helpTopics, std::vector<int>{7030});  // F1 at "Position x"
    EXPECT_TRUE(s.ws.abortFlag);
    EXPECT_TRUE(s.window.records().empty());
}

TEST(DrawingCommands, PlotOutputWritesItsFileAndStartsTheCommand) {
    Session s({std::string("QUILMAR /tmp/quilmar.dxf /CHPL")});
    RecordingLauncher launcher;
    s.services.launcher = &launcher;
    EXPECT_TRUE(RunDrawing(s.ws, 3, 4, s.services));
    EXPECT_EQ(s.fs.files.count("/tmp/quilmar.dxf"), 1u);
    EXPECT_EQ(s.ui.messages.at(0), "/tmp/quilmar.dxf wird geplottet..");
    ASSERT_EQ(launcher.started.size(), 1u);
    EXPECT_EQ(launcher.started[0],
              (std::vector<std::string>{"QUILMAR", "/tmp/quilmar.dxf", "/CHPL"}));
}

TEST(DrawingCommands, DiagramSeriesEndsAfterTensionAndCompression) {
    // "Zug/Druck", plane x-y to the element text file, then "zurück ..".
    Session s({6, 1, 5, std::string("/x/zug"), 5});
    CadDiagramSeries(s.ws, s.services);
    EXPECT_EQ(s.fs.files.count("/x/zug.txt"), 1u);
    EXPECT_TRUE(s.ui.Exhausted());
}

TEST(DrawingCommands, ConfirmedAnglesOfTheThreeDViewStayForTheSession) {
    std::vector<std::string> offered;
    auto angles = [&](const char* x, const char* y, const char* z) {
        return FormScript([&offered, x, y, z](FormModel& f) {
            offered.push_back(f.Field("Edit_x")->text + " " + f.Field("Edit_y")->text + " " +
                              f.Field("Edit_z")->text);
            f.Field("Edit_x")->text = x;
            f.Field("Edit_y")->text = y;
            f.Field("Edit_z")->text = z;
            f.Press("Button_ok");
        });
    };
    Session s({angles("0", "90", "-360"), angles("10", "80", "200"),
               FormScript([](FormModel& f) { f.Press("Button_cancel"); })});
    EXPECT_TRUE(RunDrawing(s.ws, 5, 3, s.services));
    EXPECT_TRUE(RunDrawing(s.ws, 5, 3, s.services));
    EXPECT_FALSE(RunDrawing(s.ws, 5, 3, s.services));
    ASSERT_EQ(offered.size(), 2u);
    EXPECT_EQ(offered[0], "-15 90 210");  // nothing stored yet
    EXPECT_EQ(offered[1], "0 90 -360");   // the first confirmation
    EXPECT_NEAR(static_cast<double>(s.ws.config.view3dX), 10, 1e-9);  // a cancel keeps them
    EXPECT_NEAR(static_cast<double>(s.ws.config.view3dZ), 200, 1e-9);
}

TEST(DrawingCommands, LimitsDialogNamesTheDiagramAndItsAxes) {
    std::string caption, xLabel, yLabel;
    FormScript keep = [&](FormModel& f) {
        caption = f.caption;
        xLabel = f.Field("Label_x")->text;
        yLabel = f.Field("Label_y")->text;
        f.Press("Button_ok");
    };
    Session s({std::string("/x/moment"), keep});
    s.ws.config.askDiagramLimits = true;
    EXPECT_TRUE(RunDrawing(s.ws, 21, 1, s.services));  // bending moment x-y to DXF
    EXPECT_EQ(caption.rfind("BXR  ", 0), 0u);
    EXPECT_NE(caption.find("Biegemoment"), std::string::npos) << caption;
    EXPECT_EQ(xLabel, "x[mm]");
    EXPECT_EQ(yLabel.rfind("Mb[", 0), 0u) << yLabel;
}

}  // namespace
}  // namespace bxr::test
