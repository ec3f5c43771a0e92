// One dBase table file: its header, and one record at a time in a buffer. Scanning a table
// keeps only the current record in memory. The same class writes: new tables, changed and
// appended records, deletion flags and packing. Every disk access goes through the
// FileSystem seam.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/beam_model.h"
#include "platform/file_system.h"
#include "tables/dbf_header.h"

namespace bxr {

enum class DbfStatus {
    Ok,
    NotFound,     // cannot be opened (missing, no permission)
    NotDbase,     // the header is damaged or not a dBase header
    NoRecord,     // record number outside 1..count, or no table open
    ReadFailed,   // the file shrank or a read failed after opening
    WriteFailed,  // a write, lock or truncation failed
    BadValue      // a value does not fit its field
};

class DbfTable {
  public:
    DbfTable() = default;
    DbfTable(const DbfTable&) = delete;
    DbfTable& operator=(const DbfTable&) = delete;
    DbfTable(DbfTable&&) = default;
    DbfTable& operator=(DbfTable&&) = default;

    // Opens an existing table; writable asks for read and write access.
    bool Open(const std::string& path, bool writable = false, FileSystem& fs = DiskFileSystem());
    // Creates a new empty table with these fields (III/IV layout); names are upper-cased and
    // cut to 10 characters. A table with a memo field gets an empty .dbt beside it.
    bool Create(const std::string& path, std::vector<DbfField> fields,
                FileSystem& fs = DiskFileSystem());
    void Close();

    bool IsOpen() const { return file_ != nullptr; }
    bool Writable() const { return writable_; }
    const std::string& Path() const { return path_; }
    const DbfHeader& Header() const { return header_; }
    DbfStatus Status() const { return status_; }
    // The message of the last failure, code page 850; empty after success.
    const std::string& Error() const { return error_; }

    int FieldCount() const { return static_cast<int>(header_.fields.size()); }
    // Field i, 1-based; i must lie in 1..FieldCount().
    const DbfField& Field(int i) const { return header_.fields[std::size_t(i - 1)]; }
    // Position of the named field (case ignored, cut to 10 characters); 0 when missing.
    int FieldPosition(const std::string& name) const;
    std::uint32_t RecordCount() const { return header_.recordCount; }

    // Loads record n (1-based) into the buffer.
    bool Read(std::uint32_t n);
    // The loaded record's number; 0 when none is loaded, count + 1 for a new blank record.
    std::uint32_t RecordNumber() const { return recordNumber_; }
    bool Deleted() const { return !record_.empty() && record_[0] == '*'; }
    // The stored bytes of the record, deletion flag first.
    const std::string& RecordBytes() const { return record_; }

    // The stored text of field i, padding included; empty when i is out of range.
    std::string FieldText(int i) const;
    // The text without leading and trailing blanks.
    std::string FieldValue(int i) const;
    // Blanks removed and the first "," read as "."; empty or bad text gives 0.
    Real FieldNumber(int i) const;
    // "T", "t", "Y" and "y" are true.
    bool FieldLogical(int i) const;

    // Editing the buffer; Write or Append stores it.
    void BlankRecord();  // a new blank record, not yet in the file
    // Text is cut or padded to the field length; numbers are right-aligned.
    bool SetFieldText(int i, const std::string& text);
    // Right-aligned with the field's decimals; false (field unchanged) when it does not fit.
    bool SetFieldNumber(int i, Real value);
    bool SetFieldLogical(int i, bool value);
    void SetDeleted(bool deleted);

    // The record buffer, to look at another record and come back to pending edits.
    struct Snapshot {
        std::string record;
        std::uint32_t number = 0;
    };
    Snapshot Keep() const { return {record_, recordNumber_}; }
    void Restore(Snapshot s) {
        record_ = std::move(s.record);
        recordNumber_ = s.number;
    }

    // Stores the buffer as record RecordNumber().
    bool Write();
    // Appends the buffer as a new last record under the append lock; it becomes current.
    bool Append();
    // Marks record n deleted or valid.
    bool MarkDeleted(std::uint32_t n, bool deleted);
    // Removes every record marked deleted, one record at a time, and shortens the file.
    bool Pack();
    // Takes and releases the whole-file lock (appending from files, delimited export).
    bool LockFile();
    void UnlockFile();

  private:
    bool Fail(DbfStatus status, std::string message);
    bool Ok();
    bool WriteHeaderCount();
    bool WriteEndMarker();
    std::uint64_t RecordOffset(std::uint32_t n) const {
        return std::uint64_t(header_.headerLength) + std::uint64_t(n - 1) * header_.recordLength;
    }

    FileSystem* fs_ = nullptr;
    std::unique_ptr<RandomAccessFile> file_;
    std::string path_;
    bool writable_ = false;
    DbfHeader header_;
    std::string record_;
    std::uint32_t recordNumber_ = 0;
    DbfStatus status_ = DbfStatus::Ok;
    std::string error_;
};

// The memo file beside a table: the path with its extension replaced by ".dbt".
std::string DbfMemoPath(const std::string& path);

// file name + " ist keine dBASE-Datenbank." + " (" + reason + ") [Use/OpenDbf]"
std::string DbfNotDbaseMessage(const std::string& path, const std::string& reason);
// "Datei " + path + " nicht gefunden oder kein Zugriffsrecht !"
std::string DbfNotFoundMessage(const std::string& path);

}  // namespace bxr

namespace bxr {
// A stored number: blanks removed, the first "," read as "."; empty or bad text gives 0.
Real ParseDbfNumber(const std::string& text);
}  // namespace bxr
