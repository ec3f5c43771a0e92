#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "platform/file_system.h"
#include "window_loader.h"

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
    bxr::BatchContext context{std::cout, std::cerr, "", ProgramFolder(), nullptr, {}, false, {}};
    context.errIsTerminal = ::isatty(STDERR_FILENO) == 1;
    // The batch forms never reach this: the toolkit is loaded with the window module only
    // when the window is to start.
    context.startWindow = [&](const bxr::CommandLine& cl) {
        std::string message;
        const bxr::gui::WindowModule* window = bxr::LoadWindowModule(context.programFolder, message);
        if (window == nullptr) {
            std::cerr << message << "\n";
            return bxr::kExitNoWindow;
        }
        if (!window->displayAvailable()) {
            std::cerr << window->noDisplayMessage() << "\n";
            return bxr::kExitNoWindow;
        }
        return window->runWindow(argc, argv, cl, WorkingFolder(), context.programFolder);
    };
    // The document is typeset by the window's painter: the module comes in for it too, but
    // it runs on the offscreen platform and needs no display.
    context.writeDocument = [&](bxr::Workspace& ws, const bxr::CalcDocument& doc,
                                const std::string& path, std::string& message) {
        const bxr::gui::WindowModule* window = bxr::LoadWindowModule(context.programFolder, message);
        if (window == nullptr) {
            if (message.rfind("wbxr: ", 0) == 0) message.erase(0, 6);
            return false;
        }
        return window->writeCalcDocument(ws, doc, path, bxr::DiskFileSystem(), message);
    };
    return bxr::RunCommandLine(params, context);
}
