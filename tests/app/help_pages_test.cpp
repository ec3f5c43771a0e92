// Finding the help pages and making the pages that are no files.
#include "app/help_pages.h"

#include <gtest/gtest.h>

#include "app/calc_message_display.h"
#include "format/code_page.h"
#include "support/memory_file_system.h"
#include "support/output_test_support.h"
#include "support/scripted_ui.h"

namespace bxr::test {
namespace {

TEST(HelpPages, TheFolderIsTheConfiguredOneWhenItHoldsPagesElseTheProgramsOwn) {
    struct Case {
        std::vector<std::string> files;
        std::string expected;
    };
    const Case cases[] = {
        {{"/plt/help/en/1.html", "/opt/bxr/bin/data/help/de/1.html"}, "/plt/help"},
        // A help folder of the configuration without a language folder is not the help.
        {{"/plt/help/readme.txt", "/opt/bxr/bin/data/help/de/1.html"}, "/opt/bxr/bin/data/help"},
        {{"/opt/bxr/share/bxr/help/de/1.html"}, "/opt/bxr/share/bxr/help"},
        {{}, "/opt/bxr/bin/data/help"},
    };
    for (const Case& c : cases) {
        MemoryFileSystem fs;
        for (const auto& f : c.files) fs.files[f] = "x";
        Configuration config;
        config.pltFolder = "/plt";
        config.programFolder = "/opt/bxr/bin";
        EXPECT_EQ(HelpFolder(fs, config), c.expected) << c.files.size();
    }
}

TEST(HelpPages, TopicsOpenInTheMenuLanguageElseTheOtherAndThePictureOnlyWhereThePageHasOne) {
    EXPECT_EQ(HelpLanguage(0), "de");  // no language chosen yet: the menus are German
    EXPECT_EQ(HelpLanguage(1), "de");
    EXPECT_EQ(HelpLanguage(2), "en");
    EXPECT_EQ(HelpLanguage(8), "en");

    MemoryFileSystem fs;
    fs.files["/h/de/5270.html"] = fs.files["/h/en/5270.html"] = "<h1>L</h1>";
    fs.files["/h/en/6100.html"] = "<h1>Lagerungsart</h1>";
    fs.files["/h/de/9600.html"] = "<p>x</p><a name=\"picture\"></a><img src=\"a.svg\">";
    fs.files["/h/de/5400.html"] = "<p>no picture here</p>";
    struct Case {
        std::string language;
        int topic;
        bool picture;
        std::string path, anchor;
    };
    const Case cases[] = {
        {"de", 5270, false, "/h/de/5270.html", ""},
        {"en", 5270, false, "/h/en/5270.html", ""},
        {"de", 6100, false, "/h/en/6100.html", ""},  // only in English
        {"de", 9600, true, "/h/de/9600.html", "picture"},
        {"de", 9600, false, "/h/de/9600.html", ""},
        {"de", 5400, true, "/h/de/5400.html", ""},
        {"en", 4242, true, "/h/en/4242.html", ""},  // no page at all
    };
    for (const Case& c : cases) {
        const HelpLocation at = HelpPages(fs, "/h", c.language).Topic(c.topic, c.picture);
        EXPECT_EQ(at.path, c.path) << c.language << c.topic;
        EXPECT_EQ(at.anchor, c.anchor) << c.language << c.topic;
    }
    const HelpLocation messages = HelpPages(fs, "/h", "de").Page("messages.html#m4");
    EXPECT_EQ(messages.path, "/h/de/messages.html");
    EXPECT_EQ(messages.anchor, "m4");

    // A topic without a page gets a short page of its own that leads to the index.
    const ErrorDescriptions none;
    const std::string de = HelpPages(fs, "/h", "de").MissingPage("/h/de/4242.html", none, {});
    const std::string en = HelpPages(fs, "/h", "en").MissingPage("/h/en/4242.html", none, {});
    EXPECT_NE(de.find("Zu Hilfenummer 4242 gibt es keine Hilfeseite."), std::string::npos);
    EXPECT_NE(en.find("There is no help page for help number 4242."), std::string::npos);
    EXPECT_NE(de.find("href=\"index.html\""), std::string::npos);
    const std::string other = HelpPages(fs, "/h", "de").MissingPage("/h/de/a<b.html", none, {});
    EXPECT_NE(other.find("a&lt;b.html"), std::string::npos);
}

const char* const kDescriptions =
    "Fatal  : A = 0 !\r\nFläche <null> & \"leer\"\r\nKontur prüfen\r\n"
    "Warnung: S w < 1 (\r\nSicherheit zu klein\r\nQuerschnitt vergrößern\r\n";

TEST(HelpPages, TheMessagesPageListsTheLastMessagesFirstEachLinkedToItsEscapedDescription) {
    const ErrorDescriptions d = ErrorDescriptions::Parse(Utf8ToOem(kDescriptions));
    const std::vector<std::string> current = {"Warnung: S w < 1 (0.8)",
                                              "Kraft ausserh. Welle (2) !"};
    EXPECT_EQ(MessageAnchor(d, "Fatal  : A = 0 !"), "m1");
    EXPECT_EQ(MessageAnchor(d, current[0]), "m4");
    EXPECT_EQ(MessageAnchor(d, current[1]), "");

    const std::string de = MessagesPage(d, current, "de");
    const auto link = de.find("<a href=\"#m4\">Warnung: S w &lt; 1 (0.8)</a>");
    const auto target = de.find("<a name=\"m4\"></a>");
    ASSERT_NE(link, std::string::npos) << de;
    ASSERT_NE(target, std::string::npos);
    EXPECT_LT(link, de.find("<a name=\"m1\"></a>"));
    EXPECT_NE(de.find("Kraft ausserh. Welle (2) ! (keine Beschreibung)"), std::string::npos);
    EXPECT_NE(de.find("<b>Ursache:</b> Fläche &lt;null&gt; &amp; \"leer\""),
              std::string::npos);
    EXPECT_NE(de.find("<b>Abhilfe:</b> Querschnitt vergrößern"), std::string::npos);

    const std::string en = MessagesPage(d, {}, "en");
    EXPECT_NE(en.find("<b>Cause:</b> Sicherheit zu klein"), std::string::npos);
    EXPECT_NE(en.find("<b>Remedy:</b> Kontur prüfen"), std::string::npos);
    EXPECT_EQ(en.find("Ursache"), std::string::npos);
    EXPECT_NE(MessagesPage(ErrorDescriptions{}, {}, "en").find("bxr.err"), std::string::npos);
}

// The message list's F1 and a description's "&Hilfe" lead to the anchor the page puts there.
TEST(HelpPages, TheMessageWindowsOpenTheMessagesPageAtTheirMessage) {
    Workspace ws;
    ScriptedUi ui;
    ws.ui = &ui;
    ws.config.pltFolder = MakeTempFolder();
    WriteFile(ws.config.pltFolder + "bxr.err", Utf8ToOem(kDescriptions));
    ws.messages.Add("Warnung: S w < 1 (0.8)");
    std::string page;
    ui.Push(1);
    ui.Push(FormScript([&](FormModel& f) {
        page = f.Button("Button_hilfe")->helpPage;
        f.Press("Button_ok");
    }));
    ui.Push(2);
    ShowCalcMessages(ws, false, DiskFileSystem());
    ASSERT_FALSE(ui.helpPages.empty());
    EXPECT_EQ(ui.helpPages.front(), "messages.html");
    EXPECT_EQ(page, "messages.html#m4");
}

}  // namespace
}  // namespace bxr::test
