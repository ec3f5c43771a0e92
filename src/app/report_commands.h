// The report commands of the main window: the full results report, the report for one
// position, the input echo and the change list, each through an output channel set up from
// the configuration.
#pragma once

#include "app/documentation_commands.h"
#include "report/output_channel.h"
#include "report/results_report.h"
#include "workspace/workspace.h"

namespace bxr {

// What the commands write with: the disk, the system's program starter and the text window
// the GUI shows (null: the channel keeps the text).
struct ReportServices {
    FileSystem* files = nullptr;
    ProcessLauncher* launcher = nullptr;
    TextWindow* textWindow = nullptr;
    TextPrinter* textPrinter = nullptr;
};

// The channel settings of the configuration: default destination and its question, line
// style, lines per page, header lines and mode, programs, temporary folder; named outputs go
// to the project's folder.
ChannelEnvironment ReportChannelFor(Workspace& ws, const ReportServices& services);

// "mi_ViewStandard": the full report to the configured destination. A calculation that ends
// fatally shows its message list instead (unless noGui).
ReportOutcome ViewStandardReport(Workspace& ws, const ReportServices& services, bool noGui);
// "mi_viewposition": the results at one position.
ReportOutcome ViewPositionReport(Workspace& ws, const ReportServices& services, bool noGui);
// The input echo to "BXRINPUT.TXT".
ReportOutcome InputEchoCommand(Workspace& ws, const ReportServices& services);
// The change list writer that the document menu's change command calls.
ChangeListOutput ChangeListWriter(Workspace& ws, const ReportServices& services);

}  // namespace bxr
