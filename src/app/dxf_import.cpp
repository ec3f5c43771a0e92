#include "app/dxf_import.h"

#include <optional>
#include <vector>

#include "format/code_page.h"
#include "platform/file_system.h"
#include "platform/ui.h"
#include "sections/dxf_contour.h"
#include "workspace/workspace.h"

namespace bxr {

namespace {

constexpr std::size_t kMaxDxfBytes = 64u << 20;

std::optional<std::string> ReadDxf(FileSystem& fs, const std::string& path, std::string& message) {
    auto bytes = fs.Read(path, kMaxDxfBytes + 1);
    if (!bytes) {
        message = "Datei \"" + path + "\" kann nicht gelesen werden !";
        return std::nullopt;
    }
    if (bytes->size() > kMaxDxfBytes) {
        message = "Datei \"" + path + "\" ist für eine Kontur zu groß"_oem;
        return std::nullopt;
    }
    return bytes;
}

bool Apply(Workspace& ws, const std::string& bytes, const std::string& layer,
           std::string& message) {
    const DxfContourResult r = ReadDxfContour(bytes, DxfContourOptions{layer, -1});
    if (!r.ok) {
        message = r.message;
        return false;
    }
    BeamModel& m = ws.model;
    m.contour = {};
    for (std::size_t i = 0; i < r.contour.size(); ++i) m.contour[i + 1] = r.contour[i];
    m.contourCount = static_cast<std::uint16_t>(r.contour.size());
    m.modified = true;
    return true;
}

}  // namespace

bool ImportDxfFile(Workspace& ws, FileSystem& fs, const std::string& path, const std::string& layer,
                   std::string& message) {
    const auto bytes = ReadDxf(fs, path, message);
    return bytes && Apply(ws, *bytes, layer, message);
}

bool ImportDxfCommand(Workspace& ws, FileSystem& fs) {
    ws.abortFlag = false;
    auto fail = [&](const std::string& message) {
        ws.abortFlag = true;
        if (ws.ui && !message.empty()) ws.ui->ShowMessage(message);
        return false;
    };
    if (!ws.ui) return fail("");
    const auto path = ws.ui->ChooseFileToOpen("*.dxf|*.dxf", ws.dataFolder);
    if (!path || path->empty()) return fail("");
    std::string message;
    const auto bytes = ReadDxf(fs, *path, message);
    if (!bytes) return fail(message);
    std::string layer;
    const std::vector<std::string> layers = DxfContourLayers(*bytes);
    if (layers.size() > 1) {
        std::vector<std::string> items{"alle Layer"};
        items.insert(items.end(), layers.begin(), layers.end());
        ws.ui->SetHelpTopic(4130);
        const auto chosen = ws.ui->Choose("Layer der Kontur", items, 1);
        if (!chosen || *chosen < 1 || *chosen > static_cast<int>(items.size())) return fail("");
        if (*chosen > 1) layer = layers[static_cast<std::size_t>(*chosen - 2)];
    }
    if (!Apply(ws, *bytes, layer, message)) return fail(message);
    return true;
}

bool ImportDxfCommand(Workspace& ws) {
    return ImportDxfCommand(ws, DiskFileSystem());
}

}  // namespace bxr
