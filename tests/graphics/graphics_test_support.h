// Helpers for the drawing tests: an in-memory file system that can refuse writes, and a
// drawing to one output kind whose file text can be read back.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "graphics/drawing_output.h"
#include "platform/file_system.h"

namespace bxr::test::gfx {

class MemoryFileSystem : public FileSystem {
  public:
    std::map<std::string, std::string> files;
    bool failWrites = false;

    std::optional<std::string> Read(const std::string& path, std::size_t maxBytes) override {
        auto it = files.find(path);
        if (it == files.end()) return std::nullopt;
        return it->second.substr(0, maxBytes);
    }
    std::unique_ptr<WriteHandle> Create(const std::string& path) override {
        struct Handle : WriteHandle {
            MemoryFileSystem* fs;
            std::string path;
            bool Write(std::string_view bytes) override {
                if (fs->failWrites) return false;
                fs->files[path].append(bytes);
                return true;
            }
            bool Close() override { return !fs->failWrites; }
        };
        auto h = std::make_unique<Handle>();
        h->fs = this;
        h->path = path;
        files[path].clear();
        return h;
    }
    bool Rename(const std::string& from, const std::string& to) override {
        auto it = files.find(from);
        if (it == files.end()) return false;
        files[to] = it->second;
        files.erase(from);
        return true;
    }
    bool Remove(const std::string& path) override { return files.erase(path) > 0; }
    bool IsFile(const std::string& path) override { return files.count(path) > 0; }
    bool IsFolder(const std::string&) override { return true; }
    std::optional<std::vector<std::string>> List(const std::string&) override { return {}; }
    std::optional<FileDate> ModificationDate(const std::string&) override { return {}; }
};

inline std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    std::istringstream in(text);
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

// A drawing of one kind writing to "out.<ext>" in a memory file system.
struct DrawingHarness {
    MemoryFileSystem fs;
    OutputSettings out;
    CadSettings cad;
    bool abortFlag = false;
    std::unique_ptr<Drawing> drawing;

    explicit DrawingHarness(CadOutput kind) : DrawingHarness(kind, OutputSettings{}) {}
    DrawingHarness(CadOutput kind, OutputSettings settings) : out(settings) {
        DrawingTarget t;
        t.kind = kind;
        t.path = "out." + OutputExtension(kind);
        t.fs = &fs;
        t.iges.year = 2026;
        t.iges.month = 12;
        t.iges.day = 8;
        drawing = OpenDrawing(t, out, cad, abortFlag);
    }
    // Opens the sheet 0,0,160,120 with layer scheme 2 and starts the page.
    Drawing& Begin() {
        drawing->Sheet(0, 0, 160, 120);
        drawing->Tables(2);
        drawing->PageBegin();
        return *drawing;
    }
    std::string Finish() {
        drawing->PageEnd();
        drawing->Close();
        auto it = fs.files.find("out." + OutputExtension(drawing->kind()));
        return it == fs.files.end() ? std::string() : it->second;
    }
};

// The value lines that follow the group code `code` inside the entity that starts at
// `from`, as (code, value) pairs until the next group 0.
inline std::vector<std::pair<int, std::string>> DxfPairs(const std::vector<std::string>& lines) {
    std::vector<std::pair<int, std::string>> pairs;
    for (std::size_t i = 0; i + 1 < lines.size(); i += 2)
        pairs.emplace_back(std::stoi(lines[i]), lines[i + 1]);
    return pairs;
}

// The entities of one type in a DXF text, each as its list of (code, value) pairs.
inline std::vector<std::vector<std::pair<int, std::string>>> DxfEntities(const std::string& text,
                                                                         const std::string& type) {
    auto pairs = DxfPairs(Lines(text));
    std::vector<std::vector<std::pair<int, std::string>>> result;
    bool inEntities = false;
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        if (pairs[i].first == 2 && pairs[i].second == "ENTITIES") inEntities = true;
        if (!inEntities || pairs[i].first != 0 || pairs[i].second != type) continue;
        std::vector<std::pair<int, std::string>> e;
        for (std::size_t j = i + 1; j < pairs.size() && pairs[j].first != 0; ++j)
            e.push_back(pairs[j]);
        result.push_back(e);
    }
    return result;
}

inline std::string Group(const std::vector<std::pair<int, std::string>>& entity, int code) {
    for (const auto& [c, v] : entity)
        if (c == code) return v;
    return "<none>";
}

}  // namespace bxr::test::gfx
