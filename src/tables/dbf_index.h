// A single-key index over one field of a table: key order for browsing and sorting, and key
// lookup. The index file is our own simple layout (the program builds every index itself just
// before it uses it): a 32-byte header, then one entry per record in key order, each the
// stored key text followed by the record number (4 bytes, little-endian). Lookups read the
// file in place, so an open index keeps no entries in memory.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/file_system.h"
#include "tables/dbf_table.h"

namespace bxr {

class DbfIndex {
  public:
    // Scans the table one record at a time and writes the index of field `field` (1-based)
    // to indexPath. Character keys sort by their bytes, numeric keys by value, equal keys by
    // record number. False with a message in `error`.
    static bool Build(DbfTable& table, int field, const std::string& indexPath, FileSystem& fs,
                      std::string& error);

    // Opens an index file for this table; it must be over one of the table's fields with
    // that field's length and cover every record.
    bool Open(const std::string& indexPath, const DbfTable& table, FileSystem& fs,
              std::string& error);
    void Close();
    bool IsOpen() const { return file_ != nullptr; }
    const std::string& Path() const { return path_; }
    int FieldPosition() const { return field_; }

    std::uint32_t Count() const { return count_; }
    // Record number at key position p (1..Count()); 0 on a read error or a bad position.
    std::uint32_t RecordAt(std::uint32_t p);
    // Key position of record n; 0 when the index does not hold it.
    std::uint32_t PositionOf(std::uint32_t n);
    // Key position of the first entry whose key starts with `key` (blanks at its end ignored;
    // for numeric fields the values must be equal); 0 when there is none.
    std::uint32_t Find(const std::string& key);

  private:
    bool ReadEntry(std::uint32_t p, std::string& key, std::uint32_t& record);

    std::unique_ptr<RandomAccessFile> file_;
    std::string path_;
    int field_ = 0;
    char type_ = 'C';
    int keyLength_ = 0;
    std::uint32_t count_ = 0;
};

// "$zqvtemp" -> "$zqvtemp.ndx"; a name with an extension stays as it is.
std::string IndexFileName(const std::string& name);

}  // namespace bxr
