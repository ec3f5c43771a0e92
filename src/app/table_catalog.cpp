#include "app/table_catalog.h"

namespace bxr {

bool TableCatalog::Exists(const std::string& name) {
    const std::string file = name.find('.') == std::string::npos ? name + ".dbf" : name;
    // Readable: at least the file header can be read.
    const auto head = fs_.Read(access_.TableFolder() + file, 32);
    return head && head->size() == 32;
}

void TableCatalog::SortByField(int position) {
    // As the table window's column sort: the same record stays current in the new order.
    const std::uint32_t current = access_.RecordNumber();
    const std::string index = access_.TempFolder() + "$zqvtemp";
    if (access_.IndexOn(access_.FieldName(position), index) && access_.SetIndex(index))
        access_.GoToRecord(current);
}

bool TableCatalog::IndexOn(int position, const std::string& indexName) {
    const std::string index = access_.TempFolder() + indexName;
    return access_.IndexOn(access_.FieldName(position), index) && access_.SetIndex(index);
}

}  // namespace bxr
