// The configuration dialog (Tconfig) as a form model: every setting of the configuration
// file as a field on its tab, and the buttons "OK" (copy the fields into the settings),
// "&Speichern" (the same, then write the configuration file), "Import.." (read another
// ".cfg" and show it) and "Abbrechen" (discard).
// Each field's group is its tab: "Directories", "Grafik", "CAD", "Drucker", "Ausdruck" or
// "Einheit"; numbers are shown with "." and read with "." or ",".
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "config/config_file.h"
#include "platform/form_model.h"
#include "workspace/workspace.h"

namespace bxr {

class ConfigDialog : public FormModel {
  public:
    ConfigDialog(Workspace& ws, FileSystem& fs, const ScreenInfo& screen,
                 const std::string& tempEnvironment);

    bool Press(const std::string& buttonName) override;

    struct Binding {
        std::function<void(const Configuration&, FormField&)> show;
        std::function<void(Configuration&, const FormField&)> store;
    };

  private:
    void Show(const Configuration& c);
    void Store(Configuration& c);

    Workspace& ws_;
    FileSystem& fs_;
    ScreenInfo screen_;
    std::string tempEnvironment_;
    std::vector<Binding> bindings_;  // parallel to fields
    // The plot program's command lines after the first (edited in their own dialog).
    std::vector<std::string> furtherPlotLines_;
};

// Opens the dialog through the workspace's Ui; true when it closed with OK or "&Speichern".
bool ConfigurationCommand(Workspace& ws, FileSystem& fs, const ScreenInfo& screen);

}  // namespace bxr
