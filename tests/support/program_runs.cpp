#include "support/program_runs.h"

#include <sys/wait.h>

#include <cstdlib>

#include "support/output_test_support.h"

namespace bxr::test {

std::string ShellQuote(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

std::string BuiltWbxr() {
    const char* fromEnv = std::getenv("BXR_WBXR");
    return fromEnv ? fromEnv : std::string(BXR_BINARY_DIR) + "/wbxr";
}

ProgramRun RunIn(const std::string& folder, const std::vector<std::string>& params,
                 const std::string& program) {
    const std::string scratch = MakeTempFolder();
    std::string command = "cd " + ShellQuote(folder) +
                          " && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 60 " +
                          ShellQuote(program);
    for (const auto& p : params) command += " " + ShellQuote(p);
    command += " </dev/null >" + ShellQuote(scratch + "out") + " 2>" + ShellQuote(scratch + "err");
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, Slurp(scratch + "out"),
            Slurp(scratch + "err")};
}

int LineCount(const std::string& text) {
    int n = 0;
    for (char c : text) n += c == '\n';
    return n;
}

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

}  // namespace bxr::test
