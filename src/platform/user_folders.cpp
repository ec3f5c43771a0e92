#include "platform/user_folders.h"

#include <cstdlib>
#include <sstream>

namespace bxr {

namespace {

std::string Environment(const char* name) {
    const char* v = std::getenv(name);
    return v ? std::string(v) : std::string();
}

std::string WithoutTrailingSlashes(std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

}  // namespace

std::string DocumentsFolderOf(const std::string& userDirsText, const std::string& home) {
    const std::string fallback = JoinPath(home, "Documents");
    const std::string key = "XDG_DOCUMENTS_DIR=\"";
    std::istringstream lines(userDirsText);
    std::string line;
    std::string found;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const auto start = line.find_first_not_of(" \t");
        if (start == std::string::npos || line.compare(start, key.size(), key) != 0) continue;
        const auto valueStart = start + key.size();
        const auto close = line.find('"', valueStart);
        if (close == std::string::npos) continue;
        std::string value = line.substr(valueStart, close - valueStart);
        // The file allows these two forms only; anything else is skipped as the desktop does.
        if (value.rfind("$HOME", 0) == 0 && (value.size() == 5 || value[5] == '/'))
            found = home + value.substr(5);
        else if (!value.empty() && value[0] == '/')
            found = value;
    }
    return found.empty() ? fallback : WithoutTrailingSlashes(found);
}

UserFolders CurrentUserFolders(FileSystem& fs) {
    UserFolders u;
    u.home = WithoutTrailingSlashes(Environment("HOME"));
    if (u.home.empty()) return u;
    std::string config = Environment("XDG_CONFIG_HOME");
    if (config.empty() || config[0] != '/') config = JoinPath(u.home, ".config");
    const auto text = fs.Read(JoinPath(config, "user-dirs.dirs"), 64 * 1024);
    u.documents = DocumentsFolderOf(text ? *text : std::string(), u.home);
    return u;
}

}  // namespace bxr
