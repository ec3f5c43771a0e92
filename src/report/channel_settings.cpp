#include "report/output_channel.h"

namespace bxr {

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
    return s;
}

}  // namespace bxr
