#include "gui/form_dialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>

#include "app/angle_form.h"
#include "format/code_page.h"

namespace bxr::gui {
namespace {

class SampleForm : public FormModel {
  public:
    SampleForm() {
        caption = "Probe";
        fields.push_back(TextField("Edit_name", "Name", "alt").Max(8).In("Allgemein"));
        fields.push_back(TextField("Edit_laenge", "Länge"_oem, "100").Unit("mm").In("Allgemein"));
        fields.push_back(CheckField("CheckBox_eigen", "Eigengewicht", false).In("Allgemein"));
        fields.push_back(
            RadioField("RadioGroup_art", "Art", {"eins", "zwei", "drei"}, 0).In("Mehr"));
        fields.push_back(
            ListField("List_items", "Liste", {"a", "b", "c"}, 0, "Button_pick").In("Mehr"));
        buttons.push_back(ProposalFor("Edit_laenge", "Button_vorschlag"));
        buttons.push_back(PushButton("Button_pick", "Wählen"_oem));
        buttons.push_back(OkButton());
        buttons.push_back(CancelButton());
        buttons.back().name = "Button_cancel";
        buttons[2].name = "Button_ok";
    }
    bool Press(const std::string& name) override {
        pressed.push_back(name);
        if (name == "Button_vorschlag") {
            Field("Edit_laenge")->text = "250";
            return false;
        }
        if (name == "Button_pick") {
            picked = Field("List_items")->index;
            return false;
        }
        if (name == "Button_ok") {
            if (Field("Edit_name")->text.empty()) {
                message = "Name fehlt";
                return false;
            }
            return Close(true);
        }
        return Close(false);
    }
    std::vector<std::string> pressed;
    int picked = -1;
};

template <class W>
W* Find(FormDialog& d, const char* name) {
    return d.findChild<W*>(name);
}

TEST(form_dialog, typed_fields_reach_the_model_and_ok_closes_it) {
    SampleForm form;
    FormDialog d(form);
    // Two groups: two tab pages.
    auto* tabs = d.findChild<QTabWidget*>();
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(tabs->count(), 2);
    auto* name = Find<QLineEdit>(d, "Edit_name");
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->text(), QString("alt"));
    name->clear();
    QTest::keyClicks(name, "Welle 12345");  // at most 8 characters
    auto* length = Find<QLineEdit>(d, "Edit_laenge");
    length->clear();
    length->insert(QString("Länge"));  // typed as an input method would
    Find<QCheckBox>(d, "CheckBox_eigen")->setChecked(true);
    d.findChildren<QRadioButton*>()[2]->setChecked(true);
    d.ButtonWidget("Button_ok")->click();
    EXPECT_TRUE(form.Closed());
    EXPECT_TRUE(form.Accepted());
    EXPECT_EQ(form.Field("Edit_name")->text, "Welle 12");
    EXPECT_EQ(form.Field("Edit_laenge")->text, "L\x84nge");  // code page 850
    EXPECT_TRUE(form.Field("CheckBox_eigen")->checked);
    EXPECT_EQ(form.Field("RadioGroup_art")->index, 2);
    EXPECT_EQ(d.result(), QDialog::Accepted);
}

TEST(form_dialog, a_validation_message_keeps_the_dialog_open_and_a_proposal_fills_its_field) {
    SampleForm form;
    FormDialog d(form);
    QStringList told;
    d.showMessage = [&](const QString& m) { told << m; };
    d.show();
    Find<QLineEdit>(d, "Edit_name")->clear();
    d.ButtonWidget("Button_ok")->click();
    EXPECT_EQ(told, QStringList{"Name fehlt"});
    EXPECT_FALSE(form.Closed());
    EXPECT_TRUE(d.isVisible());
    d.ButtonWidget("Button_vorschlag")->click();
    EXPECT_EQ(Find<QLineEdit>(d, "Edit_laenge")->text(), QString("250"));
    // A double click in the list presses its button with the row chosen.
    auto* list = Find<QListWidget>(d, "List_items");
    list->setCurrentRow(2);
    emit list->itemDoubleClicked(list->item(2));
    EXPECT_EQ(form.picked, 2);
    // Enter presses OK.
    auto* name = Find<QLineEdit>(d, "Edit_name");
    QTest::keyClicks(name, "neu");
    QTest::keyClick(name, Qt::Key_Return);
    EXPECT_TRUE(form.Accepted());
}

TEST(form_dialog, escape_rejects_like_cancel_and_leaves_typed_text_out) {
    SampleForm form;
    FormDialog d(form);
    d.show();
    auto* name = Find<QLineEdit>(d, "Edit_name");
    QTest::keyClicks(name, "xyz");
    QTest::keyClick(&d, Qt::Key_Escape);
    EXPECT_TRUE(form.Closed());
    EXPECT_FALSE(form.Accepted());
    EXPECT_EQ(form.pressed, std::vector<std::string>{"Button_cancel"});
    EXPECT_EQ(form.Field("Edit_name")->text, "alt");
}

// The 3-D view's angle dialog: a scroll bar moved writes its whole degrees into the edit
// field beside it; an edit field left moves its scroll bar to the value, rounded.
TEST(form_dialog, the_angle_dialog_keeps_its_scroll_bars_and_edit_fields_together) {
    AngleForm form({0, 0, 0});
    FormDialog d(form);
    auto* xBar = Find<QScrollBar>(d, "ScrollBar_x");
    ASSERT_NE(xBar, nullptr);
    EXPECT_EQ(xBar->minimum(), -360);
    EXPECT_EQ(xBar->maximum(), 360);
    EXPECT_EQ(xBar->pageStep(), 90);
    xBar->setValue(45);
    EXPECT_EQ(Find<QLineEdit>(d, "Edit_x")->text(), QString("45"));
    auto* y = Find<QLineEdit>(d, "Edit_y");
    y->setText("-12.6");
    emit y->editingFinished();
    EXPECT_EQ(Find<QScrollBar>(d, "ScrollBar_y")->value(), -13);
    d.ButtonWidget("Button_xz")->click();  // x 0, y -360, z 90
    EXPECT_EQ(Find<QScrollBar>(d, "ScrollBar_z")->value(), 90);
    EXPECT_EQ(Find<QLineEdit>(d, "Edit_y")->text(), QString("-360"));
}

}  // namespace
}  // namespace bxr::gui
