// The overview of all projects of the data folder: one row per project file with its 15
// columns, in a table window; OK opens the project of the current row.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "app/project_commands.h"
#include "platform/form_model.h"

namespace bxr {

class ProjectTableForm : public FormModel, public FormGrid {
  public:
    ProjectTableForm(std::array<std::string, 15> headings, std::vector<ProjectTableRow> rows,
                     int currentRow);

    // "Button_ok" closes with the current row chosen, "Button_cancel" without.
    bool Press(const std::string& name) override;
    FormGrid* Grid() override { return this; }
    // The chosen row's project; null when none is current.
    const ProjectTableRow* Chosen() const;

    int RowCount() const override { return static_cast<int>(rows_.size()); }
    int ColumnCount() const override { return static_cast<int>(headings_.size()); }
    std::string ColumnTitle(int column) const override;
    int ColumnWidth(int column) const override;  // the longest of title and cells
    std::string Cell(int row, int column) override;
    bool RowDeleted(int) override { return false; }
    int CurrentRow() const override { return row_; }
    int CurrentColumn() const override { return column_; }
    void ClickCell(int row, int column) override;
    // The overview is read-only.
    bool EditCell(int, int, const std::string&) override { return false; }
    bool ClickColumnTitle(int) override { return false; }
    bool Editable() const override { return false; }

  private:
    std::array<std::string, 15> headings_;
    std::vector<ProjectTableRow> rows_;
    int row_ = 0, column_ = 1;
};

}  // namespace bxr
