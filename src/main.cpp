#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "platform/file_system.h"

namespace {

std::string ProgramFolder() {
    char buffer[4096];
    ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0) return {};
    return bxr::FolderOf(std::string(buffer, static_cast<std::size_t>(n)));
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> params(argv + 1, argv + argc);
    bxr::BatchContext context{std::cout, std::cerr, "", ProgramFolder(), nullptr};
    return bxr::RunCommandLine(params, context);
}
