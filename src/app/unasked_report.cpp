#include "app/unasked_report.h"

#include "analysis/run_analysis.h"
#include "app/calc_message_display.h"
#include "report/error_descriptions.h"

namespace bxr {

ChannelEnvironment UnaskedReportChannel(Workspace& ws, FileSystem& files,
                                        const std::string& folder, const std::string& tempFolder) {
    ChannelEnvironment env;
    env.abortFlag = &ws.abortFlag;
    env.format = ws.output();
    env.settings = ChannelSettingsFrom(ws.config);
    env.settings.tempFolder = tempFolder;
    env.settings.defaultDestination = kProjectTable;
    env.settings.askDestination = false;
    env.outputFolder = folder;
    env.projectName = ws.currentName;
    env.files = &files;
    return env;
}

ReportOutcome WriteUnaskedReport(Workspace& ws, FileSystem& files, OutputChannel& out) {
    ErrorDescriptions descriptions = ErrorDescriptions::Load(files, DescriptionFilePath(ws.config));
    ReportSources sources;
    sources.descriptions = &descriptions;
    sources.calculate = &RunAnalysis;
    sources.strengths = &ws.materials.dynamic;
    return WriteResultsReport(ws, out, kAskOrDefault, sources);
}

}  // namespace bxr
