#include "config/config_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "format/text_lines.h"
#include "config/vocabulary.h"
#include "format/code_page.h"
#include "support/memory_file_system.h"

namespace bxr {
namespace {

using test::MemoryFileSystem;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> out;
    LineReader in(text);
    while (auto l = in.Next()) out.push_back(*l);
    return out;
}

std::string Join(const std::vector<std::string>& lines) {
    std::string s;
    for (const auto& l : lines) s += l + "\r\n";
    return s;
}

int Find(const std::vector<std::string>& lines, const std::string& what) {
    for (int i = 0; i < static_cast<int>(lines.size()); ++i)
        if (lines[i] == what) return i;
    return -1;
}

// A configuration where every entry differs from its default.
Configuration Unusual() {
    Configuration c;
    c.workingFolder = "/work/";
    for (int i = 0; i < 5; ++i) c.layers[i] = CadLayer{"KONTUR_" + std::to_string(i), i + 1};
    c.cadTextStyle = "ISOCP";
    c.cadTextWidthFactor = 0.75;
    c.cadTextAngle = 15;
    c.cadFolder = "/cad/";
    c.dbfFolder = "/dbf/";
    c.helpLevel = 2;
    c.printerPort = 3;
    c.printerType = 5;
    c.printDensity = 2;
    c.hardcopyRotated = "N";
    c.output.decimalPlaces = 5;
    c.printThicknessVertical = 4;
    c.colourGraphics = false;
    c.graphicsCorrectionX = 1.25;
    c.graphicsMode = 7;
    c.graphicsDriver = 9;
    c.graphicsWidth = 1011;
    c.graphicsHeight = 707;
    c.tempFolder = "/var/tmp/";
    c.hardcopyPort = 2;
    c.ediFolder = "/edi/";
    c.pltFolder = "/plt/";
    c.textSeparatorMode = 4;
    c.linesPerPage = 72;
    c.zoomFactor = 1.5;
    c.panFactor = 0.05;
    c.makerProgramFolder = "/opt/maker/";
    c.plotCommandLine = "plot -a %1";
    c.backgroundColour = 0;
    c.windowsPrintMode = 2;
    c.layerMonochrome = true;
    c.graphicsTextWidthFactor = 0.9;
    c.graphicsFont = "DejaVu Sans";
    for (int i = 0; i < 16; ++i) c.layerColours16_31[i] = 16 + i;
    c.textProgram = "mousepad";
    c.databaseMode = 3;
    c.externalDatabase = "/usr/bin/tabled";
    c.printOriginX = 12;
    c.printOriginY = -8;
    c.printScale = 0.5;
    c.printBorder = true;
    c.askUserName = true;
    c.plotCommandLines = {"line 2", "line 3 mit Ü"_oem};
    c.archiveMode = true;
    c.output.dateFormat = 3;
    c.headerSpaceLines = 4;
    c.textDevice = 5;
    c.askTextDevice = true;
    c.smallOnlineWindow = true;
    c.askDiagramLimits = true;
    c.output.decimalSeparator = 2;
    c.defaultDataFolder = "/data/";
    c.textHeightFactor = 1.3;
    c.dialogScalePercent = 125;
    c.htmlBrowser = "firefox";
    c.printScaleVertical = 0.25;
    c.lineThickness0_5 = {50, 35, 25, 25, 25, 18};
    c.printerDialog = false;
    c.textWindow = TextWindowPlacement{10, 20, 800, 600};
    c.output.unitSystem = 1;
    c.headerMode = 2;
    c.printFont = "Liberation Mono";
    c.printFontSize = 9;
    c.printFontStyle = 1;
    c.graphicsFontStyle = 2;
    c.pageOrientation = 1;
    c.edit3dAngles = false;
    c.view3dX = 35.5;
    c.view3dY = -20;
    c.view3dZ = 7.25;
    c.changeIndexStyle = 1;
    c.output.spreadsheetDecimal = 1;
    c.releaseFieldText = "Freigabe";
    c.cadDecimals = 8;
    c.output.cadTextType = 3;
    for (int i = 0; i < 16; ++i) c.lineThickness16_31[i] = 100 + i;
    c.output.characterSetting = 1;
    c.dialogElementPercent = 90;
    c.angleFormat = 1;
    c.sizeFactor = 1.5;
    c.dimensioning = 1;
    c.reservedInteger = 4;
    c.resultGraphic = 5;
    c.omitMakerTitle = true;
    c.omitFileName = false;
    c.omitDate = true;
    c.omitLogo = true;
    return c;
}

TEST(config_file_test, written_file_reads_back_to_the_same_settings) {
    const Configuration c = Unusual();
    const std::string text = ConfigurationText(c);
    Configuration r;
    r.workingFolder = "/elsewhere/";
    EXPECT_TRUE(ReadConfigurationText(text, r, ScreenInfo{}, "/tmp"));
    EXPECT_EQ(ConfigurationText(r), text);
    EXPECT_EQ(r.layers[4].name, "KONTUR_4");
    EXPECT_EQ(r.layers[4].colour, 5);
    EXPECT_EQ(r.output.decimalPlaces, 5);
    EXPECT_EQ(r.hardcopyRotated, "N");
    EXPECT_EQ(r.graphicsWidth, 1011);
    EXPECT_EQ(r.zoomFactor, 1.5L);
    EXPECT_EQ(r.plotCommandLines, c.plotCommandLines);
    EXPECT_EQ(r.layerColours16_31[15], 31);
    EXPECT_EQ(r.printOriginY, -8);
    EXPECT_TRUE(r.archiveMode);
    EXPECT_EQ(r.output.decimalSeparator, 2);
    EXPECT_EQ(r.textWindow.width, 800);
    EXPECT_EQ(r.textWindow.top, 20);
    EXPECT_EQ(r.output.unitSystem, 1);
    EXPECT_EQ(r.view3dZ, 7.25L);
    EXPECT_EQ(r.changeIndexStyle, 1);
    EXPECT_EQ(r.output.spreadsheetDecimal, 1);
    EXPECT_EQ(r.releaseFieldText, "Freigabe");
    EXPECT_EQ(r.lineThickness16_31[15], 115);
    EXPECT_EQ(r.resultGraphic, 5);
    EXPECT_FALSE(r.omitFileName);
    EXPECT_TRUE(r.omitLogo);
}

TEST(config_file_test, layout_has_headings_labels_in_order_and_points_in_numbers) {
    const Configuration c = Unusual();  // decimal mark "," in the output settings
    const auto lines = Lines(ConfigurationText(c));
    EXPECT_EQ(lines[0], "bxr Konfiguration");
    EXPECT_EQ(lines[1].rfind("Version ", 0), 0u);
    EXPECT_EQ(lines[2], "Layer");
    EXPECT_EQ(lines[3], "KONTUR_0");
    EXPECT_EQ(lines[4], "Farbe");
    EXPECT_EQ(lines[5], "1");
    EXPECT_EQ(lines[22], "Textstil CAD");
    EXPECT_EQ(lines[24], "Textbreitenfaktor CAD");
    EXPECT_EQ(lines[25], "0.75");
    EXPECT_EQ(lines[Find(lines, "Zoomfaktor") + 1], "1.5");
    EXPECT_EQ(lines[Find(lines, "Dot=1 Komma=2") + 1], "2");
    EXPECT_EQ(lines[Find(lines, "Hardcopy um 90° gedreht ?"_oem) + 1], "N");
    const int q = Find(lines, "QUILMAR Command lines (n, line 2 .. line n)");
    EXPECT_EQ(lines[q + 1], "3");
    EXPECT_EQ(lines[q + 2], "line 2");
    EXPECT_EQ(lines[q + 4], "Archive Flag ?");
    EXPECT_EQ(lines[Find(lines, "Text window left/top/width/height") + 1], "10 20 800 600");
    const int d3 = Find(lines, "3D - Default x,y,z");
    EXPECT_EQ(std::vector<std::string>(lines.begin() + d3 + 1, lines.begin() + d3 + 7),
              (std::vector<std::string>{"35.5", "-20", "7.25", "1", "1", "Freigabe"}));
    EXPECT_EQ(lines[Find(lines, "Color Layer 16") + 1], "16");
    EXPECT_EQ(lines[Find(lines, "Color Layer 31") + 1], "31");
    // Entry 72 closes the file: 16 thicknesses, then 7 values and 4 booleans.
    const int s72 = Find(lines, "Strichstärke Layer 16..31"_oem);
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(s72 + 1 + 16 + 11));
    EXPECT_EQ(lines[s72 + 17], "1");    // special characters
    EXPECT_EQ(lines[s72 + 20], "1.5");  // size factor
    EXPECT_EQ(lines.back(), "TRUE");

