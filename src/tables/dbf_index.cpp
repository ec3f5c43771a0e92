#include "tables/dbf_index.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "format/text_helpers.h"

namespace bxr {
namespace {

constexpr char kMagic[8] = {'B', 'X', 'R', 'N', 'D', 'X', '1', 0x1A};
constexpr std::size_t kHeaderSize = 32;
// Header: magic (8), field name (11), type (1), key length (1), field position (1),
// reserved (6), entry count (4).
constexpr std::size_t kNameAt = 8;
constexpr std::size_t kTypeAt = 19;
constexpr std::size_t kLengthAt = 20;
constexpr std::size_t kFieldAt = 21;
constexpr std::size_t kCountAt = 28;

bool Numeric(char type) {
    return type == 'N' || type == 'F';
}

// Orders two stored keys of the same field.
int CompareKeys(char type, const std::string& a, const std::string& b) {
    if (Numeric(type)) {
        Real x = ParseDbfNumber(a), y = ParseDbfNumber(b);
        return x < y ? -1 : (y < x ? 1 : 0);
    }
    int c = a.compare(b);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

void Put32(std::uint8_t* p, std::uint32_t v) {
    for (int k = 0; k < 4; ++k) p[k] = static_cast<std::uint8_t>(v >> (8 * k));
}
std::uint32_t Get32(const std::uint8_t* p) {
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}

}  // namespace

std::string IndexFileName(const std::string& name) {
    return StripExtension(FileNameOf(name)) == FileNameOf(name) ? name + ".ndx" : name;
}

bool DbfIndex::Build(DbfTable& table, int field, const std::string& indexPath, FileSystem& fs,
                     std::string& error) {
    if (!table.IsOpen() || field < 1 || field > table.FieldCount()) {
        error = "Indexfeld #" + std::to_string(field) + " nicht vorhanden";
        return false;
    }
    const DbfField& f = table.Field(field);
    struct Entry {
        std::string key;
        Real value;
        std::uint32_t record;
    };
    std::vector<Entry> entries;
    entries.reserve(table.RecordCount());
    for (std::uint32_t n = 1; n <= table.RecordCount(); ++n) {
        if (!table.Read(n)) {
            error = table.Error();
            return false;
        }
        std::string key = table.FieldText(field);
        Real value = Numeric(f.type) ? ParseDbfNumber(key) : 0;
        entries.push_back({std::move(key), value, n});
    }
    std::stable_sort(entries.begin(), entries.end(), [&](const Entry& a, const Entry& b) {
        if (Numeric(f.type)) return a.value < b.value;
        return a.key < b.key;
    });

    std::string bytes(kHeaderSize, '\0');
    auto* h = reinterpret_cast<std::uint8_t*>(bytes.data());
    std::memcpy(h, kMagic, sizeof kMagic);
    std::memcpy(h + kNameAt, f.name.data(), std::min<std::size_t>(f.name.size(), 10));
    h[kTypeAt] = static_cast<std::uint8_t>(f.type);
    h[kLengthAt] = static_cast<std::uint8_t>(f.length);
    h[kFieldAt] = static_cast<std::uint8_t>(field);
    Put32(h + kCountAt, static_cast<std::uint32_t>(entries.size()));
    bytes.reserve(kHeaderSize + entries.size() * (std::size_t(f.length) + 4));
    for (const auto& e : entries) {
        bytes += e.key;
        std::uint8_t n[4];
        Put32(n, e.record);
        bytes.append(reinterpret_cast<const char*>(n), 4);
    }
    if (!WriteFileSafely(fs, indexPath, bytes)) {
        error = "Fehler beim Schreiben von " + indexPath;
        return false;
    }
    return true;
}

bool DbfIndex::Open(const std::string& indexPath, const DbfTable& table, FileSystem& fs,
                    std::string& error) {
    Close();
    auto file = fs.OpenRandom(indexPath, OpenMode::Read);
    if (!file) {
        error = "Datei " + indexPath + " nicht gefunden oder kein Zugriffsrecht !";
        return false;
    }
    std::uint8_t h[kHeaderSize];
    const std::string bad = indexPath + " ist kein Index zu " + table.Path();
    if (file->Size() < kHeaderSize || !file->Read(0, h, kHeaderSize) ||
        std::memcmp(h, kMagic, sizeof kMagic) != 0)
        return error = bad, false;
    const int field = h[kFieldAt];
    const std::uint32_t count = Get32(h + kCountAt);
    if (field < 1 || field > table.FieldCount()) return error = bad, false;
    const DbfField& f = table.Field(field);
    std::string name(reinterpret_cast<const char*>(h + kNameAt), 11);
    name.resize(std::strlen(name.c_str()));
    if (name != f.name || h[kTypeAt] != static_cast<std::uint8_t>(f.type) ||
        h[kLengthAt] != f.length || count != table.RecordCount() ||
        file->Size() != kHeaderSize + std::uint64_t(count) * (std::uint64_t(f.length) + 4))
        return error = bad, false;
    file_ = std::move(file);
    path_ = indexPath;
    field_ = field;
    type_ = f.type;
    keyLength_ = f.length;
    count_ = count;
    return true;
}

void DbfIndex::Close() {
    file_.reset();
    path_.clear();
    field_ = 0;
    count_ = 0;
}

bool DbfIndex::ReadEntry(std::uint32_t p, std::string& key, std::uint32_t& record) {
    if (!file_ || p < 1 || p > count_) return false;
    const std::size_t size = std::size_t(keyLength_) + 4;
    std::string buffer(size, '\0');
    if (!file_->Read(kHeaderSize + std::uint64_t(p - 1) * size, buffer.data(), size)) return false;
    key = buffer.substr(0, std::size_t(keyLength_));
    record = Get32(reinterpret_cast<const std::uint8_t*>(buffer.data()) + keyLength_);
    return true;
}

std::uint32_t DbfIndex::RecordAt(std::uint32_t p) {
    std::string key;
    std::uint32_t record = 0;
    return ReadEntry(p, key, record) ? record : 0;
}

std::uint32_t DbfIndex::PositionOf(std::uint32_t n) {
    std::string key;
    std::uint32_t record = 0;
    for (std::uint32_t p = 1; p <= count_; ++p)
        if (ReadEntry(p, key, record) && record == n) return p;
    return 0;
}

std::uint32_t DbfIndex::Find(const std::string& wanted) {
    std::string key = wanted;
    while (!key.empty() && key.back() == ' ') key.pop_back();
    if (!file_ || count_ == 0) return 0;
    if (Numeric(type_)) {
        // A key without a digit is no number and finds nothing (not the zeros).
        if (key.find_first_of("0123456789") == std::string::npos) return 0;
    } else if (key.empty() || key.size() > std::size_t(keyLength_)) {
        return 0;
    }
    // First position whose key is not below the wanted one; character keys compare on the
    // wanted key's length, so that "IPE" finds "IPE 200".
    std::uint32_t low = 1, high = count_ + 1;
    std::string stored;
    std::uint32_t record = 0;
    while (low < high) {
        std::uint32_t mid = low + (high - low) / 2;
        if (!ReadEntry(mid, stored, record)) return 0;
        const std::string head = Numeric(type_) ? stored : stored.substr(0, key.size());
        if (CompareKeys(type_, head, key) < 0)
            low = mid + 1;
        else
            high = mid;
    }
    if (low > count_ || !ReadEntry(low, stored, record)) return 0;
    const std::string head = Numeric(type_) ? stored : stored.substr(0, key.size());
    return CompareKeys(type_, head, key) == 0 ? low : 0;
}

}  // namespace bxr
