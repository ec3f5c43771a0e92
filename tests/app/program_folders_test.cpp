#include "app/program_folders.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "app/session.h"
#include "support/memory_file_system.h"
#include "support/scripted_ui.h"

namespace bxr {
namespace {

using namespace bxr::test;

TEST(program_folders, data_is_found_beside_a_build_and_in_the_share_folder_of_an_installation) {
    MemoryFileSystem fs;
    fs.files["/b/data/wqzwst.dbf"] = "x";
    fs.files["/opt/bxr/share/bxr/bxr.err"] = "x";
    EXPECT_EQ(FindProgramData(fs, "/b", "wqzwst.dbf"), "/b/data/wqzwst.dbf");
    EXPECT_EQ(FindProgramData(fs, "/opt/bxr/bin/", "bxr.err"), "/opt/bxr/share/bxr/bxr.err");
    EXPECT_EQ(FindProgramData(fs, "/opt/bxr/bin", "wqzwst.dbf"), "");
    EXPECT_EQ(FindProgramData(fs, "", "bxr.err"), "");

    EXPECT_TRUE(IsProgramData("/opt/bxr/bin/../share/bxr/bxr.err", "/opt/bxr/bin"));
    EXPECT_TRUE(IsProgramData("/b/data/examples/konsole.bxr", "/b"));
    EXPECT_FALSE(IsProgramData("/opt/bxr/share/bxr2/bxr.err", "/opt/bxr/bin"));
    EXPECT_FALSE(IsProgramData("/home/ana/.config/bxr/bxr.err", "/opt/bxr/bin"));
    EXPECT_FALSE(IsProgramData("/b/data", "/b"));
}

TEST(program_folders, new_projects_go_to_the_documents_folder_when_started_from_the_menu_or_misconfigured) {
    const UserFolders ana{"/home/ana", "/home/ana/Dokumente"};
    const std::string ours = "/home/ana/Dokumente/BXR";
    struct Case {
        const char* configured;
        const char* working;
        UserFolders user;
        std::string folder;
    };
    const Case cases[] = {
        {"/proj", "/home/ana", ana, "/proj"},      // configured and there
        {"/work", "/work", ana, "/work"},          // started in a folder of one's choosing
        {"/home/ana", "/home/ana", ana, ours},     // the menu starts in the home folder
        {"/home/ana/", "/home/ana", ana, ours},
        {"/", "/", ana, ours},
        {"/gone", "/work", ana, ours},             // configured folder does not exist
        {"", "/gone", ana, ours},
        {"/gone", "/work", UserFolders{}, "/gone"},  // no HOME: nothing better to offer
    };
    for (const Case& c : cases) {
        MemoryFileSystem fs;
        for (const char* f : {"/proj/", "/work/", "/home/ana/", "/"}) fs.emptyFolders[f] = true;
        EXPECT_EQ(StartDataFolder(fs, c.configured, c.working, c.user), c.folder)
            << c.configured << " from " << c.working;
        if (c.folder == ours) {
            EXPECT_TRUE(fs.IsFolder(ours));
        }
    }
}

TEST(program_folders, the_window_started_from_the_home_folder_reads_the_installed_template) {
    std::ifstream in(std::string(BXR_SOURCE_DATA_DIR) + "/getriebewelle.bxr", std::ios::binary);
    std::stringstream example;
    example << in.rdbuf();
    MemoryFileSystem fs;
    fs.files["/usr/share/bxr/null.bxr"] = example.str();
    fs.emptyFolders["/home/ana/"] = true;
    ScriptedUi ui(std::vector<Answer>{});
    Session s;
    s.files = &fs;
    s.ws.ui = &ui;
    s.userFolders = {"/home/ana", "/home/ana/Documents"};
    const StartupResult r = StartSession(s, CommandLine{}, "/home/ana", "/usr/bin");
    ASSERT_TRUE(r.run);
    EXPECT_EQ(s.ws.dataFolder, "/home/ana/Documents/BXR");
    EXPECT_EQ(s.ws.model.headerLines[1].substr(0, 13), "Getriebewelle");
    EXPECT_TRUE(s.ws.currentName.empty());
    EXPECT_FALSE(s.ws.model.modified);
    for (const auto& [path, _] : fs.files)
        EXPECT_TRUE(path == "/usr/share/bxr/null.bxr") << path << " written";
}

}  // namespace
}  // namespace bxr
