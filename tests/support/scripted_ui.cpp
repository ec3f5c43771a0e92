#include "support/scripted_ui.h"

#include <gtest/gtest.h>

namespace bxr::test {

Answer ScriptedUi::Next(const std::string& what) {
    shown.push_back(what);
    if (answers_.empty()) {
        ADD_FAILURE() << "no scripted answer left for: " << what;
        return Cancel{};
    }
    Answer a = std::move(answers_.front());
    answers_.pop_front();
    return a;
}

std::optional<int> ScriptedUi::Choose(const std::string& title,
                                      const std::vector<std::string>& items, int preselected) {
    choiceItems.push_back(items);
    preselections.push_back(preselected);
    Answer a = Next(title);
    if (auto* n = std::get_if<int>(&a)) return *n;
    if (!std::holds_alternative<Cancel>(a)) ADD_FAILURE() << "expected a choice for: " << title;
    return std::nullopt;
}

std::optional<std::string> ScriptedUi::AskText(const std::string& prompt,
                                               const std::string& current) {
    offered.push_back(current);
    Answer a = Next(prompt);
    if (auto* s = std::get_if<std::string>(&a)) return *s;
    if (!std::holds_alternative<Cancel>(a)) ADD_FAILURE() << "expected a text for: " << prompt;
    return std::nullopt;
}

std::optional<bool> ScriptedUi::AskYesNo(const std::string& question) {
    Answer a = Next(question);
    if (auto* b = std::get_if<bool>(&a)) return *b;
    if (!std::holds_alternative<Cancel>(a)) ADD_FAILURE() << "expected yes/no for: " << question;
    return std::nullopt;
}

std::optional<std::string> ScriptedUi::ChooseFileToOpen(const std::string& filter,
                                                        const std::string&) {
    return AskText("open " + filter, "");
}

std::optional<std::string> ScriptedUi::ChooseFileToSave(const std::string& filter,
                                                        const std::string&,
                                                        const std::string& proposedName) {
    return AskText("save " + filter, proposedName);
}

void ScriptedUi::ShowMessage(const std::string& text) {
    shown.push_back(text);
    messages.push_back(text);
}

void ScriptedUi::RunForm(FormModel& form) {
    Answer a = Next(form.caption);
    if (auto* script = std::get_if<FormScript>(&a)) {
        (*script)(form);
    } else if (!std::holds_alternative<Cancel>(a)) {
        ADD_FAILURE() << "expected a form script for: " << form.caption;
    }
    if (!form.Closed()) form.Reject();
}

}  // namespace bxr::test
