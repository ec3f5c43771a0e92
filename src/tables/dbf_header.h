// The header of a dBase table: the 32-byte file header of the III/IV layout (or the 68-byte
// one of the later layout) and the field descriptors, parsed from bytes and checked so that
// nothing later reads past a record.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace bxr {

struct DbfField {
    std::string name;  // upper-case ASCII, at most 10 characters
    char type = 'C';   // C, N, F, L, D or M
    int length = 1;    // bytes in the record
    int decimals = 0;  // N and F
    int offset = 0;    // position in the record; the deletion flag is byte 0
};

struct DbfHeader {
    static constexpr int kMaxFields = 255;
    static constexpr std::uint8_t kMemoBit = 0x80;

    std::uint8_t version = 0x03;
    int year = 0;  // full year, month 1..12, day 1..31 of the last update
    int month = 0;
    int day = 0;
    std::uint32_t recordCount = 0;
    std::uint16_t headerLength = 0;
    std::uint16_t recordLength = 0;
    bool laterLayout = false;  // 68-byte header, 48-byte descriptors
    std::vector<DbfField> fields;

    bool HasMemo() const { return (version & kMemoBit) != 0; }
};

enum class DbfHeaderProblem {
    None,
    Truncated,      // fewer bytes than the header claims
    FieldCount,     // no field, or more than 255
    FieldType,      // a type outside C, N, F, L, D, M
    FieldLength,    // a field of length 0
    RecordLength,   // record length differs from the fields' sum + 1
    MissingRecords  // the file ends before the last record
};

// How many bytes to read first: enough for either layout's fixed header.
inline constexpr std::size_t kDbfFixedHeaderSize = 32;

// Field count the header length stands for, by layout; may be out of range.
long DbfFieldCountFor(std::uint16_t headerLength, bool laterLayout);
// True when the version byte marks the later layout.
bool DbfIsLaterLayout(std::uint8_t version);

// Parses the whole header (headerLength bytes, or all there are when fewer) and checks it
// against the file size.
DbfHeaderProblem ParseDbfHeader(const std::vector<std::uint8_t>& bytes, std::uint64_t fileSize,
                                DbfHeader& header);

// The reason text for a problem, code page 850, as shown in brackets after the file name.
std::string DbfProblemText(DbfHeaderProblem problem);

// The III/IV header with its descriptors and the 0x0D terminator, for writing.
std::vector<std::uint8_t> SerializeDbfHeader(const DbfHeader& header);

// Lays out the offsets and the record and header lengths from the fields (III/IV layout).
void LayoutDbfHeader(DbfHeader& header);

}  // namespace bxr
