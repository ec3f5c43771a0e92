#include "report/output_channel.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>

#include "format/code_page.h"
#include "support/output_test_support.h"
#include "support/scripted_ui.h"

namespace bxr {
namespace {

using test::Lines;
using test::Slurp;

struct Fixture : test::ChannelFixture {
    Fixture() { env.projectFile = "/daten/welle.bxr"; }
};

using test::Margin;

TEST(OutputChannelPlain, ParameterLinePutsTheFourTextsAtColumns1_35_44_56) {
    Fixture f;
    OutputChannel ch(f.env);
    ASSERT_TRUE(ch.Open(kDosFile, "bericht"));
    ch.WriteParameterLine("Dichte", "rho", "kg/cdm", "7.80");
    // A description longer than the symbol column pushes the symbol behind it.
    ch.WriteParameterLine(std::string(40, 'd'), "S", "", "1");
    ASSERT_TRUE(ch.Close());
    auto lines = Lines(Slurp(f.folder + "OUTDOS.TXT"));
    ASSERT_EQ(lines.size(), 4u);
    // Worked out by counting: "Dichte" fills columns 1-6, the symbol starts at 35, the unit
    // at 44, the value at 56; the blanks run on to column 72.
    EXPECT_EQ(lines[0], Margin("Dichte" + std::string(28, ' ') + "rho" + std::string(6, ' ') +
                               "kg/cdm" + std::string(6, ' ') + "7.80" + std::string(13, ' ')));
    EXPECT_EQ(lines[1], Margin(std::string(70, '-')));
    EXPECT_EQ(lines[2].substr(7, 43), std::string(40, 'd') + " S ");
    EXPECT_FALSE(f.abortFlag);
    // The file destinations leave a converted copy and say so.
    EXPECT_EQ(Lines(Slurp(f.folder + "outwin.txt")), lines);
    ASSERT_EQ(ch.notices().size(), 1u);
    EXPECT_EQ(ch.notices()[0],
              f.folder + "OUTDOS.TXT und Windows-Datei outwin.txt wurden angelegt..");
}

TEST(OutputChannelPlain, PageHeaderLinesCountAndANewPageStartsWhenThePageIsFull) {
    Fixture f;
    f.env.settings.linesPerPage = 20;
    OutputChannel ch(f.env);
    ASSERT_TRUE(ch.Open(kDosFile, "bericht"));
    ch.SetDocumentHead("KOPF", "Welle 1", "", {"Welle 1", "Zeile 2", "Zeile 3"});
    ch.WritePageHeader(true);
    for (int i = 1; i <= 30; ++i) ch.WriteLine("L" + std::to_string(i));
    ASSERT_TRUE(ch.Close());
    auto lines = Lines(Slurp(f.folder + "OUTDOS.TXT"));
    // Nine header lines (top, page, date, file, middle, three head lines, bottom) leave room
    // for eleven lines on a 20-line page; later pages also carry an empty line after the head.
    ASSERT_EQ(lines.size(), 59u);
    EXPECT_EQ(lines[0], Margin(std::string(70, '*')));
    EXPECT_EQ(lines[1], Margin("*    KOPF" + std::string(54, ' ') + "Bl. 1 *"));
    EXPECT_EQ(lines[2], Margin("*" + std::string(51, ' ') + "08.12.2026 9:05  *"));
    EXPECT_EQ(lines[3], Margin("*    /daten/welle.bxr" + std::string(48, ' ') + "*"));
    EXPECT_EQ(lines[9], Margin("L1"));
    EXPECT_EQ(lines[19], Margin("L11"));
    EXPECT_NE(lines[21].find("Bl. 2"), std::string::npos);
    EXPECT_EQ(lines[29], "");
    EXPECT_EQ(lines[30], Margin("L12"));
    EXPECT_NE(lines[41].find("Bl. 3"), std::string::npos);
    EXPECT_EQ(lines[50], Margin("L22"));
    EXPECT_EQ(lines[58], Margin("L30"));
}

TEST(OutputChannelPlain, APageShorterThanItsHeaderStillEnds) {
    Fixture f;
    f.env.settings.linesPerPage = 5;
    OutputChannel ch(f.env);
    ASSERT_TRUE(ch.Open(kDosFile, "b"));
    ch.WritePageHeader(true);
    ch.WriteLine("eins");
    ch.WriteLine("zwei");
    ASSERT_TRUE(ch.Close());
    // Each line opens a page of its own: header (9 lines), the empty line, the text.
    auto lines = Lines(Slurp(f.folder + "OUTDOS.TXT"));
    EXPECT_EQ(lines.size(), 9u + 11u + 11u);
    EXPECT_EQ(ch.pageNumber(), 3);
}

TEST(OutputChannelPlain, BoxLinesOfStyle2AreCodePage850Characters) {
    Fixture f;
    f.env.settings.lineStyle = 2;
    OutputChannel ch(f.env);
    ASSERT_TRUE(ch.Open(kDosFile, "b"));
    ch.WritePageHeader(true);
    ch.WriteRule();
    ch.WriteDoubleRule();
    ASSERT_TRUE(ch.Close());
    auto lines = Lines(Slurp(f.folder + "OUTDOS.TXT"));
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[0], Margin("\xC9" + std::string(68, '\xCD') + "\xBB"));
    EXPECT_EQ(lines[1].substr(7, 1), "\xBA");
    EXPECT_EQ(lines[1].substr(76, 1), "\xBA");
    EXPECT_EQ(lines[4], Margin("\xCC" + std::string(68, '\xCD') + "\xB9"));
    EXPECT_EQ(lines[8], Margin("\xC8" + std::string(68, '\xCD') + "\xBC"));
    EXPECT_EQ(lines[9], Margin(std::string(70, '\xC4')));
    EXPECT_EQ(lines[10], Margin(std::string(70, '\xCD')));
    // The copy for other programs is UTF-8: the single rule is U+2500.
    EXPECT_NE(Slurp(f.folder + "outwin.txt").find("\xE2\x94\x80"), std::string::npos);
}

TEST(OutputChannelPlain, CompressedStyleWritesNoRuleAndNoMarkerInAnyDestination) {
    for (int destination : {kDosFile, kProjectTable, kHtml}) {
        Fixture f;
        f.env.settings.lineStyle = 4;
        OutputChannel ch(f.env);
        ASSERT_TRUE(ch.Open(destination, "b"));
        ch.WritePageHeader(true);
        ch.WriteLine("vorher");
        ch.WriteRule();
        ch.WriteDoubleRule();
        ch.WriteParameterLine("E-Modul", "E", "MPa", "210000");
        ch.WriteLine("nachher");
        ASSERT_TRUE(ch.Close());
        std::string text = Slurp(ch.resultPath());
        EXPECT_EQ(text.find("$!$"), std::string::npos) << destination;
        EXPECT_EQ(text.find("------"), std::string::npos) << destination;
        EXPECT_EQ(text.find("\xE2\x94\x80"), std::string::npos) << destination;
        EXPECT_NE(text.find("nachher"), std::string::npos) << destination;
    }
}

TEST(OutputChannelPlain, CheckPageSpaceStartsANewPageOnlyBeyondTenLinesBeforeTheEnd) {
    for (int written : {56, 57}) {
        Fixture f;
        f.env.settings.linesPerPage = 66;
        test::ScriptedUi ui;  // nothing is asked
        KeptTextWindow window;
        f.env.textWindow = &window;
        OutputChannel ch(f.env);
        ch.SetPageHeaders(false);
        ASSERT_TRUE(ch.Open(kScreen, "b"));
        for (int i = 0; i < written; ++i) ch.WriteLine("x");
        ch.CheckPageSpace();
        ch.WriteLine("danach");
        ASSERT_TRUE(ch.Close());
        ASSERT_EQ(window.shown.size(), 1u);
        // 66 - 10 = 56 lines may stand on the page before the check turns it.
        bool turned = window.shown[0].text.find("\f") != std::string::npos;
        EXPECT_EQ(turned, written == 57) << written;
    }
}

TEST(OutputChannelPlain, ScreenTextGoesToTheWindowAndTheTemporaryFileIsRemoved) {
    Fixture f;
    OutputChannel ch(f.env);  // no window given: the channel keeps the text
    ASSERT_TRUE(ch.Open(kScreen, "bericht"));
    const std::string temp = ch.path();
    ch.WriteLine("Länge"_oem);
    ASSERT_TRUE(ch.Close());
    ASSERT_EQ(ch.keptText().shown.size(), 1u);
    EXPECT_EQ(ch.keptText().shown[0].text, "       Länge\n");
    EXPECT_EQ(ch.keptText().shown[0].title, "bericht.txt");
    EXPECT_FALSE(DiskFileSystem().IsFile(temp));
    EXPECT_EQ(Slurp(f.folder + "outwin.txt"), "       Länge\r\n");
}

TEST(OutputChannelPlain, WrappedTextBreaksLongLinesAtBlanks) {
    Fixture f;
    OutputChannel ch(f.env);
    ASSERT_TRUE(ch.Open(kDosFile, "b"));
    std::string exactly72(72, 'a');
    ch.WriteWrapped(exactly72);
    std::string words;
    for (int i = 0; i < 20; ++i) words += "Wort" + std::to_string(i) + " ";  // 110 characters
    ch.WriteWrapped(words);
    ASSERT_TRUE(ch.Close());
    auto lines = Lines(Slurp(f.folder + "OUTDOS.TXT"));
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0], Margin(exactly72));
    std::string joined;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        EXPECT_LE(lines[i].size(), 7u + 64u);
        joined += lines[i].substr(7);
    }
    EXPECT_NE(joined.find("Wort19"), std::string::npos);
    EXPECT_EQ(joined.find("Wor t"), std::string::npos);
}

