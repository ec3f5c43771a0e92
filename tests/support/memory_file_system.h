// A file system held in memory for the file-command tests: files are byte strings, folders
// are implied by the paths, and writes can be made to fail after a number of calls.
#pragma once

#include <map>
#include <string>

#include "platform/file_system.h"

namespace bxr::test {

class MemoryFileSystem : public FileSystem {
  public:
    std::map<std::string, std::string> files;
    std::map<std::string, FileDate> dates;
    // Folders that exist without holding files (others exist when a file lies in them).
    std::map<std::string, bool> emptyFolders;
    // Create() fails for these paths (a folder that refuses new files, a bad name).
    std::map<std::string, bool> refuseCreate;
    // When >= 0: the n-th Write() call from now on fails, and every one after it.
    int failWriteAfter = -1;
    int writes = 0;

    std::optional<std::string> Read(const std::string& path, std::size_t maxBytes) override;
    std::unique_ptr<WriteHandle> Create(const std::string& path) override;
    bool Rename(const std::string& from, const std::string& to) override;
    bool Remove(const std::string& path) override;
    bool IsFile(const std::string& path) override { return files.count(path) > 0; }
    bool IsFolder(const std::string& path) override;
    bool MakeFolders(const std::string& path) override;
    std::optional<std::vector<std::string>> List(const std::string& folder) override;
    std::optional<FileDate> ModificationDate(const std::string& path) override;
};

}  // namespace bxr::test
