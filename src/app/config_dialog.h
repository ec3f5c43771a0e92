// The configuration dialog (Tconfig) as a form model: every setting of the configuration
// file as a field on its tab, and the buttons "OK" (copy the fields into the settings),
// "&Speichern" (the same, then write the configuration file), "Import.." (read another
// ".cfg" and show it) and "Abbrechen" (discard).
//
// Field conventions: a check box is a field CheckBox_... with the text "1" or "0"; a radio
// group is a field RadioGroup_... with the 0-based index of the chosen item; every other
// field holds the value as typed (numbers with "." or ",").
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/form_model.h"
#include "config/config_file.h"
#include "workspace/workspace.h"

namespace bxr {

class ConfigDialog : public FormModel {
  public:
    ConfigDialog(Workspace& ws, FileSystem& fs, const ScreenInfo& screen,
                 const std::string& tempEnvironment);

    bool Press(const std::string& buttonName) override;

    // The tab a field sits on: "Directories", "Grafik", "CAD", "Drucker", "Ausdruck" or
    // "Einheit".
    std::string TabOf(const std::string& fieldName) const;

    struct Binding {
        std::string tab;
        std::function<std::string(const Configuration&)> get;
        std::function<void(Configuration&, const std::string&)> set;
    };

  private:
    void Show(const Configuration& c);
    void Store(Configuration& c);

    Workspace& ws_;
    FileSystem& fs_;
    ScreenInfo screen_;
    std::string tempEnvironment_;
    std::vector<Binding> bindings_;  // parallel to fields
};

// Opens the dialog through the workspace's Ui; true when it closed with OK or "&Speichern".
bool ConfigurationCommand(Workspace& ws, FileSystem& fs, const ScreenInfo& screen);

}  // namespace bxr