TEST(OutputChannelTabs, ProjectTableIsTabSeparatedUtf8NamedAfterTheProject) {
    Fixture f;
    f.env.format.spreadsheetDecimal = 2;
    OutputChannel ch(f.env);
    ASSERT_TRUE(ch.Open(kProjectTable, "egal"));
    ch.SetDocumentHead("", "Welle", "", {"Welle", "Z2", "Z3"});
    ch.WritePageHeader(true);
    ch.WriteDoubleRule();
    ch.WriteLine("Länge"_oem);
    ch.WriteParameterLine("Dichte", "rho", "kg/cdm", "   7.80");
    ch.WriteRule();
    ASSERT_TRUE(ch.Close());
    EXPECT_EQ(ch.resultPath(), f.folder + "welle.txt");
    auto lines = Lines(Slurp(f.folder + "welle.txt"));
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[0], "BXR  -  Trägerberechnung");
    EXPECT_EQ(lines[1], "08.12.2026\t9:05");
    EXPECT_EQ(lines[2], "welle.txt");
    EXPECT_EQ(lines[6], " ");
    EXPECT_EQ(lines[7], "Länge");
    EXPECT_EQ(lines[8], "Dichte\trho\tkg/cdm\t7,80");
}

TEST(OutputChannelHtml, TablesCloseBeforeHeadingsAndTheDocumentEndsWithItsTail) {
    Fixture f;
    f.launcher.existing = {"xdg-open"};
    OutputChannel ch(f.env);
    ASSERT_TRUE(ch.Open(kHtml, "welle"));
    ch.WritePageHeader(true);
    ch.WriteParameterLine("E", "E", "MPa", "210000");
    ch.WriteParameterLine("G", "G", "MPa", "80000");
    ch.WriteLine("ÜBERSCHRIFT <1>"_oem);
    ch.WriteRule();
    ASSERT_TRUE(ch.Close());
    EXPECT_EQ(ch.path(), f.folder + "welle.htm");
    auto lines = Lines(Slurp(f.folder + "welle.htm"));
    ASSERT_GE(lines.size(), 8u);
    EXPECT_EQ(lines[0], "<!-- welle.htm -->");
    EXPECT_EQ(lines[1], "<HTML>");
    std::size_t table = 0;
    while (table < lines.size() && lines[table] != "<TABLE BORDER = \"2\" WIDTH= \"100%\">")
        ++table;
    ASSERT_LT(table + 4, lines.size());
    EXPECT_EQ(lines[table + 1],
              "<TR><TD>E</TD><TD>E</TD><TD>MPa</TD><TD><DIV ALIGN=RIGHT>210000</DIV></TD></TR>");
    EXPECT_EQ(lines[table + 3], "</TABLE>");
    EXPECT_EQ(lines[table + 4], "<br>ÜBERSCHRIFT &lt;1&gt;");
    EXPECT_EQ(lines[lines.size() - 2], "</BODY>");
    EXPECT_EQ(lines.back(), "</HTML>");
    ASSERT_EQ(f.launcher.started.size(), 1u);
    EXPECT_EQ(f.launcher.started[0],
              (std::vector<std::string>{"xdg-open", f.folder + "welle.htm"}));
}

