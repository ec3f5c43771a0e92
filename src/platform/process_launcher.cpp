#include "platform/process_launcher.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string_view>

namespace bxr {
namespace {

bool IsExecutable(const std::string& path) {
    return ::access(path.c_str(), X_OK) == 0;
}

class System : public ProcessLauncher {
  public:
    bool ProgramExists(const std::string& program) override {
        if (program.empty()) return false;
        if (program.find('/') != std::string::npos) return IsExecutable(program);
        const char* path = std::getenv("PATH");
        std::string_view dirs = path ? path : "/usr/local/bin:/usr/bin:/bin";
        while (true) {
            std::size_t colon = dirs.find(':');
            std::string dir(dirs.substr(0, colon));
            if (dir.empty()) dir = ".";
            if (IsExecutable(dir + "/" + program)) return true;
            if (colon == std::string_view::npos) return false;
            dirs.remove_prefix(colon + 1);
        }
    }

    bool StartDetached(const std::vector<std::string>& argv) override {
        if (argv.empty()) return false;
        // A pipe tells the parent whether exec succeeded in the grandchild; the middle child
        // exits at once so that no zombie is left behind.
        int fds[2];
        if (::pipe2(fds, O_CLOEXEC) != 0) return false;
        pid_t child = ::fork();
        if (child < 0) {
            ::close(fds[0]);
            ::close(fds[1]);
            return false;
        }
        if (child == 0) {
            ::close(fds[0]);
            ::setsid();
            pid_t grandchild = ::fork();
            if (grandchild != 0) ::_exit(grandchild < 0 ? 1 : 0);
            int null = ::open("/dev/null", O_RDWR);
            if (null >= 0) {
                ::dup2(null, 0);
                ::dup2(null, 1);
                ::dup2(null, 2);
            }
            std::vector<char*> args;
            for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
            args.push_back(nullptr);
            ::execvp(args[0], args.data());
            char failed = 1;
            [[maybe_unused]] auto n = ::write(fds[1], &failed, 1);
            ::_exit(127);
        }
        ::close(fds[1]);
        int status = 0;
        while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
        }
        char failed = 0;
        ssize_t n;
        while ((n = ::read(fds[0], &failed, 1)) < 0 && errno == EINTR) {
        }
        ::close(fds[0]);
        return WIFEXITED(status) && WEXITSTATUS(status) == 0 && n == 0;
    }
};

}  // namespace

ProcessLauncher& SystemLauncher() {
    static System system;
    return system;
}

}  // namespace bxr
