#include "report/output_channel.h"

#include <cstdio>

#include "format/code_page.h"

namespace bxr {

std::string PrintSizeOptions(int pointSize) {
    if (pointSize <= 0) pointSize = 10;
    // A fixed font is 0.6 of its size wide; lines are 1.2 sizes apart.
    const double cpi = 72.0 / (0.6 * pointSize), lpi = 72.0 / (1.2 * pointSize);
    char buf[64];
    std::snprintf(buf, sizeof buf, "-o cpi=%.4g -o lpi=%.4g", cpi, lpi);
    return buf;
}

PrintFont PrintFontFrom(const Configuration& c) {
    PrintFont f;
    const std::string family = OemToDisplay(OutputSettings{}, c.printFont);
    if (!family.empty()) f.family = family;
    f.pointSize = c.printFontSize > 0 ? c.printFontSize : 10;
    f.style = c.printFontStyle;
    return f;
}

ChannelSettings ChannelSettingsFrom(const Configuration& c) {
    ChannelSettings s;
    s.defaultDestination =
        c.textDevice >= kScreen && c.textDevice <= kDosFile ? c.textDevice : kScreen;
    s.askDestination = c.askTextDevice;
    s.lineStyle = c.textSeparatorMode >= 1 && c.textSeparatorMode <= 4 ? c.textSeparatorMode : 2;
    s.linesPerPage = c.linesPerPage > 0 ? c.linesPerPage : 66;
    s.spaceLines = c.headerSpaceLines;
    s.headerMode = c.headerMode;
    s.printerPort = c.printerPort;
    s.textProgram = c.textProgram;
    s.htmlBrowser = c.htmlBrowser;
    s.tempFolder = c.tempFolder;  // empty: the channel takes TMPDIR, then /tmp
    s.printFont = PrintFontFrom(c);
    return s;
}

}  // namespace bxr
