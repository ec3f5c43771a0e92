// Writes every sample drawing in every file format into one folder, for the real readers
// (ezdxf, xmllint, the Open CASCADE IGES reader) to check.
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "example_drawings.h"
#include "format/code_page.h"
#include "graphics/cad_number.h"
#include "graphics/drawing_output.h"
#include "recording_sink.h"

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
    d.Text(10, 92, "Fläche 12 cm², W = 3 cm³, µ = 0,3, 45°, Größe Ü"_oem);
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

// The texts a reader of the DXF file must find: the program's own texts in UTF-8 (folded to
// ASCII for the text type that writes ASCII), one a line, beside the file as NAME.dxf.texts.
bool WriteExpectedTexts(const std::string& path, const std::function<void(Drawing&)>& draw,
                        const OutputSettings& out, const CadSettings& cad) {
    bool abortFlag = false;
    auto owned = std::make_unique<samples::RecordingSink>();
    samples::RecordingSink* sink = owned.get();
    Drawing d(std::move(owned), CadOutput::Dxf, out, cad, abortFlag);
    draw(d);
    d.Close();
    std::ofstream file(path, std::ios::binary);
    for (const auto& t : sink->texts) {
        const std::string text =
            OneLineText(out.cadTextType == 3 ? FoldToAscii(t.oem) : OemToDisplay(out, t.oem));
        file << text << "\n";
    }
    return bool(file);
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

    std::vector<samples::NamedDrawing> drawings = {{"primitives", Primitives}};
    // The example projects that come with the program.
    std::vector<std::unique_ptr<Workspace>> examples;
    for (const char* name : samples::kExampleNames) {
        std::string error;
        auto ws = samples::LoadExample(name, error);
        if (!ws) {
            std::cerr << error << "\n";
            return 1;
        }
        samples::AddExampleDrawings(name, ws.get(), std::string(name) == "getriebewelle", drawings);
        examples.push_back(std::move(ws));
    }
    const CadOutput kinds[] = {CadOutput::Dxf, CadOutput::Iges, CadOutput::ElementText,
                               CadOutput::Svg};
    CadSettings cad;
    int failures = 0;
    // The default text type for everything; the primitives, with every special character,
    // in the other two types as well.
    for (int textType : {1, 2, 3})
        for (const auto& [drawingName, draw] : drawings) {
            if (textType != 1 && drawingName != "primitives") continue;
            OutputSettings out;
            out.cadTextType = static_cast<std::uint16_t>(textType);
            const std::string name =
                textType == 1 ? drawingName : drawingName + "_type" + std::to_string(textType);
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
                if (kind == CadOutput::Dxf &&
                    !WriteExpectedTexts(target.path + ".texts", draw, out, cad))
                    ++failures;
            }
        }
    return failures ? 1 : 0;
}
