#include "format/text_helpers.h"

#include <algorithm>

namespace bxr {

std::string IntText(long n) {
    return std::to_string(n);
}

std::string IntZeroPadded(long n, int width) {
    std::string digits = std::to_string(n);
    std::string sign;
    if (n < 0) {
        sign = "-";
        digits.erase(0, 1);
    }
    int room = width - static_cast<int>(sign.size() + digits.size());
    if (room > 0) digits.insert(0, room, '0');
    return sign + digits;
}

std::string IntRightAligned(long n, int width) {
    std::string t = std::to_string(n);
    if (width > static_cast<int>(t.size())) t.insert(0, width - t.size(), ' ');
    return t;
}

std::string TextLeftInField(const std::string& s, int width) {
    if (width <= 0) return {};
    std::string t = s.substr(0, width);
    t.resize(width, ' ');
    return t;
}

std::string TextRightInField(const std::string& s, int width) {
    if (width <= 0) return {};
    std::string t = TrimBlanks(s);
    if (static_cast<int>(t.size()) > width) return t.substr(0, width);
    t.insert(0, width - t.size(), ' ');
    return t;
}

std::string TextHead(const std::string& s, int n) {
    if (n <= 0) return {};
    return s.substr(0, n);
}

std::string TextTail(const std::string& s, int n) {
    if (n <= 0) return {};
    if (n >= static_cast<int>(s.size())) return s;
    return s.substr(s.size() - n);
}

std::string TrimBlanks(const std::string& s) {
    std::size_t b = s.find_first_not_of(' ');
    if (b == std::string::npos) return {};
    std::size_t e = s.find_last_not_of(' ');
    return s.substr(b, e - b + 1);
}

std::string RemoveBlanks(const std::string& s) {
    std::string t;
    t.reserve(s.size());
    for (char c : s)
        if (c != ' ') t += c;
    return t;
}

std::string ReplaceChar(const std::string& s, char from, char to) {
    std::string t = s;
    std::replace(t.begin(), t.end(), from, to);
    return t;
}

int LastPos(const std::string& sub, const std::string& s) {
    if (sub.empty()) return 0;
    std::size_t p = s.rfind(sub);
    return p == std::string::npos ? 0 : static_cast<int>(p) + 1;
}

std::string UpperText(const std::string& s) {
    std::string t = s;
    for (char& c : t)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return t;
}

std::string LowerText(const std::string& s) {
    std::string t = s;
    for (char& c : t)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return t;
}

bool HasParam(const std::vector<std::string>& params, const std::string& word) {
    const std::string wanted = UpperText(word);
    return std::any_of(params.begin(), params.end(),
                       [&](const std::string& p) { return UpperText(p) == wanted; });
}

std::string PointToComma(const std::string& s) {
    return ReplaceChar(s, '.', ',');
}

std::string CommaToPoint(const std::string& s) {
    return ReplaceChar(s, ',', '.');
}

std::string SpreadsheetNumber(const OutputSettings& settings, const std::string& s) {
    return settings.spreadsheetDecimal == 1 ? CommaToPoint(s) : PointToComma(s);
}

WrappedText WrapText(const std::string& s, char separator, int width) {
    // Lines never exceed the line capacity: a wider width is narrowed rather than cutting
    // characters off the stored lines, and a width below 1 would never make progress.
    width = std::clamp(width, 1, kWrapLineCapacity);
    WrappedText result;
    std::string rest = s;
    while (!rest.empty()) {
        std::size_t pieceLength = rest.size();
        if (static_cast<int>(rest.size()) > width) {
            pieceLength = width;
            // Break after the last separator among positions 1 .. width-1.
            for (int pos = width - 1; pos >= 1; --pos) {
                if (rest[pos - 1] == separator) {
                    pieceLength = pos;
                    break;
                }
            }
        }
        result.lines.push_back(rest.substr(0, pieceLength));
        result.longest = std::max(result.longest, static_cast<int>(pieceLength));
        rest.erase(0, pieceLength);
    }
    result.count = static_cast<int>(result.lines.size());
    return result;
}

}  // namespace bxr
