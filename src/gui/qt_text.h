// The program's texts are code page 850; Qt shows UTF-8. Menu words are UTF-8 already.
#pragma once

#include <QString>
#include <string>

#include "format/code_page.h"

namespace bxr::gui {

// Code page 850 to Qt, of any length (the display conversion takes short texts only; a
// single-byte code page can be cut anywhere).
inline QString FromOem(const std::string& oem) {
    std::string utf8;
    const OutputSettings plain;
    for (std::size_t i = 0; i < oem.size(); i += 200)
        utf8 += OemToDisplay(plain, oem.substr(i, 200));
    return QString::fromStdString(utf8);
}
inline QString FromUtf8(const std::string& utf8) {
    return QString::fromStdString(utf8);
}
inline std::string ToOem(const QString& text) {
    return Utf8ToOem(text.toStdString());
}

}  // namespace bxr::gui
