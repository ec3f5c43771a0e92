#include "tables/dbf_header.h"

#include <algorithm>
#include <cstring>

namespace bxr {
namespace {

constexpr std::size_t kHeaderSize = 32;
constexpr std::size_t kDescriptorSize = 32;
constexpr std::size_t kLaterHeaderSize = 68;
constexpr std::size_t kLaterDescriptorSize = 48;
constexpr std::uint8_t kTerminator = 0x0D;

std::uint32_t Le32(const std::uint8_t* p) {
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}
std::uint16_t Le16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

bool KnownType(char t) {
    return t == 'C' || t == 'N' || t == 'F' || t == 'L' || t == 'D' || t == 'M';
}

// The name up to its first 0 byte, at most 10 characters, without surrounding blanks.
std::string FieldName(const std::uint8_t* p, std::size_t room) {
    std::string name;
    for (std::size_t i = 0; i < room && p[i] != 0; ++i) name += static_cast<char>(p[i]);
    if (name.size() > 10) name.resize(10);
    while (!name.empty() && name.back() == ' ') name.pop_back();
    while (!name.empty() && name.front() == ' ') name.erase(name.begin());
    return name;
}

}  // namespace

bool DbfIsLaterLayout(std::uint8_t version) {
    return (version & 0x07) == 4;
}

long DbfFieldCountFor(std::uint16_t headerLength, bool laterLayout) {
    long fixed = laterLayout ? long(kLaterHeaderSize) : long(kHeaderSize);
    long size = laterLayout ? long(kLaterDescriptorSize) : long(kDescriptorSize);
    if (headerLength < fixed) return 0;
    return (long(headerLength) - fixed) / size;
}

DbfHeaderProblem ParseDbfHeader(const std::vector<std::uint8_t>& bytes, std::uint64_t fileSize,
                                DbfHeader& h) {
    h = DbfHeader{};
    if (bytes.size() < kHeaderSize) return DbfHeaderProblem::Truncated;
    const std::uint8_t* b = bytes.data();
    h.version = b[0];
    h.year = 1900 + b[1];
    h.month = b[2];
    h.day = b[3];
    h.recordCount = Le32(b + 4);
    h.headerLength = Le16(b + 8);
    h.recordLength = Le16(b + 10);
    h.laterLayout = DbfIsLaterLayout(h.version);

    long count = DbfFieldCountFor(h.headerLength, h.laterLayout);
    if (count < 1 || count > DbfHeader::kMaxFields) return DbfHeaderProblem::FieldCount;
    if (bytes.size() < h.headerLength || fileSize < h.headerLength)
        return DbfHeaderProblem::Truncated;

    const std::size_t first = h.laterLayout ? kLaterHeaderSize : kHeaderSize;
    const std::size_t step = h.laterLayout ? kLaterDescriptorSize : kDescriptorSize;
    const std::size_t nameRoom = h.laterLayout ? 32 : 11;
    const std::size_t typeAt = h.laterLayout ? 32 : 11;
    const std::size_t lengthAt = h.laterLayout ? 33 : 16;
    const std::size_t decimalsAt = h.laterLayout ? 34 : 17;

    int offset = 1;
    for (long i = 0; i < count; ++i) {
        const std::uint8_t* d = b + first + std::size_t(i) * step;
        if (d[0] == kTerminator) break;
        DbfField f;
        f.name = FieldName(d, nameRoom);
        f.type = static_cast<char>(d[typeAt]);
        if (f.type >= 'a' && f.type <= 'z') f.type = static_cast<char>(f.type - 'a' + 'A');
        if (!KnownType(f.type)) return DbfHeaderProblem::FieldType;
        f.length = d[lengthAt];
        f.decimals = (f.type == 'N' || f.type == 'F') ? d[decimalsAt] : 0;
        if (f.length == 0) return DbfHeaderProblem::FieldLength;
        f.offset = offset;
        offset += f.length;
        h.fields.push_back(std::move(f));
    }
    if (h.fields.empty()) return DbfHeaderProblem::FieldCount;
    if (offset != h.recordLength) return DbfHeaderProblem::RecordLength;
    std::uint64_t end =
        std::uint64_t(h.headerLength) + std::uint64_t(h.recordCount) * h.recordLength;
    if (end > fileSize) return DbfHeaderProblem::MissingRecords;
    return DbfHeaderProblem::None;
}

std::string DbfProblemText(DbfHeaderProblem problem) {
    switch (problem) {
        case DbfHeaderProblem::None:
            return "";
        case DbfHeaderProblem::Truncated:
            return "Dateikopf unvollst\x84ndig";
        case DbfHeaderProblem::FieldCount:
            return "Zu viele Datenfelder";
        case DbfHeaderProblem::FieldType:
            return "Unbekannter Feldtyp";
        case DbfHeaderProblem::FieldLength:
            return "Feld der L\x84nge 0";
        case DbfHeaderProblem::RecordLength:
            return "Satzl\x84nge passt nicht zu den Feldern";
        case DbfHeaderProblem::MissingRecords:
            return "Datei endet vor dem letzten Datensatz";
    }
    return "";
}

void LayoutDbfHeader(DbfHeader& h) {
    int offset = 1;
    for (auto& f : h.fields) {
        f.offset = offset;
        offset += f.length;
    }
    h.recordLength = static_cast<std::uint16_t>(offset);
    h.headerLength =
        static_cast<std::uint16_t>(kHeaderSize + kDescriptorSize * h.fields.size() + 1);
    h.laterLayout = false;
}

std::vector<std::uint8_t> SerializeDbfHeader(const DbfHeader& h) {
    std::vector<std::uint8_t> out(kHeaderSize + kDescriptorSize * h.fields.size() + 1, 0);
    out[0] = h.version;
    out[1] = static_cast<std::uint8_t>(h.year - 1900);
    out[2] = static_cast<std::uint8_t>(h.month);
    out[3] = static_cast<std::uint8_t>(h.day);
    for (int i = 0; i < 4; ++i) out[4 + i] = static_cast<std::uint8_t>(h.recordCount >> (8 * i));
    out[8] = static_cast<std::uint8_t>(h.headerLength);
    out[9] = static_cast<std::uint8_t>(h.headerLength >> 8);
    out[10] = static_cast<std::uint8_t>(h.recordLength);
    out[11] = static_cast<std::uint8_t>(h.recordLength >> 8);
    std::size_t at = kHeaderSize;
    for (const auto& f : h.fields) {
        std::memcpy(&out[at], f.name.data(), std::min<std::size_t>(f.name.size(), 10));
        out[at + 11] = static_cast<std::uint8_t>(f.type);
        out[at + 16] = static_cast<std::uint8_t>(f.length);
        out[at + 17] = static_cast<std::uint8_t>(f.decimals);
        at += kDescriptorSize;
    }
    out[at] = kTerminator;
    return out;
}

}  // namespace bxr
