#include "support/memory_file_system.h"

namespace bxr::test {

namespace {

class MemoryHandle : public WriteHandle {
  public:
    MemoryHandle(MemoryFileSystem& fs, std::string path) : fs_(fs), path_(std::move(path)) {}
    bool Write(std::string_view bytes) override {
        if (failed_) return false;
        const int n = fs_.writes++;
        if (fs_.failWriteAfter >= 0 && n >= fs_.failWriteAfter) {
            // Half of this piece reaches the disk before the error, as with a full disk.
            fs_.files[path_] += std::string(bytes.substr(0, bytes.size() / 2));
            failed_ = true;
            return false;
        }
        fs_.files[path_] += std::string(bytes);
        return true;
    }
    bool Close() override { return !failed_; }

  private:
    MemoryFileSystem& fs_;
    std::string path_;
    bool failed_ = false;
};

}  // namespace

std::optional<std::string> MemoryFileSystem::Read(const std::string& path, std::size_t maxBytes) {
    const auto it = files.find(path);
    if (it == files.end()) return std::nullopt;
    return it->second.substr(0, maxBytes);
}

std::unique_ptr<WriteHandle> MemoryFileSystem::Create(const std::string& path) {
    if (refuseCreate.count(path) || refuseCreate.count(FolderOf(path))) return nullptr;
    files[path].clear();
    return std::make_unique<MemoryHandle>(*this, path);
}

bool MemoryFileSystem::Rename(const std::string& from, const std::string& to) {
    const auto it = files.find(from);
    if (it == files.end()) return false;
    files[to] = it->second;
    files.erase(from);
    return true;
}

bool MemoryFileSystem::Remove(const std::string& path) {
    return files.erase(path) > 0;
}

bool MemoryFileSystem::MakeFolders(const std::string& path) {
    if (!IsFolder(path)) emptyFolders[path.empty() || path.back() == '/' ? path : path + "/"] = true;
    return true;
}

bool MemoryFileSystem::IsFolder(const std::string& path) {
    const std::string prefix = path.empty() || path.back() == '/' ? path : path + "/";
    if (emptyFolders.count(prefix)) return true;
    for (const auto& [p, _] : files)
        if (p.compare(0, prefix.size(), prefix) == 0) return true;
    return false;
}

std::optional<std::vector<std::string>> MemoryFileSystem::List(const std::string& folder) {
    const std::string prefix = folder.empty() || folder.back() == '/' ? folder : folder + "/";
    if (!IsFolder(prefix)) return std::nullopt;
    std::vector<std::string> names;
    for (const auto& [p, _] : files)
        if (p.compare(0, prefix.size(), prefix) == 0 &&
            p.find('/', prefix.size()) == std::string::npos)
            names.push_back(p.substr(prefix.size()));
    return names;
}

std::optional<FileDate> MemoryFileSystem::ModificationDate(const std::string& path) {
    if (!files.count(path)) return std::nullopt;
    const auto it = dates.find(path);
    return it == dates.end() ? FileDate{2026, 12, 8} : it->second;
}

}  // namespace bxr::test
