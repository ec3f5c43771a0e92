#include "format/code_page.h"

#include <array>
#include <cstdint>
#include <string>

namespace bxr {

namespace {

// Unicode code points of the upper half of code page 850 (0x80 to 0xFF); the lower half is
// ASCII.
constexpr std::array<char32_t, 128> kUpperHalf = {
    // 0x80
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7,  //
    0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE, 0x00EC, 0x00C4, 0x00C5,  //
    // 0x90
    0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9,  //
    0x00FF, 0x00D6, 0x00DC, 0x00F8, 0x00A3, 0x00D8, 0x00D7, 0x0192,  //
    // 0xA0
    0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA, 0x00BA,  //
    0x00BF, 0x00AE, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,  //
    // 0xB0
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x00C1, 0x00C2, 0x00C0,  //
    0x00A9, 0x2563, 0x2551, 0x2557, 0x255D, 0x00A2, 0x00A5, 0x2510,  //
    // 0xC0
    0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x00E3, 0x00C3,  //
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x00A4,  //
    // 0xD0
    0x00F0, 0x00D0, 0x00CA, 0x00CB, 0x00C8, 0x0131, 0x00CD, 0x00CE,  //
    0x00CF, 0x2518, 0x250C, 0x2588, 0x2584, 0x00A6, 0x00CC, 0x2580,  //
    // 0xE0
    0x00D3, 0x00DF, 0x00D4, 0x00D2, 0x00F5, 0x00D5, 0x00B5, 0x00FE,  //
    0x00DE, 0x00DA, 0x00DB, 0x00D9, 0x00FD, 0x00DD, 0x00AF, 0x00B4,  //
    // 0xF0
    0x00AD, 0x00B1, 0x2017, 0x00BE, 0x00B6, 0x00A7, 0x00F7, 0x00B8,  //
    0x00B0, 0x00A8, 0x00B7, 0x00B9, 0x00B3, 0x00B2, 0x25A0, 0x00A0,  //
};

// Unicode code points of Windows-1252 0x80 to 0x9F; 0 where the code page has no character.
constexpr std::array<char32_t, 32> kWindows1252C1 = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,       //
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,  //
};

char32_t OemCodePoint(unsigned char b) {
    return b < 0x80 ? b : kUpperHalf[b - 0x80];
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Next code point of a UTF-8 text starting at i; malformed input (stray continuation bytes,
// truncated or overlong sequences, surrogates, values beyond U+10FFFF) gives one
// replacement per offending byte so that nothing is skipped silently and nothing overruns.
constexpr char32_t kInvalid = 0xFFFFFFFF;

char32_t NextCodePoint(const std::string& s, std::size_t& i) {
    auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    unsigned char b0 = byte(i);
    if (b0 < 0x80) {
        ++i;
        return b0;
    }
    int extra = 0;
    char32_t c = 0;
    char32_t minimum = 0;
    if ((b0 & 0xE0) == 0xC0) {
        extra = 1, c = b0 & 0x1F, minimum = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        extra = 2, c = b0 & 0x0F, minimum = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        extra = 3, c = b0 & 0x07, minimum = 0x10000;
    } else {
        ++i;
        return kInvalid;
    }
    if (i + extra >= s.size()) {
        ++i;
        return kInvalid;
    }
    for (int k = 1; k <= extra; ++k) {
        unsigned char bk = byte(i + k);
        if ((bk & 0xC0) != 0x80) {
            ++i;
            return kInvalid;
        }
        c = (c << 6) | (bk & 0x3F);
    }
    if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        ++i;
        return kInvalid;
    }
    i += extra + 1;
    return c;
}

// Code page 850 byte for a code point, or -1.
int OemByteFor(char32_t c) {
    if (c < 0x80) return static_cast<int>(c);
    for (int k = 0; k < 128; ++k)
        if (kUpperHalf[k] == c) return 0x80 + k;
    return -1;
}

// Replacement for characters that code page 850 lacks: typographic punctuation becomes its
// plain form, everything else "?".
std::string FoldMissing(char32_t c) {
    switch (c) {
        case 0x2018:
        case 0x2019:
        case 0x201A:
        case 0x2032:
            return "'";
        case 0x201C:
        case 0x201D:
        case 0x201E:
        case 0x2033:
            return "\"";
        case 0x2010:
        case 0x2011:
        case 0x2012:
        case 0x2013:
        case 0x2014:
        case 0x2212:
            return "-";
        case 0x2026:
            return "...";
        case 0x20AC:
            return "EUR";
        case 0x2022:
        case 0x22C5:
            return "\xFA";  // middle dot
        case 0x2122:
            return "TM";
        case 0x2009:
        case 0x202F:
            return " ";
        default:
            return "?";
    }
}

std::string ConvertUtf8ToOem(const std::string& utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        char32_t c = NextCodePoint(utf8, i);
        int b = c == kInvalid ? -1 : OemByteFor(c);
        if (b >= 0)
            out += static_cast<char>(b);
        else if (c == kInvalid)
            out += '?';
        else
            out += FoldMissing(c);
    }
    return out;
}

std::size_t Utf8CharacterCount(const std::string& utf8) {
    std::size_t n = 0;
    std::size_t i = 0;
    while (i < utf8.size()) {
        NextCodePoint(utf8, i);
        ++n;
    }
    return n;
}

// Texts from the days of 255-character strings: longer ones never convert.
constexpr std::size_t kConvertLimit = 255;

// The plain-character display table: code page 850 byte to Windows-1252 code, 0 where the
// byte has no entry. Box-drawing codes become "|", "+" and "-".
constexpr std::array<std::uint8_t, 256> MakePlainTable() {
    std::array<std::uint8_t, 256> t{};
    const int pairs[][2] = {{129, 252}, {130, 233}, {132, 228}, {134, 229}, {142, 196},
                            {143, 197}, {148, 246}, {153, 214}, {154, 220}, {160, 225},
                            {161, 237}, {162, 243}, {163, 250}, {164, 241}, {225, 223},
                            {230, 181}, {241, 177}, {248, 176}, {252, 179}, {253, 178}};
    for (const auto& p : pairs) t[p[0]] = static_cast<std::uint8_t>(p[1]);
    for (int c : {179, 180, 181, 182, 185, 186, 195, 197, 198, 199, 204, 209, 215}) t[c] = '|';
    for (int c : {184, 187, 188, 190, 191, 192, 200, 201, 206, 211, 214, 217, 218}) t[c] = '+';
    t[196] = '-';
    t[205] = '-';
    return t;
}
constexpr std::array<std::uint8_t, 256> kPlainTable = MakePlainTable();

char32_t Windows1252CodePoint(unsigned char b) {
    if (b >= 0x80 && b < 0xA0) return kWindows1252C1[b - 0x80];
    return b;
}

// The characters a code page 850 text shows as. Plain characters: fold first, then the
// fixed table; bytes without a table entry keep their own character rather than showing
// whatever the Windows code page happens to have at that code.
std::u32string DisplayCharacters(const OutputSettings& s, const std::string& oem) {
    std::u32string out;
    if (s.characterSetting != 1) {
        out.reserve(oem.size());
        for (unsigned char b : oem) out += OemCodePoint(b);
        return out;
    }
    std::string folded = AsciiFold(oem);
    out.reserve(folded.size());
    for (unsigned char b : folded) {
        std::uint8_t w = kPlainTable[b];
        out += w != 0 ? Windows1252CodePoint(w) : OemCodePoint(b);
    }
    return out;
}

// Windows-1252 byte for a character of code page 850; box drawing falls back to ASCII
// shapes, anything else the code page lacks to "?".
char Windows1252Byte(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (int k = 0; k < 32; ++k)
        if (kWindows1252C1[k] == c) return static_cast<char>(0x80 + k);
    switch (c) {
        case 0x2500:
        case 0x2550:
            return '-';
        case 0x2502:
        case 0x2551:
            return '|';
        case 0x2017:
            return '_';
        case 0x0131:
            return 'i';
        default:
            break;
    }
    if (c >= 0x2500 && c <= 0x257F) return '+';
    return '?';
}

}  // namespace