    // Count the labels: every one of the 72 entries is there once, in order.
    const std::vector<std::string> someLabels = {"DBF Ordner",
                                                 "Hilfegrad",
                                                 "Druckerschnittstelle",
                                                 "Dezimalstellen",
                                                 "Farbgrafik",
                                                 "Ordner für temporäre Dateien"_oem,
                                                 "VORTANE-Programmverzeichnis",
                                                 "QUILMAR-Kommandozeile",
                                                 "Textstil Grafik",
                                                 "externe Datenbank",
                                                 "Enter Password ?",
                                                 "Date Code",
                                                 "Default Data Directory",
                                                 "HTML Browser",
                                                 "Line thickness Layer 0..5",
                                                 "Metric Units=0,  English units=1",
                                                 "Text Font Printout",
                                                 "Edit 3D x,y,z ?",
                                                 "Decimals DXF,TXT",
                                                 "CAD Text Mode"};
    int last = -1;
    for (const auto& l : someLabels) {
        const int at = Find(lines, l);
        EXPECT_GT(at, last) << l;
        last = at;
    }
}

TEST(config_file_test, reading_rules_replace_values_out_of_range) {
    auto lines = Lines(ConfigurationText(Unusual()));
    auto set = [&](const std::string& label, const std::string& value, int offset = 1) {
        const int at = Find(lines, label);
        ASSERT_GE(at, 0) << label;
        lines[at + offset] = value;
    };
    set("Dezimalstellen", "0");
    set("Zeilen pro Seite für Drucker"_oem, "3");
    set("Input Window Scale %", "5000");
    set("Farbgrafik", "true");
    set("Archive Flag ?", "yes");
    set("DBF Ordner", "");
    set("Ordner für temporäre Dateien"_oem, "");
    set("Textbreitenfaktor CAD", "0");
    set("Zoomfaktor", "abc");
    set("Pan-Faktor", "0,05");
    set("QUILMAR-Kommandozeile", "");
    set("Date Code", "4");
    set("Print Scale Vertical", "0");
    set("Auflösung horizontal"_oem, "-1");
    set("Text window left/top/width/height", "5 5 0 300");
    set("Text Font Printout", "");
    set("Hardcopy um 90° gedreht ?"_oem, "");
    set("Druckdicke vertikal", "7");
    set("3D - Default x,y,z", "0", 5);

    Configuration c;
    c.workingFolder = "/start/";
    c.plotCommandLine = "keep me";
    const ScreenInfo screen{1280, 1024, 600, 554, 96};
    ReadConfigurationText(Join(lines), c, screen, "/tmpenv");
    EXPECT_EQ(c.output.decimalPlaces, 3);
    EXPECT_EQ(c.linesPerPage, 66);
    EXPECT_EQ(c.dialogScalePercent, 100);
    EXPECT_TRUE(c.colourGraphics);
    EXPECT_FALSE(c.archiveMode);
    EXPECT_EQ(c.dbfFolder, "/start/");
    EXPECT_EQ(c.tempFolder, "/tmpenv");
    EXPECT_EQ(c.cadTextWidthFactor, 1);
    EXPECT_EQ(c.zoomFactor, 1.02L);
    EXPECT_EQ(c.panFactor, 0.05L);
    EXPECT_EQ(c.plotCommandLine, "keep me");
    EXPECT_EQ(c.output.dateFormat, 1);
    EXPECT_EQ(c.printScaleVertical, 0.5L);  // the horizontal scale of the file
    EXPECT_EQ(c.graphicsWidth, 1271);
    EXPECT_EQ(c.textWindow.width, 0);  // not used: the window keeps its own size
    EXPECT_EQ(c.printFont, "Courier New");
    EXPECT_EQ(c.hardcopyRotated, "N");
    EXPECT_EQ(c.printThicknessVertical, 1);
    EXPECT_EQ(c.output.spreadsheetDecimal, 2);
}

