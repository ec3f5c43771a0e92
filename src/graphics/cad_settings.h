// The drawing settings that the CAD outputs and the graphics window read: layers, pens,
// decimals, font, the title-block options and the 3-D view angles. Filled from the
// configuration; the drawings only read them.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/beam_model.h"

namespace bxr {

struct Configuration;

struct CadLayer5 {
    std::string name;
    int colour = 1;
    std::string lineType = "CONTINUOUS";
    int width = 1;  // line thickness in the graphics window
};

struct CadSettings {
    // Entry 0 is the layer "0"; entries 1..5 the five named layers of pens 1..5.
    std::array<CadLayer5, 6> layers{{{"0", 1, "CONTINUOUS", 1},
                                     {"1", 2, "DASHDOT", 1},
                                     {"2", 2, "DASHED", 1},
                                     {"3", 2, "CONTINUOUS", 1},
                                     {"4", 3, "CONTINUOUS", 1},
                                     {"5", 1, "CONTINUOUS", 1}}};
    // Colours and widths of the numbered layers 16..31 (entries below 16 unused).
    std::array<int, 32> numberedColours{};
    std::array<int, 32> numberedWidths{};
    bool monochrome = false;      // every layer colour 1
    bool numberedLayers = false;  // every pen writes to the layer named by its number
    int dxfDecimals = 6;          // 1..32
    std::string fontName = "TXT8";
    // CAD files only: the text width factor multiplies every text's own, and the obliquing
    // angle (degrees) slants every text.
    Real textScale = 1;
    Real textOblique = 0;
    std::string tempFolder;  // block files and the plot program's DXF

    // Graphics window
    bool colourDisplay = true;
    int maxColours = 16;
    unsigned foregroundRgb = 0x000000;  // colour 0
    Real zoomFactor = 1.2L;             // per zoom key
    Real panStep = 0.1L;                // per arrow key, a share of the shown width or height

    // Diagrams
    bool diagramLimitsDialog = false;

    // Title block
    std::string releaseText;
    int changeIndexStyle = 0;  // 0 a,b,c  1 1,2,3  2 A,B,C  else none
    bool omitMakerTitle = false;
    bool omitFileName = false;
    bool omitDate = false;
    bool omitLogo = false;

    // 3-D view angles in degrees and whether the angle form is offered.
    std::array<Real, 3> angles3D{30, 30, 0};
    bool edit3D = true;

    // Plot program command lines; the first is the configured one.
    std::vector<std::string> plotCommandLines;

    CadSettings() {
        for (int i = 16; i < 32; ++i) {
            numberedColours[i] = i - 15;
            numberedWidths[i] = 1;
        }
    }
};

// The drawing settings of a configuration. Named layers whose name repeats an earlier one
// keep their pen but share the earlier layer entry.
CadSettings CadSettingsFrom(const Configuration& config);

}  // namespace bxr
