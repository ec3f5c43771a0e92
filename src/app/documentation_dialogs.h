// The dialogs of the project documentation as form models: one change record
// (TForm_EinAend), the drawing data with the free texts (TForm_zeichInfo) and the five
// document links (TForm_confDoku). Field texts are code page 850, like the records.
#pragma once

#include <string>

#include "format/output_settings.h"
#include "model/documentation.h"
#include "platform/form_model.h"

namespace bxr {

class Ui;

// Shared by the three dialogs: OK stores, Abbrechen closes without storing, help stays open.
class DocumentationForm : public FormModel {};

class ChangeDialog : public DocumentationForm {
  public:
    // Record n of the log; today is the date the "<" button puts into the date field.
    ChangeDialog(ChangeRecord& record, int n, const std::string& today);
    bool Press(const std::string& buttonName) override;

  private:
    ChangeRecord& record_;
    std::string today_;
};

class DrawingDataDialog : public DocumentationForm {
  public:
    // releaseLabel: the release-field text of the configuration, the label of the fourth row.
    DrawingDataDialog(DrawingData& data, const std::string& releaseLabel, const std::string& today,
                      const OutputSettings& settings);
    bool Press(const std::string& buttonName) override;

  private:
    void Store();
    DrawingData& data_;
    std::string today_;
};

class LinkDialog : public DocumentationForm {
  public:
    // The "..." buttons open a file chooser through ui.
    LinkDialog(ProjectDocumentation& doc, Ui* ui);
    bool Press(const std::string& buttonName) override;

  private:
    ProjectDocumentation& doc_;
    Ui* ui_;
};

}  // namespace bxr
