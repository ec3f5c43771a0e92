#include "report/result_table.h"

#include "format/text_helpers.h"

namespace bxr {

namespace {

const char* const kHtmlTableTag = "<TABLE BORDER = \"1\" WIDTH= \"100%\">";

std::string Cell(const std::vector<std::string>& cells, std::size_t i) {
    return i < cells.size() ? TextHead(cells[i], ResultTable::kMaxText) : std::string();
}

}  // namespace

ResultTable::ResultTable(OutputChannel& out, int firstWidth,
                         const std::vector<std::string>& headers, const std::vector<int>& widths)
    : out_(out) {
    widths_.push_back(firstWidth);
    for (int w : widths) {
        if (w <= 0 || static_cast<int>(widths_.size()) == kMaxColumns) break;
        widths_.push_back(w);
    }
    if (out_.kind() == OutputKind::Plain) out_.WriteDoubleRule();
    if (out_.kind() == OutputKind::Html) out_.OpenHtmlTable(kHtmlTableTag);
    WriteCells(headers, true);
    if (out_.kind() == OutputKind::Plain) out_.WriteDoubleRule();
}

void ResultTable::AddRow(const std::vector<std::string>& cells) {
    if (!open_) return;
    WriteCells(cells, false);
    if (out_.kind() == OutputKind::Plain) out_.WriteRule();
}

void ResultTable::Close() {
    if (!open_) return;
    open_ = false;
    if (out_.kind() == OutputKind::Html) out_.CloseHtmlTable();
}

void ResultTable::WriteCells(const std::vector<std::string>& cells, bool header) {
    std::string line;
    switch (out_.kind()) {
        case OutputKind::Plain:
            // Headers are cut to their column; a value too wide for its column is written
            // whole and shifts the rest of the line rather than losing digits.
            for (std::size_t i = 0; i < widths_.size(); ++i) {
                std::string cell = Cell(cells, i);
                if (header || static_cast<int>(cell.size()) <= widths_[i])
                    line += TextLeftInField(cell, widths_[i]);
                else
                    line += cell;
            }
            out_.WriteLine(line + " ");
            break;
        case OutputKind::TabSeparated:
            for (std::size_t i = 0; i < widths_.size(); ++i) {
                if (i > 0) line += '\t';
                line += TabField(Cell(cells, i));
            }
            out_.WriteRaw(line);
            break;
        case OutputKind::Html: {
            auto text = [&](std::size_t i) {
                return HtmlEscape(OemToDisplayLong(out_.format(), Cell(cells, i)));
            };
            line = "<TR>";
            for (std::size_t i = 0; i < widths_.size(); ++i) {
                if (header)
                    line += "<TD><CENTER>" + text(i) + "</CENTER></TD>";
                else if (i == 0)
                    line += "<TD>" + text(i) + "</TD>";
                else
                    line += "<TD><DIV ALIGN=RIGHT>" + text(i) + "</DIV></TD>";
            }
            out_.WriteRaw(line + "</TR>");
            break;
        }
    }
}

}  // namespace bxr
