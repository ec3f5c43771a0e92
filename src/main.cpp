#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "gui/window_entry.h"
#include "platform/file_system.h"

namespace {

std::string ProgramFolder() {
    char buffer[4096];
    ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0) return {};
    return bxr::FolderOf(std::string(buffer, static_cast<std::size_t>(n)));
}

std::string WorkingFolder() {
    char buffer[4096];
    return ::getcwd(buffer, sizeof buffer) != nullptr ? std::string(buffer) : std::string();
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> params(argv + 1, argv + argc);
    bxr::BatchContext context{std::cout, std::cerr, "", ProgramFolder(), nullptr, {}};
    // The batch forms never reach this: they run without any window or display.
    context.startWindow = [&](const bxr::CommandLine& cl) {
        if (!bxr::gui::DisplayAvailable()) {
            std::cerr << bxr::gui::NoDisplayMessage() << "\n";
            return bxr::kExitNoWindow;
        }
        return bxr::gui::RunWindow(argc, argv, cl, WorkingFolder(), ProgramFolder());
    };
    return bxr::RunCommandLine(params, context);
}
