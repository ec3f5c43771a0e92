#include "platform/file_system.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "support/output_test_support.h"

namespace bxr {
namespace {

using test::FailingWrites;
using test::MakeTempFolder;
using test::Slurp;

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

TEST(FileSystem, SafeWriteKeepsReadOnlyFilesAndFollowsNoPlantedLink) {
    const std::string folder = MakeTempFolder();
    const std::string victim = MakeTempFolder() + "victim";
    test::WriteFile(victim, "keep");
    const std::string pid = std::to_string(static_cast<long>(::getpid()));
    ASSERT_EQ(::symlink(victim.c_str(), (folder + ".bxr" + pid + ".tmp").c_str()), 0);
    // A name of 251 characters: the temporary name beside it still fits the file system.
    const std::string path = folder + std::string(247, 'n') + ".bxr";
    ASSERT_TRUE(WriteFileSafely(DiskFileSystem(), path, "new"));
    EXPECT_EQ(Slurp(path), "new");
    EXPECT_EQ(Slurp(victim), "keep");

    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    EXPECT_TRUE(DiskFileSystem().IsReadOnly(path));
    EXPECT_FALSE(WriteFileSafely(DiskFileSystem(), path, "newer"));
    EXPECT_EQ(Slurp(path), "new");
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
