// The output settings that formatting, reports and drawings read. The configuration file
// fills them; everything else only reads them.
#pragma once

#include <cstdint>

namespace bxr {

struct OutputSettings {
    std::uint16_t unitSystem = 0;          // 0 metric, 1 English
    std::uint16_t characterSetting = 0;    // 0 special characters, 1 plain ASCII
    std::uint16_t decimalSeparator = 1;    // 1 point, 2 comma
    int decimalPlaces = 3;                 // 3 is neutral
    std::uint16_t dateFormat = 1;          // 1 DD.MM.YYYY, 2 MM/DD/YYYY, 3 YYYY/MM/DD, 4 DD/MM/YYYY
    std::uint16_t cadTextType = 1;         // 1 OEM, 2 ANSI, 3 folded to ASCII
    std::uint16_t spreadsheetDecimal = 2;  // 1 English x.xx, 2 German x,xx
};

}  // namespace bxr
