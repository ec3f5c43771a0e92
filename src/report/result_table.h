// A table of up to nine columns in a report or a table export, written through the output
// channel: padded columns between double rules in plain text, tab-separated cells in the
// spreadsheet outputs, an HTML table in HTML.
#pragma once

#include <string>
#include <vector>

#include "report/output_channel.h"

namespace bxr {

class ResultTable {
  public:
    static constexpr int kMaxColumns = 9;
    static constexpr std::size_t kMaxText = 60;

    // Writes the table head. widths are those of the columns after the first; the column list
    // ends at the first width of 0 (or below), at the last width, or after nine columns.
    // Texts are code page 850, cut to 60 characters.
    ResultTable(OutputChannel& out, int firstWidth, const std::vector<std::string>& headers,
                const std::vector<int>& widths);
    ResultTable(const ResultTable&) = delete;
    ResultTable& operator=(const ResultTable&) = delete;
    ~ResultTable() { Close(); }

    // One row: a cell per column (missing cells are empty, extra cells are ignored).
    void AddRow(const std::vector<std::string>& cells);
    // Ends the table; further rows are ignored.
    void Close();

    int columnCount() const { return static_cast<int>(widths_.size()); }

  private:
    void WriteCells(const std::vector<std::string>& cells, bool header);

    OutputChannel& out_;
    std::vector<int> widths_;  // all columns, the first one included
    bool open_ = true;
};

}  // namespace bxr
