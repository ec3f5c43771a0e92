// Catalogue tables for tests of the profile and material choices: reads the tables built from
// data/catalog, answers the table window with scripted picks and records what was asked.
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "app/catalog_tables.h"
#include "workspace/workspace.h"
#include "tables/dbf_table.h"

namespace bxr::test {

// The folder of the catalogue tables the build writes.
std::string BuiltCatalogFolder();
// The record number of the first row whose field `field` reads `value` (and field `field2`
// reads `value2` when given); 0 when there is none.
std::uint32_t FindRecord(const std::string& table, int field, const std::string& value,
                         int field2 = 0, const std::string& value2 = "");

class FakeCatalogTables : public CatalogTables {
  public:
    explicit FakeCatalogTables(Workspace& ws) : ws_(ws) {}

    bool Open(const std::string& name) override;
    bool Exists(const std::string& name) override;
    void SetTitles(const OemString& t1, const OemString& t2) override;
    void GoToRecord(std::int64_t n) override;
    void SortByField(int position) override { sortedField = position; }
    bool IndexOn(int position, const std::string& indexName) override;
    bool FindKey(const OemString& key) override;
    bool Browse(int mode) override;
    std::uint32_t SelectedRecordNumber() const override { return selected_; }
    const DbfTable& Row() const override { return table_; }
    void Close() override;

    // Script: the record the table window picks, one per window; 0 cancels it.
    std::deque<std::uint32_t> picks;
    // Table names treated as missing.
    std::vector<std::string> missing;

    // What was asked.
    std::vector<std::string> opened;
    std::vector<int> browseModes;
    std::vector<std::uint32_t> currentAtBrowse;  // the record current when each window opened
    std::string title1, title2;
    int sortedField = 0;
    std::vector<std::string> indexes;
    bool isOpen = false;

  private:
    Workspace& ws_;
    DbfTable table_;
    int keyField_ = 0;
    std::uint32_t selected_ = 0;
};

}  // namespace bxr::test
