// Date and time texts for report headers and drawing frames, in the configured date format.
#pragma once

#include <string>

#include "format/output_settings.h"

namespace bxr {

// Day and month with two digits, the year as given, in the date format of the settings:
// 1 DD.MM.YYYY, 2 MM/DD/YYYY, 4 DD/MM/YYYY, 3 and anything else YYYY/MM/DD.
std::string DateText(const OutputSettings& settings, int year, int month, int day);
// Today's local date as DateText.
std::string TodayText(const OutputSettings& settings);
// Hour without a leading zero, a colon, minutes with two digits: "9:05".
std::string TimeText(int hour, int minute);
// The current local time as TimeText.
std::string TimeText();

}  // namespace bxr
