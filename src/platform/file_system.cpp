#include "platform/file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>

#include "platform/replace_file.h"

namespace bxr {
namespace {

class DiskWriteHandle : public WriteHandle {
  public:
    explicit DiskWriteHandle(int fd) : fd_(fd) {}
    ~DiskWriteHandle() override {
        if (fd_ >= 0) ::close(fd_);
    }
    bool Write(std::string_view bytes) override {
        if (fd_ < 0 || failed_) return false;
        while (!bytes.empty()) {
            const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) {
                failed_ = true;
                return false;
            }
            bytes.remove_prefix(static_cast<std::size_t>(n));
        }
        return true;
    }
    bool Close() override {
        if (fd_ < 0) return false;
        const bool synced = !sync_ || ::fsync(fd_) == 0;
        const bool closed = ::close(fd_) == 0;
        fd_ = -1;
        return !failed_ && synced && closed;
    }
    void SkipSync() { sync_ = false; }

  private:
    int fd_;
    bool failed_ = false;
    bool sync_ = true;
};

class DiskRandomFile : public RandomAccessFile {
  public:
    explicit DiskRandomFile(int fd) : fd_(fd) {}
    ~DiskRandomFile() override { ::close(fd_); }

    bool Read(std::uint64_t offset, void* data, std::size_t size) override {
        auto* p = static_cast<char*>(data);
        while (size > 0) {
            ssize_t n = ::pread(fd_, p, size, static_cast<off_t>(offset));
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) return false;
            p += n;
            size -= static_cast<std::size_t>(n);
            offset += static_cast<std::uint64_t>(n);
        }
        return true;
    }
    bool Write(std::uint64_t offset, const void* data, std::size_t size) override {
        const auto* p = static_cast<const char*>(data);
        while (size > 0) {
            ssize_t n = ::pwrite(fd_, p, size, static_cast<off_t>(offset));
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) return false;
            p += n;
            size -= static_cast<std::size_t>(n);
            offset += static_cast<std::uint64_t>(n);
        }
        return true;
    }
    std::uint64_t Size() override {
        struct stat st {};
        if (::fstat(fd_, &st) != 0) return 0;
        return static_cast<std::uint64_t>(st.st_size);
    }
    bool Truncate(std::uint64_t size) override {
        return ::ftruncate(fd_, static_cast<off_t>(size)) == 0;
    }
    bool Flush() override { return ::fsync(fd_) == 0 || errno == EINVAL; }

    // Advisory record locks, so that other programs that use them see our appends as whole.
    bool Lock(LockRange range) override { return SetLock(range, F_WRLCK); }
    void Unlock(LockRange range) override { SetLock(range, F_UNLCK); }

  private:
    bool SetLock(LockRange range, short type) {
        struct flock fl {};
        fl.l_type = type;
        fl.l_whence = SEEK_SET;
        fl.l_start = range == LockRange::Append ? 4 : 0;
        fl.l_len = range == LockRange::Append ? 4 : 0;
        for (;;) {
            if (::fcntl(fd_, F_SETLKW, &fl) == 0) return true;
            if (errno == EINTR) continue;
            // A read-only descriptor cannot take a write lock; nothing can be written anyway.
            return errno == EBADF || errno == ENOLCK;
        }
    }
    int fd_;
};

