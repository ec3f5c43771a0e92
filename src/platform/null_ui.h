// The user interface of batch runs and of tests that do not script one: every question is
// cancelled, every dialog closes as if its close button were pressed, and messages go to an
// optional log instead of a screen.
#pragma once

#include <string>
#include <vector>

#include "platform/ui.h"

namespace bxr {

class NullUi : public Ui {
  public:
    explicit NullUi(std::vector<std::string>* log = nullptr) : log_(log) {}

    // A stateless instance for whoever has no Ui of its own.
    static NullUi& Shared();

    std::optional<int> Choose(const std::string&, const std::vector<std::string>&, int) override {
        return std::nullopt;
    }
    std::optional<std::string> AskText(const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::optional<bool> AskYesNo(const std::string&) override { return std::nullopt; }
    std::optional<std::string> ChooseFileToOpen(const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> ChooseFileToSave(const std::string&, const std::string&,
                                                const std::string&) override {
        return std::nullopt;
    }
    void ShowMessage(const std::string& text) override {
        if (log_ != nullptr) log_->push_back(text);
    }
    void Beep() override {}
    void RunForm(FormModel& form) override;

  private:
    std::vector<std::string>* log_;
};

}  // namespace bxr
