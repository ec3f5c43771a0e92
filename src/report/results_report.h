// The written results: the full report, the input echo, the report for one position along
// the beam, and the cross-section block they share. Every line goes through the output
// channel; what ends where is the channel's business.
#pragma once

#include <functional>

#include "workspace/workspace.h"
#include "report/error_descriptions.h"
#include "report/output_channel.h"
#include "sections/material_catalog.h"

namespace bxr {

// What the reports read beside the workspace.
struct ReportSources {
    const ErrorDescriptions* descriptions = nullptr;  // null: no cause and remedy texts
    const DynamicStrengths* strengths = nullptr;      // null: no fatigue strengths known
    // Brings the results up to date when the model changed since the last calculation; null
    // means the results are taken as they stand.
    std::function<void(Workspace&)> calculate;
};

// Outcome of a report run.
enum class ReportOutcome {
    Written,       // complete and delivered
    Aborted,       // cancelled or an output error; the channel has said what went wrong
    FatalMessages  // the calculation failed; its messages stand in ws.messages
};

// The full results report. destination 0 lets the channel ask or take its default.
ReportOutcome WriteResultsReport(Workspace& ws, OutputChannel& out, int destination,
                                 const ReportSources& sources = {});
// The model only, to "BXRINPUT.TXT" (or the destination chosen), without page headers.
ReportOutcome WriteInputEcho(Workspace& ws, OutputChannel& out, int destination = 0,
                             const ReportSources& sources = {});
// All results of the station nearest to a position the user types.
ReportOutcome WritePositionReport(Workspace& ws, OutputChannel& out, int destination = 0,
                                  const ReportSources& sources = {});
// The contour and the section values.
void WriteSectionBlock(const Workspace& ws, OutputChannel& out);

// The report heading "BXR V" + the program version + "  -  Trägerberechnung" (code page 850).
std::string ReportHeading();

}  // namespace bxr