TEST(config_file_test, a_file_that_ends_early_keeps_the_later_defaults) {
    const auto all = Lines(ConfigurationText(Unusual()));
    const int port = Find(all, "Druckerschnittstelle");
    std::vector<std::string> head(all.begin(), all.begin() + port + 2);
    Configuration c;
    const ScreenInfo screen{1600, 900, 600, 554, 96};
    EXPECT_FALSE(ReadConfigurationText(Join(head), c, screen, "/tmp"));
    EXPECT_EQ(c.printerPort, 3);
    EXPECT_EQ(c.helpLevel, 2);
    EXPECT_EQ(c.printerType, 3);  // default
    EXPECT_EQ(c.output.decimalPlaces, 3);
    EXPECT_EQ(c.linesPerPage, 66);
    EXPECT_EQ(c.graphicsWidth, 1591);
    EXPECT_EQ(c.graphicsHeight, 809);

    // Cut in the middle of the command lines: nothing past the end is invented.
    const int q = Find(all, "QUILMAR Command lines (n, line 2 .. line n)");
    std::vector<std::string> cut(all.begin(), all.begin() + q + 3);
    cut[q + 1] = "1000000";
    Configuration d;
    EXPECT_FALSE(ReadConfigurationText(Join(cut), d, screen, "/tmp"));
    EXPECT_EQ(d.plotCommandLines, std::vector<std::string>{"line 2"});
    EXPECT_FALSE(d.archiveMode);
}

