// libFuzzer target for the dBase reader and the index: any bytes as a table file must give
// either a table whose every record and field can be read, or a clear refusal; never a read
// or write outside a buffer. Build with -DBXR_FUZZ=ON and clang.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <map>
#include <memory>
#include <string>

#include "platform/file_system.h"
#include "tables/dbf_index.h"
#include "tables/dbf_table.h"

namespace {

// Files held in memory, so that the fuzzer never touches the disk.
class MemoryFileSystem : public bxr::FileSystem {
  public:
    std::map<std::string, std::string> files;

    std::optional<std::string> Read(const std::string& path, std::size_t maxBytes) override {
        auto it = files.find(path);
        if (it == files.end()) return std::nullopt;
        return it->second.substr(0, maxBytes);
    }
    std::unique_ptr<bxr::WriteHandle> Create(const std::string& path) override {
        files[path].clear();
        return std::make_unique<Handle>(files[path]);
    }
    bool Rename(const std::string& from, const std::string& to) override {
        auto it = files.find(from);
        if (it == files.end()) return false;
        files[to] = it->second;
        files.erase(from);
        return true;
    }
    bool Remove(const std::string& path) override { return files.erase(path) > 0; }
    bool IsFile(const std::string& path) override { return files.count(path) > 0; }
    bool IsFolder(const std::string&) override { return false; }
    std::optional<std::vector<std::string>> List(const std::string&) override { return {}; }
    std::optional<bxr::FileDate> ModificationDate(const std::string&) override { return {}; }
    std::unique_ptr<bxr::RandomAccessFile> OpenRandom(const std::string& path,
                                                      bxr::OpenMode mode) override {
        if (mode == bxr::OpenMode::Create) files[path].clear();
        auto it = files.find(path);
        if (it == files.end()) return nullptr;
        return std::make_unique<File>(it->second);
    }

  private:
    struct Handle : bxr::WriteHandle {
        explicit Handle(std::string& s) : data(s) {}
        bool Write(std::string_view b) override {
            data.append(b);
            return true;
        }
        bool Close() override { return true; }
        std::string& data;
    };
    struct File : bxr::RandomAccessFile {
        explicit File(std::string& s) : data(s) {}
        bool Read(std::uint64_t offset, void* out, std::size_t size) override {
            if (offset > data.size() || size > data.size() - offset) return false;
            std::memcpy(out, data.data() + offset, size);
            return true;
        }
        bool Write(std::uint64_t offset, const void* in, std::size_t size) override {
            if (offset + size > (64u << 20)) return false;
            if (data.size() < offset + size) data.resize(offset + size, '\0');
            std::memcpy(data.data() + offset, in, size);
            return true;
        }
        std::uint64_t Size() override { return data.size(); }
        bool Truncate(std::uint64_t size) override {
            data.resize(size);
            return true;
        }
        bool Flush() override { return true; }
        bool Lock(bxr::LockRange) override { return true; }
        void Unlock(bxr::LockRange) override {}
        std::string& data;
    };
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    MemoryFileSystem fs;
    fs.files["t.dbf"] = std::string(reinterpret_cast<const char*>(data), size);
    bxr::DbfTable table;
    if (!table.Open("t.dbf", true, fs)) {
        if (table.Error().empty()) __builtin_trap();  // a refusal always says why
        return 0;
    }
    // The header promised the records are there: every one must read.
    const std::uint32_t count = std::min<std::uint32_t>(table.RecordCount(), 4096);
    volatile long double sum = 0;
    for (std::uint32_t n = 1; n <= count; ++n) {
        if (!table.Read(n)) __builtin_trap();
        for (int i = 0; i <= table.FieldCount() + 1; ++i) {
            sum = sum + table.FieldNumber(i);
            if (table.FieldText(i).size() > 255) __builtin_trap();
            (void)table.FieldLogical(i);
        }
    }
    // Index, lookups, edits and pack on what was read.
    if (table.RecordCount() <= 4096) {
        std::string error;
        for (int field = 1; field <= std::min(table.FieldCount(), 3); ++field) {
            if (!bxr::DbfIndex::Build(table, field, "t.ndx", fs, error)) __builtin_trap();
            bxr::DbfIndex index;
            if (!index.Open("t.ndx", table, fs, error)) __builtin_trap();
            if (table.Read(1)) (void)index.Find(table.FieldText(field));
            (void)index.Find("1.5");
        }
        if (table.Read(1)) {
            table.SetFieldText(1, "x");
            table.SetFieldNumber(1, 12.5L);
            table.Write();
        }
        table.BlankRecord();
        table.Append();
        table.MarkDeleted(1, true);
        table.Pack();
        bxr::DbfTable again;
        if (!again.Open("t.dbf", false, fs)) __builtin_trap();  // what we wrote reads back
    }
    return 0;
}
