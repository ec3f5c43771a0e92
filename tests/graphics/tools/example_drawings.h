// Every drawing of the example projects in data/, calculated, under one name each: the sample
// writer puts them into files for the real readers, the graphics tests look at what they draw.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "analysis/run_analysis.h"
#include "graphics/beam_sketch.h"
#include "graphics/diagram_drawing.h"
#include "graphics/drawing.h"
#include "graphics/quick_page.h"
#include "graphics/section_drawing.h"
#include "graphics/section_stress_view.h"
#include "graphics/shaft_drawing.h"
#include "graphics/view_3d.h"
#include "model/project_file.h"
#include "platform/file_system.h"
#include "workspace/workspace.h"

namespace bxr::samples {

using NamedDrawing = std::pair<std::string, std::function<void(Drawing&)>>;

inline const char* const kExampleNames[] = {"getriebewelle", "konsole", "durchlauftraeger",
                                            "antriebswelle", "stufenwelle",
                                            "stufenwelle_dreilager"};

// Reads and calculates the example; nothing when it is missing, damaged or fails.
inline std::unique_ptr<Workspace> LoadExample(const std::string& name, std::string& error) {
    auto text =
        DiskFileSystem().Read(std::string(BXR_SOURCE_DATA_DIR) + "/" + name + ".bxr", 1 << 20);
    if (!text) {
        error = name + ".bxr not found";
        return nullptr;
    }
    auto ws = std::make_unique<Workspace>();
    if (!ReadProjectText(*text, ws->model, ws->documentation).Ok()) {
        error = name + ".bxr damaged";
        return nullptr;
    }
    RunAnalysis(*ws);
    if (ws->messages.fatal) {
        error = name + ".bxr: calculation failed";
        return nullptr;
    }
    return ws;
}

// The drawings of one calculated example. The workspace must outlive them.
inline void AddExampleDrawings(const std::string& name, Workspace* w, bool everyDiagram,
                               std::vector<NamedDrawing>& drawings) {
    drawings.emplace_back(name + "_quick",
                          [w](Drawing& d) { DrawQuickPage(d, BuildQuickSummary(*w)); });
    drawings.emplace_back(name + "_3d", [w](Drawing& d) {
        Draw3DView(d, w->model, w->section, ViewAngles(30, 30, 0));
    });
    drawings.emplace_back(name + "_stress", [w](Drawing& d) {
        DrawSectionStressView(d, w->section, w->results.stations[w->results.extremes.pointMb]);
    });
    drawings.emplace_back(name + "_shaft",
                          [w](Drawing& d) { DrawShaftDrawing(d, w->model, w->section); });
    drawings.emplace_back(name + "_schema",
                          [w](Drawing& d) { DrawSchemaSheet(d, w->model, w->results.reactions); });
    // Every diagram of one example; the others show the three layouts of one kind.
    for (int kind : {1, 2, 3, 4, 5, 7, 8})
        for (int plane = 1; plane <= 4; ++plane) {
            if (!everyDiagram && (kind != 2 || plane == 2)) continue;
            if (kind == 7 && plane > 1) continue;
            drawings.emplace_back(name + "_diagram" + std::to_string(10 * kind + plane),
                                  [w, kind, plane](Drawing& d) {
                                      DrawDiagramSheet(d, kind, plane, {w->model, w->results});
                                  });
        }
    for (int variant = 1; variant <= 5; ++variant)
        drawings.emplace_back(
            name + "_section" + std::to_string(variant), [w, variant](Drawing& d) {
                FrameContext frame{std::string("/home/bxr/") + "example.bxr", 2026, 12, 8, 18, 30};
                DrawSectionVariant(d, variant,
                                   {w->model, w->section, w->messages, w->documentation, frame});
            });
}

}  // namespace bxr::samples
