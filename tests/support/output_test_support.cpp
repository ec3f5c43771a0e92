#include "support/output_test_support.h"

#include <stdlib.h>

#include <fstream>
#include <sstream>

namespace bxr::test {

std::string MakeTempFolder() {
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/bxr_out_XXXXXX";
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    const char* made = ::mkdtemp(buffer.data());
    return made ? std::string(made) + "/" : std::string();
}

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

std::vector<std::string> Lines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string::npos) end = bytes.size();
        std::string line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

std::optional<std::string> FailingWrites::Read(const std::string& p, std::size_t n) {
    return DiskFileSystem().Read(p, n);
}

std::unique_ptr<WriteHandle> FailingWrites::Create(const std::string& path) {
    struct Handle : WriteHandle {
        std::unique_ptr<WriteHandle> inner;
        int left = 0;
        bool Write(std::string_view b) override { return --left > 0 && inner->Write(b); }
        bool Close() override { return inner->Close(); }
    };
    auto h = std::make_unique<Handle>();
    h->inner = DiskFileSystem().Create(path);
    h->left = failAt_;
    if (!h->inner) return nullptr;
    return h;
}

bool FailingWrites::Rename(const std::string& a, const std::string& b) {
    return DiskFileSystem().Rename(a, b);
}
bool FailingWrites::Remove(const std::string& p) {
    return DiskFileSystem().Remove(p);
}
bool FailingWrites::IsFile(const std::string& p) {
    return DiskFileSystem().IsFile(p);
}
bool FailingWrites::IsFolder(const std::string& p) {
    return DiskFileSystem().IsFolder(p);
}
std::optional<std::vector<std::string>> FailingWrites::List(const std::string& f) {
    return DiskFileSystem().List(f);
}
std::optional<FileDate> FailingWrites::ModificationDate(const std::string& p) {
    return DiskFileSystem().ModificationDate(p);
}

}  // namespace bxr::test
