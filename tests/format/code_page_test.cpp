// Byte values below come from the published code page 850 and Windows-1252 charts.
#include "format/code_page.h"

#include <gtest/gtest.h>

#include <string>

namespace bxr {
namespace {

OutputSettings CharacterSetting(int value) {
    OutputSettings s;
    s.characterSetting = static_cast<std::uint16_t>(value);
    return s;
}

OutputSettings CadType(int value) {
    OutputSettings s;
    s.cadTextType = static_cast<std::uint16_t>(value);
    return s;
}

TEST(OemLiteralTest, Utf8SourceTextBecomesCodePage850Bytes) {
    EXPECT_EQ("Länge"_oem, "L\x84nge");
    EXPECT_EQ("Größe"_oem, "Gr\x94\xE1\x65");
    EXPECT_EQ("ÄÖÜäöüß"_oem, "\x8E\x99\x9A\x84\x94\x81\xE1");
    EXPECT_EQ("µ²³°±"_oem, "\xE6\xFD\xFC\xF8\xF1");
    EXPECT_EQ("ÇéñØ×ƒ"_oem, "\x80\x82\xA4\x9D\x9E\x9F");
    EXPECT_EQ("─│┌┐└┘═║"_oem, "\xC4\xB3\xDA\xBF\xC0\xD9\xCD\xBA");
    EXPECT_EQ("plain ASCII 123"_oem, "plain ASCII 123");
}

TEST(OemToDisplayTest, SpecialCharactersSettingGivesTheCodePageCharacters) {
    const OutputSettings s = CharacterSetting(0);
    EXPECT_EQ(OemToDisplay(s, "L\x84nge"), "Länge");
    EXPECT_EQ(OemToDisplay(s, "\xE6m \xFD \xFC \xF8"), "µm ² ³ °");
    EXPECT_EQ(OemToDisplay(s, "\xC4\xB3\xDA\xB0\xDB\xFE"), "─│┌░█■");
    EXPECT_EQ(OemToDisplay(s, "\xD5\xEE\xF2\xFF"), "ı¯‗\u00A0");
    EXPECT_EQ(OemToDisplay(s, "a|b"), "a|b");
}

TEST(OemToDisplayTest, EveryCodePageByteComesBackThroughDisplayToOem) {
    const OutputSettings s = CharacterSetting(0);
    for (int b = 1; b < 256; ++b) {
        const std::string oem(1, static_cast<char>(b));
        EXPECT_EQ(DisplayToOem(OemToDisplay(s, oem)), oem) << "byte " << b;
    }
}

TEST(OemToDisplayTest, PlainSettingFoldsThenUsesTheFixedTable) {
    const OutputSettings s = CharacterSetting(1);
    // Folded first: umlauts, sharp s, micro, degree, plus-minus, the two horizontal lines.
    EXPECT_EQ(OemToDisplay(s, "Gr\x94\xE1\x65"), "Groesse");
    EXPECT_EQ(OemToDisplay(s, "\xE6m \xF8 \xF1"), "um deg +/-");
    EXPECT_EQ(OemToDisplay(s, "\xC4\xCD"), "--");
    // Not folded, taken from the table.
    EXPECT_EQ(OemToDisplay(s, "\x86\x8F\xA1\xA2\xFC"), "åÅíó³");
    // Box drawing becomes "|" and "+".
    EXPECT_EQ(OemToDisplay(s, "\xB3\xBA\xC3\xC5"), "||||");
    EXPECT_EQ(OemToDisplay(s, "\xDA\xBF\xC0\xD9\xC9\xBB"), "++++++");
    // The bar itself stays a bar.
    EXPECT_EQ(OemToDisplay(s, "a|b"), "a|b");
    // A byte without a table row keeps its own character.
    EXPECT_EQ(OemToDisplay(s, "\x87"), "ç");
}

TEST(OemToDisplayTest, TextsOf255BytesOrMoreGiveTheEmptyText) {
    const OutputSettings s = CharacterSetting(0);
    EXPECT_EQ(OemToDisplay(s, std::string(254, '\x84')).size(), 508u);
    EXPECT_EQ(OemToDisplay(s, std::string(255, 'a')), "");
    EXPECT_EQ(OemToDisplay(CharacterSetting(1), std::string(255, 'a')), "");
}

TEST(DisplayToOemTest, ReplacesCharactersTheCodePageLacks) {
    EXPECT_EQ(DisplayToOem("Länge"), "L\x84nge");
    EXPECT_EQ(DisplayToOem("5 €"), "5 EUR");
    EXPECT_EQ(DisplayToOem("a–b"), "a-b");        // en dash
    EXPECT_EQ(DisplayToOem("„x“"), "\"x\"");      // typographic quotes
    EXPECT_EQ(DisplayToOem("日本"), "??");        // no counterpart at all
    EXPECT_EQ(DisplayToOem("a\xFF\x62"), "a?b");  // not UTF-8: one "?" per bad byte
    EXPECT_EQ(DisplayToOem("x\xC3"), "x?");       // cut-off sequence at the end
    EXPECT_EQ(DisplayToOem("\xC0\xAF"), "??");    // overlong form of "/"
}

TEST(DisplayToOemTest, LimitCountsCharactersNotBytes) {
    std::string umlauts;
    for (int i = 0; i < 254; ++i) umlauts += "ä";
    EXPECT_EQ(DisplayToOem(umlauts), std::string(254, '\x84'));
    umlauts += "ä";
    EXPECT_EQ(DisplayToOem(umlauts), "");
}

TEST(AsciiFoldTest, ReplacesTheSpecialCharacters) {
    EXPECT_EQ(AsciiFold("Gr\x94\xE1\x65"), "Groesse");
    EXPECT_EQ(AsciiFold("\x8E\x99\x9A\x84\x81"), "AeOeUeaeue");
    EXPECT_EQ(AsciiFold("\x82\xA0\xA3\xA4"), "eaun");
    EXPECT_EQ(AsciiFold("\xF1\x35\xF8"), "+/-5deg");
    EXPECT_EQ(AsciiFold("mm\xFD \xE6m"), "mm2 um");
    EXPECT_EQ(AsciiFold("\xC4\xCD"), "--");
    // Characters without a row pass unchanged, "³" among them.
    EXPECT_EQ(AsciiFold("\x87\xFC"), "\x87\xFC");
}

TEST(FoldToAsciiTest, LeavesNothingBeyondAscii) {
    EXPECT_EQ(FoldToAscii("Fl\x84\x63he 12 cm\xFD, W 3 cm\xFC, \xE6, 45\xF8"),
              "Flaeche 12 cm2, W 3 cm3, u, 45deg");
    // ç, É, Ø, ½ and a shade block that has no ASCII form.
    EXPECT_EQ(FoldToAscii("\x87\x90\x9D\xAB\xB0"), "cEO1/2?");
    for (int b = 0; b < 256; ++b)
        for (unsigned char c : FoldToAscii(std::string(1, static_cast<char>(b))))
            EXPECT_LT(c, 0x80) << b;
}

TEST(CadTextTest, ChosenByTheCadTextType) {
    const std::string text = "L\x84nge 5\xF8";
    EXPECT_EQ(CadText(CadType(1), text), text);
    EXPECT_EQ(CadText(CadType(2), text), "L\xE4nge 5\xB0");  // Windows-1252 bytes
    EXPECT_EQ(CadText(CadType(3), text), "Laenge 5deg");
    EXPECT_EQ(CadText(CadType(3), "\xFC"), "3");
    EXPECT_EQ(CadText(CadType(0), text), text);
    EXPECT_EQ(CadText(CadType(7), text), text);
}

}  // namespace
}  // namespace bxr
