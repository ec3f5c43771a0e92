#include "app/diagram_export.h"

#include <algorithm>
#include <cmath>

#include "app/real_prompt.h"
#include "platform/ui.h"

namespace bxr {

namespace {
constexpr int kDiagramExportHelp = 1990;  // the table choice and the point count
}  // namespace

std::optional<DiagramTableRequest> AskDiagramTableRequest(Ui& ui, const OutputSettings& settings,
                                                          int segments) {
    ui.SetHelpTopic(kDiagramExportHelp);
    const auto chosen = ui.Choose(DiagramTableChoicePrompt(), DiagramTableChoices(), 1);
    if (!chosen || *chosen < 1 || *chosen > 3) return std::nullopt;
    const int most = std::max(segments, 1);
    const int fewest = std::min(kDiagramTableMinPoints, most);
    ui.SetHelpTopic(kDiagramExportHelp);
    const auto typed = AskRealInRange(ui, settings, DiagramTableCountPrompt(), most, fewest, most);
    if (!typed) return std::nullopt;
    const int count = std::clamp(static_cast<int>(std::nearbyint(*typed)), fewest, most);
    return DiagramTableRequest{static_cast<DiagramTableKind>(*chosen), count};
}

DiagramExportSource StationExportSource(const Workspace& ws) {
    const StationTable& stations = ws.results.stations;
    return {ws.model.length, stations.n, [&stations](int station, DiagramTableKind kind) {
                if (station < 0 || station > stations.n) return std::vector<Real>{};
                return DiagramTableValues(stations[station], kind);
            }};
}

bool ExportDiagramTable(Workspace& ws, OutputChannel& out, const DiagramExportSource& source) {
    ws.abortFlag = false;
    if (!source.values) return false;
    const auto request = AskDiagramTableRequest(*ws.ui, ws.output(), source.segments);
    if (!request) {
        ws.abortFlag = true;
        return false;
    }
    const std::string name = ws.currentName.empty() ? std::string() : ws.currentName + ".TXT";
    if (!out.Open(kAskOrDefault, name)) return false;
    out.SetDocumentHead("BXR V" + ProgramVersion(), ws.model.drawingName, ws.model.drawingNumber,
                        {"", "", ""});
    out.SetPageHeaders(false);
    const DiagramTableKind kind = request->kind;
    const bool written = WriteDiagramTable(
        out, kind, DiagramTableSamples(source.length, source.segments, request->count),
        [&](int station) { return source.values(station, kind); });
    const bool closed = out.Close();
    return written && closed;
}

}  // namespace bxr
