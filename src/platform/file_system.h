// The one seam between the program and the disk for the files it keeps (projects, KORM
// files, configuration, state). Tests substitute a file system that fails part-way to check
// that a failed save never destroys what was on disk.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace bxr {

struct FileDate {
    int year = 0;
    int month = 0;
    int day = 0;
};

class WriteHandle {
  public:
    virtual ~WriteHandle() = default;
    // False on any error (disk full, I/O error); later writes keep failing.
    virtual bool Write(std::string_view bytes) = 0;
    // Flushes to the disk and closes; false when that fails.
    virtual bool Close() = 0;
};

// How a file is opened for random access.
enum class OpenMode {
    Read,       // existing file, read only
    ReadWrite,  // existing file, read and write
    Create      // new or emptied file, read and write
};

// The byte ranges of the advisory locks: the record count while one writer appends, or the
// whole file while records are moved or copied out.
enum class LockRange { Append, WholeFile };

// A file read and written in place at offsets (dBase tables), so that a scan keeps one record
// in memory.
class RandomAccessFile {
  public:
    virtual ~RandomAccessFile() = default;
    // Exactly size bytes at offset; false on an error or a short read.
    virtual bool Read(std::uint64_t offset, void* data, std::size_t size) = 0;
    // Exactly size bytes at offset; false when not all were written.
    virtual bool Write(std::uint64_t offset, const void* data, std::size_t size) = 0;
    virtual std::uint64_t Size() = 0;
    virtual bool Truncate(std::uint64_t size) = 0;
    virtual bool Flush() = 0;
    virtual bool Lock(LockRange range) = 0;
    virtual void Unlock(LockRange range) = 0;
};

// What a path names, so that a project given as a folder or a pipe gets its own message.
enum class PathKind { Missing, File, Folder, Fifo, Device, Other };

class FileSystem {
  public:
    virtual ~FileSystem() = default;
    // At most maxBytes of the file; nothing when it cannot be opened or read.
    virtual std::optional<std::string> Read(const std::string& path, std::size_t maxBytes) = 0;
    // Creates or truncates; nothing when the file cannot be created.
    virtual std::unique_ptr<WriteHandle> Create(const std::string& path) = 0;
    // Creates a file that does not exist yet, never through a symbolic link planted under the
    // name: temporary files in shared folders. Nothing when the name is taken.
    virtual std::unique_ptr<WriteHandle> CreateNew(const std::string& path) {
        if (IsFile(path)) return nullptr;
        return Create(path);
    }
    virtual PathKind KindOf(const std::string& path) {
        if (IsFile(path)) return PathKind::File;
        if (IsFolder(path)) return PathKind::Folder;
        return PathKind::Missing;
    }
    // Both names lead to the same file (the same file reached through another path too).
    virtual bool SameFile(const std::string& a, const std::string& b) {
        return a == b && IsFile(a);
    }
    // The file exists and its permissions forbid writing it: it is not to be replaced.
    virtual bool IsReadOnly(const std::string& /*path*/) { return false; }
    // Replaces `to` by `from` in one step.
    virtual bool Rename(const std::string& from, const std::string& to) = 0;
    virtual bool Remove(const std::string& path) = 0;
    virtual bool IsFile(const std::string& path) = 0;
    virtual bool IsFolder(const std::string& path) = 0;
    // Creates the folder and those above it that are missing; true when it exists afterwards.
    virtual bool MakeFolders(const std::string& path) { return IsFolder(path); }
    // Names (not paths) of the plain files in a folder, sorted; nothing when it cannot be listed.
    virtual std::optional<std::vector<std::string>> List(const std::string& folder) = 0;
    virtual std::optional<FileDate> ModificationDate(const std::string& path) = 0;
    // A plain file for access at offsets; nothing when it cannot be opened in that mode.
    virtual std::unique_ptr<RandomAccessFile> OpenRandom(const std::string& /*path*/,
                                                         OpenMode /*mode*/) {
        return nullptr;
    }
};

// The real disk.
FileSystem& DiskFileSystem();

// Writes the whole content to a temporary file beside `path` and renames it over `path` only
// when every byte was written and flushed; on failure the old file stays as it was and the
// temporary file is removed. A read-only `path` is refused and kept.
bool WriteFileSafely(FileSystem& fs, const std::string& path, std::string_view content);

// Creates a new temporary file in folder named prefix + a number unique to this process +
// suffix (another number follows when the name is taken); the name goes to `path`. The names
// stay short, whatever the name of the file they stand in for.
std::unique_ptr<WriteHandle> CreateTempFile(FileSystem& fs, const std::string& folder,
                                            const std::string& prefix, const std::string& suffix,
                                            std::string& path);

// Path helpers for "/"-separated paths.
std::string FolderOf(const std::string& path);        // with its trailing "/", or ""
std::string FileNameOf(const std::string& path);      // without the folder
std::string StripExtension(const std::string& name);  // up to the last "." of the name
std::string JoinPath(const std::string& folder, const std::string& name);

}  // namespace bxr
