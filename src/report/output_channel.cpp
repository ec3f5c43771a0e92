#include "report/output_channel.h"

#include <unistd.h>

#include <algorithm>
#include <cstdlib>

#include "platform/ui.h"
#include "format/code_page.h"
#include "format/date_text.h"
#include "format/text_helpers.h"
#include "platform/replace_file.h"

namespace bxr {
namespace {

// Help topic of the output device choice and the printer questions.
constexpr int kOutputHelp = 1300;
constexpr int kRuleWidth = 70;
constexpr int kPageLineWidth = 70;
constexpr const char* kMargin = "       ";
constexpr const char* kEol = "\r\n";
constexpr const char* kCompressedMarker = "$!$";
constexpr std::size_t kHeadLineLength = 64;

// Code page 850 box-drawing characters.
constexpr char kBoxSingle = static_cast<char>(196);
constexpr char kBoxDouble = static_cast<char>(205);
constexpr char kBoxTopLeft = static_cast<char>(201);
constexpr char kBoxTopRight = static_cast<char>(187);
constexpr char kBoxBottomLeft = static_cast<char>(200);
constexpr char kBoxBottomRight = static_cast<char>(188);
constexpr char kBoxMiddleLeft = static_cast<char>(204);
constexpr char kBoxMiddleRight = static_cast<char>(185);
constexpr char kBoxSide = static_cast<char>(186);

bool IsWindowsPath(const std::string& p) {
    return p.size() >= 2 && (p[1] == ':' || p.find('\\') != std::string::npos);
}

// Appends to a text in memory; it cannot fail.
class HeldText : public WriteHandle {
  public:
    explicit HeldText(std::string& text) : text_(text) {}
    bool Write(std::string_view bytes) override {
        text_.append(bytes);
        return true;
    }
    bool Close() override { return true; }

  private:
    std::string& text_;
};

std::string WithTxt(const std::string& name) {
    if (FileNameOf(name).find('.') == std::string::npos) return name + ".txt";
    return name;
}

std::string WithoutBlanks(const std::string& s) {
    std::string out;
    for (char c : s)
        if (c != ' ') out += c;
    return out;
}

std::vector<std::string> SplitLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string::npos) end = bytes.size();
        std::string line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

}  // namespace

std::string ProgramHeading() {
    return "BXR  -  Trägerberechnung"_oem;
}
std::string ProgramVersion() {
    return BXR_VERSION;
}

std::string InsertAt(std::string line, const std::string& text, int column) {
    std::size_t at = column < 1 ? 0 : static_cast<std::size_t>(column - 1);
    if (at >= line.size()) return line + text;
    line.insert(at, text);
    return line;
}

std::string OemToDisplayLong(const OutputSettings& s, const std::string& oem) {
    // Code page 850 is one byte per character, so the text converts piece by piece.
    std::string out;
    for (std::size_t at = 0; at < oem.size(); at += 200)
        out += OemToDisplay(s, oem.substr(at, 200));
    return out;
}

std::string TabField(const std::string& text) {
    std::string out = text;
    for (auto& c : out)
        if (static_cast<unsigned char>(c) < 32 || c == 127) c = ' ';
    return out;
}

std::string HtmlEscape(const std::string& utf8) {
    std::string out;
    for (char c : utf8) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            default:
                if (static_cast<unsigned char>(c) >= 32 || c == '\t') out += c;
        }
    }
    return out;
}

OutputChannel::OutputChannel(ChannelEnvironment env) : env_(std::move(env)) {}

OutputChannel::~OutputChannel() {
    if (file_) file_->Close();
}

std::unique_ptr<WriteHandle> OutputChannel::OpenNamed(const std::string& path) {
    // A file the user named is replaced, unless its permissions keep it.
    if (files().IsReadOnly(path)) return nullptr;
    return files().Create(path);
}

FileSystem& OutputChannel::files() const {
    return env_.files ? *env_.files : DiskFileSystem();
}

ProcessLauncher& OutputChannel::launcher() const {
    return env_.launcher ? *env_.launcher : SystemLauncher();
}

std::string OutputChannel::TempFolder() const {
    if (!env_.settings.tempFolder.empty()) return env_.settings.tempFolder;
    const char* tmp = std::getenv("TMPDIR");
    if (tmp && *tmp) return tmp;
    return "/tmp";
}

