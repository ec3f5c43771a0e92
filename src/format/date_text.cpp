#include "format/date_text.h"

#include <ctime>

#include "format/text_helpers.h"

namespace bxr {

namespace {

std::tm LocalNow() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

}  // namespace

std::string DateText(const OutputSettings& settings, int year, int month, int day) {
    const std::string dd = IntZeroPadded(day, 2);
    const std::string mm = IntZeroPadded(month, 2);
    const std::string yyyy = IntText(year);
    switch (settings.dateFormat) {
        case 1:
            return dd + "." + mm + "." + yyyy;
        case 2:
            return mm + "/" + dd + "/" + yyyy;
        case 4:
            return dd + "/" + mm + "/" + yyyy;
        default:
            return yyyy + "/" + mm + "/" + dd;
    }
}

std::string TodayText(const OutputSettings& settings) {
    std::tm t = LocalNow();
    return DateText(settings, t.tm_year + 1900, t.tm_mon + 1, t.tm_mday);
}

std::string TimeText(int hour, int minute) {
    return IntText(hour) + ":" + IntZeroPadded(minute, 2);
}

std::string TimeText() {
    std::tm t = LocalNow();
    return TimeText(t.tm_hour, t.tm_min);
}

}  // namespace bxr
