// Menu items that open their own dialogs and views, run as the window runs them.
#include "app/command_table.h"

#include <gtest/gtest.h>

#include "app/session.h"
#include "model/project_file.h"
#include "support/memory_file_system.h"
#include "support/scripted_ui.h"

namespace bxr::test {
namespace {

struct MenuSession {
    MemoryFileSystem fs;
    ScriptedUi ui;
    KeptTextWindow text;
    Session s;
    explicit MenuSession(std::vector<Answer> answers) : ui(std::move(answers)) {
        auto bytes =
            DiskFileSystem().Read(std::string(BXR_SOURCE_DATA_DIR) + "/getriebewelle.bxr", 1 << 20);
        EXPECT_TRUE(bytes && ReadProjectText(*bytes, s.ws.model, s.ws.documentation).Ok());
        s.files = &fs;
        s.ws.ui = &ui;
        s.textWindow = &text;
        s.ws.currentName = "welle";
        s.ws.config.tempFolder = "/tmp";
        s.ws.config.textDevice = 1;
    }
    void Run(const char* item) { RunCommand(s, *FindCommand(item)); }
    int WindowRecords(const char* code) const {
        int n = 0;
        for (const auto& r : s.window.records()) n += r.rfind(code, 0) == 0;
        return n;
    }
    bool WindowShowsText(const std::string& whole) const {
        const std::string tail = ";" + whole;
        for (const auto& r : s.window.records())
            if (r.rfind("6;", 0) == 0 && r.size() > tail.size() &&
                r.compare(r.size() - tail.size(), tail.size(), tail) == 0)
                return true;
        return false;
    }
    bool WindowShows(const std::string& oemText) const {
        for (const auto& r : s.window.records())
            if (r.rfind("6;", 0) == 0 && r.find(oemText) != std::string::npos) return true;
        return false;
    }
};

FormScript Options(bool hatching, bool axes, bool ok = true) {
    return [=](FormModel& f) {
        EXPECT_EQ(f.caption, "Zeichnungsoptionen");
        f.Field("CheckBox_schraffur")->checked = hatching;
        f.Field("CheckBox_hauptachsen")->checked = axes;
        f.Press(ok ? "Button_ok" : "Button_cancel");
    };
}

TEST(CommandTable, DrawingOptionsSwitchHatchingAndAxesOfTheProductionDrawing) {
    MenuSession with({Options(true, true)});
    with.Run("mi_cadeinstellung");
    const int hatchedLines = with.WindowRecords("4;");
    ASSERT_GT(hatchedLines, 0);
    EXPECT_TRUE(with.WindowShows("Bearb."));  // the form sheet of the production drawing

    MenuSession without({Options(false, false)});
    without.Run("mi_cadeinstellung");
    EXPECT_FALSE(without.s.ws.model.hatching);
    EXPECT_FALSE(without.s.ws.model.principalAxes);
    EXPECT_TRUE(without.s.ws.model.modified);
    EXPECT_TRUE(without.s.edits.undo.CanUndo());
    EXPECT_LT(without.WindowRecords("4;"), hatchedLines);
    EXPECT_TRUE(with.WindowShowsText("v"));  // the principal axes v and w
    EXPECT_FALSE(without.WindowShowsText("v"));

    MenuSession cancelled({Options(false, false, false)});
    cancelled.Run("mi_cadeinstellung");
    EXPECT_TRUE(cancelled.s.ws.model.hatching);
    EXPECT_TRUE(cancelled.s.window.records().empty());
}

TEST(CommandTable, InfoItemShowsTheInputEchoAndTheMaterialChoiceItsDataSheet) {
    MenuSession info({});
    info.Run("mi_editinfo");
    ASSERT_EQ(info.text.shown.size(), 1u);
    EXPECT_NE(info.text.shown[0].text.find("Anzahl der Kerbzonen"), std::string::npos);
    EXPECT_TRUE(info.ui.messages.empty());

    // Typed values, confirmed as they are.
    MenuSession material({2, FormScript([](FormModel& f) { f.Press("Button_ok"); })});
    material.Run("mi_editwerkstoff");
    EXPECT_TRUE(material.WindowShows("Werkstoffkennwerte f"));
    EXPECT_TRUE(material.WindowShows("E = "));
}

}  // namespace
}  // namespace bxr::test
