#include "app/report_commands.h"

#include "analysis/run_analysis.h"
#include "app/calc_message_display.h"
#include "report/change_list.h"

namespace bxr {

namespace {

ReportSources SourcesFor(const ErrorDescriptions& descriptions) {
    ReportSources sources;
    sources.descriptions = &descriptions;
    sources.calculate = &RunAnalysis;
    return sources;
}

FileSystem& FilesOf(const ReportServices& services) {
    return services.files ? *services.files : DiskFileSystem();
}

}  // namespace

ChannelEnvironment ReportChannelFor(Workspace& ws, const ReportServices& services) {
    const Configuration& c = ws.config;
    ChannelEnvironment env;
    env.ui = ws.ui;
    env.abortFlag = &ws.abortFlag;
    env.format = ws.output();
    env.settings.defaultDestination = c.textDevice >= 1 && c.textDevice <= 7 ? c.textDevice : 1;
    env.settings.askDestination = c.askTextDevice;
    env.settings.lineStyle =
        c.textSeparatorMode >= 1 && c.textSeparatorMode <= 4 ? c.textSeparatorMode : 2;
    env.settings.linesPerPage = c.linesPerPage > 0 ? c.linesPerPage : 66;
    env.settings.spaceLines = c.headerSpaceLines;
    env.settings.headerMode = c.headerMode;
    env.settings.printerPort = c.printerPort;
    env.settings.textProgram = c.textProgram;
    env.settings.htmlBrowser = c.htmlBrowser;
    env.settings.tempFolder = ConfiguredTempFolder(c);
    env.outputFolder = ws.dataFolder;
    env.projectFile =
        ws.currentName.empty() ? std::string() : JoinPath(ws.dataFolder, ws.currentName + ".bxr");
    env.projectName = ws.currentName;
    env.files = services.files;
    env.launcher = services.launcher;
    env.textWindow = services.textWindow;
    return env;
}

ReportOutcome ViewStandardReport(Workspace& ws, const ReportServices& services, bool noGui) {
    OutputChannel out(ReportChannelFor(ws, services));
    ErrorDescriptions d =
        ErrorDescriptions::Load(FilesOf(services), DescriptionFilePath(ws.config));
    ReportOutcome outcome = WriteResultsReport(ws, out, kAskOrDefault, SourcesFor(d));
    if (outcome == ReportOutcome::FatalMessages) ShowCalcMessages(ws, noGui, FilesOf(services));
    return outcome;
}

ReportOutcome ViewPositionReport(Workspace& ws, const ReportServices& services, bool noGui) {
    OutputChannel out(ReportChannelFor(ws, services));
    ErrorDescriptions d =
        ErrorDescriptions::Load(FilesOf(services), DescriptionFilePath(ws.config));
    ReportOutcome outcome = WritePositionReport(ws, out, kAskOrDefault, SourcesFor(d));
    if (outcome == ReportOutcome::FatalMessages) ShowCalcMessages(ws, noGui, FilesOf(services));
    return outcome;
}

ReportOutcome InputEchoCommand(Workspace& ws, const ReportServices& services) {
    OutputChannel out(ReportChannelFor(ws, services));
    return WriteInputEcho(ws, out, kAskOrDefault);
}

ChangeListOutput ChangeListWriter(Workspace& ws, const ReportServices& services) {
    return [&ws, services](int destination) {
        OutputChannel out(ReportChannelFor(ws, services));
        WriteChangeList(ws, out, destination);
    };
}

}  // namespace bxr