class Disk : public FileSystem {
  public:
    std::optional<std::string> Read(const std::string& path, std::size_t maxBytes) override {
        // Without waiting: opening a pipe for reading would block until someone writes to it.
        const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) return std::nullopt;
        struct stat st {};
        if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
            ::close(fd);
            return std::nullopt;
        }
        std::string data;
        data.resize(std::min<std::size_t>(maxBytes, static_cast<std::size_t>(st.st_size)));
        std::size_t got = 0;
        while (got < data.size()) {
            const ssize_t n = ::read(fd, data.data() + got, data.size() - got);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) {
                ::close(fd);
                return std::nullopt;
            }
            if (n == 0) break;
            got += static_cast<std::size_t>(n);
        }
        ::close(fd);
        data.resize(got);
        return data;
    }
    std::unique_ptr<WriteHandle> Create(const std::string& path) override {
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (fd < 0) return nullptr;
        return std::make_unique<DiskWriteHandle>(fd);
    }
    std::unique_ptr<WriteHandle> CreateNew(const std::string& path) override {
        const int fd =
            ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (fd < 0) return nullptr;
        return std::make_unique<DiskWriteHandle>(fd);
    }
    PathKind KindOf(const std::string& path) override {
        struct stat st {};
        if (::stat(path.c_str(), &st) != 0) return PathKind::Missing;
        if (S_ISREG(st.st_mode)) return PathKind::File;
        if (S_ISDIR(st.st_mode)) return PathKind::Folder;
        if (S_ISFIFO(st.st_mode)) return PathKind::Fifo;
        if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode)) return PathKind::Device;
        return PathKind::Other;
    }
    bool SameFile(const std::string& a, const std::string& b) override {
        struct stat sa {}, sb {};
        if (::stat(a.c_str(), &sa) != 0 || ::stat(b.c_str(), &sb) != 0) return false;
        return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
    }
    bool IsReadOnly(const std::string& path) override {
        struct stat st {};
        if (::stat(path.c_str(), &st) != 0) return false;
        // The superuser may write anything; the file's own permissions still say whether it
        // is meant to be replaced.
        if (::geteuid() == 0) return (st.st_mode & 0222) == 0;
        return ::access(path.c_str(), W_OK) != 0 && errno == EACCES;
    }
    bool Rename(const std::string& from, const std::string& to) override {
        return std::rename(from.c_str(), to.c_str()) == 0;
    }
    bool Remove(const std::string& path) override { return ::unlink(path.c_str()) == 0; }
    bool IsFile(const std::string& path) override {
        struct stat st {};
        return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
    }
    bool IsFolder(const std::string& path) override {
        struct stat st {};
        return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
    }
    bool MakeFolders(const std::string& path) override {
        std::error_code ec;
        std::filesystem::create_directories(path, ec);
        return IsFolder(path);
    }
    std::optional<std::vector<std::string>> List(const std::string& folder) override {
        std::error_code ec;
        std::filesystem::directory_iterator it(folder.empty() ? "." : folder, ec);
        if (ec) return std::nullopt;
        std::vector<std::string> names;
        for (const auto& entry : it) {
            std::error_code ec2;
            if (entry.is_regular_file(ec2)) names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }
    std::optional<FileDate> ModificationDate(const std::string& path) override {
        struct stat st {};
        if (::stat(path.c_str(), &st) != 0) return std::nullopt;
        std::tm tm{};
        const std::time_t t = st.st_mtime;
        if (!::localtime_r(&t, &tm)) return std::nullopt;
        return FileDate{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday};
    }
    std::unique_ptr<RandomAccessFile> OpenRandom(const std::string& path, OpenMode mode) override {
        int flags = O_CLOEXEC;
        switch (mode) {
            case OpenMode::Read:
                flags |= O_RDONLY;
                break;
            case OpenMode::ReadWrite:
                flags |= O_RDWR;
                break;
            case OpenMode::Create:
                flags |= O_RDWR | O_CREAT | O_TRUNC;
                break;
        }
        const int fd = ::open(path.c_str(), flags, 0644);
        if (fd < 0) return nullptr;
        struct stat st {};
        if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
            ::close(fd);
            return nullptr;
        }
        return std::make_unique<DiskRandomFile>(fd);
    }
};

}  // namespace

FileSystem& DiskFileSystem() {
    static Disk disk;  // stateless
    return disk;
}

std::unique_ptr<WriteHandle> CreateTempFile(FileSystem& fs, const std::string& folder,
                                            const std::string& prefix, const std::string& suffix,
                                            std::string& path) {
    // Folder runs make temporary files from several threads of one process.
    static std::atomic<unsigned> serial{0};
    const std::string unique = std::to_string(static_cast<long>(::getpid()));
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = prefix + unique;
        if (attempt > 0) name += "-" + std::to_string(++serial) + std::to_string(std::rand() % 1000);
        path = JoinPath(folder, name + suffix);
        if (auto handle = fs.CreateNew(path)) return handle;
    }
    path.clear();
    return nullptr;
}

namespace {

bool WriteBesideAndRename(FileSystem& fs, const std::string& path, std::string_view content,
                          bool sync) {
    if (fs.IsReadOnly(path)) return false;
    std::string temp;
    auto handle = CreateTempFile(fs, FolderOf(path), ".bxr", ".tmp", temp);
    if (!handle) return false;
    if (!sync)
        if (auto* disk = dynamic_cast<DiskWriteHandle*>(handle.get())) disk->SkipSync();
    // Small pieces, so that a disk that fills up part-way is noticed where it happens.
    constexpr std::size_t kPiece = 4096;
    bool ok = true;
    for (std::size_t at = 0; ok && at < content.size(); at += kPiece)
        ok = handle->Write(content.substr(at, kPiece));
    ok = handle->Close() && ok;
    if (ok) ok = fs.Rename(temp, path);
    if (!ok) fs.Remove(temp);
    return ok;
}

}  // namespace

bool WriteFileSafely(FileSystem& fs, const std::string& path, std::string_view content) {
    return WriteBesideAndRename(fs, path, content, true);
}

bool ReplaceFileContent(FileSystem& fs, const std::string& path, std::string_view content) {
    return WriteBesideAndRename(fs, path, content, false);
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string FileNameOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string StripExtension(const std::string& name) {
    const auto slash = name.find_last_of('/');
    const auto dot = name.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return name;
    return name.substr(0, dot);
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    if (folder.back() == '/') return folder + name;
    return folder + "/" + name;
}

}  // namespace bxr