OutputKind OutputChannel::kind() const {
    if (destination_ == kSpreadsheet || destination_ == kProjectTable)
        return OutputKind::TabSeparated;
    if (destination_ == kHtml) return OutputKind::Html;
    return OutputKind::Plain;
}

void OutputChannel::Notice(const std::string& text) {
    notices_.push_back(text);
    if (env_.ui) env_.ui->ShowMessage(text);
}

void OutputChannel::NoticeNotWritten(const std::string& path) {
    if (files().IsReadOnly(path))
        Notice(path + " ist schreibgeschützt und bleibt unverändert."_oem);
    else
        Notice(path + " kann nicht geschrieben werden.");
}

void OutputChannel::Fail() {
    failed_ = true;
    if (env_.abortFlag) *env_.abortFlag = true;
}

bool OutputChannel::Ask(const std::string& question) {
    if (!env_.ui) return false;
    env_.ui->SetHelpTopic(kOutputHelp);
    auto answer = env_.ui->AskYesNo(question);
    return answer && *answer;
}

bool OutputChannel::Open(int destination, const std::string& defaultName) {
    if (file_) Close();
    failed_ = false;
    htmlTableOpen_ = headWritten_ = inHeader_ = pauseEachPage_ = pageHasLines_ = false;
    linesOnPage_ = 0;
    pageNumber_ = 0;
    pending_.clear();
    resultPath_.clear();

    if (destination == kAskOrDefault) {
        destination = env_.settings.defaultDestination;
        if (env_.settings.askDestination) {
            if (!env_.ui) {
                Fail();
                return false;
            }
            std::vector<std::string> items = {"Bildschirm",
                                              "Textdrucker",
                                              "Datei",
                                              "Windows-Drucker",
                                              "externes Textprogramm",
                                              "TXT File (Excel, QPRO ...)",
                                              "HTML File (Netscape, Internet Explorer ...)"};
            env_.ui->SetHelpTopic(kOutputHelp);
            auto chosen = env_.ui->Choose("Ausgabe auf ..", items, destination);
            if (!chosen) {
                Fail();
                return false;
            }
            destination = *chosen;
        }
    }
    if (destination < kScreen || destination > kProjectTable) destination = kScreen;
    destination_ = destination;
    defaultName_ = WithTxt(defaultName.empty() ? std::string("bxr") : defaultName);

    // Files in the temporary folder are made new under a name no one else holds: a name
    // planted there (a link to another file) is never opened, let alone emptied.
    const std::string temp = TempFolder();
    switch (destination_) {
        case kScreen:
            file_ = CreateTempFile(files(), temp, "$SCR", ".TMP", path_);
            break;
        case kTextPrinter:
            if (Ask("Pause nach jeder Seite ?")) pauseEachPage_ = true;
            if (env_.ui) env_.ui->ShowMessage("Ausdruck erfolgt  -   bitte warten ...");
            file_ = CreateTempFile(files(), temp, "$LPT", ".TMP", path_);
            break;
        case kNamedFile: {
            std::string proposed = JoinPath(env_.outputFolder, defaultName_);
            if (env_.ui) {
                auto chosen =
                    env_.ui->ChooseFileToSave("*.txt|*.txt", env_.outputFolder, defaultName_);
                if (!chosen) {
                    Fail();
                    return false;
                }
                proposed = *chosen;
            }
            path_ = proposed;
            file_ = OpenNamed(path_);
            break;
        }
        case kPrinter: {
            // The first "$OUTn.TMP" that is free.
            for (int n = 1; n <= 10 && !file_; ++n) {
                path_ = JoinPath(temp, "$OUT" + std::to_string(n) + ".TMP");
                file_ = files().CreateNew(path_);
            }
            if (!file_) file_ = CreateTempFile(files(), temp, "$OUT", ".TMP", path_);
            break;
        }
        case kTextProgram:
            file_ = CreateTempFile(files(), temp, "$EDT", ".TMP", path_);
            break;
        case kSpreadsheet:
            file_ = CreateTempFile(files(), temp, "$TAB", ".TMP", path_);
            break;
        case kProjectTable:
            held_.clear();
            path_.clear();
            file_ = std::make_unique<HeldText>(held_);
            break;
        case kHtml:
            path_ = JoinPath(env_.outputFolder, StripExtension(defaultName_) + ".htm");
            file_ = OpenNamed(path_);
            break;
        case kDosFile:
            // Written beside its place and put there at the end.
            file_ = CreateTempFile(files(), temp, "$DOS", ".TMP", path_);
            break;
    }
    if (!file_) {
        if (path_.empty()) path_ = JoinPath(temp, "$TMP.TMP");
        if (files().IsReadOnly(path_))
            Notice("Datei " + path_ + " ist schreibgeschützt und bleibt unverändert."_oem);
        else
            Notice("Datei " + path_ + " kann nicht angelegt werden.");
        Fail();
        return false;
    }
    if (destination_ == kTextPrinter && !env_.settings.printerSetupFile.empty()) {
        if (auto setup = files().Read(env_.settings.printerSetupFile, 1u << 20))
            if (!file_->Write(*setup)) Fail();
    }
    return !failed_;
}

