// Running the built program as a user does: in a folder, without a display or input.
#pragma once

#include <string>
#include <vector>

namespace bxr::test {

struct ProgramRun {
    int exitCode = -1;  // -1 when it did not end by itself
    std::string out;
    std::string err;
};

// The text in single quotes for the shell.
std::string ShellQuote(const std::string& s);

// The wbxr under test: $BXR_WBXR, else the one in the build folder.
std::string BuiltWbxr();

// Runs program (wbxr by default) in folder with the parameters, no display and no input; a
// run that waits for anything is ended after a minute.
ProgramRun RunIn(const std::string& folder, const std::vector<std::string>& params,
                 const std::string& program = BuiltWbxr());

// The lines of a program's output, and whether it says part somewhere.
int LineCount(const std::string& text);
bool Has(const std::string& text, const std::string& part);

}  // namespace bxr::test
