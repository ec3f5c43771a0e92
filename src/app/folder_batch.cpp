#include "app/folder_batch.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <optional>
#include <ostream>
#include <sstream>
#include <thread>

#include "format/text_helpers.h"
#include "model/project_file.h"
#include "platform/memory_reuse.h"

namespace bxr {

namespace {

bool IsProjectName(const std::string& name) {
    const std::string extension = std::string(".") + kProjectExtension;
    return name.size() > extension.size() &&
           UpperText(name.substr(name.size() - extension.size())) == UpperText(extension);
}

// The lines a project's run wrote, each naming the project: a line that does not name it
// already gets "name: " after the program's prefix.
std::vector<std::string> NamedLines(const std::string& text, const std::string& name) {
    const std::string prefix = "wbxr: ";
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (line.empty()) continue;
        if (line.find(name) == std::string::npos) {
            const bool prefixed = line.rfind(prefix, 0) == 0;
            line = prefix + name + ": " + (prefixed ? line.substr(prefix.size()) : line);
        }
        lines.push_back(line);
    }
    return lines;
}

struct Outcome {
    bool done = false;
    int exitCode = 0;
    std::string text;
};

}  // namespace

std::optional<std::vector<std::string>> ProjectsInFolder(FileSystem& files,
                                                         const std::string& folder) {
    auto names = files.List(folder);
    if (!names) return std::nullopt;
    std::erase_if(*names, [](const std::string& n) { return !IsProjectName(n); });
    std::sort(names->begin(), names->end());
    return names;
}

int RunFolderBatch(const std::string& folder, FileSystem& files, std::ostream& err,
                   const ProjectRun& run, const FolderRunOptions& options) {
    const auto names = ProjectsInFolder(files, folder);
    if (!names) {
        err << "wbxr: der Ordner " << folder << " kann nicht gelesen werden.\n";
        return 1;
    }
    if (names->empty()) {
        err << "wbxr: im Ordner " << folder << " liegt keine Projektdatei (." << kProjectExtension
            << ").\n";
        return 1;
    }
    const std::size_t count = names->size();
    unsigned threads = options.threads != 0 ? options.threads : std::thread::hardware_concurrency();
    threads = static_cast<unsigned>(std::clamp<std::size_t>(threads, 1, count));

    KeepFreedMemoryForReuse();
    std::vector<Outcome> outcomes(count);
    std::mutex mutex;
    std::condition_variable finished;
    std::atomic<std::size_t> next{0};
    auto work = [&] {
        for (std::size_t i = next++; i < count; i = next++) {
            std::ostringstream said;
            int code = 1;
            try {
                code = run(JoinPath(folder, (*names)[i]), said);
            } catch (const std::exception& e) {
                said << "wbxr: " << (*names)[i] << ": interner Fehler: " << e.what() << "\n";
            }
            std::lock_guard lock(mutex);
            outcomes[i].exitCode = code;
            outcomes[i].text = said.str();
            outcomes[i].done = true;
            finished.notify_all();
        }
    };
    // The workers calculate; this thread hands their lines on in name order as they finish.
    std::vector<std::jthread> workers;
    for (unsigned t = 0; t < threads; ++t) workers.emplace_back(work);

    bool anyFailed = false;
    const char* clearLine = "\r\033[K";
    for (std::size_t i = 0; i < count; ++i) {
        Outcome outcome;
        {
            std::unique_lock lock(mutex);
            finished.wait(lock, [&] { return outcomes[i].done; });
            outcome = std::move(outcomes[i]);
        }
        const std::string& name = (*names)[i];
        std::vector<std::string> lines = NamedLines(outcome.text, name);
        if (outcome.exitCode != 0) {
            anyFailed = true;
            if (lines.empty()) lines.push_back("wbxr: " + name + ": fehlgeschlagen");
        }
        if (options.progress && !lines.empty()) err << clearLine;
        for (const auto& line : lines) err << line << "\n";
        if (options.progress) err << clearLine << (i + 1) << "/" << count << " " << name << std::flush;
    }
    if (options.progress) err << clearLine << std::flush;
    return anyFailed ? 1 : 0;
}

}  // namespace bxr
