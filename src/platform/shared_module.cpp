#include "platform/shared_module.h"

#include <dlfcn.h>
#include <sys/stat.h>

namespace bxr {

ModuleEntry LoadModuleEntry(const std::vector<std::string>& candidates, const char* symbol) {
    ModuleEntry found;
    for (const std::string& path : candidates) {
        struct stat info {};
        if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) continue;
        found.path = path;
        // Every library the module needs is bound now, so that a missing one is reported
        // here and not as a crash in the middle of the window.
        void* handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (handle == nullptr) {
            const char* why = ::dlerror();
            found.error = why != nullptr ? why : "dlopen failed";
            return found;
        }
        ::dlerror();
        found.entry = ::dlsym(handle, symbol);
        if (found.entry == nullptr) {
            const char* why = ::dlerror();
            found.error = why != nullptr ? why : std::string(symbol) + " not found";
        }
        return found;
    }
    return found;
}

}  // namespace bxr