TEST(OutputChannelHtml, AMissingBrowserIsReportedAndTheFileStays) {
    Fixture f;
    f.env.settings.htmlBrowser = "c:\\Programme\\Internet Explorer\\Iexplore.exe";
    OutputChannel ch(f.env);
    ASSERT_TRUE(ch.Open(kHtml, "welle"));
    ch.WriteLine("x");
    ch.Close();
    EXPECT_TRUE(f.launcher.started.empty());
    ASSERT_FALSE(ch.notices().empty());
    EXPECT_EQ(ch.notices().back(), "xdg-open not found");
    EXPECT_TRUE(DiskFileSystem().IsFile(f.folder + "welle.htm"));
}

TEST(OutputChannelFailures, AWriteErrorSetsTheAbortFlagAndNoResultFileAppears) {
    // The project table is kept in memory and written whole when it closes: the third piece
    // of that write fails.
    Fixture f;
    test::FailingWrites disk(3);
    f.env.files = &disk;
    OutputChannel ch(f.env);
    ASSERT_TRUE(ch.Open(kProjectTable, "welle"));
    for (int i = 0; i < 1000; ++i) ch.WriteLine("Zeile " + std::to_string(i) + " mit etwas Text");
    EXPECT_FALSE(ch.Close());
    EXPECT_TRUE(f.abortFlag);
    EXPECT_TRUE(ch.Failed());
    EXPECT_FALSE(DiskFileSystem().IsFile(f.folder + "welle.txt"));
    ASSERT_FALSE(ch.notices().empty());
    EXPECT_NE(ch.notices().back().find("welle.txt"), std::string::npos) << ch.notices().back();
}

