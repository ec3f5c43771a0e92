#include "app/config_commands.h"

#include <gtest/gtest.h>

#include "format/code_page.h"
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

namespace bxr {
namespace {

TEST(config_commands_test, start_up_reads_configuration_checks_folders_and_state) {
    Workspace ws;
    test::ScriptedUi ui;
    test::MemoryFileSystem fs;
    ws.ui = &ui;
    Configuration stored;
    stored.cadFolder = "/cad/";
    stored.dbfFolder = "";
    stored.pltFolder = "/plt/";
    stored.defaultDataFolder = "/projekte/";
    stored.tempFolder = "/tmp/";
    stored.ediFolder = "/edi/";
    stored.session.userName = "KUNZ";
    stored.session.texts = {"/p/a.bxr", "/p/b.bxr", "", ""};
    stored.configFolder = "/home/u/.config/bxr/";
    fs.files["/home/u/.config/bxr/bxr.cfg"] = ConfigurationText(stored);
    fs.files["/home/u/.config/bxr/bxr.cff"] = StateFileText(stored);
    fs.emptyFolders["/plt/"] = true;
    fs.emptyFolders["/work/"] = true;
    LoadStartupConfiguration(ws, fs, ScreenInfo{}, "/work/", "/opt/bxr/bin/",
                             "/home/u/.config/bxr/");
    EXPECT_EQ(ws.config.configFolder, "/home/u/.config/bxr/");
    EXPECT_EQ(ws.config.dbfFolder, "/work/");  // empty in the file: the working folder
    EXPECT_EQ(ws.dataFolder, "/projekte/");
    EXPECT_EQ(ws.config.session.userName, "KUNZ");
    EXPECT_EQ(ws.recentFiles, (std::vector<std::string>{"/p/a.bxr", "/p/b.bxr"}));
    EXPECT_TRUE(ui.messages.empty());

    ws.recentFiles = {"/p/c.bxr", "/p/a.bxr", "/p/b.bxr"};
    ASSERT_TRUE(SaveSessionState(ws, fs));
    EXPECT_EQ(fs.files["/home/u/.config/bxr/bxr.cff"],
              "bxr\t Session KUNZ\r\n/p/c.bxr\r\n/p/a.bxr\r\n/p/b.bxr\r\n\r\n");
}

}  // namespace
}  // namespace bxr
