#include "format/text_lines.h"

#include <cctype>

#include "format/number_format.h"
#include "format/text_helpers.h"

namespace bxr {

LineReader::LineReader(std::string_view data) {
    const auto eof = data.find(kEndOfFile);
    data_ = eof == std::string_view::npos ? data : data.substr(0, eof);
}

std::optional<std::string> LineReader::Next() {
    if (pos_ >= data_.size()) return std::nullopt;
    const auto cr = data_.find('\r', pos_);
    std::string line;
    if (cr == std::string_view::npos) {
        line.assign(data_.substr(pos_));
        pos_ = data_.size();
    } else {
        line.assign(data_.substr(pos_, cr - pos_));
        pos_ = cr + 1;
        if (pos_ < data_.size() && data_[pos_] == '\n') ++pos_;
    }
    ++lines_;
    return line;
}

long long ParseIntegerLine(const std::string& line, long long minValue, long long maxValue) {
    const long long value = ParseInt(line);
    if (value < minValue || value > maxValue) return 0;
    return value;
}

Real ParseRealLine(const std::string& line) {
    return ParseFloat(CommaToPoint(line));
}

bool ParseBooleanLine(const std::string& line) {
    return UpperText(line) == "TRUE";
}

}  // namespace bxr
