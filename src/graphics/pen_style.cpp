#include "graphics/pen_style.h"

#include <array>

namespace bxr {

int NormalisePen(int pen) {
    if (pen < 0) return 0;
    if (pen > 31) return pen % 16 + 16;
    return pen;
}

std::string PenLayerName(const CadSettings& cad, int pen) {
    pen = NormalisePen(pen);
    if (pen == 0) return "0";
    if (pen <= 5 && !cad.numberedLayers) return cad.layers[static_cast<std::size_t>(pen)].name;
    return std::to_string(pen);
}

int PenCadColour(const CadSettings& cad, int pen) {
    if (cad.monochrome) return 1;
    pen = NormalisePen(pen);
    if (pen >= 16) return cad.numberedColours[static_cast<std::size_t>(pen)];
    if (pen <= 5 && !cad.numberedLayers) return cad.layers[static_cast<std::size_t>(pen)].colour;
    return pen + 1;  // the sixteen numbered layers "0".."15" have the colours 1..16
}

int PenLineStyle(const CadSettings& cad, int pen) {
    pen = NormalisePen(pen);
    if (cad.numberedLayers || pen < 1 || pen > 5) return 0;
    return LineStyleOfName(cad.layers[static_cast<std::size_t>(pen)].lineType);
}

int PenLineWidth(const CadSettings& cad, int pen) {
    pen = NormalisePen(pen);
    int w = 1;
    if (pen <= 5)
        w = cad.layers[static_cast<std::size_t>(pen)].width;
    else if (pen >= 16)
        w = cad.numberedWidths[static_cast<std::size_t>(pen)];
    return (w >= 2 && w <= 50) ? w : 1;
}

int GetColorTurbo(int colour) {
    if (colour < 0) colour = 0;
    if (colour > 15) colour = colour % 16 + 1;
    static constexpr std::array<int, 8> kLow{0, 12, 14, 10, 11, 9, 13, 15};
    if (colour <= 7) return kLow[static_cast<std::size_t>(colour)];
    return colour == 16 ? 9 : colour - 7;
}

unsigned PaletteRgb(int index, unsigned foregroundRgb) {
    static constexpr std::array<unsigned, 16> kPalette{
        0x000000, 0x000080, 0x00FF00, 0x00FFFF, 0xFF0000, 0x800080, 0x800000, 0xC0C0C0,
        0xB0B0B0, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
    if (index <= 0 || index > 15) return foregroundRgb;
    return kPalette[static_cast<std::size_t>(index)];
}

unsigned BackgroundRgb(int configuredColour) {
    if (configuredColour < 0 || configuredColour > 15) configuredColour = 1;
    return PaletteRgb(configuredColour, 0x000000);
}

bool IsLightRgb(unsigned rgb) {
    const unsigned r = (rgb >> 16) & 0xff, g = (rgb >> 8) & 0xff, b = rgb & 0xff;
    return 299 * r + 587 * g + 114 * b >= 128 * 1000;
}

unsigned ForegroundRgbOn(unsigned backgroundRgb) {
    return IsLightRgb(backgroundRgb) ? 0x000000 : 0xFFFFFF;
}

unsigned DarkerOnLight(unsigned rgb) {
    switch (rgb) {
        case 0xFFFFFF:
            return 0x000000;
        case 0xFFFF00:
            return 0xB08800;
        case 0x00FF00:
            return 0x00A000;
        case 0x00FFFF:
            return 0x0090A0;
        case 0xC0C0C0:
        case 0xB0B0B0:
            return 0x808080;
        default:
            return rgb;
    }
}

unsigned ShownRgb(unsigned rgb, unsigned backgroundRgb, unsigned foregroundRgb) {
    if (IsLightRgb(backgroundRgb)) rgb = DarkerOnLight(rgb);
    return rgb == backgroundRgb ? foregroundRgb : rgb;
}

int LineStyleOfName(const std::string& name) {
    if (name == "DOTTED" || name == "PUNKT") return 1;
    if (name == "CENTER" || name == "DASHDOT" || name == "STRICHPUNKT") return 2;
    if (name == "DASHED" || name == "HIDDEN" || name == "VERDECKT") return 3;
    return 0;
}

}  // namespace bxr
