#include "app/session.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "support/memory_file_system.h"
#include "support/scripted_ui.h"

namespace bxr {
namespace {

using namespace bxr::test;

std::string Example() {
    std::ifstream in(std::string(BXR_SOURCE_DATA_DIR) + "/getriebewelle.bxr", std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST(session, a_project_of_the_command_line_is_read_quietly_and_becomes_the_first_recent_file) {
    MemoryFileSystem fs;
    fs.files["/work/p/welle.bxr"] = Example();
    ScriptedUi ui(std::vector<Answer>{});
    Session s;
    s.files = &fs;
    s.ws.ui = &ui;
    CommandLine cl;
    cl.form = CommandLine::Form::Plain;
    cl.file = "p/../p/welle.bxr";
    const StartupResult r = StartSession(s, cl, "/work", "/prog");
    EXPECT_TRUE(r.run);
    EXPECT_EQ(s.ws.currentName, "/work/p/welle");
    EXPECT_TRUE(s.ws.dataFolder.empty());
    EXPECT_TRUE(s.ws.config.archiveMode);
    EXPECT_FALSE(s.ws.model.modified);
    ASSERT_FALSE(s.ws.recentFiles.empty());
    EXPECT_EQ(s.ws.recentFiles[0], "/work/p/welle.bxr");
    EXPECT_EQ(WindowTitle(s.ws), "BXR  -  Trägerberechnung  -  /work/p/welle.bxr");

    // A name that does not exist starts empty under that name and writes nothing.
    Session empty;
    empty.files = &fs;
    empty.ws.ui = &ui;
    cl.file = "/work/p/neu.bxr";
    EXPECT_TRUE(StartSession(empty, cl, "/work", "/prog").run);
    EXPECT_EQ(empty.ws.currentName, "/work/p/neu");
    EXPECT_EQ(fs.files.count("/work/p/neu.bxr"), 0u);
}

TEST(session, the_redraw_after_a_change_draws_the_current_view_and_the_sketch_only_with_help) {
    MemoryFileSystem fs;
    fs.files["/work/welle.bxr"] = Example();
    Session s;
    s.files = &fs;
    CommandLine cl;
    cl.form = CommandLine::Form::Plain;
    cl.file = "/work/welle.bxr";
    StartSession(s, cl, "/work", "/prog");
    s.window.SetClientSize(800, 600);
    s.currentView = kViewQuick;
    RedrawCurrentView(s);
    const auto quick = s.window.records().size();
    EXPECT_GT(quick, 10u);
    s.currentView = kViewSketch;
    s.ws.config.helpLevel = 0;
    s.window.Clear();
    RedrawCurrentView(s);
    EXPECT_TRUE(s.window.records().empty());
    s.ws.config.helpLevel = 1;
    RedrawCurrentView(s);
    EXPECT_FALSE(s.window.records().empty());
    EXPECT_FALSE(s.ws.abortFlag);
}

}  // namespace
}  // namespace bxr

namespace bxr {
namespace {

using namespace bxr::test;

TEST(session, the_password_names_the_users_folder_and_a_bad_one_ends_the_program) {
    struct Case {
        Answer answer;
        bool run;
        std::string dataFolder;  // when it runs
        std::string told;        // the message, when one is shown
    };
    const Case cases[] = {
        {std::string("anna"), true, "/daten/anna", ""},
        {Cancel{}, false, "", ""},
        {std::string(".."), false, "", "Ung\x81ltiges Passwort .. !"},
        {std::string("c:x"), false, "", "Ung\x81ltiges Passwort c:x !"},
        {std::string("bert"), false, "", "Ung\x81ltiges Passwort bert !"},  // no such folder
        {std::string(""), false, "", "Ung\x81ltiges Passwort  !"},
    };
    for (const Case& c : cases) {
        MemoryFileSystem fs;
        fs.emptyFolders["/daten/"] = true;
        fs.emptyFolders["/daten/anna/"] = true;
        ScriptedUi ui({c.answer});
        Session s;
        s.files = &fs;
        s.ws.ui = &ui;
        s.ws.config.askUserName = true;
        s.ws.config.defaultDataFolder = "/daten";
        CommandLine cl;  // the normal start
        const StartupResult r = StartSession(s, cl, "/work", "/prog");
        EXPECT_EQ(r.run, c.run) << c.told;
        if (c.run) {
            EXPECT_EQ(s.ws.dataFolder, c.dataFolder);
        }
        if (!c.told.empty()) {
            ASSERT_FALSE(ui.messages.empty());
            EXPECT_EQ(ui.messages.back(), c.told);
        }
    }
}

}  // namespace
}  // namespace bxr
