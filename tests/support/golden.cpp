#include "support/golden.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace bxr::test {

std::string ReadTestFile(const std::string& relativePath, bool* found) {
    std::ifstream in(std::string(BXR_TEST_DIR) + "/" + relativePath, std::ios::binary);
    if (found) *found = static_cast<bool>(in);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string CompareWithGolden(const std::string& relativePath, const std::string& actual) {
    bool found = false;
    const std::string expected = ReadTestFile(relativePath, &found);
    if (found && expected == actual) return {};
    const char* update = std::getenv("BXR_UPDATE_GOLDEN");
    if (update && std::string(update) == "1") {
        std::ofstream out(std::string(BXR_TEST_DIR) + "/" + relativePath, std::ios::binary);
        out << actual;
        return {};
    }
    if (!found) return "golden file " + relativePath + " is missing";
    std::size_t line = 1, i = 0;
    while (i < expected.size() && i < actual.size() && expected[i] == actual[i]) {
        if (expected[i] == '\n') ++line;
        ++i;
    }
    return relativePath + " differs at byte " + std::to_string(i) + " (line " +
           std::to_string(line) + "), sizes " + std::to_string(expected.size()) + " and " +
           std::to_string(actual.size());
}

std::string MakeScratchFolder(const std::string& name) {
    namespace fs = std::filesystem;
    const fs::path p = fs::path(BXR_BINARY_DIR) / "scratch" / name;
    std::error_code ec;
    fs::remove_all(p, ec);
    fs::create_directories(p, ec);
    return p.string() + "/";
}

}  // namespace bxr::test
