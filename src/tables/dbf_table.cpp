#include "tables/dbf_table.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "format/number_format.h"
#include "format/text_helpers.h"

namespace bxr {
namespace {

constexpr char kEndMarker = 0x1A;

std::string Trim(const std::string& s) {
    std::size_t a = s.find_first_not_of(' ');
    if (a == std::string::npos) return {};
    std::size_t b = s.find_last_not_of(' ');
    return s.substr(a, b - a + 1);
}

std::string UpperName(const std::string& name) {
    std::string n = name.substr(0, 10);
    for (auto& c : n) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return n;
}

void StampToday(DbfHeader& h) {
    std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    h.year = 1900 + tm.tm_year;
    h.month = tm.tm_mon + 1;
    h.day = tm.tm_mday;
}

}  // namespace

std::string DbfMemoPath(const std::string& path) {
    std::size_t dot = path.find_last_of('.');
    std::size_t slash = path.find_last_of('/');
    std::string stem = (dot != std::string::npos && (slash == std::string::npos || dot > slash))
                           ? path.substr(0, dot)
                           : path;
    return stem + ".dbt";
}

std::string DbfNotDbaseMessage(const std::string& path, const std::string& reason) {
    return path + " ist keine dBASE-Datenbank." + " (" + reason + ") [Use/OpenDbf]";
}

std::string DbfNotFoundMessage(const std::string& path) {
    return "Datei " + path + " " + "nicht gefunden oder kein Zugriffsrecht" + " !";
}

bool DbfTable::Fail(DbfStatus status, std::string message) {
    status_ = status;
    error_ = std::move(message);
    return false;
}

bool DbfTable::Ok() {
    status_ = DbfStatus::Ok;
    error_.clear();
    return true;
}

bool DbfTable::Open(const std::string& path, bool writable, FileSystem& fs) {
    Close();
    fs_ = &fs;
    auto file = fs.OpenRandom(path, writable ? OpenMode::ReadWrite : OpenMode::Read);
    if (!file) return Fail(DbfStatus::NotFound, DbfNotFoundMessage(path));

    const std::uint64_t size = file->Size();
    std::vector<std::uint8_t> bytes(
        static_cast<std::size_t>(std::min<std::uint64_t>(size, kDbfFixedHeaderSize)));
    if (!bytes.empty() && !file->Read(0, bytes.data(), bytes.size()))
        return Fail(DbfStatus::NotDbase,
                    DbfNotDbaseMessage(path, DbfProblemText(DbfHeaderProblem::Truncated)));
    if (bytes.size() == kDbfFixedHeaderSize) {
        std::size_t headerLength = std::size_t(bytes[8]) | std::size_t(bytes[9]) << 8;
        std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(size, headerLength));
        if (want > bytes.size()) {
            bytes.resize(want);
            if (!file->Read(0, bytes.data(), want))
                return Fail(DbfStatus::NotDbase,
                            DbfNotDbaseMessage(path, DbfProblemText(DbfHeaderProblem::Truncated)));
        }
    }
    DbfHeader header;
    DbfHeaderProblem problem = ParseDbfHeader(bytes, size, header);
    if (problem != DbfHeaderProblem::None)
        return Fail(DbfStatus::NotDbase, DbfNotDbaseMessage(path, DbfProblemText(problem)));

    file_ = std::move(file);
    path_ = path;
    writable_ = writable;
    header_ = std::move(header);
    record_.clear();
    recordNumber_ = 0;
    return Ok();
}

bool DbfTable::Create(const std::string& path, std::vector<DbfField> fields, FileSystem& fs) {
    Close();
    fs_ = &fs;
    DbfHeader h;
    bool memo = false;
    for (auto& f : fields) {
        f.name = UpperName(f.name);
        if (f.type >= 'a' && f.type <= 'z') f.type = static_cast<char>(f.type - 'a' + 'A');
        if (std::string("CNFLDM").find(f.type) == std::string::npos || f.type == 0)
            return Fail(DbfStatus::BadValue, "Feld " + f.name + ": Unbekannter Feldtyp");
        if (f.type != 'N' && f.type != 'F') f.decimals = 0;
        if (f.type == 'L') f.length = 1;
        if (f.type == 'D') f.length = 8;
        if (f.type == 'M') {
            f.length = 10;
            memo = true;
        }
        if (f.length < 1 || f.length > 255 || f.decimals < 0 || f.decimals > 15)
            return Fail(DbfStatus::BadValue, "Feld " + f.name + ": L\x84nge ung\x81ltig");
    }
    if (fields.empty() || fields.size() > std::size_t(DbfHeader::kMaxFields))
        return Fail(DbfStatus::BadValue, DbfNotDbaseMessage(path, "Zu viele Datenfelder"));
    h.fields = std::move(fields);
    h.version = memo ? 0x83 : 0x03;
    StampToday(h);
    LayoutDbfHeader(h);
    if (h.recordLength > 65535 - 1)
        return Fail(DbfStatus::BadValue, DbfNotDbaseMessage(path, "Datensatz zu lang"));

    auto file = fs.OpenRandom(path, OpenMode::Create);
    if (!file) return Fail(DbfStatus::WriteFailed, DbfNotFoundMessage(path));
    std::vector<std::uint8_t> bytes = SerializeDbfHeader(h);
    bytes.push_back(static_cast<std::uint8_t>(kEndMarker));
    if (!file->Write(0, bytes.data(), bytes.size()) || !file->Flush())
        return Fail(DbfStatus::WriteFailed, "Fehler beim Schreiben von " + path);
    if (memo) {
        // An empty memo file: the next free block is block 1.
        auto dbt = fs.OpenRandom(DbfMemoPath(path), OpenMode::Create);
        std::vector<std::uint8_t> block(512, 0);
        block[0] = 1;
        block[16] = 0x03;
        if (!dbt || !dbt->Write(0, block.data(), block.size()))
            return Fail(DbfStatus::WriteFailed, "Fehler beim Schreiben von " + DbfMemoPath(path));
    }
    file_ = std::move(file);
    path_ = path;
    writable_ = true;
    header_ = std::move(h);
    record_.clear();
    recordNumber_ = 0;
    return Ok();
}

