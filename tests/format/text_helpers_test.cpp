#include "format/text_helpers.h"

#include <gtest/gtest.h>

#include <ctime>
#include <regex>
#include <string>
#include <vector>

#include "format/date_text.h"

namespace bxr {
namespace {

TEST(IntTextTest, PaddingWithZerosAndBlanks) {
    EXPECT_EQ(IntText(0), "0");
    EXPECT_EQ(IntText(-42), "-42");
    EXPECT_EQ(IntZeroPadded(7, 3), "007");
    EXPECT_EQ(IntZeroPadded(-7, 3), "-07");
    EXPECT_EQ(IntZeroPadded(12345, 3), "12345");  // never cut
    EXPECT_EQ(IntRightAligned(7, 3), "  7");
    EXPECT_EQ(IntRightAligned(-7, 3), " -7");
    EXPECT_EQ(IntRightAligned(12345, 3), "12345");
}

TEST(TextFieldTest, LeftAndRightAlignment) {
    EXPECT_EQ(TextLeftInField("abc", 5), "abc  ");
    EXPECT_EQ(TextLeftInField("abcdef", 4), "abcd");
    EXPECT_EQ(TextLeftInField("abc", 0), "");
    EXPECT_EQ(TextRightInField("  abc  ", 2), "ab");
    EXPECT_EQ(TextRightInField("  abc  ", 5), "  abc");
    EXPECT_EQ(TextRightInField("abc", 3), "abc");
    EXPECT_EQ(TextRightInField("   ", 2), "  ");
}

TEST(TextPiecesTest, HeadTailTrimAndReplace) {
    EXPECT_EQ(TextHead("abcdef", 2), "ab");
    EXPECT_EQ(TextHead("ab", 5), "ab");
    EXPECT_EQ(TextTail("abcdef", 2), "ef");
    EXPECT_EQ(TextTail("ab", 5), "ab");
    EXPECT_EQ(TextTail("ab", -1), "");
    EXPECT_EQ(TrimBlanks("  a b  "), "a b");
    EXPECT_EQ(TrimBlanks("    "), "");
    EXPECT_EQ(RemoveBlanks(" a b  c "), "abc");
    EXPECT_EQ(ReplaceChar("a.b.c", '.', '/'), "a/b/c");
    EXPECT_EQ(PointToComma("1.5;2.5"), "1,5;2,5");
    EXPECT_EQ(CommaToPoint("1,5;2,5"), "1.5;2.5");
}

TEST(TextPiecesTest, LastPosIsOneBased) {
    EXPECT_EQ(LastPos("/", "a/b/c"), 4);
    EXPECT_EQ(LastPos("ab", "abxab"), 4);
    EXPECT_EQ(LastPos("a", "a"), 1);
    EXPECT_EQ(LastPos("z", "abc"), 0);
    EXPECT_EQ(LastPos("", "abc"), 0);
}

TEST(TextCaseTest, OnlyAsciiLettersChange) {
    EXPECT_EQ(UpperText("abz AZ 09 \x84"), "ABZ AZ 09 \x84");
    EXPECT_EQ(LowerText("ABZ az 09 \x8E"), "abz az 09 \x8E");
    const std::vector<std::string> params = {"proj.bxr", "/nogui"};
    EXPECT_TRUE(HasParam(params, "/NOGUI"));
    EXPECT_TRUE(HasParam(params, "PROJ.BXR"));
    EXPECT_FALSE(HasParam(params, "/I"));
    EXPECT_FALSE(HasParam({}, "/I"));
}

TEST(SpreadsheetNumberTest, SeparatorFromTheSpreadsheetSetting) {
    OutputSettings english;
    english.spreadsheetDecimal = 1;
    OutputSettings german;  // default 2
    EXPECT_EQ(SpreadsheetNumber(english, "12,5"), "12.5");
    EXPECT_EQ(SpreadsheetNumber(german, "12.5"), "12,5");
    OutputSettings other;
    other.spreadsheetDecimal = 0;
    EXPECT_EQ(SpreadsheetNumber(other, "12.5"), "12,5");
}

TEST(WrapTextTest, BreaksAfterTheLastSeparatorBeforeTheWidth) {
    WrappedText w = WrapText("abc,def,ghi", ',', 5);
    ASSERT_EQ(w.count, 3);
    EXPECT_EQ(w.lines, (std::vector<std::string>{"abc,", "def,", "ghi"}));
    EXPECT_EQ(w.longest, 4);

    // Separator only at the width itself is not seen: a hard cut at width.
    w = WrapText("abcde,fg", ',', 5);
    EXPECT_EQ(w.lines, (std::vector<std::string>{"abcde", ",fg"}));
    EXPECT_EQ(w.longest, 5);

    w = WrapText("abcdefgh", ',', 3);
    EXPECT_EQ(w.lines, (std::vector<std::string>{"abc", "def", "gh"}));

    // Text that fits stays whole, even when it contains separators.
    w = WrapText("a,b", ',', 3);
    EXPECT_EQ(w.lines, (std::vector<std::string>{"a,b"}));
}

TEST(WrapTextTest, EmptyTextAndDegenerateWidths) {
    WrappedText w = WrapText("", ',', 10);
    EXPECT_EQ(w.count, 0);
    EXPECT_EQ(w.longest, 1);
    // A width below one still makes progress, one character a line.
    w = WrapText("abc", ',', 0);
    EXPECT_EQ(w.lines, (std::vector<std::string>{"a", "b", "c"}));
    // Lines never exceed the 64-character line capacity.
    w = WrapText(std::string(100, 'x'), ',', 80);
    ASSERT_EQ(w.count, 2);
    EXPECT_EQ(w.lines[0].size(), 64u);
    EXPECT_EQ(w.lines[1].size(), 36u);
    EXPECT_EQ(w.longest, 64);
}

OutputSettings DateFormat(int format) {
    OutputSettings s;
    s.dateFormat = static_cast<std::uint16_t>(format);
    return s;
}

TEST(DateTextTest, EveryDateFormat) {
    EXPECT_EQ(DateText(DateFormat(1), 2026, 3, 7), "07.03.2026");
    EXPECT_EQ(DateText(DateFormat(2), 2026, 3, 7), "03/07/2026");
    EXPECT_EQ(DateText(DateFormat(3), 2026, 3, 7), "2026/03/07");
    EXPECT_EQ(DateText(DateFormat(4), 2026, 3, 7), "07/03/2026");
    EXPECT_EQ(DateText(DateFormat(0), 2026, 12, 31), "2026/12/31");
    EXPECT_EQ(DateText(DateFormat(9), 1999, 11, 30), "1999/11/30");
}

TEST(DateTextTest, TimeHasNoLeadingZeroOnTheHour) {
    EXPECT_EQ(TimeText(9, 5), "9:05");
    EXPECT_EQ(TimeText(14, 30), "14:30");
    EXPECT_EQ(TimeText(0, 0), "0:00");
    EXPECT_TRUE(std::regex_match(TimeText(), std::regex("([0-9]|1[0-9]|2[0-3]):[0-5][0-9]")));
}

TEST(DateTextTest, TodayIsTheLocalDate) {
    std::time_t before = std::time(nullptr);
    std::string today = TodayText(DateFormat(3));
    std::time_t after = std::time(nullptr);
    ASSERT_TRUE(std::regex_match(today, std::regex("[0-9]{4}/[0-1][0-9]/[0-3][0-9]")));
    // Compare with the calendar date at either instant (the test may run across midnight).
    auto dateAt = [](std::time_t t) {
        std::tm local{};
        localtime_r(&t, &local);
        char text[16];
        std::strftime(text, sizeof text, "%Y/%m/%d", &local);
        return std::string(text);
    };
    EXPECT_TRUE(today == dateAt(before) || today == dateAt(after)) << today;
}

}  // namespace
}  // namespace bxr