std::string Utf8ToOem(const std::string& utf8) {
    return ConvertUtf8ToOem(utf8);
}

std::string DisplayToOem(const std::string& utf8) {
    if (Utf8CharacterCount(utf8) >= kConvertLimit) return {};
    return ConvertUtf8ToOem(utf8);
}

std::string OemToDisplay(const OutputSettings& s, const std::string& oem) {
    if (oem.size() >= kConvertLimit) return {};
    std::string out;
    out.reserve(oem.size() * 2);
    for (char32_t c : DisplayCharacters(s, oem)) AppendUtf8(out, c);
    return out;
}

std::string OemToWindows1252(const OutputSettings& s, const std::string& oem) {
    if (oem.size() >= kConvertLimit) return {};
    std::string out;
    out.reserve(oem.size());
    for (char32_t c : DisplayCharacters(s, oem)) out += Windows1252Byte(c);
    return out;
}

std::string AsciiFold(const std::string& oem) {
    std::string out;
    out.reserve(oem.size());
    for (unsigned char b : oem) {
        switch (b) {
            case 129:
                out += "ue";
                break;
            case 130:
                out += "e";
                break;
            case 132:
                out += "ae";
                break;
            case 142:
                out += "Ae";
                break;
            case 148:
                out += "oe";
                break;
            case 153:
                out += "Oe";
                break;
            case 154:
                out += "Ue";
                break;
            case 160:
                out += "a";
                break;
            case 163:
                out += "u";
                break;
            case 164:
                out += "n";
                break;
            case 196:
            case 205:
                out += "-";
                break;
            case 225:
                out += "ss";
                break;
            case 230:
                out += "u";
                break;
            case 241:
                out += "+/-";
                break;
            case 248:
                out += "deg";
                break;
            case 253:
                out += "2";
                break;
            default:
                out += static_cast<char>(b);
                break;
        }
    }
    return out;
}

