// Line primitives shared by the project file, the KORM file and the configuration file:
// lines end with CR LF, a lone LF belongs to its line, Ctrl-Z ends the file.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "format/basic_types.h"

namespace bxr {

inline constexpr char kEndOfFile = 26;  // Ctrl-Z
inline constexpr const char* kLineEnd = "\r\n";

class LineReader {
  public:
    // A text without any CR has come through a program that turned every CR LF into LF: its
    // lines then end at LF.
    explicit LineReader(std::string_view data);
    // The next line without its CR (and the LF right after it); nothing at the end.
    std::optional<std::string> Next();
    bool AtEnd() const { return pos_ >= data_.size(); }
    int LinesRead() const { return lines_; }
    // Offset of the next line's first byte.
    std::size_t Position() const { return pos_; }

  private:
    std::string_view data_;
    std::size_t pos_ = 0;
    int lines_ = 0;
    char end_ = '\r';
};

// An integer line: optional blanks, an optional sign, digits; anything else gives 0, and so
// does a value outside [minValue, maxValue] (a 16-bit field never wraps around).
long long ParseIntegerLine(const std::string& line, long long minValue, long long maxValue);
// Every "," read as "."; a line that is not a plain decimal number (also inf and nan) gives 0.
Real ParseRealLine(const std::string& line);
// True when the line reads TRUE in any letter case.
bool ParseBooleanLine(const std::string& line);

// The strict forms for the files this program writes: nothing when the line is not what the
// writer puts there, so that a mistyped or shifted line is found instead of read as 0.
// The largest magnitude a real field may hold; beyond it no calculation gives a usable value.
inline constexpr Real kMaxFieldMagnitude = 1e38L;
// Blanks around the number are allowed, and "," as the decimal mark.
std::optional<Real> ReadRealField(const std::string& line);
std::optional<long long> ReadIntegerField(const std::string& line, long long minValue,
                                          long long maxValue);
// TRUE or FALSE in any letter case.
std::optional<bool> ReadBooleanField(const std::string& line);

inline const char* BooleanText(bool b) {
    return b ? "TRUE" : "FALSE";
}

}  // namespace bxr