TEST(OutputChannelFailures, AFolderThatCannotBeWrittenIsReportedOnOpen) {
    Fixture f;
    f.env.outputFolder = f.folder + "gibt-es-nicht";
    OutputChannel ch(f.env);
    EXPECT_FALSE(ch.Open(kHtml, "welle"));
    EXPECT_TRUE(f.abortFlag);
    ASSERT_EQ(ch.notices().size(), 1u);
    EXPECT_NE(ch.notices()[0].find("kann nicht angelegt werden"), std::string::npos);
}

TEST(OutputChannelPrinter, WithoutAPrintCommandTheUserIsToldAndNothingStarts) {
    Fixture f;
    OutputChannel ch(f.env);
    ASSERT_TRUE(ch.Open(kPrinter, "b"));
    ch.WriteLine("x");
    EXPECT_FALSE(ch.Close());
    EXPECT_TRUE(f.launcher.started.empty());
    ASSERT_FALSE(ch.notices().empty());
    EXPECT_EQ(ch.notices().back().rfind("Kein Drucker", 0), 0u);
}

TEST(OutputChannelPrinter, PrintsTheFirstFreeOutFileDetachedAndRemovesItAfterwards) {
    Fixture f;
    f.launcher.existing = {"lp"};
    test::WriteFile(f.folder + "$OUT1.TMP", "belegt");
    OutputChannel ch(f.env);
    ASSERT_TRUE(ch.Open(kPrinter, "b"));
    EXPECT_EQ(ch.path(), f.folder + "$OUT2.TMP");
    ch.WriteLine("x");
    ASSERT_TRUE(ch.Close());
    ASSERT_EQ(f.launcher.started.size(), 1u);
    const auto& argv = f.launcher.started[0];
    ASSERT_EQ(argv.size(), 5u);
    EXPECT_EQ(argv[0], "/bin/sh");
    EXPECT_NE(argv[2].find("rm -f"), std::string::npos);
    EXPECT_EQ(argv[3], "lp");
    EXPECT_EQ(argv[4], f.folder + "$OUT2.TMP");
}

