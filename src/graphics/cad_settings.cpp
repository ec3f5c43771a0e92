#include "graphics/cad_settings.h"

#include <algorithm>
#include <cctype>

#include "config/configuration.h"

namespace bxr {

CadSettings CadSettingsFrom(const Configuration& config) {
    CadSettings cad;
    // The file's layers 0..4 are the named layers of pens 1..5. Layer "0" keeps its fixed
    // name and colour; a named layer left empty or called "0" keeps its pen's own name, so
    // that no pen disappears into layer "0".
    for (int i = 0; i < 5; ++i) {
        const auto& src = config.layers[static_cast<std::size_t>(i)];
        auto& dst = cad.layers[static_cast<std::size_t>(i + 1)];
        if (!src.name.empty() && src.name != "0") dst.name = src.name.substr(0, 32);
        dst.colour = src.colour;
    }
    for (int i = 0; i < 6; ++i) {
        int w = config.lineThickness0_5[static_cast<std::size_t>(i)];
        cad.layers[static_cast<std::size_t>(i)].width = w;
    }
    for (int i = 16; i < 32; ++i) {
        cad.numberedColours[static_cast<std::size_t>(i)] =
            config.layerColours16_31[static_cast<std::size_t>(i - 16)];
        cad.numberedWidths[static_cast<std::size_t>(i)] =
            config.lineThickness16_31[static_cast<std::size_t>(i - 16)];
    }
    cad.monochrome = config.layerMonochrome;
    cad.dxfDecimals = std::clamp(config.cadDecimals, 1, 32);
    std::string font = config.cadTextStyle.empty() ? std::string("TXT8") : config.cadTextStyle;
    for (auto& c : font) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    cad.fontName = font;
    cad.textScale = config.cadTextWidthFactor > 0 ? config.cadTextWidthFactor : 1;
    cad.textOblique = config.cadTextAngle;
    cad.zoomFactor = config.zoomFactor;
    cad.panStep = config.panFactor;
    cad.tempFolder = config.tempFolder;
    cad.colourDisplay = config.colourGraphics;
    cad.diagramLimitsDialog = config.askDiagramLimits;
    cad.releaseText = config.releaseFieldText;
    cad.changeIndexStyle = config.changeIndexStyle;
    cad.omitMakerTitle = config.omitMakerTitle;
    cad.omitFileName = config.omitFileName;
    cad.omitDate = config.omitDate;
    cad.omitLogo = config.omitLogo;
    cad.angles3D = {config.view3dX, config.view3dY, config.view3dZ};
    cad.edit3D = config.edit3dAngles;
    cad.plotCommandLines.clear();
    if (!config.plotCommandLine.empty()) cad.plotCommandLines.push_back(config.plotCommandLine);
    for (const auto& l : config.plotCommandLines) cad.plotCommandLines.push_back(l);
    return cad;
}

}  // namespace bxr
