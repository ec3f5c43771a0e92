// The calculation settings dialog (TForm_bxrberechnung): self weight, segment count, natural
// frequency, iteration factor, buckling, polygon step for arcs, stress mode and unit system.
// OK reads the fields into the model within their limits and runs the calculation; the
// dialog stays open with "Not enough data" when the calculation stopped. Cancel reads nothing
// and sets the workspace's stop flag.
#pragma once

#include <string>
#include <vector>

#include "analysis/analysis_runner.h"
#include "analysis/run_analysis.h"
#include "model/beam_model.h"
#include "platform/form_model.h"

namespace bxr {

struct Workspace;

// Limits of the typed settings.
inline constexpr int kSegmentsMin = 50;
inline constexpr int kSegmentsMax = 1500;
inline constexpr Real kArcDivisionMin = 0.1L;
inline constexpr Real kArcDivisionMax = 30;

// The segment count as the dialog stores a typed text: tolerant parsing (not a number gives
// 0), rounded to a whole number and limited to 50..1500.
std::int32_t SegmentCountFromText(const std::string& text);
// The polygon step as the dialog stores a typed text: tolerant parsing, limited to 0.1..30.
Real ArcDivisionFromText(const std::string& text);

class CalcSettingsDialog : public FormModel {
  public:
    // run: the calculation OK starts; empty for the user's calculation (RunCalculation).
    CalcSettingsDialog(Workspace& ws, AnalysisRunner run);

    bool Press(const std::string& buttonName) override;

    // Help topic of the "&Hilfe" button.
    static constexpr int kHelpTopic = 3500;

  private:
    void ReadFields();

    Workspace& ws_;
    AnalysisRunner run_;
};

// Opens the dialog through the workspace's Ui. True when it ended with OK and a calculation
// that did not stop (the caller then marks the model modified); false on Cancel, with the
// stop flag set.
bool EditCalcSettings(Workspace& ws, AnalysisRunner run = {});

}  // namespace bxr
