// The results report as the batch forms write it: calculated first, into the project table's
// destination without asking, with the message descriptions the configuration names.
#pragma once

#include <string>

#include "platform/file_system.h"
#include "report/output_channel.h"
#include "report/results_report.h"
#include "workspace/workspace.h"

namespace bxr {

// A channel that writes the report of the workspace's project into folder through files,
// with temporary files in tempFolder.
ChannelEnvironment UnaskedReportChannel(Workspace& ws, FileSystem& files,
                                        const std::string& folder, const std::string& tempFolder);

// Calculates and writes the report through out; the descriptions are read through files.
ReportOutcome WriteUnaskedReport(Workspace& ws, FileSystem& files, OutputChannel& out);

}  // namespace bxr