void OutputChannel::SetDocumentHead(const std::string& heading, const std::string& title,
                                    const std::string& number,
                                    const std::array<std::string, 3>& lines) {
    head_[1] = TextHead(heading.empty() ? ProgramHeading() : heading, kHeadLineLength);
    std::string titleLine = TextLeftInField(title, 72);
    if (!number.empty()) titleLine = InsertAt(titleLine, "Nr.: " + number, 40);
    title_ = TrimBlanks(title);
    number_ = number;
    head_[2] = TextHead(titleLine, kHeadLineLength);
    head_[3] = TextHead(lines[1], kHeadLineLength);
    head_[4] = TextHead(lines[2], kHeadLineLength);
    head_[5] = TextHead(lines[0] == title ? std::string() : lines[0], kHeadLineLength);
}

void OutputChannel::Emit(const std::string& bytes) {
    if (!file_ || failed_) return;
    if (!file_->Write(bytes)) Fail();
}

void OutputChannel::EmitFormFeed() {
    Emit("\f");
}

std::string OutputChannel::SingleRule() const {
    switch (env_.settings.lineStyle) {
        case 1:
            return std::string(kRuleWidth, '-');
        case 2:
            return std::string(kRuleWidth, kBoxSingle);
        case 3:
            return std::string(kRuleWidth, ' ');
        default:
            return kCompressedMarker;
    }
}

std::string OutputChannel::DoubleRule() const {
    switch (env_.settings.lineStyle) {
        case 1:
            return std::string(kRuleWidth, '=');
        case 2:
            return std::string(kRuleWidth, kBoxDouble);
        case 3:
            return std::string(kRuleWidth, ' ');
        default:
            return kCompressedMarker;
    }
}

std::string OutputChannel::BoxLine(int which) const {
    const int style = env_.settings.lineStyle;
    if (style == 1) return std::string(kPageLineWidth, '*');
    if (style != 2) return std::string(kPageLineWidth, ' ');
    const char left[] = {kBoxTopLeft, kBoxMiddleLeft, kBoxBottomLeft};
    const char right[] = {kBoxTopRight, kBoxMiddleRight, kBoxBottomRight};
    return std::string(1, left[which]) + std::string(kPageLineWidth - 2, kBoxDouble) +
           std::string(1, right[which]);
}

std::string OutputChannel::SideLine(std::vector<std::pair<int, std::string>> texts) const {
    const int style = env_.settings.lineStyle;
    const char side = style == 1 ? '*' : style == 2 ? kBoxSide : ' ';
    std::string line(kPageLineWidth, ' ');
    for (const auto& [column, text] : texts) {
        for (std::size_t i = 0; i < text.size(); ++i) {
            std::size_t at = static_cast<std::size_t>(column - 1) + i;
            if (at >= kPageLineWidth - 1) break;  // the right side stays in its column
            line[at] = text[i];
        }
    }
    line[0] = side;
    line[kPageLineWidth - 1] = side;
    return line;
}

void OutputChannel::PlainLine(const std::string& text, bool counted) {
    if (!file_ || failed_) return;
    if (counted && !inHeader_ && linesOnPage_ >= env_.settings.linesPerPage) NewPage();
    if (text == kCompressedMarker) return;
    std::string body = text;
    // A form feed at the start of a text starts a new printer page ahead of the margin.
    if (!body.empty() && body[0] == '\f') {
        Emit("\f");
        body.erase(0, 1);
    }
    Emit(body.empty() ? std::string(kEol) : kMargin + body + kEol);
    ++linesOnPage_;
    pageHasLines_ = true;
}

