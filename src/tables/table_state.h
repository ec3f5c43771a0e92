// The state of the single open dBase table: the table itself with its current record, the
// window titles, the last search text and how the table window was last closed.
#pragma once

#include <cstdint>
#include <string>

#include "tables/dbf_index.h"
#include "tables/dbf_table.h"

namespace bxr {

struct TableState {
    static constexpr std::size_t kSearchTextLength = 50;

    DbfTable table;        // closed when no table is open; its record buffer is the current record
    DbfIndex index;        // the active order while open; file order otherwise
    std::string fileName;  // the file actually opened (the copy when one was made)
    std::string title1;    // code page 850
    std::string title2;
    std::string searchText;                  // last search text, at most 50 characters
    std::uint32_t selectedRecordNumber = 0;  // current record when the window closed with OK
    bool confirmed = false;                  // the window closed with OK
    int gridRow = 0;
    int gridColumn = 0;
    bool found = false;  // outcome of the last key lookup
};

}  // namespace bxr
