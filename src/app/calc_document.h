// The calculation document's content: the title data, the summary with the safety marks, the
// results report in blocks and the drawings, all worked out here without a toolkit. The
// window program typesets it into a PDF (gui/calc_document_writer.h). Texts are UTF-8.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "format/basic_types.h"
#include "platform/file_system.h"
#include "workspace/workspace.h"

namespace bxr {

inline constexpr Real kDefaultRequiredSafety = 1.5;

// One block of the results report: its heading line and its lines split at the tabs, as the
// report of "/I" has them. The head block (program heading, date, file, title lines) has no
// heading.
struct ReportBlock {
    std::string heading;
    std::vector<std::vector<std::string>> rows;
};

// One line of the summary. A safety factor carries a verdict against the required safety.
struct SummaryLine {
    enum class Verdict { None, Reached, Missed };
    std::string label;
    std::string value;
    std::string where;  // position (and direction) of an extreme value
    Verdict verdict = Verdict::None;
};

// A drawing page: the drawing number of "/CADi:j" and the page's title.
struct DocumentDrawing {
    int job = 0;
    std::string title;
};

struct CalcDocument {
    std::string projectName;  // the project's name without folder and extension
    std::string drawingName;
    std::string drawingNumber;
    std::array<std::string, 3> headerLines;
    std::string drawnDate, drawnBy, checkedDate, checkedBy;
    struct Change {
        std::string text, date, editor, description;
    };
    std::vector<Change> changes;
    std::string date;  // the day the document was made
    Real requiredSafety = kDefaultRequiredSafety;
    std::vector<SummaryLine> summary;
    std::vector<ReportBlock> report;
    std::vector<DocumentDrawing> drawings;
};

// Splits the lines of the tab-separated report (UTF-8) into its blocks: the seven lines of
// its head, then a new block at every line in capitals that follows an empty line.
std::vector<ReportBlock> SplitReportBlocks(const std::vector<std::string>& lines);

// The required safety as typed ("1.5" or "1,5"): a number above 0 and at most 100.
std::optional<Real> ParseRequiredSafety(const std::string& text);

// Whether a safety factor reaches the required safety; the factor is compared as the report
// shows it, to two decimals, so that a printed 1.50 never stands beside "nicht erreicht".
bool ReachesRequiredSafety(Real factor, Real required);

// Calculates the project when its results are not current and gathers the document. False,
// with the reason in message (code page 850), when the calculation cannot run or stopped.
bool BuildCalcDocument(Workspace& ws, FileSystem& files, Real requiredSafety, CalcDocument& doc,
                       std::string& message);

// The texts of the verdicts as the summary shows them.
std::string VerdictText(const CalcDocument& doc, SummaryLine::Verdict verdict);

}  // namespace bxr
