// The window program's entry. wbxr gives its process over to this program for the forms that
// need the toolkit; it runs the same command line with the window linked in.
#include <unistd.h>

#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "gui/calc_document_writer.h"
#include "gui/window_entry.h"
#include "platform/process_image.h"
#include "window_program.h"

namespace {

// The folder of wbxr that started this program; its own when started directly.
std::string ProgramFolder() {
    const char* handed = std::getenv(bxr::kProgramFolderVariable);
    std::string folder = handed != nullptr && *handed != '\0' ? handed : bxr::ExecutableFolder();
    ::unsetenv(bxr::kProgramFolderVariable);
    return folder;
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
    context.startWindow = [&](const bxr::CommandLine& cl) {
        if (!bxr::gui::DisplayAvailable()) {
            std::cerr << bxr::gui::NoDisplayMessage() << "\n";
            return bxr::kExitNoWindow;
        }
        return bxr::gui::RunWindow(argc, argv, cl, WorkingFolder(), context.programFolder);
    };
    // The document is typeset on the offscreen platform and needs no display.
    context.writeDocument = [](bxr::Workspace& ws, const bxr::CalcDocument& doc,
                               const std::string& path, std::string& message) {
        return bxr::gui::WriteCalcDocumentPdf(ws, doc, path, bxr::DiskFileSystem(), message);
    };
    return bxr::RunCommandLine(params, context);
}
