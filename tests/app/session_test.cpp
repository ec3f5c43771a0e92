#include "app/session.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "analysis/check_input.h"
#include "analysis/run_analysis.h"
#include "app/command_table.h"
#include "config/config_file.h"

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
    EXPECT_EQ(s.ws.currentName, "welle");
    EXPECT_EQ(s.ws.dataFolder, "/work/p/");
    EXPECT_FALSE(s.ws.config.archiveMode);  // only the configuration switches it on
    EXPECT_FALSE(s.ws.model.modified);
    ASSERT_FALSE(s.ws.recentFiles.empty());
    EXPECT_EQ(s.ws.recentFiles[0], "/work/p/welle.bxr");
    EXPECT_EQ(WindowTitle(s.ws), "BXR  -  Trägerberechnung  -  welle.bxr");

    // A name that does not exist starts empty under that name and leaves no file behind; a
    // name that cannot make a file ends the program with 0 after its message.
    Session empty;
    empty.files = &fs;
    empty.ws.ui = &ui;
    cl.file = "/work/p/Neu.Welle";
    EXPECT_TRUE(StartSession(empty, cl, "/work", "/prog").run);
    EXPECT_EQ(empty.ws.currentName, "Neu");
    EXPECT_EQ(WindowTitle(empty.ws), "BXR  -  Trägerberechnung  -  Neu.Welle");
    EXPECT_EQ(fs.files.count("/work/p/Neu.Welle"), 0u);
    Session refused;
    refused.files = &fs;
    refused.ws.ui = &ui;
    fs.refuseCreate["/work/p/x?.bxr"] = true;
    cl.file = "p/x?.bxr";
    const StartupResult no = StartSession(refused, cl, "/work", "/prog");
    EXPECT_FALSE(no.run);
    EXPECT_EQ(no.exitCode, kExitOk);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0], "Ung\x81ltiger Dateiname \"/work/p/x?.bxr\" !");
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

namespace bxr {
namespace {

using namespace bxr::test;

// Files under a folder, by name.
std::vector<std::string> FilesIn(const MemoryFileSystem& fs, const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& [path, _] : fs.files)
        if (path.compare(0, folder.size(), folder) == 0) names.push_back(path.substr(folder.size()));
    return names;
}

TEST(session, a_session_writes_only_the_state_and_a_changed_language_where_the_configuration_lives) {
    const char* old = std::getenv("XDG_CONFIG_HOME");
    const std::string kept = old ? old : "";
    setenv("XDG_CONFIG_HOME", "/home/u/.config", 1);
    const std::string user = "/home/u/.config/bxr/";
    // A configuration as the user left it; a rewrite would fill its empty folders.
    const std::string stored = ConfigurationText(Configuration{});
    struct Case {
        bool configInWorkingFolder;
        int language;  // chosen during the session, 0 for none
        std::vector<std::string> work, home;
    };
    const Case cases[] = {
        {true, 0, {"bxr.cff", "bxr.cfg", "welle.bxr"}, {}},
        {false, 0, {"welle.bxr"}, {"bxr.cff"}},
        {false, 2, {"welle.bxr"}, {"bxr.cff", "bxr.cfg"}},
        {true, 2, {"bxr.cff", "bxr.cfg", "welle.bxr"}, {}},
    };
    for (const Case& c : cases) {
        MemoryFileSystem fs;
        fs.files["/work/welle.bxr"] = Example();
        if (c.configInWorkingFolder) fs.files["/work/bxr.cfg"] = stored;
        ScriptedUi ui({std::string("1500")});
        Session s;
        s.files = &fs;
        s.ws.ui = &ui;
        CommandLine cl;
        cl.form = CommandLine::Form::Plain;
        cl.file = "welle.bxr";
        ASSERT_TRUE(StartSession(s, cl, "/work", "/prog").run);
        RunCommand(s, *FindCommand("mi_editlaenge"));
        RunCommand(s, *FindCommand("mi_FileSave"));
        if (c.language) ApplyLanguage(s, c.language);
        ASSERT_TRUE(ConfirmClose(s));
        EndSession(s);
        EXPECT_EQ(FilesIn(fs, "/work/"), c.work) << c.language;
        EXPECT_EQ(FilesIn(fs, user), c.home) << c.language;
        EXPECT_NE(fs.files["/work/welle.bxr"], Example());
        const std::string cfg = c.configInWorkingFolder ? "/work/bxr.cfg" : user + "bxr.cfg";
        if (c.language == 0 && c.configInWorkingFolder) {
            EXPECT_EQ(fs.files[cfg], stored);
        }
        if (c.language != 0) {
            EXPECT_EQ(fs.files[cfg], WithStoredLanguage(stored, c.language));
            Configuration back;
            ReadConfigurationText(fs.files[cfg], back, ScreenInfo{}, "");
            EXPECT_EQ(StoredLanguage(back), c.language);
        }
    }
    if (old)
        setenv("XDG_CONFIG_HOME", kept.c_str(), 1);
    else
        unsetenv("XDG_CONFIG_HOME");
}

}  // namespace
}  // namespace bxr

namespace bxr {
namespace {

using namespace bxr::test;

TEST(session, a_calculation_from_the_window_shows_its_boxes_and_then_the_message_list) {
    // The window calculates on a worker, which shows nothing: what the calculation would
    // have said in boxes comes afterwards, the list of messages with it; a box that only
    // repeats the list is not shown, and a stopped calculation draws nothing.
    struct Case {
        bool fatal;
        std::vector<std::string> entries, boxes, shownBoxes;
    };
    const Case cases[] = {
        {false, {"Fehler : Endwert C nicht erreicht"}, {"Fehler : Iteration"}, {"Fehler : Iteration"}},
        {true,
         {"Fatal  : Lager xa = xb !", "Fatal  : E-Modul = 0 !"},
         {"Fatal  : Lager xa = xb !\nFatal  : E-Modul = 0 !", "Zu viele Biegemomente"},
         {"Zu viele Biegemomente"}},
    };
    for (const Case& c : cases) {
        MemoryFileSystem fs;
        fs.files["/work/welle.bxr"] = Example();
        ScriptedUi ui({Cancel{}});
        Session s;
        s.files = &fs;
        s.ws.ui = &ui;
        CommandLine cl;
        cl.form = CommandLine::Form::Plain;
        cl.file = "/work/welle.bxr";
        ASSERT_TRUE(StartSession(s, cl, "/work", "/prog").run);
        s.window.SetClientSize(800, 600);
        int runs = 0;
        s.calculate = [&](CalcState& cs) {
            ++runs;
            RunAnalysis(cs);
            for (const auto& e : c.entries)
                c.fatal ? AddFatalMessage(cs, e) : AddMessage(cs, e);
            cs.results.boxMessages = c.boxes;
            if (c.fatal) SetStopFlag(cs);
        };
        RunCommand(s, *FindCommand("mi_viewquick"));
        EXPECT_EQ(runs, 1);
        EXPECT_EQ(ui.messages, c.shownBoxes);
        ASSERT_EQ(ui.choiceItems.size(), 1u);
        std::vector<std::string> listed = c.entries;
        listed.push_back("Weiter/zur\x81" "ck...");
        EXPECT_EQ(ui.choiceItems[0], listed);
        EXPECT_EQ(s.window.records().empty(), c.fatal);
    }
}

}  // namespace
}  // namespace bxr