void DbfTable::Close() {
    file_.reset();
    path_.clear();
    writable_ = false;
    header_ = DbfHeader{};
    record_.clear();
    recordNumber_ = 0;
}

int DbfTable::FieldPosition(const std::string& name) const {
    std::string wanted = UpperName(Trim(name));
    for (int i = 1; i <= FieldCount(); ++i)
        if (UpperName(Field(i).name) == wanted) return i;
    return 0;
}

bool DbfTable::Read(std::uint32_t n) {
    if (!file_)
        return Fail(DbfStatus::NoRecord,
                    "Keine Tabelle ge\x94"
                    "ffnet");
    if (n < 1 || n > header_.recordCount)
        return Fail(DbfStatus::NoRecord, "DBF #" + std::to_string(n) + " not found.");
    std::string buffer(header_.recordLength, ' ');
    if (!file_->Read(RecordOffset(n), buffer.data(), buffer.size()))
        return Fail(DbfStatus::ReadFailed, "Fehler beim Lesen von " + path_);
    record_ = std::move(buffer);
    recordNumber_ = n;
    return Ok();
}

std::string DbfTable::FieldText(int i) const {
    if (i < 1 || i > FieldCount() || record_.size() != header_.recordLength) return {};
    const DbfField& f = Field(i);
    return record_.substr(std::size_t(f.offset), std::size_t(f.length));
}

std::string DbfTable::FieldValue(int i) const {
    return Trim(FieldText(i));
}

Real DbfTable::FieldNumber(int i) const {
    return ParseDbfNumber(FieldText(i));
}

bool DbfTable::FieldLogical(int i) const {
    std::string t = FieldValue(i);
    return !t.empty() && (t[0] == 'T' || t[0] == 't' || t[0] == 'Y' || t[0] == 'y');
}

void DbfTable::BlankRecord() {
    record_.assign(header_.recordLength, ' ');
    recordNumber_ = header_.recordCount + 1;
}

bool DbfTable::SetFieldText(int i, const std::string& text) {
    if (i < 1 || i > FieldCount() || record_.size() != header_.recordLength)
        return Fail(DbfStatus::BadValue, "Feld #" + std::to_string(i) + " nicht vorhanden");
    const DbfField& f = Field(i);
    std::string v = text.substr(0, std::size_t(f.length));
    if (f.type == 'N' || f.type == 'F') {
        std::string t = Trim(text);
        if (t.size() > std::size_t(f.length))
            return Fail(DbfStatus::BadValue, "Wert zu lang f\x81r Feld " + f.name);
        v = std::string(std::size_t(f.length) - t.size(), ' ') + t;
    } else {
        v.resize(std::size_t(f.length), ' ');
    }
    record_.replace(std::size_t(f.offset), std::size_t(f.length), v);
    return Ok();
}

bool DbfTable::SetFieldNumber(int i, Real value) {
    if (i < 1 || i > FieldCount())
        return Fail(DbfStatus::BadValue, "Feld #" + std::to_string(i) + " nicht vorhanden");
    const DbfField& f = Field(i);
    if (!std::isfinite(value))
        return Fail(DbfStatus::BadValue, "Wert ung\x81ltig f\x81r Feld " + f.name);
    char text[128];
    int n = std::snprintf(text, sizeof text, "%.*Lf", f.decimals, value);
    std::string s(text, n > 0 ? std::size_t(n) : 0);
    // A value that rounds to zero is written without its sign.
    if (s.find_first_not_of("-0.") == std::string::npos && s[0] == '-') s.erase(0, 1);
    if (f.type != 'N' && f.type != 'F' && f.type != 'C')
        return Fail(DbfStatus::BadValue, "Feld " + f.name + " ist kein Zahlenfeld");
    if (s.size() > std::size_t(f.length))
        return Fail(DbfStatus::BadValue, "Wert zu lang f\x81r Feld " + f.name);
    return SetFieldText(i,
                        f.type == 'C' ? s : std::string(std::size_t(f.length) - s.size(), ' ') + s);
}

