#include "platform/process_image.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "platform/file_system.h"

namespace bxr {

std::string ExecutableFolder() {
    char buffer[4096];
    const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0) return {};
    return FolderOf(std::string(buffer, static_cast<std::size_t>(n)));
}

ReplaceFailure ReplaceProcess(const std::vector<std::string>& candidates, char** argv,
                              const char* variable, const std::string& value) {
    ReplaceFailure failure;
    for (const std::string& path : candidates) {
        struct stat info {};
        if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) continue;
        failure.path = path;
        ::setenv(variable, value.c_str(), 1);
        ::execv(path.c_str(), argv);
        failure.error = std::strerror(errno);
        ::unsetenv(variable);
        return failure;
    }
    return failure;
}

}  // namespace bxr
