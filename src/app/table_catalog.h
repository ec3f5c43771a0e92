// The catalogue choices on the program's table access: the tables of the dbf folder, the
// table window, the indexes in the temporary folder.
#pragma once

#include "app/catalog_tables.h"
#include "app/table_access.h"

namespace bxr {

class TableCatalog : public CatalogTables {
  public:
    explicit TableCatalog(Workspace& ws, FileSystem& fs = DiskFileSystem())
        : ws_(ws), fs_(fs), access_(ws, fs) {}

    bool Open(const std::string& name) override { return access_.OpenCatalogue(name); }
    bool Exists(const std::string& name) override;
    void SetTitles(const OemString& title1, const OemString& title2) override {
        access_.SetTitles(title1, title2);
    }
    void GoToRecord(std::int64_t n) override { access_.GoToRecord(static_cast<long>(n)); }
    void SortByField(int position) override;
    bool IndexOn(int position, const std::string& indexName) override;
    bool FindKey(const OemString& key) override { return access_.FindKey(key); }
    bool Browse(int mode) override { return access_.Browse(mode); }
    std::uint32_t SelectedRecordNumber() const override { return ws_.table.selectedRecordNumber; }
    const DbfTable& Row() const override { return ws_.table.table; }
    void Close() override { access_.Close(); }

  private:
    Workspace& ws_;
    FileSystem& fs_;
    TableAccess access_;
};

}  // namespace bxr
