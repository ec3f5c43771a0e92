// The program's command line: the usage screen, the batch report run ("/I"), the CAD run, and
// the forms that start the window. Batch forms never open a window, so they run on a machine
// without a display; they end with an exit code and say on standard error what went wrong.
#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace bxr {

struct CalcDocument;
struct Workspace;

struct CommandLine {
    enum class Form {
        Window,  // no parameters: the normal start
        Usage,   // "?" or "/?"
        Plain,   // a project to open in the window
        Report,  // file "/I": the results report to project name + ".txt"
        Cad,     // file "/CADi:j"
        Edit,    // file "/E", "/e" or "/G": normal start, the file is not read
        // file "/DXF:drawing.dxf" ["/LAYER:name"]: the contour from the drawing, written into
        // the project (a new one when the file does not exist)
        ImportDxf,
        Document,  // file "/PDF" ["/SMIN:x"]: the calculation document to project name + ".pdf"
    };
    Form form = Form::Window;
    std::string file;
    bool noGui = false;      // "/NOGUI" among the parameters: no message display
    int cadType = 0;         // i of "/CADi:j": 1 DXF, 2 IGES, 5 text
    int cadIndex = 0;        // j of "/CADi:j"
    std::string cadWord;     // the word as typed, for the messages
    bool cadWordOk = false;  // "/CAD", one digit, ":", up to nine digits and nothing else
    // Of "/DXF:" and "/LAYER:" (empty: every layer).
    std::string dxfFile;
    std::string dxfLayer;
    // Of "/SMIN:x": the required safety as typed (empty: the default).
    std::string requiredSafety;
};

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
// The form needs the program window, which this build does not have.
inline constexpr int kExitNoWindow = 2;

CommandLine ParseCommandLine(const std::vector<std::string>& params);

// The usage screen (UTF-8): its 24 lines, then the folder form.
std::vector<std::string> UsageLines();

struct BatchContext {
    std::ostream& out;            // the usage screen
    std::ostream& err;            // one-line messages, UTF-8
    std::string workingFolder;    // where the report file goes; empty: the current folder
    std::string programFolder;    // folder of the executable, to find the data files
    FileSystem* files = nullptr;  // null: the disk
    // Starts the program window for the forms that need it; null where there is none.
    std::function<int(const CommandLine&)> startWindow;
    // Standard error is a terminal: a folder run shows its progress there.
    bool errIsTerminal = false;
    // Typesets the calculation document into a PDF file at the path; false with the reason
    // (UTF-8). Null where the program has no window program to typeset it.
    std::function<bool(Workspace&, const CalcDocument&, const std::string& path,
                       std::string& message)>
        writeDocument;
};

// Runs the command line and gives the exit code.
int RunCommandLine(const std::vector<std::string>& params, BatchContext& context);

}  // namespace bxr