// The configured print font reaches the printer: the window's printer gets the font itself,
// the print command its size as characters and lines per inch of a fixed font
// (72 / (0.6 * size) and 72 / (1.2 * size)).
TEST(OutputChannelPrinter, PrintsInTheConfiguredFontAndSize) {
    struct Recorder : TextPrinter {
        std::string title, text;
        PrintFont font;
        bool PrintText(const std::string& t, const std::string& x, const PrintFont& f) override {
            title = t;
            text = x;
            font = f;
            return true;
        }
    };
    Configuration c;
    c.printFont = "Lucida Console";
    c.printFontSize = 12;
    c.printFontStyle = 1;
    Fixture f;
    f.env.settings = ChannelSettingsFrom(c);
    f.env.settings.tempFolder = f.folder;
    Recorder printer;
    f.env.textPrinter = &printer;
    {
        OutputChannel ch(f.env);
        ASSERT_TRUE(ch.Open(kPrinter, "b"));
        ch.WriteLine("Größe"_oem);
        ASSERT_TRUE(ch.Close());
        EXPECT_FALSE(DiskFileSystem().IsFile(ch.path()));  // the temporary file is gone
    }
    EXPECT_TRUE(f.launcher.started.empty());
    EXPECT_EQ(printer.font.family, "Lucida Console");
    EXPECT_EQ(printer.font.pointSize, 12);
    EXPECT_EQ(printer.font.style, 1);
    EXPECT_NE(printer.text.find("Größe"), std::string::npos);  // UTF-8 for the printer

    Fixture g;
    g.launcher.existing = {"lp"};
    g.env.settings.printFont = ChannelSettingsFrom(c).printFont;
    OutputChannel ch(g.env);
    ASSERT_TRUE(ch.Open(kPrinter, "b"));
    ch.WriteLine("x");
    ASSERT_TRUE(ch.Close());
    ASSERT_EQ(g.launcher.started.size(), 1u);
    EXPECT_NE(g.launcher.started[0][2].find("\"$0\" -o cpi=10 -o lpi=5 -- \"$1\""),
              std::string::npos)
        << g.launcher.started[0][2];
    // Without a configured font: Courier New at 10 points, 12 characters and 6 lines an inch.
    Configuration empty;
    empty.printFont = "";
    empty.printFontSize = 0;
    EXPECT_EQ(ChannelSettingsFrom(empty).printFont.family, "Courier New");
    EXPECT_EQ(PrintSizeOptions(ChannelSettingsFrom(empty).printFont.pointSize),
              "-o cpi=12 -o lpi=6");
}