void OutputChannel::WriteLine(const std::string& text) {
    if (!file_ || failed_) return;
    switch (kind()) {
        case OutputKind::Plain:
            PlainLine(text, true);
            break;
        case OutputKind::TabSeparated:
            if (text == kCompressedMarker) return;
            Emit(TabField(!text.empty() && text[0] == '\f' ? text.substr(1) : text) + kEol);
            break;
        case OutputKind::Html: {
            CloseHtmlTable();
            if (text == kCompressedMarker) return;
            std::string body = !text.empty() && text[0] == '\f' ? text.substr(1) : text;
            Emit("<br>" + HtmlEscape(OemToDisplayLong(env_.format, body)) + kEol);
            break;
        }
    }
}

void OutputChannel::EndLine(const std::string& text) {
    std::string line = pending_ + text;
    pending_.clear();
    WriteLine(line);
}

void OutputChannel::WriteRaw(const std::string& line) {
    if (kind() == OutputKind::Plain) {
        PlainLine(line, true);
        return;
    }
    Emit(line + kEol);
}

void OutputChannel::WriteRule() {
    if (kind() != OutputKind::Plain) return;
    PlainLine(SingleRule(), true);
}

void OutputChannel::WriteDoubleRule() {
    if (kind() != OutputKind::Plain) return;
    PlainLine(DoubleRule(), true);
}

void OutputChannel::OpenHtmlTable(const std::string& openTag) {
    if (kind() != OutputKind::Html) return;
    CloseHtmlTable();
    Emit(openTag + kEol);
    htmlTableOpen_ = true;
}

void OutputChannel::CloseHtmlTable() {
    if (!htmlTableOpen_) return;
    htmlTableOpen_ = false;
    Emit(std::string("</TABLE>") + kEol);
}

void OutputChannel::WriteParameterLine(const std::string& description, const std::string& symbol,
                                       const std::string& unit, const std::string& value) {
    switch (kind()) {
        case OutputKind::Plain: {
            // Each text goes in at its column; a text that reaches that column already
            // pushes the next one a blank further instead of being split by it.
            std::string line(68, ' ');
            int end = 0;
            const std::pair<const std::string*, int> parts[] = {
                {&description, 1}, {&symbol, 35}, {&unit, 44}, {&value, 56}};
            for (const auto& [text, column] : parts) {
                int at = std::max(column, end == 0 ? column : end + 2);
                line = InsertAt(line, *text, at);
                if (!text->empty()) end = at + static_cast<int>(text->size()) - 1;
            }
            PlainLine(TextHead(line, 72), true);
            if (env_.settings.lineStyle != 4) WriteRule();
            break;
        }
        case OutputKind::TabSeparated:
            Emit(TabField(description) + "\t" + TabField(symbol) + "\t" + TabField(unit) + "\t" +
                 TabField(SpreadsheetNumber(env_.format, TrimBlanks(value))) + kEol);
            break;
        case OutputKind::Html: {
            if (!htmlTableOpen_) {
                Emit(std::string("<TABLE BORDER = \"2\" WIDTH= \"100%\">") + kEol);
                htmlTableOpen_ = true;
            }
            auto cell = [&](const std::string& t) {
                return HtmlEscape(OemToDisplayLong(env_.format, t));
            };
            Emit("<TR><TD>" + cell(description) + "</TD><TD>" + cell(symbol) + "</TD><TD>" +
                 cell(unit) + "</TD><TD><DIV ALIGN=RIGHT>" + cell(value) + "</DIV></TD></TR>" +
                 kEol);
            break;
        }
    }
}

void OutputChannel::WriteTableRow(const std::string& text) {
    if (kind() == OutputKind::Html) {
        Emit("<TR><TD>" + HtmlEscape(OemToDisplayLong(env_.format, text)) + "</TD></TR>" + kEol);
        return;
    }
    WriteLine(text);
}

void OutputChannel::WriteWrapped(const std::string& text) {
    if (text.size() <= 72) {
        WriteLine(text);
        return;
    }
    WrappedText wrapped = WrapText(text, ' ', kWrapLineCapacity);
    for (const auto& line : wrapped.lines) WriteLine(line);
}