TEST(config_file_test, missing_file_sets_screen_sizes_and_the_dialog_scale) {
    MemoryFileSystem fs;
    Configuration c;
    c.configFolder = "/work/";
    EXPECT_FALSE(
        ReadConfiguration(c, fs, ScreenInfo{1280, 1024, 600, 554, 96}, "/home/u/.config/bxr/"));
    EXPECT_EQ(c.graphicsWidth, 1271);
    EXPECT_EQ(c.graphicsHeight, 933);
    EXPECT_EQ(c.textWindow.height, 944);
    // round((600 / (554 + 46) + 0.009) * (96 / 96) * 100) = round(100.9) = 101
    EXPECT_EQ(c.dialogScalePercent, 101);
    // With no file anywhere, the files of this session belong to the user's folder.
    EXPECT_EQ(c.configFolder, "/home/u/.config/bxr/");
    Configuration d;
    ReadConfiguration(d, fs, ScreenInfo{1280, 1024, 700, 654, 120}, "");
    // round((700 / 700 + 0.009) * 1.25 * 100) = round(126.125) = 126
    EXPECT_EQ(d.dialogScalePercent, 126);
    EXPECT_EQ(d.linesPerPage, 66);
}

TEST(config_file_test, locations_fallback_import_and_write) {
    MemoryFileSystem fs;
    Configuration c = Unusual();
    c.configFolder = "/home/u/.config/bxr/";
    ASSERT_TRUE(WriteConfiguration(c, fs));
    ASSERT_TRUE(fs.files.count("/home/u/.config/bxr/bxr.cfg"));

    Configuration r;
    r.configFolder = "/work/";
    EXPECT_TRUE(ReadConfiguration(r, fs, ScreenInfo{}, "/home/u/.config/bxr/"));
    EXPECT_EQ(r.configFolder, "/home/u/.config/bxr/");
    EXPECT_EQ(r.cadTextStyle, "ISOCP");

    // The working folder wins when it holds a file.
    Configuration w;
    w.cadTextStyle = "FROM_WORK";
    w.configFolder = "/work/";
    ASSERT_TRUE(WriteConfiguration(w, fs));
    Configuration r2;
    r2.configFolder = "/work/";
    EXPECT_TRUE(ReadConfiguration(r2, fs, ScreenInfo{}, "/home/u/.config/bxr/"));
    EXPECT_EQ(r2.configFolder, "/work/");
    EXPECT_EQ(r2.cadTextStyle, "FROM_WORK");

    fs.files["/proj/other.cfg"] = ConfigurationText(c);
    EXPECT_TRUE(ImportConfiguration(r2, fs, "/proj/other.cfg", ScreenInfo{}));
    EXPECT_EQ(r2.cadTextStyle, "ISOCP");
    EXPECT_EQ(ConfigFilePath(r2, "cfg"), "/proj/other.cfg");
    EXPECT_EQ(ConfigFilePath(r2, "cff"), "/proj/other.cff");
    EXPECT_FALSE(ImportConfiguration(r2, fs, "/proj/none.cfg", ScreenInfo{}));

    // A write that fails keeps the old file.
    const std::string before = fs.files["/work/bxr.cfg"];
    fs.failWriteAfter = 0;
    EXPECT_FALSE(WriteConfiguration(c, fs));
    EXPECT_EQ(fs.files["/work/bxr.cfg"], before);
}

