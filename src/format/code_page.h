// Code page 850 texts: conversion to and from the UTF-8 display side, folding to ASCII for
// CAD files, and a literal suffix for writing program texts in UTF-8 source.
#pragma once

#include <cstddef>
#include <string>

#include "format/output_settings.h"

namespace bxr {

// Code page 850 to UTF-8; texts of 255 bytes or more give the empty text.
std::string OemToDisplay(const OutputSettings& s, const std::string& oem);
// Code page 850 to Windows-1252 bytes (the display conversion for files that want that code
// page); texts of 255 bytes or more give the empty text.
std::string OemToWindows1252(const OutputSettings& s, const std::string& oem);
// UTF-8 to code page 850; characters the code page lacks are replaced; texts of 255
// characters or more give the empty text.
std::string DisplayToOem(const std::string& utf8);
// Special characters of code page 850 replaced by ASCII text.
std::string AsciiFold(const std::string& oem);
// AsciiFold, then whatever is still beyond ASCII: accented letters become their base letter,
// superscript digits the digit, anything else "?". The result is pure ASCII.
std::string FoldToAscii(const std::string& oem);
// The Unicode character of a code page 850 byte.
char32_t OemCharacter(unsigned char b);
// The text for a DXF or IGES file, by the CAD text type setting (type 3 is pure ASCII).
std::string CadText(const OutputSettings& s, const std::string& oem);
// UTF-8 to code page 850 without the length limit, for program texts.
std::string Utf8ToOem(const std::string& utf8);

inline namespace literals {
// "Länge"_oem is the code page 850 text of the UTF-8 literal.
inline std::string operator""_oem(const char* text, std::size_t length) {
    return Utf8ToOem(std::string(text, length));
}
}  // namespace literals

}  // namespace bxr
