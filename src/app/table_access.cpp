#include "app/table_access.h"

#include <cmath>
#include <vector>

#include "app/calc_message_display.h"
#include "app/program_folders.h"
#include "format/code_page.h"
#include "format/text_helpers.h"
#include "platform/ui.h"

namespace bxr {
namespace {

constexpr std::size_t kKeyLength = 100;

std::string WithTrailingSlash(std::string folder) {
    if (!folder.empty() && folder.back() != '/') folder += '/';
    return folder;
}

}  // namespace

bool CopyFile(FileSystem& fs, const std::string& from, const std::string& to) {
    auto in = fs.OpenRandom(from, OpenMode::Read);
    if (!in) return false;
    // The copy goes to the shared temporary folder: whatever stands under its name (an older
    // copy, or a link planted there) goes first, so that the copy never writes through it.
    fs.Remove(to);
    auto out = fs.OpenRandom(to, OpenMode::Create);
    if (!out) return false;
    std::vector<char> buffer(1 << 16);
    const std::uint64_t size = in->Size();
    for (std::uint64_t at = 0; at < size;) {
        const auto n = static_cast<std::size_t>(std::min<std::uint64_t>(buffer.size(), size - at));
        if (!in->Read(at, buffer.data(), n) || !out->Write(at, buffer.data(), n)) return false;
        at += n;
    }
    return out->Flush();
}

std::string TableAccess::TempFolder() const {
    return WithTrailingSlash(ConfiguredTempFolder(ws_.config));
}

std::string TableAccess::TableFolder() const {
    if (!ws_.config.dbfFolder.empty()) return WithTrailingSlash(ws_.config.dbfFolder);
    // No folder configured: the tables installed beside the program, so that a fresh build
    // finds its catalogue.
    for (const auto& folder : ProgramDataFolders(ws_.config.programFolder))
        if (fs_.IsFolder(folder)) return WithTrailingSlash(folder);
    return "";
}

bool TableAccess::Failed(const std::string& message) {
    if (!message.empty()) ws_.ui->ShowMessage(message);
    ws_.abortFlag = true;
    return false;
}

bool TableAccess::Open(const std::string& path, bool writable) {
    TableState& s = ws_.table;
    s.index.Close();
    if (!s.table.Open(path, writable, fs_) && !(writable && s.table.Open(path, false, fs_)))
        return Failed(s.table.Error());
    s.fileName = path;
    s.found = false;
    return true;
}

bool TableAccess::CopyToTemp(const std::string& path, std::string& copy) {
    copy = TempFolder() + FileNameOf(path);
    if (!CopyFile(fs_, path, copy))
        return Failed("Fehler beim Kopieren von " + path + " nach " + copy);
    // A memo file travels with its table.
    const std::string memo = DbfMemoPath(path);
    if (fs_.IsFile(memo) && !CopyFile(fs_, memo, DbfMemoPath(copy)))
        return Failed("Fehler beim Kopieren von " + memo + " nach " + DbfMemoPath(copy));
    return true;
}

bool TableAccess::OpenCatalogue(const std::string& name) {
    Close();
    std::string fileName = name;
    if (fileName.find('.') == std::string::npos) fileName += ".dbf";
    const std::string path = TableFolder() + fileName;
    if (!fs_.OpenRandom(path, OpenMode::Read))
        return Failed("Datei " + path + " " + "nicht gefunden oder kein Zugriffsrecht" + " !");

    // The program's own tables are only read, in place: they never change, their folder gets
    // no probe file, and the runs of a folder batch share them without copies.
    if (IsProgramData(path, ws_.config.programFolder)) return Open(path, false);

    // Write check: a table that cannot be changed in place is worked on as a copy.
    bool useCopy = false;
    std::string probe;
    auto handle = CreateTempFile(fs_, TableFolder(), "TEST", ".$$$", probe);
    if (!handle || !handle->Write("DBF Write Check") || !handle->Close()) {
        useCopy = true;
        if (handle) fs_.Remove(probe);
    } else {
        fs_.Remove(probe);
        useCopy = !fs_.OpenRandom(path, OpenMode::ReadWrite);  // read-only table
    }
    std::string chosen = path;
    if (useCopy && !CopyToTemp(path, chosen)) return false;
    return Open(chosen, true);
}

bool TableAccess::OpenFile(const std::string& path) {
    Close();
    return Open(path, true);
}

void TableAccess::SetTitles(const std::string& title1, const std::string& title2) {
    ws_.table.title1 = title1;
    ws_.table.title2 = title2;
}

void TableAccess::GoToRecord(long n) {
    DbfTable& t = ws_.table.table;
    const long count = long(t.RecordCount());
    if (n > count) {
        ws_.messages.Add("DBF #" + std::to_string(n) + " not found.");
        n = count;
    }
    if (n > count || n < 1) n = 1;
    if (count > 0) t.Read(std::uint32_t(n));
}

std::string TableAccess::FieldName(int i) const {
    const DbfTable& t = ws_.table.table;
    return i >= 1 && i <= t.FieldCount() ? t.Field(i).name : std::string();
}

int TableAccess::Position(const std::string& name) const {
    return ws_.table.table.FieldPosition(TextHead(name, 10));
}

bool TableAccess::LogicalField(const std::string& name) const {
    return ws_.table.table.FieldLogical(Position(name));
}

bool TableAccess::ReplaceText(const std::string& name, const std::string& text) {
    return ws_.table.table.SetFieldText(Position(name), text);
}

bool TableAccess::ReplaceInteger(const std::string& name, long value) {
    return ws_.table.table.SetFieldNumber(Position(name), Real(value));
}

bool TableAccess::ReplaceFloat(const std::string& name, Real value) {
    return ws_.table.table.SetFieldNumber(Position(name), value);
}

bool TableAccess::ReplaceLogical(const std::string& name, bool value) {
    return ws_.table.table.SetFieldLogical(Position(name), value);
}

void TableAccess::NewRecord() {
    if (IsOpen()) ws_.table.table.BlankRecord();
}

bool TableAccess::PostRecord() {
    DbfTable& t = ws_.table.table;
    if (t.Write()) return true;
    return Failed(t.Error());
}

bool TableAccess::AppendRecord() {
    TableState& s = ws_.table;
    if (!s.table.Append()) return Failed(s.table.Error());
    // The active order must know the new record.
    if (s.index.IsOpen()) {
        const std::string path = s.index.Path();
        const int field = s.index.FieldPosition();
        const std::uint32_t n = s.table.RecordNumber();
        std::string error;
        s.index.Close();
        if (!DbfIndex::Build(s.table, field, path, fs_, error) ||
            !s.index.Open(path, s.table, fs_, error))
            return Failed(error);
        s.table.Read(n);
    }
    return true;
}

bool TableAccess::IndexOn(const std::string& fieldName, const std::string& indexFile) {
    TableState& s = ws_.table;
    const int field = Position(fieldName);
    if (!IsOpen() || field == 0) return Failed("Indexfeld " + fieldName + " nicht vorhanden");
    const std::uint32_t current = s.table.RecordNumber();
    std::string error;
    const std::string path = IndexFileName(indexFile);
    // The file being rewritten must not stay the active order.
    if (s.index.Path() == path) s.index.Close();
    const bool ok = DbfIndex::Build(s.table, field, path, fs_, error);
    if (current >= 1 && current <= s.table.RecordCount()) s.table.Read(current);
    return ok || Failed(error);
}

bool TableAccess::SetIndex(const std::string& indexFile) {
    TableState& s = ws_.table;
    std::string error;
    if (!s.index.Open(IndexFileName(indexFile), s.table, fs_, error)) return Failed(error);
    return true;
}

bool TableAccess::FindKey(const std::string& key) {
    TableState& s = ws_.table;
    const std::string wanted = TextHead(key, kKeyLength);
    std::uint32_t p = s.index.Find(wanted);
    if (p == 0) p = s.index.Find(PointToComma(wanted));
    const std::uint32_t n = p ? s.index.RecordAt(p) : 0;
    s.found = n != 0 && s.table.Read(n);
    return s.found;
}

void TableAccess::Close() {
    ws_.table.index.Close();
    ws_.table.table.Close();
    ws_.table.fileName.clear();
}

}  // namespace bxr
