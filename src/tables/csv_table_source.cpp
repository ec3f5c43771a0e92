#include "tables/csv_table_source.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>

#include "format/code_page.h"
#include "tables/dbf_table.h"

namespace bxr {
namespace {

bool ParseCount(const std::string& text, int low, int high, int& value) {
    if (text.empty() || text.size() > 3) return false;
    for (char c : text)
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    value = std::atoi(text.c_str());
    return value >= low && value <= high;
}

std::string Trimmed(const std::string& s) {
    std::size_t a = s.find_first_not_of(" \t");
    if (a == std::string::npos) return {};
    std::size_t b = s.find_last_not_of(" \t");
    return s.substr(a, b - a + 1);
}

bool IsNumberText(const std::string& t) {
    if (t.empty()) return false;
    char* end = nullptr;
    long double v = std::strtold(t.c_str(), &end);
    if (end != t.c_str() + t.size() || !std::isfinite(v)) return false;
    // strtold also takes hexadecimal and "inf"; a catalogue number is plain decimal.
    for (char c : t)
        if (!(std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == '-' || c == '+' ||
              c == 'e' || c == 'E'))
            return false;
    return true;
}

// Stores one cell into field i of the table's record buffer.
bool PutCell(DbfTable& t, int i, const std::string& raw, std::string& error) {
    const DbfField& f = t.Field(i);
    const std::string cell = f.type == 'C' ? raw : Trimmed(raw);
    if (cell.empty()) return t.SetFieldText(i, "") || (error = t.Error(), false);
    switch (f.type) {
        case 'N':
        case 'F':
            if (!IsNumberText(cell)) {
                error = "field " + f.name + ": \"" + cell + "\" is not a number";
                return false;
            }
            if (!t.SetFieldNumber(i, std::strtold(cell.c_str(), nullptr))) {
                error = "field " + f.name + ": " + cell + " does not fit " +
                        std::to_string(f.length) + " characters with " +
                        std::to_string(f.decimals) + " decimals";
                return false;
            }
            return true;
        case 'L': {
            const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(cell[0])));
            if (cell.size() != 1 || std::string("TFYN?").find(c) == std::string::npos) {
                error = "field " + f.name + ": \"" + cell + "\" is not T, F, Y, N or ?";
                return false;
            }
            return t.SetFieldText(i, std::string(1, c)) || (error = t.Error(), false);
        }
        case 'D':
            if (cell.size() != 8 || !IsNumberText(cell) ||
                cell.find_first_not_of("0123456789") != std::string::npos) {
                error = "field " + f.name + ": \"" + cell + "\" is not a date YYYYMMDD";
                return false;
            }
            return t.SetFieldText(i, cell) || (error = t.Error(), false);
        default: {
            const std::string oem = Utf8ToOem(cell);
            if (oem.size() > std::size_t(f.length)) {
                error = "field " + f.name + ": \"" + cell + "\" is longer than " +
                        std::to_string(f.length) + " characters";
                return false;
            }
            return t.SetFieldText(i, oem) || (error = t.Error(), false);
        }
    }
}

}  // namespace

