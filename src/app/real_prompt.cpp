#include "app/real_prompt.h"

#include <cmath>
#include <cstdlib>

#include "format/code_page.h"
#include "format/number_format.h"
#include "format/units.h"
#include "platform/ui.h"

namespace bxr {

std::optional<Real> ParseTypedReal(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return std::nullopt;
    const auto last = text.find_last_not_of(' ');
    std::string t = text.substr(first, last - first + 1);
    if (const auto comma = t.find(','); comma != std::string::npos) t[comma] = '.';
    char* end = nullptr;
    const Real v = std::strtold(t.c_str(), &end);
    if (end != t.c_str() + t.size() || !std::isfinite(v)) return std::nullopt;
    return v;
}

std::optional<Real> AskRealInRange(Ui& ui, const OutputSettings& settings,
                                   const std::string& prompt, Real current, Real minimum,
                                   Real maximum) {
    const std::string shown = FormatFree(settings, current);
    std::string offered = shown;
    for (;;) {
        const std::optional<std::string> typed = ui.AskText(prompt, offered);
        if (!typed) return std::nullopt;
        if (*typed == shown && current >= minimum && current <= maximum) return current;
        const std::optional<Real> v = ParseTypedReal(*typed);
        if (!v) {
            ui.Beep();
            ui.ShowMessage("Ungültige Eingabe "_oem + "\"" + *typed + "\" !");
            offered = FormatFree(settings, current);
            continue;
        }
        if (*v < minimum || *v > maximum) {
            ui.Beep();
            ui.ShowMessage("Gültiger Wertebereich: "_oem + FormatFree(settings, minimum) + " .. " +
                           FormatFree(settings, maximum) + " !");
            offered = *typed;
            continue;
        }
        return v;
    }
}

std::optional<Real> AskLengthInRange(Ui& ui, const OutputSettings& settings,
                                     const std::string& prompt, Real current, Real minimum,
                                     Real maximum) {
    const Real perMm = ToDisplayUnits(settings, Quantity::Length, 1);
    const Real shown = current * perMm;
    const std::optional<Real> v =
        AskRealInRange(ui, settings, prompt, shown, minimum * perMm, maximum * perMm);
    if (!v) return std::nullopt;
    return *v == shown ? current : *v / perMm;
}

}  // namespace bxr
