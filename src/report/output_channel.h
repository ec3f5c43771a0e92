// The output channel: one open text output at a time, delivered to one of nine
// destinations, with the boxed page header, page and line counting, rule lines by line
// style, the HTML and tab-separated layouts, and the closing action of each destination.
// Reports write lines here and never open files themselves.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "config/configuration.h"
#include "format/output_settings.h"
#include "model/calc_messages.h"
#include "platform/file_system.h"
#include "platform/process_launcher.h"
#include "platform/text_printer.h"
#include "platform/text_window.h"
#include "report/error_descriptions.h"

namespace bxr {

class Ui;

enum Destination : int {
    kAskOrDefault = 0,
    kScreen = 1,        // "Bildschirm": shown in the text window
    kTextPrinter = 2,   // "Textdrucker": the print command
    kNamedFile = 3,     // "Datei": a file the user names
    kPrinter = 4,       // "Windows-Drucker": a "$OUTn.TMP" file, printed and removed
    kTextProgram = 5,   // "externes Textprogramm"
    kSpreadsheet = 6,   // "TXT File (Excel, QPRO ...)": tab-separated
    kHtml = 7,          // "HTML File (...)"
    kDosFile = 8,       // "OUTDOS.TXT" in the temporary folder
    kProjectTable = 9,  // tab-separated, copied to the project name + ".txt" (batch runs)
};

enum class OutputKind { Plain, TabSeparated, Html };

// The settings of the "Ausdruck" page of the configuration, and the programs and folders the
// destinations use.
struct ChannelSettings {
    int defaultDestination = kScreen;
    bool askDestination = false;
    int lineStyle = 2;  // 1 "***", 2 "---" (box lines), 3 blanks, 4 compressed
    int linesPerPage = 66;
    int spaceLines = 0;       // blank lines above the page header
    int headerMode = 1;       // 1 header on every page, 2 on the first page only
    int printerPort = 1;      // kept for the configuration; the print command picks the printer
    std::string textProgram;  // empty or a Windows path: the desktop's default (xdg-open)
    std::string htmlBrowser;  // likewise
    std::string tempFolder;   // empty: TMPDIR, then /tmp
    std::string printCommand = "lp";
    std::string printerSetupFile;  // "TEXT.QRN": sent ahead of text printouts when it exists
    PrintFont printFont;           // of the printer destination
};

// The print command's options for a font size: characters and lines per inch of a fixed
// font of that size (10 points: "-o cpi=12 -o lpi=6").
std::string PrintSizeOptions(int pointSize);

// The font of text printouts from the configuration: an empty name is "Courier New", a size
// of 0 is 10.
PrintFont PrintFontFrom(const Configuration& c);

// The channel settings of a configuration, every value limited to what the channel knows:
// the destination 1..8 (otherwise the screen: the project table is for batch runs only), the line style 1..4 (otherwise "---"), lines
// per page above 0 (otherwise 66).
ChannelSettings ChannelSettingsFrom(const Configuration& c);

// What the channel needs from the program around it.
struct ChannelEnvironment {
    Ui* ui = nullptr;           // may be null: questions then count as cancelled
    bool* abortFlag = nullptr;  // the program's abort flag
    OutputSettings format;
    ChannelSettings settings;
    std::string outputFolder;             // folder of named outputs; empty: the current folder
    std::string projectFile;              // shown in the page header
    std::string projectName;              // currentName: names the batch output
    FileSystem* files = nullptr;          // null: the disk
    ProcessLauncher* launcher = nullptr;  // null: the system
    TextWindow* textWindow = nullptr;     // null: the channel keeps the text (keptText)
    TextPrinter* textPrinter = nullptr;   // null: the printer destination uses the print command
    std::function<std::string()> today;   // null: TodayText
    std::function<std::string()> now;     // null: TimeText
};

class OutputChannel {
  public:
    explicit OutputChannel(ChannelEnvironment env);
    ~OutputChannel();
    OutputChannel(const OutputChannel&) = delete;
    OutputChannel& operator=(const OutputChannel&) = delete;

    // Opens the destination (0: the default, or asks "Ausgabe auf .."); a name without "."
    // gets ".txt". False, with the abort flag set, when cancelled or the file cannot be made.
    bool Open(int destination, const std::string& defaultName);
    // Heading (empty: the program heading), drawing title and number, three title lines.
    void SetDocumentHead(const std::string& heading, const std::string& title,
                         const std::string& number, const std::array<std::string, 3>& lines);
    // Lines of the document data block on the first page.
    void SetDocumentData(std::vector<std::string> lines) { documentData_ = std::move(lines); }
    void SetPageHeaders(bool on) { pageHeaders_ = on; }
    bool PageHeaders() const { return pageHeaders_; }