bool DbfTable::SetFieldLogical(int i, bool value) {
    return SetFieldText(i, value ? "T" : "F");
}

void DbfTable::SetDeleted(bool deleted) {
    if (!record_.empty()) record_[0] = deleted ? '*' : ' ';
}

bool DbfTable::WriteHeaderCount() {
    StampToday(header_);
    std::uint8_t b[8];
    b[0] = header_.version;
    b[1] = static_cast<std::uint8_t>(header_.year - 1900);
    b[2] = static_cast<std::uint8_t>(header_.month);
    b[3] = static_cast<std::uint8_t>(header_.day);
    for (int k = 0; k < 4; ++k)
        b[4 + k] = static_cast<std::uint8_t>(header_.recordCount >> (8 * k));
    return file_->Write(0, b, sizeof b);
}

bool DbfTable::WriteEndMarker() {
    char c = kEndMarker;
    return file_->Write(RecordOffset(header_.recordCount + 1), &c, 1);
}

bool DbfTable::Write() {
    if (!file_ || !writable_)
        return Fail(DbfStatus::WriteFailed, "Kein Schreibrecht f\x81r " + path_);
    if (recordNumber_ < 1 || recordNumber_ > header_.recordCount ||
        record_.size() != header_.recordLength)
        return Fail(DbfStatus::NoRecord, "DBF #" + std::to_string(recordNumber_) + " not found.");
    if (!file_->Write(RecordOffset(recordNumber_), record_.data(), record_.size()) ||
        !WriteHeaderCount())
        return Fail(DbfStatus::WriteFailed, "Fehler beim Schreiben von " + path_);
    return Ok();
}

bool DbfTable::Append() {
    if (!file_ || !writable_)
        return Fail(DbfStatus::WriteFailed, "Kein Schreibrecht f\x81r " + path_);
    if (record_.size() != header_.recordLength) BlankRecord();
    if (!file_->Lock(LockRange::Append))
        return Fail(DbfStatus::WriteFailed, "Tabelle " + path_ + " ist gesperrt");
    // Another program may have appended since the table was opened.
    std::uint8_t countBytes[4];
    if (file_->Read(4, countBytes, 4))
        header_.recordCount = std::uint32_t(countBytes[0]) | std::uint32_t(countBytes[1]) << 8 |
                              std::uint32_t(countBytes[2]) << 16 |
                              std::uint32_t(countBytes[3]) << 24;
    const std::uint32_t n = header_.recordCount + 1;
    bool ok = file_->Write(RecordOffset(n), record_.data(), record_.size());
    if (ok) {
        header_.recordCount = n;
        ok = WriteEndMarker() && WriteHeaderCount();
        if (!ok) header_.recordCount = n - 1;
    }
    if (!ok) {
        // Leave the file as it was: the old count, the end marker after the last record.
        file_->Truncate(RecordOffset(header_.recordCount + 1));
        WriteEndMarker();
        file_->Unlock(LockRange::Append);
        return Fail(DbfStatus::WriteFailed, "Fehler beim Schreiben von " + path_);
    }
    file_->Unlock(LockRange::Append);
    recordNumber_ = n;
    return Ok();
}

bool DbfTable::MarkDeleted(std::uint32_t n, bool deleted) {
    if (!Read(n)) return false;
    SetDeleted(deleted);
    return Write();
}

bool DbfTable::Pack() {
    if (!file_ || !writable_)
        return Fail(DbfStatus::WriteFailed, "Kein Schreibrecht f\x81r " + path_);
    if (!file_->Lock(LockRange::WholeFile))
        return Fail(DbfStatus::WriteFailed, "Tabelle " + path_ + " ist gesperrt");
    std::string buffer(header_.recordLength, ' ');
    std::uint32_t kept = 0;
    bool ok = true;
    for (std::uint32_t i = 1; ok && i <= header_.recordCount; ++i) {
        ok = file_->Read(RecordOffset(i), buffer.data(), buffer.size());
        if (!ok || buffer[0] == '*') continue;
        ++kept;
        if (kept != i) ok = file_->Write(RecordOffset(kept), buffer.data(), buffer.size());
    }
    if (ok) {
        header_.recordCount = kept;
        ok = WriteEndMarker() && file_->Truncate(RecordOffset(kept + 1) + 1) && WriteHeaderCount();
    }
    file_->Unlock(LockRange::WholeFile);
    record_.clear();
    recordNumber_ = 0;
    if (!ok) return Fail(DbfStatus::WriteFailed, "Fehler beim Schreiben von " + path_);
    return Ok();
}

bool DbfTable::LockFile() {
    if (!file_)
        return Fail(DbfStatus::NoRecord,
                    "Keine Tabelle ge\x94"
                    "ffnet");
    if (!file_->Lock(LockRange::WholeFile))
        return Fail(DbfStatus::WriteFailed, "Tabelle " + path_ + " ist gesperrt");
    return Ok();
}

void DbfTable::UnlockFile() {
    if (file_) file_->Unlock(LockRange::WholeFile);
}

Real ParseDbfNumber(const std::string& text) {
    return ParseFloat(RemoveBlanks(text));
}

}  // namespace bxr
