// Showing the calculation's messages with their cause and remedy, and editing a description
// in the message description file. Called after each calculation and from the help menu.
#pragma once

#include <string>

#include "platform/file_system.h"
#include "platform/form_model.h"
#include "report/error_descriptions.h"
#include "workspace/workspace.h"

namespace bxr {

inline constexpr const char* kDescriptionFileName = "bxr.err";
inline constexpr int kMessageListHelp = 1210;
inline constexpr int kMessageDescriptionHelp = 1970;

// The window "Fehlermeldung": the message (read-only), its cause and its remedy.
class MessageDescriptionForm : public FormModel {
  public:
    MessageDescriptionForm(const std::string& message, const std::string& cause,
                           const std::string& remedy);
    bool Press(const std::string& buttonName) override;

    std::string Cause() { return Field("Memo_ursache")->text; }
    std::string Remedy() { return Field("Memo_abhilfe")->text; }
    bool Changed() { return Cause() != cause_ || Remedy() != remedy_; }
    int helpShown = 0;  // the help topic last asked for, 0 when none

  private:
    std::string cause_, remedy_;
};

// Where the description file lives: the help folder of the configuration, else the data
// folder that came with the program.
std::string DescriptionFilePath(const Configuration& config);
// The configured temporary folder, else TMPDIR, else /tmp.
std::string ConfiguredTempFolder(const Configuration& config);

// The message list with its descriptions; nothing at all when noGui is set.
void ShowCalcMessages(Workspace& ws, bool noGui, FileSystem& files);
// After a calculation the user started: its message boxes, then the message list when the
// calculation produced messages. A box that only repeats entries of the list is left out:
// the list shows them with cause and remedy. Nothing at all when noGui is set.
void ShowCalculationOutcome(Workspace& ws, bool noGui, FileSystem& files);
// One message's description window, with saving of changed texts.
void ShowMessageDescription(Workspace& ws, const std::string& message, FileSystem& files);

}  // namespace bxr
