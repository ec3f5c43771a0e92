// Form scripts for the scripted Ui: fill fields, choose a list line, press a button.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "support/scripted_ui.h"

namespace bxr::test {

// Sets the texts of text fields, then presses the button.
inline FormScript Fill(std::vector<std::pair<std::string, std::string>> texts,
                       std::string button = "Button_ok") {
    return [texts = std::move(texts), button = std::move(button)](FormModel& f) {
        for (const auto& [field, text] : texts) f.Field(field)->text = text;
        f.Press(button);
    };
}

inline FormScript PressButton(std::string button) {
    return Fill({}, std::move(button));
}

// Selects line `line` (1-based, 0 none) of the list field, then presses the button.
inline FormScript Pick(std::string list, int line, std::string button) {
    return [list = std::move(list), line, button = std::move(button)](FormModel& f) {
        f.Field(list)->index = line - 1;
        f.Press(button);
    };
}

}  // namespace bxr::test
