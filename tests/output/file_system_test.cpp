#include "output/file_system.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace bxr {
namespace {

std::string MakeTempFolder() {
    char pattern[] = "/tmp/bxr_fs_XXXXXX";
    const char* made = ::mkdtemp(pattern);
    return made ? std::string(made) + "/" : std::string();
}

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Passes everything to the disk, but the n-th write of a created file fails, as on a full disk.
class FailingWrites : public FileSystem {
public:
    explicit FailingWrites(int failAt) : failAt_(failAt) {}
    std::optional<std::string> Read(const std::string& p, std::size_t n) override {
        return DiskFileSystem().Read(p, n);
    }
    std::unique_ptr<WriteHandle> Create(const std::string& path) override {
        struct Handle : WriteHandle {
            std::unique_ptr<WriteHandle> inner;
            int left;
            bool Write(std::string_view b) override { return --left > 0 && inner->Write(b); }
            bool Close() override { return inner->Close(); }
        };
        auto h = std::make_unique<Handle>();
        h->inner = DiskFileSystem().Create(path);
        h->left = failAt_;
        if (!h->inner) return nullptr;
        return h;
    }
    bool Rename(const std::string& a, const std::string& b) override {
        return DiskFileSystem().Rename(a, b);
    }
    bool Remove(const std::string& p) override { return DiskFileSystem().Remove(p); }
    bool IsFile(const std::string& p) override { return DiskFileSystem().IsFile(p); }
    bool IsFolder(const std::string& p) override { return DiskFileSystem().IsFolder(p); }
    std::optional<std::vector<std::string>> List(const std::string& f) override {
        return DiskFileSystem().List(f);
    }
    std::optional<FileDate> ModificationDate(const std::string& p) override {
        return DiskFileSystem().ModificationDate(p);
    }

private:
    int failAt_;
};

TEST(FileSystem, SafeWriteReplacesTheFileOnlyWhenEverythingWasWritten) {
    const std::string folder = MakeTempFolder();
    ASSERT_FALSE(folder.empty());
    const std::string path = folder + "beam.bxr";
    ASSERT_TRUE(WriteFileSafely(DiskFileSystem(), path, "old\r\n"));
    EXPECT_EQ(Slurp(path), "old\r\n");

    // A write that fails half-way through a large file leaves the old file untouched.
    FailingWrites failing(2);
    EXPECT_FALSE(WriteFileSafely(failing, path, std::string(10000, 'x')));
    EXPECT_EQ(Slurp(path), "old\r\n");
    EXPECT_EQ(DiskFileSystem().List(folder)->size(), 1u) << "temporary file left behind";

    EXPECT_TRUE(WriteFileSafely(DiskFileSystem(), path, "new\r\n"));
    EXPECT_EQ(Slurp(path), "new\r\n");
    DiskFileSystem().Remove(path);
    std::filesystem::remove(folder);
}

TEST(FileSystem, ReadStopsAtTheLimitAndRefusesFolders) {
    const std::string folder = MakeTempFolder();
    const std::string path = folder + "a.txt";
    ASSERT_TRUE(WriteFileSafely(DiskFileSystem(), path, "0123456789"));
    EXPECT_EQ(*DiskFileSystem().Read(path, 4), "0123");
    EXPECT_EQ(*DiskFileSystem().Read(path, 100), "0123456789");
    EXPECT_FALSE(DiskFileSystem().Read(folder, 100).has_value());
    EXPECT_FALSE(DiskFileSystem().Read(folder + "missing", 100).has_value());
    EXPECT_TRUE(DiskFileSystem().IsFile(path));
    EXPECT_TRUE(DiskFileSystem().IsFolder(folder));
    DiskFileSystem().Remove(path);
    std::filesystem::remove(folder);
}

TEST(FileSystem, PathPieces) {
    EXPECT_EQ(FolderOf("/home/u/beam.bxr"), "/home/u/");
    EXPECT_EQ(FolderOf("beam.bxr"), "");
    EXPECT_EQ(FileNameOf("/home/u/beam.bxr"), "beam.bxr");
    EXPECT_EQ(StripExtension("/home/u.v/beam.bxr"), "/home/u.v/beam");
    EXPECT_EQ(StripExtension("/home/u.v/beam"), "/home/u.v/beam");
    EXPECT_EQ(JoinPath("/home/u", "a"), "/home/u/a");
    EXPECT_EQ(JoinPath("/home/u/", "a"), "/home/u/a");
    EXPECT_EQ(JoinPath("", "a"), "a");
}

}  // namespace
}  // namespace bxr
