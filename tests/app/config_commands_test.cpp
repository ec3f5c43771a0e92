#include "app/config_commands.h"

#include <gtest/gtest.h>

#include "output/code_page.h"
#include "support/memory_file_system.h"
#include "support/scripted_ui.h"

namespace bxr {
namespace {

TEST(config_commands_test, a_bad_temporary_folder_is_reported_and_asked_for_again) {
    Workspace ws;
    test::ScriptedUi ui({std::string("/scratch/tmp")});
    test::MemoryFileSystem fs;
    ws.ui = &ui;
    ws.config.workingFolder = "/work/";
    ws.config.cadFolder = "/work/";
    ws.config.tempFolder = "/gone/";
    fs.emptyFolders["/work/"] = true;
    fs.refuseCreate["/gone/"] = true;
    RunFolderChecks(ws, fs, "/tmp/");
    EXPECT_EQ(ui.shown,
              (std::vector<std::string>{"ungültiger Ordner für temporäre Dateien konfiguriert"_oem,
                                        "Ordner für temporäre Dateien"_oem}));
    EXPECT_EQ(ws.config.tempFolder, "/scratch/tmp");
    EXPECT_TRUE(ui.Exhausted());
}

TEST(config_commands_test, import_reads_the_chosen_file_and_save_reports_failure) {
    Workspace ws;
    test::ScriptedUi ui({std::string("/p/alt.cfg"), test::Cancel{}});
    test::MemoryFileSystem fs;
    ws.ui = &ui;
    Configuration other;
    other.cadTextStyle = "IMPORTED";
    fs.files["/p/alt.cfg"] = ConfigurationText(other);
    ASSERT_TRUE(ImportConfigurationCommand(ws, fs, ScreenInfo{}));
    EXPECT_EQ(ui.shown[0], "open *.cfg|*.cfg");
    EXPECT_EQ(ws.config.cadTextStyle, "IMPORTED");
    EXPECT_EQ(ws.config.configBaseName, "alt");
    EXPECT_FALSE(ImportConfigurationCommand(ws, fs, ScreenInfo{}));
    EXPECT_TRUE(ws.abortFlag);

    ws.abortFlag = false;
    fs.refuseCreate["/p/"] = true;
    EXPECT_FALSE(SaveConfigurationCommand(ws, fs));
    EXPECT_TRUE(ws.abortFlag);
    EXPECT_EQ(ui.messages.back(), "Fehler beim Schreiben von \"/p/alt.cfg\" !");
    EXPECT_EQ(fs.files["/p/alt.cfg"], ConfigurationText(other));
}

}  // namespace
}  // namespace bxr
