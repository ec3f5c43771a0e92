// Small text helpers shared by the output code: integers in columns, padding and cutting,
// trimming, case folding of ASCII letters, decimal separators and word wrapping.
#pragma once

#include <string>
#include <vector>

#include "format/output_settings.h"

namespace bxr {

// Decimal, no padding.
std::string IntText(long n);
// Leading zeros up to width characters (after the sign); longer numbers are not cut.
std::string IntZeroPadded(long n, int width);
// Leading blanks up to width characters; longer numbers are not cut.
std::string IntRightAligned(long n, int width);

// Cut to width characters, or padded with trailing blanks to width.
std::string TextLeftInField(const std::string& s, int width);
// Trimmed of blanks, then cut to its first width characters or padded with leading blanks.
std::string TextRightInField(const std::string& s, int width);
// First n characters (all of s when shorter).
std::string TextHead(const std::string& s, int n);
// Last n characters (all of s when shorter).
std::string TextTail(const std::string& s, int n);
// Without leading and trailing blanks.
std::string TrimBlanks(const std::string& s);
// Every blank removed.
std::string RemoveBlanks(const std::string& s);
// Every occurrence of from replaced by to.
std::string ReplaceChar(const std::string& s, char from, char to);
// 1-based position of the last occurrence of sub in s; 0 if none or sub is empty.
int LastPos(const std::string& sub, const std::string& s);
// ASCII a to z upper-cased; other bytes unchanged.
std::string UpperText(const std::string& s);
// ASCII A to Z lower-cased; other bytes unchanged.
std::string LowerText(const std::string& s);
// True if one of the command-line parameters equals word, ignoring the case of ASCII letters.
bool HasParam(const std::vector<std::string>& params, const std::string& word);

// Every "." replaced by ",".
std::string PointToComma(const std::string& s);
// Every "," replaced by ".".
std::string CommaToPoint(const std::string& s);
// A number text for the spreadsheet export, with the separator of the spreadsheet setting.
std::string SpreadsheetNumber(const OutputSettings& settings, const std::string& s);

// Lines of a wrapped text.
struct WrappedText {
    std::vector<std::string> lines;  // 0-based here: lines[0] is the first line
    int count = 0;                   // number of lines
    int longest = 1;                 // length of the longest line, at least 1
};

// The longest line WrapText produces; wider widths are narrowed to it.
inline constexpr int kWrapLineCapacity = 64;

// Splits s into lines of at most width characters (width is limited to 1..64), breaking
// after the last separator before position width where there is one, else hard at width.
// There is no limit on the number of lines.
WrappedText WrapText(const std::string& s, char separator, int width);

}  // namespace bxr