TEST(config_file_test, state_file_keeps_user_name_and_four_texts) {
    MemoryFileSystem fs;
    Configuration c;
    c.configFolder = "/work/";
    c.session.userName = "KUNZ";
    c.session.texts = {"eins", "", "drei", "vier"};
    ASSERT_TRUE(WriteStateFile(c, fs));
    EXPECT_EQ(fs.files["/work/bxr.cff"], "bxr\t Session KUNZ\r\neins\r\n\r\ndrei\r\nvier\r\n");
    Configuration r;
    r.configFolder = "/work/";
    ReadStateFile(r, fs);
    EXPECT_EQ(r.session.userName, "KUNZ");
    EXPECT_EQ(r.session.texts[2], "drei");

    Configuration m;
    m.configFolder = "/none/";
    m.session.texts[0] = "stale";
    ReadStateFile(m, fs);
    EXPECT_EQ(m.session.userName, "TRAIN");
    EXPECT_EQ(m.session.texts[0], "");
}

TEST(config_file_test, check_folders_fills_defaults_and_names_each_bad_folder) {
    MemoryFileSystem fs;
    Configuration c;
    c.workingFolder = "/work/";
    c.cadFolder = "/cad/";
    c.dbfFolder = "/nodbf/";
    c.pltFolder = "";
    c.tempFolder = "";
    c.defaultDataFolder = "/data/";
    fs.emptyFolders["/work/"] = true;
    fs.refuseCreate["/cad/"] = true;
    fs.refuseCreate["/tmpenv/"] = true;
    const FolderCheck r = CheckFolders(c, fs, "/tmpenv/");
    EXPECT_EQ(c.tempFolder, "/tmpenv/");
    EXPECT_EQ(c.pltFolder, "/work/");
    EXPECT_EQ(c.ediFolder, "/work/");
    EXPECT_EQ(r.messages, (std::vector<std::string>{
                              "ungültiger CAD Ordner konfiguriert"_oem,
                              "ungültiger DBF Ordner konfiguriert"_oem,
                              "ungültiger Ordner für temporäre Dateien konfiguriert"_oem}));
    EXPECT_TRUE(r.tempFolderInvalid);
    EXPECT_TRUE(fs.files.empty());  // every probe file was erased again
}

}  // namespace
}  // namespace bxr

namespace bxr {
namespace {

TEST(config_file_test, remembering_the_language_changes_that_one_line_only) {
    // A full file, hand-written values included: everything but the language stays byte for
    // byte, as the writer would put the other language there.
    Configuration before = Unusual();
    StoreLanguage(before, 2);
    Configuration after = before;
    StoreLanguage(after, 8);
    std::string hand = ConfigurationText(before);
    const auto at = hand.find("Textstil CAD\r\n");
    ASSERT_NE(at, std::string::npos);
    hand.replace(at, 14, "textstil cad (edited)\r\n");
    std::string handAfter = ConfigurationText(after);
    handAfter.replace(at, 14, "textstil cad (edited)\r\n");
    EXPECT_EQ(WithStoredLanguage(hand, 8), handAfter);

    // No file, or one that ends early: the defaults with that language, whose empty
    // folders stay empty to mean the working folder of each later start.
    for (const std::string& text : {std::string(), std::string("bxr Konfiguration\r\nVersion 3.1\r\n")}) {
        Configuration r;
        ReadConfigurationText(WithStoredLanguage(text, 7), r, ScreenInfo{}, "");
        EXPECT_EQ(StoredLanguage(r), 7);
        EXPECT_EQ(r.linesPerPage, 66);
        EXPECT_FALSE(r.archiveMode);
        EXPECT_TRUE(r.dbfFolder.empty());
    }
}

}  // namespace
}  // namespace bxr