void OutputChannel::CheckPageSpace() {
    if (kind() != OutputKind::Plain) return;
    const int limit = std::max(env_.settings.linesPerPage - 10, 10);
    if (linesOnPage_ > limit) NewPage();
}

void OutputChannel::EndPageBody(bool atClose) {
    if (kind() == OutputKind::Html) {
        CloseHtmlTable();
        return;
    }
    if (kind() != OutputKind::Plain) return;
    const bool printerPage =
        destination_ == kScreen || destination_ == kTextPrinter || destination_ == kPrinter;
    bool feed = printerPage && pageHasLines_;
    if (env_.settings.lineStyle == 4) feed = feed && linesOnPage_ > env_.settings.linesPerPage / 2;
    if (atClose)
        feed = pageHasLines_ && (env_.settings.headerMode == 2 || env_.settings.lineStyle == 4) &&
               destination_ != kScreen;
    if (feed) EmitFormFeed();
    if (!atClose && pauseEachPage_ && !failed_ && !Ask("Blatt in Drucker einlegen.  Fortfahren ?"))
        Fail();
}

void OutputChannel::NewPage() {
    if (env_.settings.headerMode == 2) {
        if (pageHasLines_) EmitFormFeed();
        ++pageNumber_;
        linesOnPage_ = 0;
        pageHasLines_ = false;
        return;
    }
    EndPageBody(false);
    linesOnPage_ = 0;
    pageHasLines_ = false;
    if (pageHeaders_) {
        WritePageHeader(false, totalPages_);
        // No page check here: a page shorter than its header must not turn over forever.
        PlainLine("", false);
    } else {
        ++pageNumber_;
    }
}

void OutputChannel::EndPage() {
    EndPageBody(false);
    linesOnPage_ = 0;
    pageHasLines_ = false;
}

void OutputChannel::WriteHtmlHead() {
    auto text = [&](const std::string& oem) {
        return HtmlEscape(OemToDisplayLong(env_.format, oem));
    };
    Emit("<!-- " + WithoutBlanks(FileNameOf(path_)) + " -->" + kEol);
    Emit(std::string("<HTML>") + kEol);
    Emit("<head><meta charset=\"utf-8\"><title>" + text(ProgramHeading()) + "</title></head>" +
         kEol);
    Emit(std::string("<BODY BGCOLOR=\"C0C0C0\">") + kEol);
    Emit(std::string("<hr>") + kEol);
    Emit("<br>" + text(title_) + (number_.empty() ? "" : "  Nr.: " + text(number_)) + kEol);
    Emit("<br>" + text(head_[1]) + kEol);
    Emit(std::string("<hr>") + kEol);
    for (int i = 2; i <= 5; ++i) Emit("<br>" + text(head_[i]) + kEol);
    Emit(std::string("<hr>") + kEol);
}

void OutputChannel::WriteTabHead() {
    Emit(ProgramHeading() + kEol);
    Emit(Today() + "\t" + Now() + kEol);
    Emit((destination_ == kProjectTable ? ProjectTableName() : FileNameOf(path_)) + kEol);
    for (int i = 2; i <= 4; ++i) Emit(TabField(head_[i]) + kEol);
    Emit(std::string(" ") + kEol);
}

std::string OutputChannel::Today() const {
    return env_.today ? env_.today() : TodayText(env_.format);
}

std::string OutputChannel::ProjectTableName() const {
    return (env_.projectName.empty() ? StripExtension(defaultName_) : env_.projectName) + ".txt";
}

std::string OutputChannel::Now() const {
    return env_.now ? env_.now() : TimeText();
}

