#include "app/cad_output.h"

#include <gtest/gtest.h>

#include "support/memory_file_system.h"
#include "support/scripted_ui.h"

namespace bxr::test {
namespace {

TEST(CadOutput, ChosenKindAndFileNameGetTheExtension) {
    Workspace ws;
    ScriptedUi ui({1, std::string("/zeichnungen/welle")});
    ws.ui = &ui;
    ws.currentName = "welle";
    MemoryFileSystem fs;
    const CadSettings cad;
    auto d = OpenCadOutput(ws, 0, cad, nullptr, fs);
    ASSERT_TRUE(d);
    d->Sheet(0, 0, 160, 120);
    d->PageBegin();
    d->Line(0, 0, 1, 1);
    d->PageEnd();
    EXPECT_TRUE(d->Close());
    EXPECT_EQ(fs.files.count("/zeichnungen/welle.dxf"), 1u);
    EXPECT_EQ(ui.choiceItems.at(0), CadCodeItems());
    EXPECT_FALSE(ws.abortFlag);
}

TEST(CadOutput, CancelledChoicesAndEmptyFileNamesSetTheAbortFlag) {
    MemoryFileSystem fs;
    const CadSettings cad;
    {
        Workspace ws;
        ScriptedUi ui({Cancel{}});
        ws.ui = &ui;
        EXPECT_FALSE(OpenCadOutput(ws, 0, cad, nullptr, fs));
        EXPECT_TRUE(ws.abortFlag);
    }
    {
        Workspace ws;
        ScriptedUi ui({std::string("")});
        ws.ui = &ui;
        EXPECT_FALSE(OpenCadOutput(ws, 2, cad, nullptr, fs));
        EXPECT_TRUE(ws.abortFlag);
    }
}

TEST(CadOutput, PlotCommandLineFromTheQuestions) {
    ScriptedUi ui({std::string("0"), 1, std::string("/opt/q"), 3, 1, 2, std::string("0"), false,
                   std::string("0"), std::string("5"), std::string("1")});
    CadSettings cad;
    cad.plotCommandLines = {"QUILMAR x.dxf /CHPL"};
    auto line = AskPlotCommandLine(ui, OutputSettings{}, cad);
    ASSERT_TRUE(line);
    EXPECT_EQ(*line, "/opt/q/WQUILMAR /opt/q/quilmar /CPLT /D1 /P2 /M* /Y5");
    EXPECT_TRUE(ui.Exhausted());

    ScriptedUi keep({std::string("QUILMAR a.dxf /CPS")});
    EXPECT_EQ(AskPlotCommandLine(keep, OutputSettings{}, cad), "QUILMAR a.dxf /CPS");
}

TEST(CadOutput, LongCommandLinesGoIntoABatchFile) {
    const std::string line(70, 'x');
    ScriptedUi ui({std::string("a.b"), std::string("plot")});
    MemoryFileSystem fs;
    auto command = PlotCommandFitting(ui, fs, line);
    ASSERT_TRUE(command);
    EXPECT_EQ(*command, "plot.BAT");
    EXPECT_EQ(fs.files["plot.BAT"], line + "\r\n");
    EXPECT_EQ(ui.messages.at(0), "Kommandozeile zu lang, Es wird eine Batch-Datei erzeugt.");
    ScriptedUi none;
    EXPECT_EQ(PlotCommandFitting(none, fs, "QUILMAR a.dxf"), "QUILMAR a.dxf");
}

TEST(DiagramLimits, CalculateRestoresAndOkReadsTheFields) {
    DiagramLimitsForm form("Biegelinie", "x[mm]", "f[mm]", {0, 1000, -2, 2}, {0, 1200, -4, 1});
    EXPECT_EQ(form.Field("Edit_xmax")->text, "1000");
    form.Press("Button_calc");
    EXPECT_EQ(form.Field("Edit_xmax")->text, "1200");
    form.Field("Edit_ymin")->text = "-2,5";
    EXPECT_TRUE(form.Press("Button_ok"));
    EXPECT_TRUE(form.Accepted());
    EXPECT_DOUBLE_EQ(static_cast<double>(form.limits()[2]), -2.5);
    EXPECT_DOUBLE_EQ(static_cast<double>(form.limits()[1]), 1200);
    DiagramLimitsForm cancel("t", "x", "y", {0, 1, 0, 1}, {0, 2, 0, 2});
    cancel.Press("Button_help");
    EXPECT_EQ(cancel.helpShown, 1950);
    EXPECT_TRUE(cancel.Press("Button_cancel"));
    EXPECT_FALSE(cancel.Accepted());
}

}  // namespace
}  // namespace bxr::test
