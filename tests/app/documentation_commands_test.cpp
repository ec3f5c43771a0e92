#include "app/documentation_commands.h"

#include <gtest/gtest.h>

#include "app/documentation_dialogs.h"
#include "format/code_page.h"
#include "support/scripted_ui.h"

namespace bxr {
namespace {

using test::Cancel;
using test::FormScript;
using test::ScriptedUi;

const std::string kToday = "08.12.2026";

struct Fixture {
    Workspace ws;
    ScriptedUi ui;
    std::vector<int> listed;  // destinations the change list went to
    ChangeListOutput list = [this](int d) { listed.push_back(d); };
    Fixture() {
        ws.ui = &ui;
        InitialiseDocumentation(ws.documentation, "01.01.2026");
    }
};

FormScript TypeChange(std::string text, std::string editor, std::string description) {
    return [=](FormModel& f) {
        f.Field("Edit_text")->text = text;
        f.Field("Edit_editor")->text = editor;
        f.Field("Memo_description")->text = description;
        f.Press("Button_ok");
    };
}

TEST(documentation_commands_test, new_change_gets_todays_date_and_the_list_is_shown) {
    Fixture f;
    f.ui.Push(TypeChange("Bohrung versetzt um 5 mm", "KUNZ_H", "Zeile 1\r\nZeile 2"));
    ChangeCommand(f.ws, 1, kToday, f.list);
    const ProjectDocumentation& d = f.ws.documentation;
    ASSERT_EQ(d.changeCount, 1);
    EXPECT_EQ(d.changes[1].date, kToday);
    EXPECT_EQ(d.changes[1].text, "Bohrung versetzt um ");  // cut to 20
    EXPECT_EQ(d.changes[1].editor, "KUNZ_");               // cut to 5
    EXPECT_EQ(d.changes[1].description, "Zeile 1\r\nZeile 2");
    EXPECT_EQ(f.ui.shown[0], "Änderung 1"_oem);
    EXPECT_EQ(f.listed, std::vector<int>{1});
    EXPECT_TRUE(f.ws.model.modified);
}

TEST(documentation_commands_test, cancelled_new_change_leaves_the_log_as_it_was) {
    Fixture f;
    f.ws.documentation.changeCount = 2;
    f.ws.documentation.changes[3].text = "deleted earlier";
    f.ui.Push(Cancel{});
    ChangeCommand(f.ws, 1, kToday, f.list);
    EXPECT_EQ(f.ws.documentation.changeCount, 2);
    EXPECT_TRUE(f.ws.abortFlag);
    EXPECT_TRUE(f.listed.empty());

    // A new change starts empty, not with what a deleted change left in the record.
    f.ui.Push([](FormModel& form) {
        EXPECT_EQ(form.Field("Edit_text")->text, "");
        EXPECT_EQ(form.Field("Edit_date")->text, kToday);
        form.Press("Button_ok");
    });
    ChangeCommand(f.ws, 1, kToday, f.list);
    EXPECT_EQ(f.ws.documentation.changeCount, 3);
}

TEST(documentation_commands_test, the_twenty_sixth_change_is_refused) {
    Fixture f;
    f.ws.documentation.changeCount = 25;
    ChangeCommand(f.ws, 1, kToday, f.list);
    EXPECT_EQ(f.ui.messages, std::vector<std::string>{"Max. Änderungen = 25 !"_oem});
    EXPECT_EQ(f.ws.documentation.changeCount, 25);
    EXPECT_TRUE(f.listed.empty());
}

TEST(documentation_commands_test, modify_and_delete_work_on_the_last_change_only) {
    Fixture f;
    ChangeCommand(f.ws, 2, kToday, f.list);  // nothing to modify: nothing happens
    EXPECT_TRUE(f.ui.shown.empty());
    EXPECT_TRUE(f.listed.empty());
    ChangeCommand(f.ws, 3, kToday, f.list);  // nothing to delete: the empty list is shown
    EXPECT_EQ(f.listed, std::vector<int>{1});

    ProjectDocumentation& d = f.ws.documentation;
    d.changeCount = 3;
    for (int i = 1; i <= 3; ++i) d.changes[i].text = "C" + std::to_string(i);
    f.ui.Push([](FormModel& form) {
        EXPECT_EQ(form.Field("Edit_text")->text, "C3");
        form.Field("Edit_text")->text = "C3 neu";
        form.Press("Button_today");
        form.Press("Button_ok");
    });
    ChangeCommand(f.ws, 2, kToday, f.list);
    EXPECT_EQ(d.changes[3].text, "C3 neu");
    EXPECT_EQ(d.changes[3].date, kToday);
    ChangeCommand(f.ws, 3, kToday, f.list);
    EXPECT_EQ(d.changeCount, 2);
    EXPECT_EQ(d.changes[1].text, "C1");
    EXPECT_EQ(d.changes[2].text, "C2");
    ChangeCommand(f.ws, 5, kToday, f.list);
    EXPECT_EQ(f.listed, (std::vector<int>{1, 1, 1, 4}));
}

TEST(documentation_commands_test, choice_without_preset_offers_seven_options) {
    Fixture f;
    f.ui.Push(7);  // "zurück...."
    ChangeCommand(f.ws, 0, kToday, f.list);
    ASSERT_EQ(f.ui.choiceItems.size(), 1u);
    EXPECT_EQ(f.ui.choiceItems[0].size(), 7u);
    EXPECT_EQ(f.ui.choiceItems[0][5], "Zeichnungsinfo");
    EXPECT_EQ(f.ui.preselections[0], 4);
    EXPECT_EQ(f.ui.shown[0], "Änderungen"_oem);
    EXPECT_EQ(f.ui.helpTopics, std::vector<int>{2600});  // F1 in the choice
    EXPECT_TRUE(f.listed.empty());
    f.ui.Push(4);
    ChangeCommand(f.ws, 0, kToday, f.list);
    EXPECT_EQ(f.listed, std::vector<int>{1});
}

TEST(documentation_commands_test, drawing_data_dialog_takes_rows_until_the_first_blank_text) {
    Fixture f;
    f.ws.config.releaseFieldText = "Freigabe";
    DrawingData& dd = f.ws.documentation.drawing;
    dd.freeTextCount = 1;
    dd.freeTexts[1] = FreeText{12.5, 40, 3.5, 0, "alt"};
    f.ui.Push([](FormModel& form) {
        EXPECT_EQ(form.Field("Grid_x1")->text, "12.5");
        EXPECT_EQ(form.Field("Grid_text2")->text, "");
        EXPECT_EQ(form.Field("Grid_date_release")->label, "Freigabe Datum");
        form.Field("Edit_replacementFor")->text = "ZN-2025-0042-ALT";
        form.Field("Grid_name_checked")->text = "Beatrice Ott";
        form.Press("Button_today_release");
        form.Field("Grid_x2")->text = "20,5";
        form.Field("Grid_y2")->text = "abc";
        form.Field("Grid_text2")->text = "Zweiter";
        form.Field("Grid_text3")->text = "   ";
        form.Field("Grid_text4")->text = "hinter der Lücke";
        form.Press("Button_ok");
    });
    ASSERT_TRUE(DrawingDataCommand(f.ws, kToday));
    EXPECT_EQ(dd.replacementFor, "ZN-2025-0042-AL");
    EXPECT_EQ(dd.checked.name, "Beatrice O");
    EXPECT_EQ(dd.release.date, kToday);
    EXPECT_EQ(dd.freeTextCount, 2);
    EXPECT_EQ(dd.freeTexts[2].x, 20.5L);
    EXPECT_EQ(dd.freeTexts[2].y, 0);
    EXPECT_EQ(dd.freeTexts[2].text, "Zweiter");

    // An empty grid still stores row 1, with an empty text.
    dd.freeTextCount = 0;
    f.ui.Push([](FormModel& form) { form.Press("Button_ok"); });
    ASSERT_TRUE(DrawingDataCommand(f.ws, kToday));
    EXPECT_EQ(dd.freeTextCount, 1);
    EXPECT_EQ(dd.freeTexts[1].text, "");
    EXPECT_EQ(dd.freeTexts[1].x, 0);

    f.ui.Push([](FormModel& form) {
        form.Field("Edit_replacedBy")->text = "verworfen";
        form.Press("Button_cancel");
    });
    EXPECT_FALSE(DrawingDataCommand(f.ws, kToday));
    EXPECT_TRUE(f.ws.abortFlag);
    EXPECT_EQ(dd.replacedBy, "");
}

TEST(documentation_commands_test, link_dialog_stores_ten_fields_cut_to_fifty) {
    Fixture f;
    f.ws.model.modified = false;
    f.ui.Push([&](FormModel& form) {
        form.Field("Edit_file2")->text = "/home/u/docs/";
        form.Press("Button_file2");  // chooser starts in the field's folder
        form.Field("Edit_program3")->text = std::string(60, 'p');
        form.Press("Button_ok");
    });
    f.ui.Push(std::string("/home/u/docs/lager.pdf"));
    ASSERT_TRUE(DocumentSetupCommand(f.ws));
    EXPECT_EQ(f.ui.shown[1], "open *.*");
    EXPECT_EQ(f.ws.documentation.links[2].file, "/home/u/docs/lager.pdf");
    EXPECT_EQ(f.ws.documentation.links[3].program, std::string(50, 'p'));
    EXPECT_EQ(f.ws.documentation.links[1].program, "NOTEPAD.EXE");
    EXPECT_TRUE(f.ws.model.modified);
}

class RecordingLauncher : public ProcessLauncher {
  public:
    std::vector<std::vector<std::string>> started;
    bool ProgramExists(const std::string&) override { return true; }
    bool StartDetached(const std::vector<std::string>& argv) override {
        started.push_back(argv);
        return true;
    }
};

TEST(documentation_commands_test, starting_a_link_uses_the_program_or_the_desktop_default) {
    Workspace ws;
    InitialiseDocumentation(ws.documentation, kToday);
    ws.documentation.links[1] = {"NOTEPAD.EXE", "/d/notes.txt"};
    ws.documentation.links[2] = {"okular", "/d/plan.pdf"};
    ws.documentation.links[3] = {"gimp", ""};
    ws.documentation.links[4] = {"", "/d/bild.png"};
    ws.documentation.links[5] = {"C:\\Programme\\viewer.exe", ""};
    RecordingLauncher l;
    for (int n = 1; n <= 5; ++n) StartDocumentLink(ws, n, l);
    EXPECT_FALSE(StartDocumentLink(ws, 6, l));
    EXPECT_EQ(l.started, (std::vector<std::vector<std::string>>{{"xdg-open", "/d/notes.txt"},
                                                                {"okular", "/d/plan.pdf"},
                                                                {"gimp"},
                                                                {"xdg-open", "/d/bild.png"}}));
    EXPECT_EQ(DocumentCommandLine(ws.documentation.links[3]), "gimp ");
}

}  // namespace
}  // namespace bxr