bool SplitCsvLine(const std::string& line, std::vector<std::string>& cells) {
    cells.clear();
    std::string cell;
    bool quoted = false;
    for (std::size_t k = 0; k < line.size(); ++k) {
        const char c = line[k];
        if (quoted) {
            if (c == '"' && k + 1 < line.size() && line[k + 1] == '"') {
                cell += '"';
                ++k;
            } else if (c == '"') {
                quoted = false;
            } else {
                cell += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            cells.push_back(std::move(cell));
            cell.clear();
        } else {
            cell += c;
        }
    }
    cells.push_back(std::move(cell));
    return !quoted;
}

bool ParseCsvFieldSpec(const std::string& cell, DbfField& field, std::string& error) {
    std::vector<std::string> parts;
    std::string part;
    for (char c : Trimmed(cell)) {
        if (c == ':') {
            parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    parts.push_back(part);
    error = "field \"" + cell + "\": ";
    if (parts.size() != 4) return error += "expected NAME:TYPE:LENGTH:DECIMALS", false;
    const std::string& name = parts[0];
    if (name.empty() || name.size() > 10) return error += "a name of 1 to 10 characters", false;
    for (char c : name)
        if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '_') ||
            static_cast<unsigned char>(c) > 127)
            return error += "a name of letters, digits and _", false;
    if (parts[1].size() != 1 || std::string("CNFLDM").find(parts[1][0]) == std::string::npos)
        return error += "type must be C, N, F, L, D or M", false;
    field.name = name;
    for (auto& c : field.name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    field.type = parts[1][0];
    if (!ParseCount(parts[2], 1, 254, field.length))
        return error += "length must be 1 to 254", false;
    if (!ParseCount(parts[3], 0, 15, field.decimals))
        return error += "decimals must be 0 to 15", false;
    const bool numeric = field.type == 'N' || field.type == 'F';
    if (!numeric && field.decimals != 0) return error += "only N and F have decimals", false;
    if (numeric && field.decimals > 0 && field.decimals + 2 > field.length)
        return error += "the length leaves no room for the decimals", false;
    if ((field.type == 'L' && field.length != 1) || (field.type == 'D' && field.length != 8) ||
        (field.type == 'M' && field.length != 10))
        return error += "L fields have length 1, D fields 8, M fields 10", false;
    error.clear();
    return true;
}

bool WriteDbfFromCsv(FileSystem& fs, const std::string& csvText, const std::string& dbfPath,
                     std::string& error) {
    std::vector<DbfField> fields;
    std::vector<std::string> cells;
    DbfTable table;
    const std::string temp = dbfPath + ".tmp";
    bool haveHeader = false;
    std::size_t lineNumber = 0;
    std::size_t at = 0;
    while (at < csvText.size()) {
        std::size_t end = csvText.find('\n', at);
        if (end == std::string::npos) end = csvText.size();
        std::string line = csvText.substr(at, end - at);
        at = end + 1;
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (lineNumber == 1 && line.compare(0, 3, "\xEF\xBB\xBF") == 0) line.erase(0, 3);
        if (Trimmed(line).empty() || line[0] == '#') continue;
        const std::string where = "line " + std::to_string(lineNumber) + ": ";
        if (!SplitCsvLine(line, cells)) {
            error = where + "a quote is not closed";
            break;
        }
        if (!haveHeader) {
            for (const auto& c : cells) {
                DbfField f;
                if (!ParseCsvFieldSpec(c, f, error)) return error = where + error, false;
                for (const auto& g : fields)
                    if (g.name == f.name)
                        return error = where + "field " + f.name + " twice", false;
                fields.push_back(f);
            }
            // Never through whatever stands under the temporary names.
            fs.Remove(temp);
            fs.Remove(DbfMemoPath(temp));
            if (!table.Create(temp, fields, fs)) return error = where + table.Error(), false;
            haveHeader = true;
            continue;
        }
        if (cells.size() != fields.size()) {
            error = where + std::to_string(cells.size()) + " cells for " +
                    std::to_string(fields.size()) + " fields";
            break;
        }
        table.BlankRecord();
        bool ok = true;
        for (int i = 1; ok && i <= table.FieldCount(); ++i)
            ok = PutCell(table, i, cells[std::size_t(i - 1)], error);
        if (!ok) {
            error = where + error;
            break;
        }
        if (!table.Append()) {
            error = where + table.Error();
            break;
        }
    }
    if (!haveHeader) return error = "no header row", false;
    table.Close();
    const bool memo =
        std::any_of(fields.begin(), fields.end(), [](const DbfField& f) { return f.type == 'M'; });
    if (error.empty() && fs.Rename(temp, dbfPath) &&
        (!memo || fs.Rename(DbfMemoPath(temp), DbfMemoPath(dbfPath))))
        return true;
    if (error.empty()) error = "cannot rename " + temp + " to " + dbfPath;
    fs.Remove(temp);
    if (memo) fs.Remove(DbfMemoPath(temp));
    return false;
}

}  // namespace bxr