void OutputChannel::WritePageHeader(bool firstPage, int totalPages) {
    if (!file_ || failed_) return;
    totalPages_ = totalPages;
    if (firstPage) pageNumber_ = 0;
    ++pageNumber_;
    if (kind() == OutputKind::Html) {
        if (!headWritten_) WriteHtmlHead();
        headWritten_ = true;
        return;
    }
    if (kind() == OutputKind::TabSeparated) {
        if (!headWritten_) WriteTabHead();
        headWritten_ = true;
        return;
    }
    if (!pageHeaders_) return;
    if (env_.settings.headerMode == 2 && pageNumber_ > 1) return;
    headWritten_ = true;
    inHeader_ = true;
    if (env_.settings.lineStyle == 4) PlainLine("", true);
    for (int i = 0; i < env_.settings.spaceLines; ++i) PlainLine("", true);
    PlainLine(BoxLine(0), true);
    std::string page = "Bl." + IntRightAligned(pageNumber_, 2);
    if (totalPages_ > 0) page += "/" + IntRightAligned(totalPages_, 2);
    PlainLine(SideLine({{6, head_[1]}, {totalPages_ > 0 ? 60 : 64, page}}), true);
    PlainLine(SideLine({{53, Today()}, {64, Now()}}), true);
    std::string project = env_.projectFile;
    if (project.size() + 6 >= kPageLineWidth) project = FileNameOf(project);
    PlainLine(SideLine({{6, project}}), true);
    PlainLine(BoxLine(1), true);
    for (int i = 2; i <= 5; ++i)
        if (i < 5 || !TrimBlanks(head_[5]).empty()) PlainLine(SideLine({{6, head_[i]}}), true);
    if (firstPage && !documentData_.empty()) {
        PlainLine(BoxLine(1), true);
        for (const auto& d : documentData_) PlainLine(SideLine({{6, d}}), true);
    }
    PlainLine(BoxLine(2), true);
    inHeader_ = false;
}

void OutputChannel::WriteMessages(const CalcMessages& messages,
                                  const ErrorDescriptions& descriptions) {
    if (messages.empty()) return;
    WriteLine("");
    WriteLine("BEMERKUNGEN, WARNUNGEN, FEHLERMELDUNGEN");
    WriteDoubleRule();
    WriteLine("");
    WriteRule();
    for (const auto& message : messages.entries) {
        MessageDescription d = descriptions.ForReport(message);
        if (kind() == OutputKind::TabSeparated) {
            Emit(TabField(message) + "\t" + TabField(d.cause) + "\t" + TabField(d.remedy) + kEol);
            continue;
        }
        WriteWrapped(message);
        WriteWrapped(d.cause);
        WriteWrapped(d.remedy);
        if (env_.settings.lineStyle != 4) WriteRule();
    }
}

bool OutputChannel::CopyConverted(const std::string& from, const std::string& to) {
    auto bytes = files().Read(from, 64u << 20);
    return bytes && WriteConverted(*bytes, to);
}

bool OutputChannel::WriteConverted(const std::string& bytes, const std::string& to) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    for (const auto& line : SplitLines(bytes)) out += OemToDisplayLong(env_.format, line) + kEol;
    return ReplaceFileContent(files(), to, out);
}

bool OutputChannel::StartViewer(const std::string& configured, const std::string& file) {
    // A configured program from a Windows installation means nothing here: the desktop's
    // default viewer takes its place.
    std::string program = configured.empty() || IsWindowsPath(configured) ? "xdg-open" : configured;
    if (!launcher().ProgramExists(program)) {
        Notice(program + " not found");
        return false;
    }
    if (!launcher().StartDetached({program, file})) {
        Notice(program + " not found");
        return false;
    }
    return true;
}

bool OutputChannel::Print(const std::string& file, bool removeAfter, const std::string& options) {
    const std::string& command = env_.settings.printCommand;
    if (!launcher().ProgramExists(command)) {
        Notice("Kein Drucker verfügbar: der Druckbefehl \""_oem + command +
               "\" ist nicht vorhanden. Der Text steht in " + file + ".");
        return false;
    }
    // The file goes only after the print command has taken it into its queue; the shell
    // runs detached, so the report never waits for the printer. The options are made of
    // digits and fixed words only.
    const std::string run = "\"$0\" " + (options.empty() ? "" : options + " ") + "-- \"$1\"";
    std::vector<std::string> argv = {
        "/bin/sh", "-c", removeAfter ? run + " && rm -f -- \"$1\"" : run, command, file};
    if (!launcher().StartDetached(argv)) {
        Notice("Der Druckbefehl \""_oem + command + "\" konnte nicht gestartet werden.");
        return false;
    }
    return true;
}

