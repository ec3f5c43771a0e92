// The command line of the external plot program, built from the answers to its questions.
#pragma once

#include <string>

#include "model/beam_model.h"
#include "format/output_settings.h"

namespace bxr {

struct PlotCommandAnswers {
    bool windowsProgram = true;  // "WQUILMAR" rather than "QUILMAR"
    std::string directory;       // the program's folder
    int format = 1;              // 1 HPL, 2 PS, 3 PLT, 4 PL2, 5 ART
    std::string file = "*.dxf";  // the drawing file or wildcard
    int interface = 2;           // 1 COM port, 2 LPT port, 3 output file
    int port = 1;                // 1..4 for COM and LPT
    std::string outputFile;      // for the file interface
    Real scale = 1;              // 0 fits the sheet
    bool rotated = false;
    Real xOffset = 0;
    Real yOffset = 0;
    Real textWidthFactor = 1;
    std::string postscriptFont;
};

// The format code of a format choice 1..5 ("HPL", "PS", "PLT", "PL2", "ART").
std::string PlotFormatCode(int format);
std::string BuildPlotCommandLine(const OutputSettings& s, const PlotCommandAnswers& a);

// Longer command lines go into a batch file.
inline constexpr std::size_t kMaxPlotCommandLength = 60;

}  // namespace bxr
