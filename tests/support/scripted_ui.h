// A Ui for tests: answers prompts from a script in order and records everything shown.
// An answer of the wrong kind, or a prompt after the script ran out, fails the test.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "platform/form_model.h"
#include "platform/ui.h"

namespace bxr::test {

struct Cancel {};
// A form is answered by a function that fills its fields and presses its buttons.
using FormScript = std::function<void(FormModel&)>;
using Answer = std::variant<Cancel, int, bool, std::string, FormScript>;

class ScriptedUi : public Ui {
  public:
    ScriptedUi() = default;
    explicit ScriptedUi(std::vector<Answer> answers) : answers_(answers.begin(), answers.end()) {}

    void Push(Answer a) { answers_.push_back(std::move(a)); }
    bool Exhausted() const { return answers_.empty(); }

    std::optional<int> Choose(const std::string& title, const std::vector<std::string>& items,
                              int preselected) override;
    std::optional<std::string> AskText(const std::string& prompt,
                                       const std::string& current) override;
    std::optional<bool> AskYesNo(const std::string& question) override;
    std::optional<std::string> ChooseFileToOpen(const std::string& filter,
                                                const std::string& folder) override;
    std::optional<std::string> ChooseFileToSave(const std::string& filter,
                                                const std::string& folder,
                                                const std::string& proposedName) override;
    void ShowMessage(const std::string& text) override;
    void Beep() override { ++beeps; }
    void RedrawCurrentView() override { ++redraws; }
    void ShowView(View view) override { views.push_back(view); }
    void SetHelpTopic(int topic) override { helpTopics.push_back(topic); }
    void SetHelpPage(const std::string& page) override { helpPages.push_back(page); }
    bool ShowHelp(const std::string& page) override {
        helpShown.push_back(page);
        return true;
    }
    void ShowCaption(const std::string& caption) override { captions.push_back(caption); }
    // Runs the script of the form; a script that leaves the form open, and a Cancel answer,
    // close it as the window's close button does.
    void RunForm(FormModel& form) override;

    // Everything shown, in order: prompts, titles, questions and messages (code page 850).
    std::vector<std::string> shown;
    std::vector<std::string> messages;
    std::vector<std::vector<std::string>> choiceItems;
    std::vector<int> preselections;
    std::vector<std::string> offered;  // the current text of each AskText, in order
    std::vector<View> views;
    std::vector<int> helpTopics;
    std::vector<std::string> helpPages;  // pages set for the next prompt
    std::vector<std::string> helpShown;  // pages opened in the help window
    std::vector<std::string> captions;
    int beeps = 0;
    int redraws = 0;

  private:
    Answer Next(const std::string& what);
    std::deque<Answer> answers_;
};

}  // namespace bxr::test
