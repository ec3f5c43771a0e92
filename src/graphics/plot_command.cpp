#include "graphics/plot_command.h"

#include "format/number_format.h"

namespace bxr {

std::string PlotFormatCode(int format) {
    static const char* const kCodes[5] = {"HPL", "PS", "PLT", "PL2", "ART"};
    if (format < 1 || format > 5) format = 1;
    return kCodes[format - 1];
}

std::string BuildPlotCommandLine(const OutputSettings& s, const PlotCommandAnswers& a) {
    std::string dir = a.directory;
    if (!dir.empty() && dir.back() != '/' && dir.back() != '\\') dir += '/';
    std::string line = dir + (a.windowsProgram ? "WQUILMAR " : "QUILMAR ") + a.file;
    line += " /C" + PlotFormatCode(a.format);
    if (a.interface != 2) line += " /D" + std::to_string(a.interface);
    if ((a.interface == 1 || a.interface == 2) && a.port != 1)
        line += " /P" + std::to_string(a.port);
    if (a.interface == 3 && !a.outputFile.empty()) line += " /F" + a.outputFile;
    if (a.scale == 0)
        line += " /M*";
    else if (a.scale != 1)
        line += " /M" + FormatFree(s, a.scale);
    if (a.xOffset != 0) line += " /X" + FormatFree(s, a.xOffset);
    if (a.rotated) line += " /R";
    if (a.yOffset != 0) line += " /Y" + FormatFree(s, a.yOffset);
    if (a.format == 2 && !a.postscriptFont.empty()) line += " /T" + a.postscriptFont;
    return line;
}

}  // namespace bxr
