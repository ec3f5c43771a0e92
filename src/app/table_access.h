// The one open dBase table as its callers use it: open a catalogue table (with the write
// check and the copy to the temporary folder), move to a record, read and replace fields,
// append, index and look up keys, browse in the table window, close. The state lives in the
// workspace's TableState; this class is a handle on it, so any caller may make one.
#pragma once

#include <cstdint>
#include <string>

#include "model/beam_model.h"
#include "platform/file_system.h"
#include "workspace/workspace.h"

namespace bxr {

class TableAccess {
  public:
    explicit TableAccess(Workspace& ws, FileSystem& fs = DiskFileSystem()) : ws_(ws), fs_(fs) {}

    // Resolves the name in the table folder (".dbf" added when it has no "."), applies the
    // write check and opens the table or its copy in the temporary folder. On failure the
    // message is shown, the abort flag set and nothing is open.
    bool OpenCatalogue(const std::string& name);
    // Opens exactly this file (writable when it can be).
    bool OpenFile(const std::string& path);
    void SetTitles(const std::string& title1, const std::string& title2);
    // Shows the table window modally; mode 1 picks only, any other mode edits. True on OK.
    bool Browse(int mode);
    // Makes record n current: beyond the count gives a calculation message and the last
    // record, below 1 the first.
    void GoToRecord(long n);
    std::uint32_t RecordCount() const { return ws_.table.table.RecordCount(); }
    std::uint32_t RecordNumber() const { return ws_.table.table.RecordNumber(); }
    // The stored text of field i (from 1) of the current record.
    std::string FieldText(int i) const { return ws_.table.table.FieldText(i); }
    // The name of field i; empty when i is not a field position.
    std::string FieldName(int i) const;
    bool LogicalField(const std::string& name) const;
    // Store a value in the named field of the record being edited (names cut to 10).
    bool ReplaceText(const std::string& name, const std::string& text);
    bool ReplaceInteger(const std::string& name, long value);
    bool ReplaceFloat(const std::string& name, Real value);
    bool ReplaceLogical(const std::string& name, bool value);
    // A blank record to fill with the Replace calls before AppendRecord.
    void NewRecord();
    // Writes the edited record back as the current record.
    bool PostRecord();
    // Appends the edited record under the append lock; it becomes current.
    bool AppendRecord();
    // Builds a single-key index on the field into the index file (".ndx" added when the name
    // has no extension).
    bool IndexOn(const std::string& fieldName, const std::string& indexFile);
    // Makes that index the active order.
    bool SetIndex(const std::string& indexFile);
    // Looks the key (at most 100 characters) up in the active index and makes the record
    // current; if not found, once more with every "." replaced by ",". Remembered in found.
    bool FindKey(const std::string& key);
    void Close();

    bool IsOpen() const { return ws_.table.table.IsOpen(); }
    // The temporary folder: the configured one, else TMPDIR, else /tmp.
    std::string TempFolder() const;
    // The configured table folder; when none is configured the "data" folder beside the
    // program, or its installed "../share/bxr"; always with a trailing "/" (or empty).
    std::string TableFolder() const;

  private:
    bool Failed(const std::string& message);
    bool CopyToTemp(const std::string& path, std::string& copy);
    bool Open(const std::string& path, bool writable);
    int Position(const std::string& name) const;

    Workspace& ws_;
    FileSystem& fs_;
};

// Copies a file at offsets, in pieces, replacing the target. False on any error.
bool CopyFile(FileSystem& fs, const std::string& from, const std::string& to);

}  // namespace bxr
