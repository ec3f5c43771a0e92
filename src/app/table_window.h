// The table window as a form model: the grid over the open table in file or index order, the
// navigator, OK and Cancel, search and search next, column sort, and the menu commands
// (HTML export, delimited export and import, appending another table, append, pack, print,
// file name). Pick mode (1) shows valid records only and edits nothing; any other mode edits.
// The grid reads one record at a time; it keeps only the record numbers of its rows.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/form_model.h"
#include "platform/process_launcher.h"
#include "workspace/workspace.h"

namespace bxr {

class TableWindow : public FormModel, public FormGrid {
  public:
    TableWindow(Workspace& ws, int mode, FileSystem& fs = DiskFileSystem(),
                ProcessLauncher* launcher = nullptr);

    // Buttons: "Button_ok", "Button_cancel", "Button_search", "Button_searchNext".
    // Menu items: "mi_fileExportHtml", "mi_fileSaveDelimited", "mi_fileAppendDbf",
    // "mi_fileAppendDelimited", "mi_filePrint", "mi_fileExit", "mi_editAppend",
    // "mi_editPack", "mi_viewSearch", "mi_viewSearchNext", "mi_helpTable", "mi_helpFileName".
    // Navigator: "nav_first", "nav_prior", "nav_next", "nav_last", "nav_insert",
    // "nav_delete", "nav_edit", "nav_post", "nav_cancel", "nav_refresh".
    bool Press(const std::string& name) override;

    bool PickMode() const { return mode_ == 1; }
    FormGrid* Grid() override { return this; }

    // The grid: rows from 1 in the current order, columns are the fields from 1.
    int RowCount() const override { return static_cast<int>(rows_.size()); }
    int ColumnCount() const override;
    std::string ColumnTitle(int column) const override;
    int ColumnWidth(int column) const override;  // the field length
    std::string Cell(int row, int column) override;
    bool RowDeleted(int row) override;
    std::uint32_t RowRecord(int row) const;
    int CurrentRow() const override { return row_; }
    int CurrentColumn() const override { return column_; }
    // The record counter label: empty until a cell is clicked.
    std::string Counter() const;

    // Makes the cell current; the counter shows record number + "/" + record count.
    void ClickCell(int row, int column) override;
    // Edit mode: types text into a cell of the current record; posted on leaving the row,
    // on "nav_post" and on OK.
    bool EditCell(int row, int column, const std::string& text) override;
    // Sorts by the column's field through an index in the temporary folder.
    bool ClickColumnTitle(int column) override;

  private:
    void BuildForm();
    void Rebuild();
    bool GoToRow(int row);
    int RowOf(std::uint32_t record) const;
    bool Post();
    bool Search(int fromRow);
    bool AskSearch();
    bool RebuildIndex();
    bool ExportHtml();
    bool SaveDelimited();
    bool AppendDelimited();
    bool AppendDbf();
    bool AppendBlank();
    bool Pack();
    bool Print();
    bool Ok();
    bool Cancel();
    void Message(const std::string& text);
    bool Fail(const std::string& text);
    std::string TempFolder() const;

    Workspace& ws_;
    int mode_;
    FileSystem& fs_;
    ProcessLauncher* launcher_;
    std::vector<std::uint32_t> rows_;
    int row_ = 0;
    int column_ = 1;
    bool dirty_ = false;
    bool counterShown_ = false;
};

// The HTML page of a table, line by line (without line ends): title is the chosen file name
// without extension, heading the program title and version, stamp today's date and time.
// Field texts are converted to UTF-8 and their markup characters escaped.
std::vector<std::string> TableHtmlLines(DbfTable& table, const OutputSettings& format,
                                        const std::string& chosenFile, const std::string& heading,
                                        const std::string& stamp);
// One record as a delimited line: character fields in double quotes, the others as stored
// without blanks, separated by commas.
std::string DelimitedLine(const DbfTable& table);
// Stores typed text into field i of the record buffer: numbers must be numbers and fit with
// the field's decimals, logical values are T, F, Y, N or ?, dates 8 digits, texts no longer
// than the field; an empty text blanks the field. False with a message otherwise.
bool PutText(DbfTable& table, int i, const std::string& text, std::string& error);
// Stores the cells of a delimited line into the record buffer; false with a message when a
// value does not fit its field.
bool ReadDelimitedLine(DbfTable& table, const std::string& line, std::string& error);

}  // namespace bxr
