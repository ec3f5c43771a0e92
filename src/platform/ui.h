// What the program asks of its user interface. The Qt window implements it; batch runs use
// NullUi; tests use a scripted one that answers in order and records what was shown. All texts
// are code page 850, as the program holds them; the implementation converts for display.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace bxr {

class FormModel;

// The pictures of the main window, numbered as its current view.
enum class View {
    kBeamSketch = 0,
    kSchematic = 1,
    kQuickResults = 2,
    kProductionDrawing = 3,
    kDiagrams = 4,
    kSection = 5,
};

class Ui {
  public:
    virtual ~Ui() = default;

    // A list of choices; the chosen 1-based number, or nothing on Cancel.
    virtual std::optional<int> Choose(const std::string& title,
                                      const std::vector<std::string>& items, int preselected) = 0;
    // One line typed for a prompt, starting from the current text; nothing on Cancel.
    virtual std::optional<std::string> AskText(const std::string& prompt,
                                               const std::string& current) = 0;
    // A yes/no question; nothing on Cancel.
    virtual std::optional<bool> AskYesNo(const std::string& question) = 0;
    // File dialogs: filter as "*.bxr|*.bxr", a starting folder; the chosen path or nothing.
    virtual std::optional<std::string> ChooseFileToOpen(const std::string& filter,
                                                        const std::string& folder) = 0;
    virtual std::optional<std::string> ChooseFileToSave(const std::string& filter,
                                                        const std::string& folder,
                                                        const std::string& proposedName) = 0;
    virtual void ShowMessage(const std::string& text) = 0;
    virtual void Beep() = 0;
    // Redraws the main window's current view after a change of the model (the beam sketch,
    // the section, ...); nothing where there is no window.
    virtual void RedrawCurrentView() {}
    // Draws that picture in the main window and makes it the current view; nothing where
    // there is no window.
    virtual void ShowView(View /*view*/) {}
    // The help topic of the prompt or choice that follows (what its help key shows); 0 for
    // none.
    virtual void SetHelpTopic(int /*topic*/) {}
    // A help page ("messages.html") for the prompt or choice that follows, instead of a topic.
    virtual void SetHelpPage(const std::string& /*page*/) {}
    // Opens a help page, "index.html" or "messages.html#m4", in the help window; false where
    // there is no help window.
    virtual bool ShowHelp(const std::string& /*page*/) { return false; }
    // The main window's caption while a long command runs (code page 850); empty gives the
    // window its usual title back.
    virtual void ShowCaption(const std::string& /*caption*/) {}
    // Shows a status text while a long task runs (empty: none); true when the user asked to
    // cancel it. Called now and then by long calculations.
    virtual bool ShowProgress(const std::string& /*status*/) { return false; }
    // Runs a dialog's form model modally until it closed (see the protocol in form_model.h);
    // the caller then reads form.Accepted().
    virtual void RunForm(FormModel& form) = 0;
};

}  // namespace bxr
