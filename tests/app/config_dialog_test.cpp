#include "app/config_dialog.h"

#include <gtest/gtest.h>

#include "format/code_page.h"
#include "support/memory_file_system.h"
#include "support/scripted_ui.h"

namespace bxr {
namespace {

struct Fixture {
    Workspace ws;
    test::ScriptedUi ui;
    test::MemoryFileSystem fs;
    Fixture() {
        ws.ui = &ui;
        ws.config.configFolder = "/cfg/";
    }
};

TEST(config_dialog_test, fields_show_settings_with_radio_indexes_and_check_boxes) {
    Fixture f;
    f.ws.config.output.dateFormat = 3;  // YYYY/MM/DD, the third item
    f.ws.config.output.decimalSeparator = 2;
    f.ws.config.zoomFactor = 1.02L;
    f.ws.config.layers[2].name = "MITTE";
    f.ws.config.archiveMode = true;
    ConfigDialog d(f.ws, f.fs, ScreenInfo{}, "/tmp");
    EXPECT_EQ(d.Field("RadioGroup_date")->index, 2);
    EXPECT_EQ(d.Field("RadioGroup_punktkomma")->index, 1);
    EXPECT_EQ(d.Field("Edit_zoomFactor")->text, "1.02");  // "." although the output uses ","
    EXPECT_EQ(d.Field("Edit_layerName2")->text, "MITTE");
    EXPECT_TRUE(d.Field("CheckBox_archive")->checked);
    EXPECT_EQ(d.Field("Edit_colour31")->group, "CAD");
    EXPECT_EQ(d.Field("Edit_tempFolder")->group, "Directories");
}

// Each radio group shows the stored value as one of its items, and OK on an untouched dialog
// gives back the same configuration file, byte for byte.
TEST(config_dialog_test, every_radio_group_has_its_items_and_ok_untouched_changes_nothing) {
    Fixture f;
    f.ws.config.output.cadTextType = 3;  // the third item: "Ä->Ae, ß->ss..."
    f.ws.config.pageOrientation = 2;     // Landscape
    f.ws.config.helpLevel = 2;           // extended help, the third item
    f.ws.config.textDevice = 8;          // OUTDOS.TXT, the last item
    ConfigDialog d(f.ws, f.fs, ScreenInfo{}, "/tmp");
    int radios = 0;
    for (const FormField& field : d.fields) {
        if (field.kind != FieldKind::kRadioGroup) continue;
        ++radios;
        EXPECT_GE(field.items.size(), 2u) << field.name;
        EXPECT_TRUE(field.index >= 0 && field.index < static_cast<int>(field.items.size()))
            << field.name << " shows " << field.index;
        EXPECT_FALSE(field.group.empty()) << field.name;
    }
    EXPECT_EQ(radios, 14);
    EXPECT_EQ(d.Field("RadioGroup_cadTextType")->items[d.Field("RadioGroup_cadTextType")->index],
              "Ä->Ae, ß->ss..."_oem);
    EXPECT_EQ(d.Field("RadioGroup_orientation")->index, 1);
    EXPECT_EQ(d.Field("RadioGroup_helpLevel")->index, 2);

    const Configuration before = f.ws.config;
    ASSERT_TRUE(WriteConfiguration(before, f.fs));
    const std::string written = f.fs.files.begin()->second;
    ASSERT_TRUE(d.Press("Button_ok"));
    ASSERT_TRUE(WriteConfiguration(f.ws.config, f.fs));
    EXPECT_EQ(f.fs.files.begin()->second, written);
}

TEST(config_dialog_test, ok_stores_typed_values_and_cancel_keeps_the_old_ones) {
    Fixture f;
    f.ui.Push([](FormModel& form) {
        form.Field("RadioGroup_date")->index = 0;
        form.Field("Edit_panFactor")->text = "0,05";
        form.Field("CheckBox_archive")->checked = true;
        form.Field("Edit_cadTextStyle")->text = std::string(40, 'S');
        form.Field("Edit_colour20")->text = "5";
        form.Press("Button_zoomReset");
        form.Press("Button_tempFromEnvironment");
        form.Press("Button_ok");
    });
    f.ws.config.zoomFactor = 3;
    ASSERT_TRUE(ConfigurationCommand(f.ws, f.fs, ScreenInfo{}));
    EXPECT_EQ(f.ws.config.output.dateFormat, 1);
    EXPECT_EQ(f.ws.config.panFactor, 0.05L);
    EXPECT_EQ(f.ws.config.zoomFactor, 1.02L);
    EXPECT_TRUE(f.ws.config.archiveMode);
    EXPECT_EQ(f.ws.config.cadTextStyle, std::string(32, 'S'));
    EXPECT_EQ(f.ws.config.layerColours16_31[4], 5);
    EXPECT_EQ(f.ws.config.tempFolder, TempEnvironment());
    EXPECT_TRUE(f.fs.files.empty());  // OK alone writes nothing

    f.ui.Push([](FormModel& form) {
        form.Field("Edit_linesPerPage")->text = "12";
        form.Press("Button_cancel");
    });
    EXPECT_FALSE(ConfigurationCommand(f.ws, f.fs, ScreenInfo{}));
    EXPECT_EQ(f.ws.config.linesPerPage, 66);
    EXPECT_TRUE(f.ws.abortFlag);
}

TEST(config_dialog_test, save_writes_the_file_and_import_shows_another_one) {
    Fixture f;
    Configuration other;
    other.printFont = "DejaVu Sans Mono";
    other.output.unitSystem = 1;
    f.fs.files["/elsewhere/werk.cfg"] = ConfigurationText(other);
    f.ui.Push([](FormModel& form) {
        form.Press("Button_import");
        EXPECT_EQ(form.Field("Edit_printFont")->text, "DejaVu Sans Mono");
        EXPECT_EQ(form.Field("RadioGroup_unit")->index, 1);
        form.Field("Edit_linesPerPage")->text = "60";
        form.Press("Button_save");
    });
    f.ui.Push(std::string("/elsewhere/werk.cfg"));
    ASSERT_TRUE(ConfigurationCommand(f.ws, f.fs, ScreenInfo{}));
    // The imported file's folder and name are the configuration's from now on.
    ASSERT_TRUE(f.fs.files.count("/elsewhere/werk.cfg"));
    Configuration back;
    ReadConfigurationText(f.fs.files["/elsewhere/werk.cfg"], back, ScreenInfo{}, "/tmp");
    EXPECT_EQ(back.linesPerPage, 60);
    EXPECT_EQ(back.printFont, "DejaVu Sans Mono");
    EXPECT_EQ(back.output.unitSystem, 1);
}

TEST(config_dialog_test, the_plot_program_dialog_edits_every_command_line) {
    Fixture f;
    f.ws.config.plotCommandLine = "QUILMAR a.dxf /CHPL";
    f.ws.config.plotCommandLines = {"QUILMAR a.dxf /CPS", "QUILMAR a.dxf /CART"};
    std::string shown;
    f.ui.Push(test::FormScript([&](FormModel& form) {
        shown = form.Field("Memo_commandLines")->text;
        form.Field("Memo_commandLines")->text = "EINS\n\nZWEI\nDREI\n";
        form.Press("Button_ok");
    }));
    ConfigDialog d(f.ws, f.fs, ScreenInfo{}, "/tmp");
    d.Press("Button_quilmar");
    EXPECT_EQ(shown, "QUILMAR a.dxf /CHPL\nQUILMAR a.dxf /CPS\nQUILMAR a.dxf /CART");
    EXPECT_EQ(d.Field("Edit_plotCommandLine")->text, "EINS");
    EXPECT_EQ(f.ws.config.plotCommandLines.size(), 2u);  // nothing taken before OK
    d.Press("Button_ok");
    EXPECT_EQ(f.ws.config.plotCommandLine, "EINS");
    EXPECT_EQ(f.ws.config.plotCommandLines, (std::vector<std::string>{"ZWEI", "DREI"}));
}

}  // namespace
}  // namespace bxr
