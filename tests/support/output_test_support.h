// Helpers for tests of the text outputs: a private temporary folder, reading a file back, a
// file system whose writes fail part-way, and a launcher that records what it was asked to
// start instead of starting it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "report/output_channel.h"
#include "platform/process_launcher.h"

namespace bxr::test {

// A new empty folder under the temporary folder, with its trailing "/".
std::string MakeTempFolder();
// The bytes of a file; empty when it cannot be read.
std::string Slurp(const std::string& path);
// Writes bytes to a file (for fixtures).
void WriteFile(const std::string& path, const std::string& bytes);
// Lines of a text split at LF with a CR before it removed.
std::vector<std::string> Lines(const std::string& bytes);

// The disk, except that the failAt-th write to any created file fails, as on a full disk.
class FailingWrites : public FileSystem {
  public:
    explicit FailingWrites(int failAt) : failAt_(failAt) {}
    std::optional<std::string> Read(const std::string& p, std::size_t n) override;
    std::unique_ptr<WriteHandle> Create(const std::string& path) override;
    bool Rename(const std::string& a, const std::string& b) override;
    bool Remove(const std::string& p) override;
    bool IsFile(const std::string& p) override;
    bool IsFolder(const std::string& p) override;
    std::optional<std::vector<std::string>> List(const std::string& f) override;
    std::optional<FileDate> ModificationDate(const std::string& p) override;

  private:
    int failAt_;
};

class RecordingLauncher : public ProcessLauncher {
  public:
    std::vector<std::string> existing;  // programs that count as installed
    std::vector<std::vector<std::string>> started;
    bool ProgramExists(const std::string& program) override {
        for (const auto& e : existing)
            if (e == program) return true;
        return false;
    }
    bool StartDetached(const std::vector<std::string>& argv) override {
        started.push_back(argv);
        return true;
    }
};

// A channel environment writing into a private temporary folder, for the project "welle",
// with a fixed date and time and a launcher that only records.
struct ChannelFixture {
    std::string folder = MakeTempFolder();
    RecordingLauncher launcher;
    bool abortFlag = false;
    ChannelEnvironment env;

    ChannelFixture() {
        env.abortFlag = &abortFlag;
        env.settings.tempFolder = folder;
        env.settings.lineStyle = 1;
        env.outputFolder = folder;
        env.projectName = "welle";
        env.launcher = &launcher;
        env.today = [] { return std::string("08.12.2026"); };
        env.now = [] { return std::string("9:05"); };
    }
};

// A report line behind the left margin of the plain-text destinations.
inline std::string Margin(const std::string& s) {
    return "       " + s;
}

}  // namespace bxr::test
