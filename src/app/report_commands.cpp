#include "app/report_commands.h"

#include "analysis/run_analysis.h"
#include "app/calc_message_display.h"
#include "app/run_calculation.h"
#include "report/change_list.h"

namespace bxr {

namespace {

ReportSources SourcesFor(const Workspace& ws, const ErrorDescriptions& descriptions) {
    ReportSources sources;
    sources.descriptions = &descriptions;
    sources.strengths = &ws.materials.dynamic;
    sources.calculate = RunCalculation;
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
    env.settings = ChannelSettingsFrom(c);
    env.outputFolder = ws.dataFolder;
    env.projectFile =
        ws.currentName.empty() ? std::string() : JoinPath(ws.dataFolder, ws.currentName + ".bxr");
    env.projectName = ws.currentName;
    env.files = services.files;
    env.launcher = services.launcher;
    env.textWindow = services.textWindow;
    env.textPrinter = services.textPrinter;
    return env;
}

namespace {

using ReportWriter = ReportOutcome (*)(Workspace&, OutputChannel&, int, const ReportSources&);

// A report on the asked-for destination; fatal messages are shown with their descriptions.
ReportOutcome ViewReport(Workspace& ws, const ReportServices& services, bool noGui,
                         ReportWriter write) {
    OutputChannel out(ReportChannelFor(ws, services));
    ErrorDescriptions d =
        ErrorDescriptions::Load(FilesOf(services), DescriptionFilePath(ws.config));
    ReportOutcome outcome = write(ws, out, kAskOrDefault, SourcesFor(ws, d));
    if (outcome == ReportOutcome::FatalMessages) ShowCalcMessages(ws, noGui, FilesOf(services));
    return outcome;
}

}  // namespace

ReportOutcome ViewStandardReport(Workspace& ws, const ReportServices& services, bool noGui) {
    return ViewReport(ws, services, noGui, WriteResultsReport);
}

ReportOutcome ViewPositionReport(Workspace& ws, const ReportServices& services, bool noGui) {
    return ViewReport(ws, services, noGui, WritePositionReport);
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