char32_t OemCharacter(unsigned char b) {
    return OemCodePoint(b);
}

std::string FoldToAscii(const std::string& oem) {
    // Latin-1 letters U+00C0..U+00FF without their accents ("?" where there is no base).
    static constexpr char kLatin1Base[] =
        "AAAAAAACEEEEIIIIDNOOOOOxOUUUUYTs"
        "aaaaaaaceeeeiiiidnooooo/ouuuuyty";
    std::string out;
    for (unsigned char b : AsciiFold(oem)) {
        if (b < 0x80) {
            out += static_cast<char>(b);
            continue;
        }
        const char32_t c = OemCodePoint(b);
        if (c >= 0xC0 && c <= 0xFF)
            out += kLatin1Base[c - 0xC0];
        else if (c == 0xB9)
            out += '1';
        else if (c == 0xB3)
            out += '3';
        else if (c == 0xBD)
            out += "1/2";
        else if (c == 0xBC)
            out += "1/4";
        else if (c == 0xBE)
            out += "3/4";
        else if (c == 0xA0)
            out += ' ';
        else if (c == 0x2500 || c == 0x2550)
            out += '-';
        else if (c == 0x2502 || c == 0x2551)
            out += '|';
        else if (c == 0x0131)
            out += 'i';
        else
            out += '?';
    }
    return out;
}

std::string CadText(const OutputSettings& s, const std::string& oem) {
    switch (s.cadTextType) {
        case 2:
            // The CAD files take Windows-1252 bytes here, not the UTF-8 of the display.
            return OemToWindows1252(s, oem);
        case 3:
            return FoldToAscii(oem);
        default:
            return oem;
    }
}

}  // namespace bxr
