#include "format/text_lines.h"

#include <cctype>
#include <cmath>

#include "format/number_format.h"
#include "format/text_helpers.h"

namespace bxr {

LineReader::LineReader(std::string_view data) {
    const auto eof = data.find(kEndOfFile);
    data_ = eof == std::string_view::npos ? data : data.substr(0, eof);
    if (data_.find('\r') == std::string_view::npos) end_ = '\n';
}

std::optional<std::string> LineReader::Next() {
    if (pos_ >= data_.size()) return std::nullopt;
    const auto cr = data_.find(end_, pos_);
    std::string line;
    if (cr == std::string_view::npos) {
        line.assign(data_.substr(pos_));
        pos_ = data_.size();
    } else {
        line.assign(data_.substr(pos_, cr - pos_));
        pos_ = cr + 1;
        if (end_ == '\r' && pos_ < data_.size() && data_[pos_] == '\n') ++pos_;
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

namespace {

std::string_view Trimmed(const std::string& line) {
    const auto b = line.find_first_not_of(' ');
    if (b == std::string::npos) return {};
    const auto e = line.find_last_not_of(' ');
    return std::string_view(line).substr(b, e - b + 1);
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::optional<Real> ReadRealField(const std::string& line) {
    std::string t(Trimmed(line));
    for (auto& c : t)
        if (c == ',') c = '.';
    // Sign, digits with at most one point, an optional exponent; nothing else.
    std::size_t i = 0, digits = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    while (i < t.size() && IsDigit(t[i])) ++i, ++digits;
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && IsDigit(t[i])) ++i, ++digits;
    }
    if (digits == 0) return std::nullopt;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
        std::size_t exponentDigits = 0;
        while (i < t.size() && IsDigit(t[i])) ++i, ++exponentDigits;
        if (exponentDigits == 0) return std::nullopt;
    }
    if (i != t.size()) return std::nullopt;
    const Real value = ParseFloat(t);
    // ParseFloat gives 0 for what it cannot take (an exponent beyond the type's range).
    if (value == 0 && t.find_first_of("123456789") != std::string::npos) {
        const auto e = t.find_first_of("eE");
        if (t.substr(0, e).find_first_of("123456789") != std::string::npos) return std::nullopt;
    }
    if (!std::isfinite(value) || std::fabs(value) > kMaxFieldMagnitude) return std::nullopt;
    return value;
}

std::optional<long long> ReadIntegerField(const std::string& line, long long minValue,
                                          long long maxValue) {
    const std::string_view t = Trimmed(line);
    std::size_t i = t.size() > 0 && (t[0] == '-' || t[0] == '+') ? 1 : 0;
    if (i == t.size() || t.size() - i > 18) return std::nullopt;
    for (std::size_t k = i; k < t.size(); ++k)
        if (!IsDigit(t[k])) return std::nullopt;
    long long value = 0;
    for (std::size_t k = i; k < t.size(); ++k) value = value * 10 + (t[k] - '0');
    if (t[0] == '-') value = -value;
    if (value < minValue || value > maxValue) return std::nullopt;
    return value;
}

std::optional<bool> ReadBooleanField(const std::string& line) {
    const std::string t = UpperText(std::string(Trimmed(line)));
    if (t == "TRUE") return true;
    if (t == "FALSE") return false;
    return std::nullopt;
}

}  // namespace bxr