// The window prints in the configured font itself; without it the print command gets the
// font size as characters and lines per inch.
bool OutputChannel::PrintInFont(const std::string& file) {
    const PrintFont& font = env_.settings.printFont;
    if (env_.textPrinter == nullptr) return Print(file, true, PrintSizeOptions(font.pointSize));
    auto bytes = files().Read(file, 64u << 20);
    files().Remove(file);
    if (!bytes) return false;
    std::string text;
    for (const auto& line : SplitLines(*bytes)) text += OemToDisplayLong(env_.format, line) + "\n";
    return env_.textPrinter->PrintText(OemToDisplayLong(env_.format, defaultName_), text, font);
}

bool OutputChannel::RunClosingAction() {
    const std::string outwin = JoinPath(TempFolder(), "outwin.txt");
    switch (destination_) {
        case kScreen: {
            if (!CopyConverted(path_, outwin)) Notice(outwin + " kann nicht geschrieben werden.");
            auto bytes = files().Read(path_, 64u << 20);
            files().Remove(path_);
            if (!bytes) return false;
            std::string text;
            for (const auto& line : SplitLines(*bytes))
                text += OemToDisplayLong(env_.format, line) + "\n";
            TextWindow& window = env_.textWindow ? *env_.textWindow : kept_;
            window.ShowText(OemToDisplayLong(env_.format, defaultName_), text);
            resultPath_.clear();
            return true;
        }
        case kTextPrinter:
            resultPath_ = path_;
            return Print(path_, true);
        case kNamedFile:
        case kDosFile:
            resultPath_ = path_;
            if (!CopyConverted(path_, outwin)) {
                NoticeNotWritten(outwin);
                return false;
            }
            Notice(path_ + " " + "und Windows-Datei" + " outwin.txt " + "wurden angelegt." + ".");
            return true;
        case kPrinter:
            resultPath_ = env_.textPrinter ? std::string() : path_;
            return PrintInFont(path_);
        case kTextProgram:
            resultPath_ = outwin;
            if (!CopyConverted(path_, outwin)) {
                NoticeNotWritten(outwin);
                return false;
            }
            files().Remove(path_);
            StartViewer(env_.settings.textProgram, outwin);
            return true;
        case kSpreadsheet: {
            std::string target;
            for (int n = 1; n <= 999; ++n) {
                target = JoinPath(TempFolder(), "$$" + std::to_string(n) + ".txt");
                if (!files().IsFile(target)) break;
            }
            resultPath_ = target;
            bool ok = CopyConverted(path_, target);
            files().Remove(path_);
            if (!ok) NoticeNotWritten(target);
            return ok;
        }
        case kProjectTable: {
            resultPath_ = JoinPath(env_.outputFolder, ProjectTableName());
            const bool ok = WriteConverted(held_, resultPath_);
            std::string().swap(held_);
            if (!ok) NoticeNotWritten(resultPath_);
            return ok;
        }
        case kHtml:
            resultPath_ = path_;
            StartViewer(env_.settings.htmlBrowser, path_);
            return true;
    }
    return true;
}

bool OutputChannel::Close() {
    if (!file_) return false;
    if (!pending_.empty()) EndLine("");
    if (kind() == OutputKind::Html) {
        CloseHtmlTable();
        if (!headWritten_) WriteHtmlHead();
        Emit(std::string("</BODY>") + kEol);
        Emit(std::string("</HTML>") + kEol);
    } else if (kind() == OutputKind::Plain) {
        EndPageBody(true);
    }
    bool closed = file_->Close();
    file_.reset();
    if (!closed) Fail();
    if (failed_) {
        // What was written stays where it is, but it is not passed on as a finished output.
        Notice("Fehler beim Schreiben von " + path_ + ".");
        if (!path_.empty() && path_.rfind(TempFolder(), 0) == 0) files().Remove(path_);
        return false;
    }
    if (destination_ == kDosFile) {
        const std::string target = JoinPath(TempFolder(), "OUTDOS.TXT");
        if (files().IsReadOnly(target) || !files().Rename(path_, target)) {
            Notice(target + (files().IsReadOnly(target)
                                 ? " ist schreibgeschützt und bleibt unverändert."_oem
                                 : " kann nicht geschrieben werden."));
            files().Remove(path_);
            Fail();
            return false;
        }
        path_ = target;
    }
    if (!RunClosingAction()) {
        if (destination_ == kProjectTable || destination_ == kSpreadsheet ||
            destination_ == kNamedFile || destination_ == kDosFile || destination_ == kScreen)
            Fail();
        return false;
    }
    return true;
}

}  // namespace bxr
