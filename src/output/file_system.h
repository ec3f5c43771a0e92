// The one seam between the program and the disk for the files it keeps (projects, KORM
// files, configuration, state). Tests substitute a file system that fails part-way to check
// that a failed save never destroys what was on disk.
#pragma once

#include <cstddef>
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

class FileSystem {
public:
    virtual ~FileSystem() = default;
    // At most maxBytes of the file; nothing when it cannot be opened or read.
    virtual std::optional<std::string> Read(const std::string& path, std::size_t maxBytes) = 0;
    // Creates or truncates; nothing when the file cannot be created.
    virtual std::unique_ptr<WriteHandle> Create(const std::string& path) = 0;
    // Replaces `to` by `from` in one step.
    virtual bool Rename(const std::string& from, const std::string& to) = 0;
    virtual bool Remove(const std::string& path) = 0;
    virtual bool IsFile(const std::string& path) = 0;
    virtual bool IsFolder(const std::string& path) = 0;
    // Names (not paths) of the plain files in a folder, sorted; nothing when it cannot be listed.
    virtual std::optional<std::vector<std::string>> List(const std::string& folder) = 0;
    virtual std::optional<FileDate> ModificationDate(const std::string& path) = 0;
};

// The real disk.
FileSystem& DiskFileSystem();

// Writes the whole content to a temporary file beside `path` and renames it over `path` only
// when every byte was written and flushed; on failure the old file stays as it was and the
// temporary file is removed.
bool WriteFileSafely(FileSystem& fs, const std::string& path, std::string_view content);

// Path helpers for "/"-separated paths.
std::string FolderOf(const std::string& path);         // with its trailing "/", or ""
std::string FileNameOf(const std::string& path);       // without the folder
std::string StripExtension(const std::string& name);   // up to the last "." of the name
std::string JoinPath(const std::string& folder, const std::string& name);

}  // namespace bxr
