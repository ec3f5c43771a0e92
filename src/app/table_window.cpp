#include "app/table_window.h"

#include <algorithm>
#include <cstdlib>

#include "app/table_access.h"
#include "format/code_page.h"
#include "format/date_text.h"
#include "format/text_helpers.h"
#include "platform/ui.h"
#include "report/output_channel.h"
#include "tables/csv_table_source.h"

namespace bxr {
namespace {

// The help of the table window: F1, the help menu's table item and the search prompt.
constexpr int kTableHelp = 4200;

FormButton TableHelpItem(const std::string& menu, const std::string& caption) {
    FormButton b = MenuButton("mi_helpTable", menu, caption);
    b.role = ButtonRole::kHelp;
    b.help = kTableHelp;
    return b;
}

constexpr int kPrintFields = 7;
constexpr std::size_t kMaxDelimitedFile = 64u << 20;
const char* const kCrLf = "\r\n";

// Upper case for the search: ASCII and the umlauts of code page 850.
std::string SearchFold(std::string s) {
    for (auto& c : s) {
        switch (static_cast<unsigned char>(c)) {
            case 0x84:
                c = '\x8E';
                break;  // a umlaut
            case 0x94:
                c = '\x99';
                break;  // o umlaut
            case 0x81:
                c = '\x9A';
                break;  // u umlaut
            case 0x82:
                c = '\x90';
                break;  // e acute
            case 0x86:
                c = '\x8F';
                break;  // a ring
            default:
                if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return s;
}

std::string TrimRight(std::string s) {
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s;
}

bool IsWindowsPath(const std::string& p) {
    return p.find('\\') != std::string::npos || (p.size() > 1 && p[1] == ':');
}

// Writes lines to a temporary file beside path and renames it over path when all went well;
// one line at a time, so that a long table never sits in memory.
class LineFile {
  public:
    LineFile(FileSystem& fs, std::string path) : fs_(fs), path_(std::move(path)) {
        if (!fs_.IsReadOnly(path_))
            handle_ = CreateTempFile(fs_, FolderOf(path_), ".bxr", ".tmp", temp_);
    }
    bool Write(const std::string& line) {
        return handle_ && handle_->Write(line) && handle_->Write(kCrLf);
    }
    bool Finish(bool ok) {
        ok = handle_ && handle_->Close() && ok;
        handle_.reset();
        if (ok) ok = fs_.Rename(temp_, path_);
        if (!ok && !temp_.empty()) fs_.Remove(temp_);
        return ok;
    }

  private:
    FileSystem& fs_;
    std::string path_, temp_;
    std::unique_ptr<WriteHandle> handle_;
};

ChannelEnvironment ChannelFor(Workspace& ws, FileSystem& fs, ProcessLauncher* launcher) {
    ChannelEnvironment env;
    env.ui = ws.ui;
    env.abortFlag = &ws.abortFlag;
    env.format = ws.output();
    env.settings = ChannelSettingsFrom(ws.config);
    env.outputFolder = FolderOf(ws.table.fileName);
    env.projectFile = ws.table.fileName;
    env.projectName = ws.currentName;
    env.files = &fs;
    env.launcher = launcher;
    return env;
}

// A number as typed: digits with a sign, one decimal mark ("." or ",") and an exponent.
bool IsNumberText(const std::string& text) {
    if (text.find_first_of("0123456789") == std::string::npos) return false;
    if (text.find_first_not_of("0123456789+-.,eE") != std::string::npos) return false;
    const std::string point = CommaToPoint(text);
    char* end = nullptr;
    std::strtold(point.c_str(), &end);
    return end == point.c_str() + point.size();
}

}  // namespace

bool PutText(DbfTable& table, int i, const std::string& typed, std::string& error) {
    if (i < 1 || i > table.FieldCount()) return error = "Feld #" + std::to_string(i), false;
    const DbfField& f = table.Field(i);
    const std::string text = f.type == 'C' ? typed : TrimBlanks(typed);
    bool ok = true;
    if (text.empty()) {
        ok = table.SetFieldText(i, "");
    } else if (f.type == 'N' || f.type == 'F') {
        ok = IsNumberText(text) && table.SetFieldNumber(i, ParseDbfNumber(text));
    } else if (f.type == 'L') {
        const char c = UpperText(text)[0];
        ok = text.size() == 1 && std::string("TFYN?").find(c) != std::string::npos &&
             table.SetFieldText(i, std::string(1, c));
    } else if (f.type == 'D') {
        ok = text.size() == 8 && text.find_first_not_of("0123456789") == std::string::npos &&
             table.SetFieldText(i, text);
    } else {
        ok = text.size() <= std::size_t(f.length) && table.SetFieldText(i, text);
    }
    if (!ok) error = "Feld " + f.name + ": " + text + " passt nicht";
    return ok;
}

std::vector<std::string> TableHtmlLines(DbfTable& table, const OutputSettings& format,
                                        const std::string& chosenFile, const std::string& heading,
                                        const std::string& stamp) {
    auto text = [&](const std::string& oem) { return HtmlEscape(OemToDisplayLong(format, oem)); };
    std::vector<std::string> lines{
        "<HTML>",
        "<head><title>" + text(StripExtension(FileNameOf(chosenFile))) + "</title></head>",
        "<BODY BGCOLOR=\"C0C0C0\">",
        "<P>" + text(heading) + "</P>",
        "<P>" + text(UpperText(chosenFile)) + "</P>",
        "<P>" + text(stamp) + "</P>",
        "<HR>",
        "<TABLE BORDER = \"1\" WIDTH= \"100%\">"};
    std::string row = "<TR>";
    for (int i = 1; i <= table.FieldCount(); ++i)
        row += "<TD><CENTER>" + text(table.Field(i).name) + "</CENTER></TD>";
    lines.push_back(row + "</TR>");
    for (std::uint32_t n = 1; n <= table.RecordCount(); ++n) {
        if (!table.Read(n)) break;
        row = "<TR>";
        for (int i = 1; i <= table.FieldCount(); ++i)
            row += "<TD>" + text(table.FieldText(i)) + "</TD>";
        lines.push_back(row + "</TR>");
    }
    lines.insert(lines.end(), {"</TABLE>", "</BODY>", "</HTML>"});
    return lines;
}

std::string DelimitedLine(const DbfTable& table) {
    std::string line;
    for (int i = 1; i <= table.FieldCount(); ++i) {
        if (i > 1) line += ',';
        if (table.Field(i).type == 'C') {
            // A quote inside a text is doubled so that the line reads back unchanged.
            line += '"';
            for (char c : TrimRight(table.FieldText(i)))
                line += c == '"' ? std::string("\"\"") : std::string(1, c);
            line += '"';
        } else {
            line += table.FieldValue(i);
        }
    }
    return line;
}

bool ReadDelimitedLine(DbfTable& table, const std::string& line, std::string& error) {
    std::vector<std::string> cells;
    if (!SplitCsvLine(line, cells)) return error = "Anf\x81hrungszeichen nicht geschlossen", false;
    table.BlankRecord();
    const int n = std::min<int>(table.FieldCount(), static_cast<int>(cells.size()));
    for (int i = 1; i <= n; ++i) {
        const DbfField& f = table.Field(i);
        const std::string cell =
            f.type == 'C' ? cells[std::size_t(i - 1)] : TrimBlanks(cells[std::size_t(i - 1)]);
        if (!PutText(table, i, cell, error)) return false;
    }
    return true;
}

TableWindow::TableWindow(Workspace& ws, int mode, FileSystem& fs, ProcessLauncher* launcher)
    : ws_(ws), mode_(mode), fs_(fs), launcher_(launcher) {
    // The window opens on the current record; building the rows reads every record, so it
    // is taken before.
    const std::uint32_t current = ws_.table.table.RecordNumber();
    BuildForm();
    Rebuild();
    const int r = RowOf(current);
    GoToRow(r ? r : (rows_.empty() ? 0 : 1));
}

void TableWindow::BuildForm() {
    const TableState& s = ws_.table;
    caption = PickMode() ? s.title2 + "   " + s.title1
                         : s.title2 + "  " + s.title1 + "  (" + s.fileName + ")";
    fields = {LabelField("Label_counter", "")};
    help = kTableHelp;
    const bool edit = !PickMode();
    auto editOnly = [edit](FormButton b) {
        b.enabled = b.visible = edit;
        return b;
    };
    const std::string file = "&Datei", editMenu = "&Bearbeiten", view = "&Ansicht",
                      helpMenu = "&Hilfe";
    buttons = {OkButton(),
               CancelButton(),
               PushButton("Button_search", "&Suchen"),
               PushButton("Button_searchNext", "&Weitersuchen"),
               MenuButton("mi_fileExportHtml", file, "Export HTML"),
               MenuButton("mi_fileSaveDelimited", file, "Save As Delimited"),
               editOnly(MenuButton("mi_fileAppendDbf", file, "Append dbf")),
               editOnly(MenuButton("mi_fileAppendDelimited", file, "Append Delimited")),
               MenuButton("mi_filePrint", file, "Print"),
               MenuButton("mi_fileExit", file, "Exit"),
               editOnly(MenuButton("mi_editAppend", editMenu, "Append")),
               editOnly(MenuButton("mi_editPack", editMenu, "Pack")),
               MenuButton("mi_viewSearch", view, "Search"),
               MenuButton("mi_viewSearchNext", view, "Search Next"),
               TableHelpItem(helpMenu, s.title2),
               MenuButton("mi_helpFileName", helpMenu, "File name")};
    const std::pair<const char*, const char*> moves[] = {
        {"nav_first", "|<"}, {"nav_prior", "<"}, {"nav_next", ">"}, {"nav_last", ">|"}};
    for (const auto& [name, caption] : moves) buttons.push_back(NavigatorButton(name, caption));
    const std::pair<const char*, const char*> edits[] = {{"nav_insert", "+"}, {"nav_delete", "-"},
                                                         {"nav_edit", "^"},   {"nav_post", "ok"},
                                                         {"nav_cancel", "x"}, {"nav_refresh", "@"}};
    for (const auto& [name, caption] : edits)
        buttons.push_back(editOnly(NavigatorButton(name, caption)));
}

void TableWindow::Rebuild() {
    TableState& s = ws_.table;
    DbfTable& t = s.table;
    rows_.clear();
    const std::uint32_t count = s.index.IsOpen() ? s.index.Count() : t.RecordCount();
    rows_.reserve(count);
    for (std::uint32_t p = 1; p <= count; ++p) {
        const std::uint32_t n = s.index.IsOpen() ? s.index.RecordAt(p) : p;
        if (n == 0) continue;
        if (PickMode() && (!t.Read(n) || t.Deleted())) continue;
        rows_.push_back(n);
    }
    row_ = std::min<int>(row_, RowCount());
}

int TableWindow::RowOf(std::uint32_t record) const {
    auto it = std::find(rows_.begin(), rows_.end(), record);
    return it == rows_.end() ? 0 : static_cast<int>(it - rows_.begin()) + 1;
}

std::uint32_t TableWindow::RowRecord(int row) const {
    return row >= 1 && row <= RowCount() ? rows_[std::size_t(row - 1)] : 0;
}

int TableWindow::ColumnCount() const {
    return ws_.table.table.FieldCount();
}

std::string TableWindow::ColumnTitle(int column) const {
    return column >= 1 && column <= ColumnCount() ? ws_.table.table.Field(column).name : "";
}

int TableWindow::ColumnWidth(int column) const {
    return column >= 1 && column <= ColumnCount() ? ws_.table.table.Field(column).length : 0;
}

std::string TableWindow::Cell(int row, int column) {
    DbfTable& t = ws_.table.table;
    if (row == row_ && t.RecordNumber() == RowRecord(row)) return t.FieldText(column);
    // Another row: read it without losing the current record's pending edits.
    DbfTable::Snapshot keep = t.Keep();
    std::string text = t.Read(RowRecord(row)) ? t.FieldText(column) : std::string();
    t.Restore(std::move(keep));
    return text;
}

bool TableWindow::RowDeleted(int row) {
    DbfTable& t = ws_.table.table;
    if (row == row_ && t.RecordNumber() == RowRecord(row)) return t.Deleted();
    DbfTable::Snapshot keep = t.Keep();
    const bool deleted = t.Read(RowRecord(row)) && t.Deleted();
    t.Restore(std::move(keep));
    return deleted;
}

std::string TableWindow::Counter() const {
    if (!counterShown_) return "";
    return std::to_string(ws_.table.table.RecordNumber()) + "/" +
           std::to_string(ws_.table.table.RecordCount());
}

bool TableWindow::GoToRow(int row) {
    if (row < 1 || row > RowCount()) return false;
    DbfTable& t = ws_.table.table;
    // Staying on the row keeps its pending edits.
    if (row == row_ && t.RecordNumber() == RowRecord(row)) return true;
    if (!Post()) return false;
    row_ = row;
    return t.Read(RowRecord(row));
}

void TableWindow::ClickCell(int row, int column) {
    if (!GoToRow(row)) return;
    column_ = std::clamp(column, 1, std::max(1, ColumnCount()));
    counterShown_ = true;
    Field("Label_counter")->text = Counter();
}

bool TableWindow::EditCell(int row, int column, const std::string& text) {
    if (PickMode() || !GoToRow(row)) return false;
    column_ = column;
    std::string error;
    if (!PutText(ws_.table.table, column, text, error)) return Fail(error);
    dirty_ = true;
    return true;
}

bool TableWindow::Post() {
    if (!dirty_) return true;
    dirty_ = false;
    DbfTable& t = ws_.table.table;
    if (!t.Write()) return Fail(t.Error());
    // A changed key moves the record in the active order.
    if (ws_.table.index.IsOpen()) {
        const std::uint32_t n = t.RecordNumber();
        if (!RebuildIndex()) return false;
        row_ = RowOf(n);
        t.Read(n);
    }
    return true;
}

void TableWindow::Message(const std::string& text) {
    ws_.ui->ShowMessage(text);
}

bool TableWindow::Fail(const std::string& text) {
    Message(text);
    message = text;
    return false;
}

std::string TableWindow::TempFolder() const {
    return TableAccess(ws_, fs_).TempFolder();
}

bool TableWindow::RebuildIndex() {
    TableState& s = ws_.table;
    if (s.index.IsOpen()) {
        const std::string path = s.index.Path();
        const int field = s.index.FieldPosition();
        std::string error;
        s.index.Close();
        if (!DbfIndex::Build(s.table, field, path, fs_, error) ||
            !s.index.Open(path, s.table, fs_, error)) {
            Rebuild();
            return Fail(error);
        }
    }
    Rebuild();
    return true;
}

bool TableWindow::ClickColumnTitle(int column) {
    if (column < 1 || column > ColumnCount() || !Post()) return false;
    DbfTable& t = ws_.table.table;
    const std::uint32_t current = t.RecordNumber();
    TableAccess access(ws_, fs_);
    const std::string index = TempFolder() + "$zqvtemp";
    if (!access.IndexOn(t.Field(column).name, index) || !access.SetIndex(index + ".ndx")) {
        ws_.abortFlag = false;  // the window stays open in its old order
        Rebuild();
        return false;
    }
    Rebuild();
    row_ = 0;
    GoToRow(std::max(1, RowOf(current)));
    column_ = column;
    return true;
}

bool TableWindow::Search(int fromRow) {
    const std::string wanted = SearchFold(TrimRight(ws_.table.searchText));
    DbfTable& t = ws_.table.table;
    if (!wanted.empty() && Post()) {
        for (int r = std::max(1, fromRow); r <= RowCount(); ++r) {
            if (!t.Read(RowRecord(r))) break;
            if (SearchFold(t.RecordBytes().substr(1)).find(wanted) != std::string::npos) {
                row_ = r;
                return true;
            }
        }
        if (row_ >= 1) t.Read(RowRecord(row_));
    }
    Message(TrimRight(ws_.table.searchText) + " " + "nicht gefunden");
    return false;
}

bool TableWindow::AskSearch() {
    ws_.ui->SetHelpTopic(kTableHelp);
    auto text = ws_.ui->AskText("Suchbegriff eingeben", ws_.table.searchText);
    if (!text) return false;
    ws_.table.searchText = TextHead(*text, TableState::kSearchTextLength);
    return Search(1);
}

bool TableWindow::AppendBlank() {
    DbfTable& t = ws_.table.table;
    if (PickMode() || !Post()) return false;
    t.BlankRecord();
    if (!t.Append()) return Fail(t.Error());
    const std::uint32_t n = t.RecordNumber();
    if (!RebuildIndex()) return false;
    row_ = 0;
    GoToRow(RowOf(n));
    return true;
}

bool TableWindow::Pack() {
    DbfTable& t = ws_.table.table;
    if (PickMode() || !Post()) return false;
    const bool ok = t.Pack();
    if (!ok) Fail(t.Error());
    // Record numbers changed: every row and the active order are rebuilt.
    RebuildIndex();
    row_ = 0;
    GoToRow(1);
    return ok;
}

bool TableWindow::ExportHtml() {
    if (!Post()) return false;
    DbfTable& t = ws_.table.table;
    const std::string proposed = StripExtension(ws_.table.fileName);
    auto chosen = ws_.ui->ChooseFileToSave("HTML files|*.HTM;*.HTML|All files|*.*",
                                           FolderOf(proposed), FileNameOf(proposed));
    if (!chosen || chosen->empty()) return false;
    std::string file = *chosen;
    if (StripExtension(FileNameOf(file)) == FileNameOf(file)) file += ".htm";
    const std::uint32_t current = t.RecordNumber();
    LineFile out(fs_, file);
    bool ok = true;
    for (const auto& line :
         TableHtmlLines(t, ws_.output(), file, ProgramHeading() + "V" + ProgramVersion(),
                        TodayText(ws_.output()) + " - " + TimeText()))
        ok = out.Write(line) && ok;
    if (current >= 1) t.Read(current);
    if (!out.Finish(ok)) return Fail("Fehler beim Schreiben von " + file);
    // The browser: the configured one, or the desktop's default.
    const std::string& browser = ws_.config.htmlBrowser;
    ProcessLauncher& launcher = launcher_ ? *launcher_ : SystemLauncher();
    const std::string program = browser.empty() || IsWindowsPath(browser) ? "xdg-open" : browser;
    if (!launcher.StartDetached({program, file})) Message(program + " kann nicht gestartet werden");
    return true;
}

bool TableWindow::SaveDelimited() {
    if (!Post()) return false;
    DbfTable& t = ws_.table.table;
    const std::string proposed = StripExtension(ws_.table.fileName) + ".txt";
    auto chosen = ws_.ui->ChooseFileToSave("*.txt|*.txt", FolderOf(proposed), FileNameOf(proposed));
    if (!chosen || chosen->empty()) return false;
    if (!t.LockFile()) return Fail(t.Error());
    const std::uint32_t current = t.RecordNumber();
    LineFile out(fs_, *chosen);
    bool ok = true;
    for (std::uint32_t n = 1; ok && n <= t.RecordCount(); ++n)
        ok = t.Read(n) && out.Write(DelimitedLine(t));
    t.UnlockFile();
    if (current >= 1) t.Read(current);
    if (!out.Finish(ok)) return Fail("Fehler beim Schreiben von " + *chosen);
    return true;
}

bool TableWindow::AppendDelimited() {
    if (PickMode() || !Post()) return false;
    DbfTable& t = ws_.table.table;
    auto chosen = ws_.ui->ChooseFileToOpen("*.txt|*.txt", FolderOf(ws_.table.fileName));
    if (!chosen || chosen->empty()) return false;
    auto text = fs_.Read(*chosen, kMaxDelimitedFile);
    if (!text)
        return Fail("Datei " + *chosen + " " + "nicht gefunden oder kein Zugriffsrecht" + " !");
    if (!t.LockFile()) return Fail(t.Error());
    std::string error;
    std::size_t at = 0, lineNumber = 0;
    while (at < text->size() && error.empty()) {
        std::size_t end = text->find('\n', at);
        if (end == std::string::npos) end = text->size();
        std::string line = text->substr(at, end - at);
        at = end + 1;
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line == "\x1A") continue;
        if (!ReadDelimitedLine(t, line, error) || !t.Append()) {
            if (error.empty()) error = t.Error();
            error = *chosen + ", Zeile " + std::to_string(lineNumber) + ": " + error;
        }
    }
    t.UnlockFile();
    RebuildIndex();
    row_ = 0;
    GoToRow(RowCount());
    return error.empty() || Fail(error);
}

bool TableWindow::AppendDbf() {
    if (PickMode() || !Post()) return false;
    DbfTable& t = ws_.table.table;
    auto chosen = ws_.ui->ChooseFileToOpen("*.dbf|*.dbf", FolderOf(ws_.table.fileName));
    if (!chosen || chosen->empty()) return false;
    DbfTable source;
    if (!source.Open(*chosen, false, fs_)) return Fail(source.Error());
    // Fields are matched by name; numbers are laid out again for our field's decimals.
    std::vector<int> from(std::size_t(t.FieldCount()) + 1, 0);
    for (int i = 1; i <= t.FieldCount(); ++i)
        from[std::size_t(i)] = source.FieldPosition(t.Field(i).name);
    if (!t.LockFile()) return Fail(t.Error());
    std::string error;
    const std::uint32_t count = source.RecordCount();  // a table appended to itself stops
    for (std::uint32_t n = 1; n <= count && error.empty(); ++n) {
        if (!source.Read(n)) {
            error = source.Error();
            break;
        }
        if (source.Deleted()) continue;
        t.BlankRecord();
        for (int i = 1; i <= t.FieldCount() && error.empty(); ++i) {
            const int k = from[std::size_t(i)];
            if (k == 0 || source.FieldValue(k).empty()) continue;
            const char type = t.Field(i).type;
            const bool ok =
                (type == 'N' || type == 'F')
                    ? t.SetFieldNumber(i, source.FieldNumber(k))
                    : t.SetFieldText(i, type == 'C' ? source.FieldText(k) : source.FieldValue(k));
            if (!ok) error = "Satz " + std::to_string(n) + ": " + t.Error();
        }
        if (error.empty() && !t.Append()) error = t.Error();
    }
    t.UnlockFile();
    RebuildIndex();
    row_ = 0;
    GoToRow(RowCount());
    return error.empty() || Fail(*chosen + ": " + error);
}

bool TableWindow::Print() {
    if (!Post()) return false;
    DbfTable& t = ws_.table.table;
    const int columns = std::min(kPrintFields, t.FieldCount());
    OutputChannel channel(ChannelFor(ws_, fs_, launcher_));
    if (!channel.Open(0, StripExtension(FileNameOf(ws_.table.fileName)))) return false;
    channel.SetDocumentHead("", ws_.table.title2, ws_.table.title1,
                            {ws_.table.title2, ws_.table.title1, ws_.table.fileName});
    channel.WritePageHeader(true);
    std::string titles;
    for (int i = 1; i <= columns; ++i)
        titles += TextLeftInField(t.Field(i).name, t.Field(i).length + 1);
    channel.WriteLine(titles);
    channel.WriteRule();
    const std::uint32_t current = t.RecordNumber();
    for (std::uint32_t n = 1; n <= t.RecordCount() && !ws_.abortFlag; ++n) {
        if (!t.Read(n)) break;
        std::string line;
        for (int i = 1; i <= columns; ++i)
            line += TextLeftInField(t.FieldText(i), t.Field(i).length + 1);
        channel.CheckPageSpace();
        channel.WriteLine(line);
    }
    if (current >= 1) t.Read(current);
    return channel.Close();
}

bool TableWindow::Ok() {
    if (!Post()) return false;
    TableState& s = ws_.table;
    s.selectedRecordNumber = s.table.RecordNumber();
    s.gridRow = row_;
    s.gridColumn = column_;
    s.confirmed = true;
    ws_.abortFlag = false;
    return Close(true);
}

bool TableWindow::Cancel() {
    // Edits not yet posted are dropped.
    dirty_ = false;
    ws_.table.confirmed = false;
    ws_.abortFlag = true;
    return Close(false);
}

bool TableWindow::Press(const std::string& name) {
    message.clear();
    const bool edit = !PickMode();
    if (name == "Button_ok" || name == "mi_fileExit") return Ok();
    if (name == "Button_cancel") return Cancel();
    if (name == "Button_search" || name == "mi_viewSearch")
        AskSearch();
    else if (name == "Button_searchNext" || name == "mi_viewSearchNext")
        Search(row_ + 1);
    else if (name == "mi_fileExportHtml")
        ExportHtml();
    else if (name == "mi_fileSaveDelimited")
        SaveDelimited();
    else if (name == "mi_fileAppendDbf" && edit)
        AppendDbf();
    else if (name == "mi_fileAppendDelimited" && edit)
        AppendDelimited();
    else if (name == "mi_filePrint")
        Print();
    else if ((name == "mi_editAppend" || name == "nav_insert") && edit)
        AppendBlank();
    else if (name == "mi_editPack" && edit)
        Pack();
    else if (name == "mi_helpFileName")
        Message(ws_.table.fileName);
    else if (name == "nav_first")
        GoToRow(1);
    else if (name == "nav_prior")
        GoToRow(row_ - 1);
    else if (name == "nav_next")
        GoToRow(row_ + 1);
    else if (name == "nav_last")
        GoToRow(RowCount());
    else if (name == "nav_delete" && edit && row_ >= 1) {
        // Marks or unmarks the record; no question, Pack removes the marked ones.
        DbfTable& t = ws_.table.table;
        if (Post()) {
            t.SetDeleted(!t.Deleted());
            if (!t.Write()) Fail(t.Error());
        }
    } else if (name == "nav_post" && edit)
        Post();
    else if (name == "nav_cancel" && edit) {
        dirty_ = false;
        if (row_ >= 1) ws_.table.table.Read(RowRecord(row_));
    } else if (name == "nav_refresh" && edit) {
        const std::uint32_t n = ws_.table.table.RecordNumber();
        if (Post()) {
            Rebuild();
            row_ = 0;
            GoToRow(std::max(1, RowOf(n)));
        }
    }
    if (counterShown_) Field("Label_counter")->text = Counter();
    return false;
}

bool TableAccess::Browse(int mode) {
    if (!IsOpen()) {
        ws_.abortFlag = true;
        return false;
    }
    if (mode != 1 && FolderOf(ws_.table.fileName) == TempFolder())
        ws_.ui->ShowMessage(
            "Kein Schreibrecht für dbf-Ordner !  Bearbeitung im Temporär-Ordner."_oem);
    TableWindow window(ws_, mode, fs_);
    ws_.ui->RunForm(window);
    const bool ok = window.Accepted();
    if (!ok && !window.Accepted()) {
        ws_.table.confirmed = false;
        ws_.abortFlag = true;
    }
    return ok;
}

}  // namespace bxr
