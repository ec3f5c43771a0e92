#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "platform/process_image.h"
#include "window_program.h"

int main(int argc, char** argv) {
    std::vector<std::string> params(argv + 1, argv + argc);
    bxr::BatchContext context{std::cout, std::cerr, "", bxr::ExecutableFolder(), nullptr, {}, false, {}};
    context.errIsTerminal = ::isatty(STDERR_FILENO) == 1;
    // The batch forms never reach these: the window program, with the toolkit, takes over the
    // process only for the window and for the calculation document, which its painter
    // typesets. It reads the same command line again, so nothing is written before.
    context.startWindow = [&](const bxr::CommandLine&) {
        std::cerr << "wbxr: " << bxr::StartWindowProgram(context.programFolder, argv)
                  << "; ohne Fenster läuft der Bericht: wbxr Projekt.bxr /I /NOGUI\n";
        return bxr::kExitNoWindow;
    };
    context.writeDocument = [&](bxr::Workspace&, const bxr::CalcDocument&, const std::string&,
                                std::string& message) {
        message = bxr::StartWindowProgram(context.programFolder, argv);
        return false;
    };
    return bxr::RunCommandLine(params, context);
}
