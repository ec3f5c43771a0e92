// The summary of extreme values ("QUICK") as data: the rows of its three tables with their
// texts, values converted to the current unit system, and the decision what the summary shows
// at all. The drawing of the page reads a QuickSummary and draws it; it formats nothing.
//
// Use:
//   const ExtremesDisplay d = PrepareExtremes(ws);      // may run the calculation first
//   switch (d.outcome) {
//       case ExtremesOutcome::Stopped: return;           // nothing to show
//       case ExtremesOutcome::MessagesOnly: ...          // show ws.messages.entries only
//       case ExtremesOutcome::Page: ...                  // draw d.page
//   }
// BuildQuickSummary(ws) gives the page of the current results without any calculation, for
// a redraw of an open window.
#pragma once

#include <string>
#include <vector>

#include "analysis/analysis_runner.h"
#include "analysis/run_analysis.h"
#include "model/beam_model.h"

namespace bxr {

struct CalcState;

inline constexpr const char* kExtremesTableTitle = "EXTREMWERTE";
inline constexpr const char* kSupportsTableTitle = "Lager";
inline constexpr const char* kMessagesTableTitle = "Fehlermeldungen:";

// One row of "EXTREMWERTE". All texts are code page 850.
struct ExtremeRow {
    std::string title;      // "Max. Biegemoment", ...
    Real value = 0;         // in the current unit system (moment in N·m or lbf·in)
    std::string valueText;  // the value as the extreme-value tables show it
    std::string unitText;   // empty for the frequency row, whose valueText carries its units
    bool hasPoint = false;  // the row names a calculation point
    int point = 0;          // its index
    Real position = 0;      // its x in the current length unit
    std::string positionText;
    bool hasAngle = false;
    Real angle = 0;         // deg
    std::string angleText;  // free format followed by the angle unit
    // The value cell as a whole: valueText, " ", unitText, then "  (x= " positionText, and
    // ", phi= " angleText when the row has an angle, and ")".
    std::string text;
};

// One row of "Lager".
struct SupportRow {
    std::string label;  // "Fq", "Fx", "Mb" or "FA (x=" position ")", ...
    Real value = 0;     // in the current unit system
    std::string valueText;
    std::string unitText;
    std::string text;  // valueText + " " + unitText
};

struct QuickSummary {
    std::string header;  // the drawing number and name
    std::vector<ExtremeRow> extremes;
    std::vector<SupportRow> supports;
    std::vector<std::string> messages;  // the table is drawn only when this is not empty
};

// The rows of "EXTREMWERTE" for the last calculation's results.
std::vector<ExtremeRow> ExtremeRows(const CalcState& ws);
// The rows of "Lager" for the model's support type.
std::vector<SupportRow> SupportRows(const CalcState& ws);
// The whole page from the current results.
QuickSummary BuildQuickSummary(const CalcState& ws);

enum class ExtremesOutcome {
    Page,          // draw `page`
    MessagesOnly,  // the calculation failed: show the message list and nothing else
    Stopped,       // the calculation was stopped: show nothing
};

struct ExtremesDisplay {
    ExtremesOutcome outcome = ExtremesOutcome::Stopped;
    QuickSummary page;  // filled for Page
};

// What the summary shows. Results that are not current (no calculation since the last
// change of the model) are calculated first with `run`.
ExtremesDisplay PrepareExtremes(CalcState& ws, const AnalysisRunner& run = RunAnalysis);

}  // namespace bxr
