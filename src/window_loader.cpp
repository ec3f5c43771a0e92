#include "window_loader.h"

#include "platform/file_system.h"
#include "platform/shared_module.h"

namespace bxr {

std::vector<std::string> WindowModuleCandidates(const std::string& programFolder) {
    const std::string folder = programFolder.empty() ? std::string(".") : programFolder;
    return {JoinPath(folder, gui::kWindowModuleFile),
            JoinPath(JoinPath(JoinPath(folder, ".."), "lib/bxr"), gui::kWindowModuleFile)};
}

const gui::WindowModule* LoadWindowModule(const std::string& programFolder, std::string& message) {
    const std::vector<std::string> candidates = WindowModuleCandidates(programFolder);
    const ModuleEntry found = LoadModuleEntry(candidates, gui::kWindowModuleEntry);
    const std::string hint = "; ohne Fenster läuft der Bericht: wbxr Projekt.bxr /I /NOGUI";
    if (found.path.empty()) {
        message = std::string("wbxr: das Fenstermodul ") + gui::kWindowModuleFile +
                  " fehlt (gesucht: " + candidates[0] + ", " + candidates[1] + ")" + hint;
        return nullptr;
    }
    if (found.entry == nullptr) {
        message = "wbxr: das Fenstermodul " + found.path + " kann nicht geladen werden: " +
                  found.error + hint;
        return nullptr;
    }
    using EntryFunction = const gui::WindowModule* (*)();
    const gui::WindowModule* module = reinterpret_cast<EntryFunction>(found.entry)();
    if (module == nullptr || module->version != gui::kWindowModuleVersion) {
        message = "wbxr: das Fenstermodul " + found.path +
                  " gehört zu einer anderen Version des Programms (Modulversion " +
                  (module ? std::to_string(module->version) : std::string("?")) + ", erwartet " +
                  std::to_string(gui::kWindowModuleVersion) + ")" + hint;
        return nullptr;
    }
    return module;
}

}  // namespace bxr
