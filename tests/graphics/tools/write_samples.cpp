// Writes every sample drawing in every file format into one folder, for the real readers
// (ezdxf, xmllint, the Open CASCADE IGES reader) to check.
#include <filesystem>
#include <functional>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "analysis/extreme_values.h"
#include "analysis/run_analysis.h"
#include "graphics/beam_sketch.h"
#include "graphics/diagram_drawing.h"
#include "graphics/drawing_output.h"
#include "graphics/quick_page.h"
#include "graphics/section_drawing.h"
#include "graphics/section_stress_view.h"
#include "graphics/view_3d.h"
#include "model/project_file.h"
#include "workspace/workspace.h"
#include "format/code_page.h"
#include "sections/compute_section.h"

using namespace bxr;

namespace {

// Every primitive of the drawing interface once, with a block and its inserts.
void Primitives(Drawing& d) {
    d.Sheet(0, 0, 160, 120);
    d.Tables(2);
    d.PageBegin();
    d.Pen(1);
    d.Rectangle(5, 5, 155, 115);
    d.Pen(3);
    d.Line(10, 10, 150, 10);
    d.Line3D(10, 20, 0, 40, 30, 5);
    d.Pen(4);
    d.Circle(80, 60, 20);
    d.Arc(80, 60, 25, 30, 150);
    d.Arc(80, 60, 28, 0, 360);
    d.Pen(40);
    d.PolylineBegin(20, 40);
    d.PolylineVertex(30, 50);
    d.PolylineVertex(40, 45);
    d.PolylineEnd();
    d.Pen(5);
    d.Solid(120, 20, 140, 20, 140, 30, 120, 30);
    d.Solid(120, 40, 140, 40, 130, 50, 130, 50);
    d.Pen(2);
    d.TextSize(0, 3.5);
    d.Text(10, 100, "Biegelinie w(x) in mm, Länge 1200 mm"_oem);
    d.TextAlign(1, 1);
    d.Text(80, 60, "Mitte"_oem);
    d.TextAlign(0, 0);
    d.TextSize(2, 2.5, 90);
    d.Text(150, 40, "senkrecht"_oem);
    d.BlockBegin("PFEIL");
    d.Pen(3);
    d.Line(0, 0, 5, 0);
    d.Line(5, 0, 3, 1);
    d.Line(5, 0, 3, -1);
    d.BlockEnd();
    d.Insert("PFEIL", 20, 80);
    d.Insert("PFEIL", 40, 80, 1, 1, 90);
    d.PageEnd();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: graphics_write_samples FOLDER\n";
        return 2;
    }
    const std::string folder = argv[1];
    std::filesystem::create_directories(folder);
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        std::filesystem::remove(entry.path());

    std::vector<std::pair<std::string, std::function<void(Drawing&)>>> drawings = {
        {"primitives", Primitives}};
    // The example projects that come with the program.
    std::vector<std::unique_ptr<Workspace>> examples;
    for (const char* name : {"getriebewelle", "konsole", "durchlauftraeger"}) {
        auto text =
            DiskFileSystem().Read(std::string(BXR_SOURCE_DATA_DIR) + "/" + name + ".bxr", 1 << 20);
        if (!text) {
            std::cerr << name << ".bxr not found\n";
            return 1;
        }
        auto ws = std::make_unique<Workspace>();
        if (!ReadProjectText(*text, ws->model, ws->documentation).Ok()) {
            std::cerr << name << ".bxr damaged\n";
            return 1;
        }
        RunAnalysis(*ws);
        if (ws->messages.fatal) {
            std::cerr << name << ".bxr: calculation failed\n";
            return 1;
        }
        Workspace* w = ws.get();
        drawings.emplace_back(std::string(name) + "_quick",
                              [w](Drawing& d) { DrawQuickPage(d, BuildQuickSummary(*w)); });
        drawings.emplace_back(std::string(name) + "_3d", [w](Drawing& d) {
            Draw3DView(d, w->model, w->section, ViewAngles(30, 30, 0));
        });
        drawings.emplace_back(std::string(name) + "_stress", [w](Drawing& d) {
            DrawSectionStressView(d, w->section, w->results.stations[w->results.extremes.pointMb]);
        });
        drawings.emplace_back(std::string(name) + "_schema", [w](Drawing& d) {
            DrawSchemaSheet(d, w->model, w->results.reactions);
        });
        // Every diagram of one example; the others show the three layouts of one kind.
        const bool all = std::string(name) == "getriebewelle";
        for (int kind : {1, 2, 3, 4, 5, 7, 8})
            for (int plane = 1; plane <= 4; ++plane) {
                if (!all && (kind != 2 || plane == 2)) continue;
                if (kind == 7 && plane > 1) continue;
                drawings.emplace_back(
                    std::string(name) + "_diagram" + std::to_string(10 * kind + plane),
                    [w, kind, plane](Drawing& d) {
                        DrawDiagramSheet(d, kind, plane, {w->model, w->results});
                    });
            }
        examples.push_back(std::move(ws));
        for (int variant = 1; variant <= 5; ++variant)
            drawings.emplace_back(
                std::string(name) + "_section" + std::to_string(variant), [w, variant](Drawing& d) {
                    FrameContext frame{
                        std::string("/home/bxr/") + "example.bxr", 2026, 12, 8, 18, 30};
                    DrawSectionVariant(
                        d, variant, {w->model, w->section, w->messages, w->documentation, frame});
                });
    }
    const CadOutput kinds[] = {CadOutput::Dxf, CadOutput::Iges, CadOutput::ElementText,
                               CadOutput::Svg};
    OutputSettings out;
    CadSettings cad;
    int failures = 0;
    for (const auto& [name, draw] : drawings)
        for (CadOutput kind : kinds) {
            bool abortFlag = false;
            DrawingTarget target;
            target.kind = kind;
            target.path = folder + "/" + name + "." + OutputExtension(kind);
            auto drawing = OpenDrawing(target, out, cad, abortFlag);
            if (!drawing) {
                ++failures;
                continue;
            }
            draw(*drawing);
            if (!drawing->Close()) {
                std::cerr << target.path << ": " << drawing->failure() << "\n";
                ++failures;
            }
        }
    return failures ? 1 : 0;
}
