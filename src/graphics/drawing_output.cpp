#include "graphics/drawing_output.h"

#include "graphics/dxf_sink.h"
#include "graphics/element_text_sink.h"
#include "graphics/svg_sink.h"
#include "graphics/window_sink.h"

namespace bxr {

std::unique_ptr<DrawingSink> MakeSink(const DrawingTarget& target, const OutputSettings& out,
                                      const CadSettings& cad) {
    FileSystem& fs = target.fs ? *target.fs : DiskFileSystem();
    if (target.kind == CadOutput::Window) {
        if (!target.window) return nullptr;
        return std::make_unique<WindowSink>(*target.window, cad);
    }
    if (target.path.empty()) return nullptr;
    switch (target.kind) {
        case CadOutput::Dxf:
        case CadOutput::Plot:
            return std::make_unique<DxfSink>(fs, target.path, out, cad);
        case CadOutput::Iges:
            return std::make_unique<IgesSink>(fs, target.path, out, cad, target.iges);
        case CadOutput::ElementText:
            return std::make_unique<ElementTextSink>(fs, target.path, out, cad);
        case CadOutput::Svg:
            return std::make_unique<SvgSink>(fs, target.path, out, cad);
        default:
            return nullptr;
    }
}

std::unique_ptr<Drawing> OpenDrawing(const DrawingTarget& target, const OutputSettings& out,
                                     const CadSettings& cad, bool& abortFlag) {
    auto sink = MakeSink(target, out, cad);
    if (!sink) {
        abortFlag = true;
        return nullptr;
    }
    return std::make_unique<Drawing>(std::move(sink), target.kind, out, cad, abortFlag);
}

}  // namespace bxr
