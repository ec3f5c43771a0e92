// What the profile and material choices need of the table layer: one catalogue table open at
// a time, its table window for picking or editing a row, key lookups, and the current row
// read by field position. The program's implementation sits on the table access of the tables
// layer; tests substitute one that reads the built catalogue tables and picks scripted rows.
#pragma once

#include <cstdint>
#include <string>

#include "model/beam_model.h"

namespace bxr {

class DbfTable;

class CatalogTables {
  public:
    virtual ~CatalogTables() = default;

    // Opens a catalogue table of the dbf folder ("name" or "name.dbf"). A missing or
    // unreadable table shows "Datei <path> nicht gefunden oder kein Zugriffsrecht !", sets the
    // abort flag and gives false.
    virtual bool Open(const std::string& name) = 0;
    // True when the catalogue table is there and readable; shows nothing.
    virtual bool Exists(const std::string& name) = 0;
    virtual void SetTitles(const OemString& title1, const OemString& title2) = 0;
    // Makes record n current (numbers beyond the table give the last record, below 1 the first).
    virtual void GoToRecord(std::int64_t n) = 0;
    // The table window's column sort: an index on the field at this position becomes the order
    // and the current record stays current.
    virtual void SortByField(int position) = 0;
    // Builds an index on the field at this position into the temporary folder under indexName
    // and makes it the order.
    virtual bool IndexOn(int position, const std::string& indexName) = 0;
    // Looks the key up in the order's index (retrying with "." read as ","); a found record
    // becomes current.
    virtual bool FindKey(const OemString& key) = 0;
    // The table window, modal: mode 1 picks only, any other mode edits. True when it closed
    // with OK, the picked record then current; Cancel sets the abort flag and gives false.
    virtual bool Browse(int mode) = 0;
    // The record current when the window last closed with OK.
    virtual std::uint32_t SelectedRecordNumber() const = 0;
    // The current record, read by field position.
    virtual const DbfTable& Row() const = 0;
    virtual void Close() = 0;
};

}  // namespace bxr
