// The catalogue tables are kept as readable CSV source and turned into dBase files at build
// time. The first row names each field as NAME:TYPE:LENGTH:DECIMALS (for example
// "NAME:C:20:0,H:N:8:1"); every further row is one record. Cells are separated by commas and
// may be quoted with double quotes ("" inside quotes is one quote). Texts are UTF-8 in the
// source and stored in code page 850. Empty lines and lines starting with "#" are skipped.
// A value that does not fit its field is an error, never silently cut: the data is reviewed
// as source and must reach the table unchanged.
#pragma once

#include <string>
#include <vector>

#include "platform/file_system.h"
#include "tables/dbf_header.h"

namespace bxr {

// The cells of one CSV line; false when a quote is left open.
bool SplitCsvLine(const std::string& line, std::vector<std::string>& cells);

// One header cell NAME:TYPE:LENGTH:DECIMALS; false with a message when it is malformed.
bool ParseCsvFieldSpec(const std::string& cell, DbfField& field, std::string& error);

// Writes the table described by csvText to dbfPath (through a temporary file beside it, so
// that a failed build leaves no half table). False with a message naming the line.
bool WriteDbfFromCsv(FileSystem& fs, const std::string& csvText, const std::string& dbfPath,
                     std::string& error);

}  // namespace bxr
