// The Help menu's items that leave the program, and the help topics of the documentation
// dialogs.
#include "app/help_commands.h"

#include <gtest/gtest.h>

#include "app/command_table.h"
#include "app/documentation_dialogs.h"
#include "app/session.h"
#include "format/code_page.h"
#include "support/memory_file_system.h"
#include "support/output_test_support.h"
#include "support/scripted_ui.h"

namespace bxr::test {
namespace {

struct HelpSession {
    ScriptedUi ui;
    MemoryFileSystem fs;
    RecordingLauncher launcher;
    Session s;
    HelpSession() {
        s.ws.ui = &ui;
        s.files = &fs;
        s.launcher = &launcher;
        s.ws.config.programFolder = "/opt/bxr/bin";
        launcher.existing = {"xdg-open"};
    }
    void Run(const char* item) { RunCommand(s, *FindCommand(item)); }
};

TEST(HelpMenu, HomepageOpensTheBestDocumentationThereIsInTheDesktopsBrowser) {
    struct Case {
        std::vector<std::string> files;
        std::string opened;  // empty: none there, a message instead
    };
    const Case cases[] = {
        {{"/opt/bxr/README.md"}, "/opt/bxr/README.md"},
        {{"/opt/bxr/README.md", "/opt/bxr/share/bxr/help/index.html"},
         "/opt/bxr/share/bxr/help/index.html"},
        {{"/opt/bxr/bin/data/help/index.html", "/opt/bxr/README.md"},
         "/opt/bxr/bin/data/help/index.html"},
        {{}, ""},
    };
    for (const Case& c : cases) {
        HelpSession h;
        for (const auto& f : c.files) h.fs.files[f] = "x";
        h.Run("mi_HelpHomepage");
        if (c.opened.empty()) {
            EXPECT_TRUE(h.launcher.started.empty());
            ASSERT_EQ(h.ui.messages.size(), 1u);
            EXPECT_NE(h.ui.messages[0].find("README"), std::string::npos);
        } else {
            ASSERT_EQ(h.launcher.started.size(), 1u) << c.opened;
            EXPECT_EQ(h.launcher.started[0], (std::vector<std::string>{"xdg-open", c.opened}));
            EXPECT_TRUE(h.ui.messages.empty());
        }
    }
}

TEST(HelpMenu, EmailStartsTheMailProgramWithSubjectAndVersionAndSaysWhenItCannot) {
    HelpSession h;
    h.Run("mi_HelpEmail");
    ASSERT_EQ(h.launcher.started.size(), 1u);
    EXPECT_EQ(h.launcher.started[0],
              (std::vector<std::string>{"xdg-open",
                                        std::string("mailto:?subject=BXR%20") + BXR_VERSION}));
    EXPECT_TRUE(h.ui.messages.empty());

    HelpSession none;
    none.launcher.existing.clear();
    none.Run("mi_HelpEmail");
    EXPECT_TRUE(none.launcher.started.empty());
    ASSERT_EQ(none.ui.messages.size(), 1u);
    EXPECT_EQ(none.ui.messages[0].find("nächsten Version"_oem), std::string::npos);
}

TEST(HelpTopics, TheDocumentationDialogsHaveTheirTopics) {
    ProjectDocumentation doc;
    ChangeDialog change(doc.changes[1], 1, "09.12.2026");
    DrawingDataDialog drawing(doc.drawing, "Freigabe", "09.12.2026", OutputSettings{});
    LinkDialog links(doc, nullptr);
    const std::pair<FormModel*, int> forms[] = {{&change, 3000}, {&drawing, 3010}, {&links, 2710}};
    for (const auto& [form, topic] : forms) {
        EXPECT_EQ(form->help, topic) << form->caption;
        ASSERT_NE(form->ButtonWithRole(ButtonRole::kHelp), nullptr);
        EXPECT_EQ(form->ButtonWithRole(ButtonRole::kHelp)->help, topic);
    }
    EXPECT_EQ(links.Field("Edit_program3")->help, 2710);
    EXPECT_EQ(links.Field("Edit_file3")->help, 2720);
}

}  // namespace
}  // namespace bxr::test
