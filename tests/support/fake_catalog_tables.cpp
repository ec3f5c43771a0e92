#include "support/fake_catalog_tables.h"

#include <algorithm>

#include "platform/ui.h"

namespace bxr::test {

namespace {

std::string WithExtension(const std::string& name) {
    return name.find('.') == std::string::npos ? name + ".dbf" : name;
}

}  // namespace

std::string BuiltCatalogFolder() {
    return std::string(BXR_BINARY_DIR) + "/data/";
}

std::uint32_t FindRecord(const std::string& table, int field, const std::string& value, int field2,
                         const std::string& value2) {
    DbfTable t;
    if (!t.Open(BuiltCatalogFolder() + WithExtension(table))) return 0;
    for (std::uint32_t n = 1; n <= t.RecordCount(); ++n) {
        if (!t.Read(n) || t.FieldValue(field) != value) continue;
        if (field2 == 0 || t.FieldValue(field2) == value2) return n;
    }
    return 0;
}

bool FakeCatalogTables::Exists(const std::string& name) {
    const std::string file = WithExtension(name);
    if (std::find(missing.begin(), missing.end(), file) != missing.end()) return false;
    DbfTable t;
    return t.Open(BuiltCatalogFolder() + file);
}

bool FakeCatalogTables::Open(const std::string& name) {
    const std::string file = WithExtension(name);
    const std::string path = BuiltCatalogFolder() + file;
    opened.push_back(file);
    if (std::find(missing.begin(), missing.end(), file) != missing.end() || !table_.Open(path)) {
        ws_.ui->ShowMessage(DbfNotFoundMessage(path));
        ws_.abortFlag = true;
        return false;
    }
    isOpen = true;
    keyField_ = 0;
    table_.Read(1);
    return true;
}

void FakeCatalogTables::SetTitles(const OemString& t1, const OemString& t2) {
    title1 = t1;
    title2 = t2;
}

void FakeCatalogTables::GoToRecord(std::int64_t n) {
    const std::int64_t count = table_.RecordCount();
    if (n > count) n = count;
    if (n < 1) n = 1;
    table_.Read(static_cast<std::uint32_t>(n));
}

bool FakeCatalogTables::IndexOn(int position, const std::string& indexName) {
    indexes.push_back(indexName);
    keyField_ = position;
    return true;
}

bool FakeCatalogTables::FindKey(const OemString& key) {
    if (keyField_ == 0) return false;
    OemString comma = key;
    std::replace(comma.begin(), comma.end(), '.', ',');
    for (const OemString& k : {key, comma})
        for (std::uint32_t n = 1; n <= table_.RecordCount(); ++n)
            if (table_.Read(n) && table_.FieldValue(keyField_) == k) return true;
    table_.Read(1);
    return false;
}

bool FakeCatalogTables::Browse(int mode) {
    browseModes.push_back(mode);
    currentAtBrowse.push_back(table_.RecordNumber());
    const std::uint32_t pick = picks.empty() ? 0 : picks.front();
    if (!picks.empty()) picks.pop_front();
    if (pick == 0 || !table_.Read(pick)) {
        ws_.abortFlag = true;
        return false;
    }
    selected_ = pick;
    ws_.abortFlag = false;
    return true;
}

void FakeCatalogTables::Close() {
    table_.Close();
    isOpen = false;
}

}  // namespace bxr::test
