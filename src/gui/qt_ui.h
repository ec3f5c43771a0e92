// The Ui of the program window: choice lists, prompts, questions, file dialogs, message boxes
// and every form model as a real dialog.
#pragma once

#include <QString>
#include <functional>
#include <utility>

#include "gui/help_key.h"
#include "platform/ui.h"

class QWidget;

namespace bxr::gui {

class QtUi : public Ui {
  public:
    // The shared choice shows this many items as radio buttons, more as a list.
    static constexpr int kMaxRadioChoices = 7;

    explicit QtUi(QWidget* parent) : parent_(parent) {}

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
    void Beep() override;
    void RedrawCurrentView() override {
        if (redraw) redraw();
    }
    void ShowView(View view) override {
        if (showView) showView(view);
    }
    // The topic holds for the next prompt or dialog only; F1 there shows it.
    void SetHelpTopic(int topic) override { helpTopic_ = topic; }
    void SetHelpPage(const std::string& page) override { helpPage_ = page; }
    bool ShowHelp(const std::string& page) override;
    bool ShowProgress(const std::string& status) override {
        return progress ? progress(status) : false;
    }
    void RunForm(FormModel& form) override;
    void ShowCaption(const std::string& caption) override {
        if (this->caption) this->caption(caption);
    }

    std::function<void()> redraw;
    std::function<void(View)> showView;
    std::function<void(const std::string&)> caption;
    // Before a question or dialog opens: lets the window show what the command drew so far.
    std::function<void()> beforePrompt;
    std::function<bool(const std::string&)> progress;

  private:
    // Before a prompt opens: shows what was drawn so far and gives the prompt its F1 key with
    // the pending help topic or page.
    // A dialog's own topic goes before the pending one.
    void Prompting(QWidget& prompt, int ownTopic = 0) {
        if (beforePrompt) beforePrompt();
        const int topic = std::exchange(helpTopic_, 0);
        AddHelpKey(prompt, ownTopic != 0 ? ownTopic : topic, std::exchange(helpPage_, {}));
    }
    QWidget* parent_;
    int helpTopic_ = 0;
    std::string helpPage_;
};

// "*.bxr|*.bxr" or "Projekte|*.bxr|Alle|*.*" as a Qt name filter.
QString QtFileFilter(const std::string& filter);

}  // namespace bxr::gui