    void WritePageHeader(bool firstPage, int totalPages = 0);
    void WriteLine(const std::string& text);
    void BeginLine(const std::string& text) { pending_ = text; }
    void WritePart(const std::string& text) { pending_ += text; }
    void EndLine(const std::string& text);
    void WriteRule();
    void WriteDoubleRule();
    void WriteParameterLine(const std::string& description, const std::string& symbol,
                            const std::string& unit, const std::string& value);
    void WriteTableRow(const std::string& text);
    void WriteWrapped(const std::string& text);
    void CheckPageSpace();
    void EndPage();
    void WriteMessages(const CalcMessages& messages, const ErrorDescriptions& descriptions);
    // Ends the output and runs the destination's closing action; false on any error.
    bool Close();
    // The names the reports use.
    bool OpenOutput(int destination, const std::string& defaultName) {
        return Open(destination, defaultName);
    }
    bool CloseOutput() { return Close(); }

    // For the report tables: a line that goes out unchanged (HTML markup, tab rows).
    void WriteRaw(const std::string& line);
    void CloseHtmlTable();
    void OpenHtmlTable(const std::string& openTag);

    bool IsOpen() const { return file_ != nullptr; }
    // Messages of the closing actions and failures (code page 850), also shown on the Ui.
    const std::vector<std::string>& notices() const { return notices_; }
    // What the "Bildschirm" destination showed when no text window was given.
    const KeptTextWindow& keptText() const { return kept_; }
    bool Failed() const { return failed_; }
    int destination() const { return destination_; }
    OutputKind kind() const;
    int lineStyle() const { return env_.settings.lineStyle; }
    int linesOnPage() const { return linesOnPage_; }
    int pageNumber() const { return pageNumber_; }
    const std::string& path() const { return path_; }
    // Where the destination's result ends up (the copy for 6 and 9, the file otherwise).
    const std::string& resultPath() const { return resultPath_; }
    const OutputSettings& format() const { return env_.format; }
    std::string TempFolder() const;

    // The 70-character rule lines of the current line style.
    std::string SingleRule() const;
    std::string DoubleRule() const;

  private:
    void Emit(const std::string& line);
    void Notice(const std::string& text);
    void NoticeNotWritten(const std::string& path);
    std::unique_ptr<WriteHandle> OpenNamed(const std::string& path);
    void EmitFormFeed();
    void PlainLine(const std::string& text, bool counted);
    void NewPage();
    void EndPageBody(bool atClose);
    void WriteHtmlHead();
    void WriteTabHead();
    std::string BoxLine(int which) const;  // 0 top, 1 middle, 2 bottom
    std::string SideLine(std::vector<std::pair<int, std::string>> texts) const;
    bool Ask(const std::string& question);
    void Fail();
    std::string Today() const;
    std::string Now() const;
    std::string ProjectTableName() const;
    bool RunClosingAction();
    bool CopyConverted(const std::string& from, const std::string& to);
    bool WriteConverted(const std::string& bytes, const std::string& to);
    bool StartViewer(const std::string& configured, const std::string& file);
    bool Print(const std::string& file, bool removeAfter, const std::string& options = {});
    bool PrintInFont(const std::string& file);
    FileSystem& files() const;
    ProcessLauncher& launcher() const;

    ChannelEnvironment env_;
    int destination_ = 0;
    std::string path_;
    std::string resultPath_;
    std::string defaultName_;
    std::unique_ptr<WriteHandle> file_;
    // The output of a destination that is copied whole at the end (the project table) is
    // kept here rather than in a temporary file that would be read back.
    std::string held_;
    bool failed_ = false;
    bool pageHeaders_ = true;
    bool pauseEachPage_ = false;
    bool htmlTableOpen_ = false;
    bool headWritten_ = false;
    bool inHeader_ = false;
    int linesOnPage_ = 0;
    int pageNumber_ = 0;
    int totalPages_ = 0;
    std::array<std::string, 6> head_{};  // 1..5
    std::string title_, number_;
    std::vector<std::string> documentData_;
    std::string pending_;
    std::vector<std::string> notices_;
    KeptTextWindow kept_;
    bool pageHasLines_ = false;
};

// The program heading "BXR  -  Trägerberechnung" and the versioned report heading parts.
std::string ProgramHeading();
std::string ProgramVersion();  // BXR_VERSION, the project version of the build

// Pascal-style insertion: text goes in at the 1-based column, shifting what follows;
// beyond the end it is appended.
std::string InsertAt(std::string line, const std::string& text, int column);

// Code page 850 text to UTF-8 for any length (the converter itself refuses 255 bytes).
std::string OemToDisplayLong(const OutputSettings& s, const std::string& oem);
// A field of a tab-separated line: tabs, line ends and other control characters (an escape
// typed into a label) become blanks, so that they cannot add or break columns.
std::string TabField(const std::string& text);
// "&", "<" and ">" as entities, control characters dropped.
std::string HtmlEscape(const std::string& utf8);

}  // namespace bxr