TEST(OutputChannelPrinter, TextPrinterWithPausesStopsWhenTheUserDeclinesTheNextSheet) {
    Fixture f;
    f.launcher.existing = {"lp"};
    test::ScriptedUi ui({true, false});
    f.env.ui = &ui;
    test::WriteFile(f.folder + "TEXT.QRN", "SETUP\r\n");
    f.env.settings.printerSetupFile = f.folder + "TEXT.QRN";
    OutputChannel ch(f.env);
    ASSERT_TRUE(ch.Open(kTextPrinter, "b"));
    ch.WriteLine("Seite 1");
    ch.EndPage();
    EXPECT_TRUE(f.abortFlag);
    ASSERT_EQ(ui.shown.size(), 3u);
    EXPECT_EQ(ui.shown[0], "Pause nach jeder Seite ?");
    EXPECT_EQ(ui.shown[2], "Blatt in Drucker einlegen.  Fortfahren ?");
    EXPECT_EQ(ui.messages.at(0), "Ausdruck erfolgt  -   bitte warten ...");
    EXPECT_EQ(Slurp(ch.path()).rfind("SETUP\r\n       Seite 1", 0), 0u);
}

TEST(OutputChannelOpen, DestinationQuestionCancelledSetsTheAbortFlag) {
    Fixture f;
    f.env.settings.askDestination = true;
    test::ScriptedUi ui({test::Cancel{}});
    f.env.ui = &ui;
    OutputChannel ch(f.env);
    EXPECT_FALSE(ch.Open(kAskOrDefault, "b"));
    EXPECT_TRUE(f.abortFlag);
    EXPECT_EQ(ui.shown.at(0), "Ausgabe auf ..");
    EXPECT_EQ(ui.choiceItems.at(0).size(), 7u);
}

TEST(OutputChannelOpen, DefaultNameGetsTxtOnlyWhenItHasNoExtension) {
    Fixture f;
    f.env.settings.defaultDestination = kNamedFile;
    OutputChannel a(f.env);
    ASSERT_TRUE(a.Open(kAskOrDefault, "bericht"));
    EXPECT_EQ(a.path(), f.folder + "bericht.txt");
    a.Close();
    OutputChannel b(f.env);
    ASSERT_TRUE(b.Open(kNamedFile, "bericht.lst"));
    EXPECT_EQ(b.path(), f.folder + "bericht.lst");
    b.Close();
}

TEST(OutputChannelMessages, EachMessageComesWithCauseAndRemedyOrTheNoDescriptionText) {
    Fixture f;
    OutputChannel ch(f.env);
    ASSERT_TRUE(ch.Open(kDosFile, "b"));
    CalcMessages messages;
    messages.Add("Fatal  : A = 0 !");
    messages.Add("Warnung: ohne Text");
    auto descriptions = ErrorDescriptions::Parse("Fatal  : A = 0 !\r\nUrsache A\r\nAbhilfe A\r\n");
    ch.WriteMessages(messages, descriptions);
    ASSERT_TRUE(ch.Close());
    auto lines = Lines(Slurp(f.folder + "OUTDOS.TXT"));
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_EQ(lines[1], Margin("BEMERKUNGEN, WARNUNGEN, FEHLERMELDUNGEN"));
    EXPECT_EQ(lines[5], Margin("Fatal  : A = 0 !"));
    EXPECT_EQ(lines[6], Margin("Ursache A"));
    EXPECT_EQ(lines[7], Margin("Abhilfe A"));
    EXPECT_EQ(lines[9], Margin("Warnung: ohne Text"));
    EXPECT_EQ(lines[10], Margin("keine Beschreibung dieser Fehlermeldung vorhanden."));
    EXPECT_EQ(lines[11], "");
}

