#include "app/project_table_form.h"

#include <algorithm>

namespace bxr {

ProjectTableForm::ProjectTableForm(std::array<std::string, 15> headings,
                                   std::vector<ProjectTableRow> rows, int currentRow)
    : headings_(std::move(headings)), rows_(std::move(rows)) {
    caption = "Projekte";
    help = 1100;
    buttons = {OkButton(), CancelButton()};
    if (!rows_.empty()) row_ = std::clamp(currentRow, 1, RowCount());
}

bool ProjectTableForm::Press(const std::string& name) {
    if (name == "Button_ok") return Close(Chosen() != nullptr);
    if (name == "Button_cancel") return Close(false);
    return false;
}

const ProjectTableRow* ProjectTableForm::Chosen() const {
    if (row_ < 1 || row_ > RowCount()) return nullptr;
    return &rows_[static_cast<std::size_t>(row_ - 1)];
}

std::string ProjectTableForm::ColumnTitle(int column) const {
    if (column < 1 || column > ColumnCount()) return {};
    return headings_[static_cast<std::size_t>(column - 1)];
}

int ProjectTableForm::ColumnWidth(int column) const {
    std::size_t width = ColumnTitle(column).size();
    for (const ProjectTableRow& r : rows_)
        if (column >= 1 && static_cast<std::size_t>(column) <= r.cells.size())
            width = std::max(width, r.cells[static_cast<std::size_t>(column - 1)].size());
    return static_cast<int>(width);
}

std::string ProjectTableForm::Cell(int row, int column) {
    if (row < 1 || row > RowCount() || column < 1) return {};
    const auto& cells = rows_[static_cast<std::size_t>(row - 1)].cells;
    return static_cast<std::size_t>(column) <= cells.size()
               ? cells[static_cast<std::size_t>(column - 1)]
               : std::string();
}

void ProjectTableForm::ClickCell(int row, int column) {
    if (row < 1 || row > RowCount()) return;
    row_ = row;
    column_ = std::clamp(column, 1, ColumnCount());
}

}  // namespace bxr
