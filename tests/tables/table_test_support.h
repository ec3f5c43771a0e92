// Small helpers of the table tests: a fresh temporary folder and raw file bytes.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace bxr::test {

class TempFolder {
  public:
    TempFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "bxr_tables_XXXXXX").string();
        std::vector<char> buf(pattern.begin(), pattern.end());
        buf.push_back('\0');
        path_ = ::mkdtemp(buf.data());
    }
    ~TempFolder() {
        std::error_code ec;
        // Read-only folders made by a test must be writable again before removal.
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(path_, ec);
    }
    std::string Path(const std::string& name = "") const {
        return name.empty() ? path_ + "/" : path_ + "/" + name;
    }

  private:
    std::string path_;
};

inline void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

inline std::vector<std::uint8_t> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Byte-by-byte builder for table files in tests.
struct Bytes {
    std::vector<std::uint8_t> data;
    Bytes& u8(unsigned v) {
        data.push_back(static_cast<std::uint8_t>(v));
        return *this;
    }
    Bytes& u16(unsigned v) { return u8(v & 0xFF).u8(v >> 8); }
    Bytes& u32(unsigned long v) { return u16(unsigned(v & 0xFFFF)).u16(unsigned(v >> 16)); }
    Bytes& text(const std::string& s) {
        for (char c : s) u8(static_cast<unsigned char>(c));
        return *this;
    }
    Bytes& zeros(std::size_t n) {
        data.insert(data.end(), n, 0);
        return *this;
    }
    // A 32-byte field descriptor of the III/IV layout.
    Bytes& field(const std::string& name, char type, unsigned length, unsigned decimals) {
        text(name).zeros(11 - name.size()).u8(static_cast<unsigned char>(type)).zeros(4);
        return u8(length).u8(decimals).zeros(14);
    }
};

// The disk, with writes that fail on demand (a full disk) and random-access opens for
// writing that are refused on demand (a read-only folder or file).
class FailingFileSystem : public FileSystem {
  public:
    bool failWrites = false;
    bool refuseWriteOpen = false;  // OpenRandom for writing and Create fail
    std::string refusePrefix;      // only paths that start with this (all when empty)

    std::optional<std::string> Read(const std::string& path, std::size_t maxBytes) override {
        return disk().Read(path, maxBytes);
    }
    std::unique_ptr<WriteHandle> Create(const std::string& path) override {
        if (Refused(path)) return nullptr;
        auto h = disk().Create(path);
        if (!h) return nullptr;
        return std::make_unique<Handle>(std::move(h), failWrites);
    }
    bool Rename(const std::string& a, const std::string& b) override { return disk().Rename(a, b); }
    bool Remove(const std::string& p) override { return disk().Remove(p); }
    bool IsFile(const std::string& p) override { return disk().IsFile(p); }
    bool IsFolder(const std::string& p) override { return disk().IsFolder(p); }
    std::optional<std::vector<std::string>> List(const std::string& f) override {
        return disk().List(f);
    }
    std::optional<FileDate> ModificationDate(const std::string& p) override {
        return disk().ModificationDate(p);
    }
    std::unique_ptr<RandomAccessFile> OpenRandom(const std::string& path, OpenMode mode) override {
        if (mode != OpenMode::Read && Refused(path)) return nullptr;
        auto f = disk().OpenRandom(path, mode);
        if (!f) return nullptr;
        return std::make_unique<File>(std::move(f), failWrites);
    }

  private:
    static FileSystem& disk() { return DiskFileSystem(); }
    bool Refused(const std::string& path) const {
        return refuseWriteOpen && path.compare(0, refusePrefix.size(), refusePrefix) == 0;
    }
    struct Handle : WriteHandle {
        Handle(std::unique_ptr<WriteHandle> h, bool& fail) : inner(std::move(h)), fail(fail) {}
        bool Write(std::string_view b) override { return !fail && inner->Write(b); }
        bool Close() override { return inner->Close() && !fail; }
        std::unique_ptr<WriteHandle> inner;
        bool& fail;
    };
    struct File : RandomAccessFile {
        File(std::unique_ptr<RandomAccessFile> f, bool& fail) : inner(std::move(f)), fail(fail) {}
        bool Read(std::uint64_t o, void* d, std::size_t n) override { return inner->Read(o, d, n); }
        bool Write(std::uint64_t o, const void* d, std::size_t n) override {
            return !fail && inner->Write(o, d, n);
        }
        std::uint64_t Size() override { return inner->Size(); }
        bool Truncate(std::uint64_t n) override { return !fail && inner->Truncate(n); }
        bool Flush() override { return !fail && inner->Flush(); }
        bool Lock(LockRange r) override { return inner->Lock(r); }
        void Unlock(LockRange r) override { inner->Unlock(r); }
        std::unique_ptr<RandomAccessFile> inner;
        bool& fail;
    };
};

}  // namespace bxr::test