// Links planted under every name the channel might take in the shared temporary folder
// point at a file that must survive; the output still arrives.
TEST(OutputChannelTemporaryFiles, PlantedLinksAreNeverFollowed) {
    const std::string pid = std::to_string(static_cast<long>(::getpid()));
    for (int destination : {kScreen, kDosFile, kProjectTable, kSpreadsheet, kPrinter}) {
        Fixture f;
        const std::string victim = test::MakeTempFolder() + "victim";
        test::WriteFile(victim, "keep");
        for (const std::string& name : std::vector<std::string>{
                 "$SCR" + pid + ".TMP", "$DOS" + pid + ".TMP", "$TAB" + pid + ".TMP", "$OUT1.TMP",
                 "OUTDOS.TXT", "outwin.txt", "$$1.txt", ".bxr" + pid + ".tmp"})
            ASSERT_EQ(::symlink(victim.c_str(), (f.folder + name).c_str()), 0) << name;
        OutputChannel ch(f.env);
        ASSERT_TRUE(ch.Open(destination, "b")) << destination;
        ch.WriteLine("Bericht");
        ch.Close();
        EXPECT_EQ(Slurp(victim), "keep") << destination;
        if (destination != kScreen && destination != kPrinter) {
            EXPECT_NE(Slurp(ch.resultPath()).find("Bericht"), std::string::npos) << destination;
        }
    }
}

TEST(OutputChannelTabs, TabsAndControlCharactersOfMessageDescriptionsAddNoColumns) {
    Fixture f;
    OutputChannel ch(f.env);
    ASSERT_TRUE(ch.Open(kProjectTable, "welle"));
    CalcMessages messages;
    messages.Add("Fatal  : A = 0 !");
    auto descriptions =
        ErrorDescriptions::Parse("Fatal  : A = 0 !\r\nUr\tsache\x1b\r\nAb\thilfe\r\n");
    ch.WriteMessages(messages, descriptions);
    ch.WriteParameterLine("E\tModul", "E", "MPa", "210000");
    ASSERT_TRUE(ch.Close());
    const std::string text = Slurp(ch.resultPath());
    EXPECT_NE(text.find("Fatal  : A = 0 !\tUr sache \tAb hilfe\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("E Modul\tE\tMPa\t"), std::string::npos) << text;
}

TEST(SystemLauncher, FindsProgramsOnThePathAndStartsWithoutWaiting) {
    ProcessLauncher& launcher = SystemLauncher();
    EXPECT_TRUE(launcher.ProgramExists("sh"));
    EXPECT_FALSE(launcher.ProgramExists("bxr-no-such-program"));
    EXPECT_FALSE(launcher.ProgramExists("/nonexistent/folder/prog"));
    auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(launcher.StartDetached({"/bin/sh", "-c", "sleep 3"}));
    auto took = std::chrono::steady_clock::now() - start;
    EXPECT_LT(took, std::chrono::seconds(2));
    EXPECT_FALSE(launcher.StartDetached({"bxr-no-such-program"}));
}

}  // namespace
}  // namespace bxr

namespace bxr {
namespace {

// The report command, the batch report and the table window all build their channel from
// this one mapping, so an out-of-range setting is limited the same way everywhere.
TEST(ChannelSettingsFrom, LimitsOutOfRangeSettingsToWhatTheChannelKnows) {
    struct Case {
        int textDevice, separator, linesPerPage;
        int destination, lineStyle, lines;
    };
    const Case cases[] = {
        {8, 4, 80, kDosFile, 4, 80},  // the largest legal values pass
        {1, 1, 5, kScreen, 1, 5},     // so do the smallest
        {9, 5, 0, kScreen, 2, 66},    // the batch-only table and unknown values do not
        {0, 0, -3, kScreen, 2, 66},
    };
    for (const Case& c : cases) {
        Configuration config;
        config.textDevice = c.textDevice;
        config.textSeparatorMode = c.separator;
        config.linesPerPage = c.linesPerPage;
        const ChannelSettings s = ChannelSettingsFrom(config);
        EXPECT_EQ(s.defaultDestination, c.destination) << c.textDevice;
        EXPECT_EQ(s.lineStyle, c.lineStyle) << c.separator;
        EXPECT_EQ(s.linesPerPage, c.lines) << c.linesPerPage;
    }
}

}  // namespace
}  // namespace bxr
