// Where a drawing goes: one place that makes the output of a kind.
#pragma once

#include <memory>
#include <string>

#include "graphics/cad_settings.h"
#include "graphics/display_list.h"
#include "graphics/drawing.h"
#include "graphics/iges_sink.h"
#include "platform/file_system.h"
#include "format/output_settings.h"

namespace bxr {

struct DrawingTarget {
    CadOutput kind = CadOutput::Dxf;
    std::string path;               // file outputs and the plot program's DXF
    DisplayList* window = nullptr;  // the graphics window
    FileSystem* fs = nullptr;       // the disk unless given
    IgesInfo iges;                  // date and names for the IGES Global section
};

// The output of the target's kind; nothing for a file kind without a path or a window
// target without a window.
std::unique_ptr<DrawingSink> MakeSink(const DrawingTarget& target, const OutputSettings& out,
                                      const CadSettings& cad);

// A drawing to the target; nothing (and the abort flag set) when there is no output.
std::unique_ptr<Drawing> OpenDrawing(const DrawingTarget& target, const OutputSettings& out,
                                     const CadSettings& cad, bool& abortFlag);

}  // namespace bxr
