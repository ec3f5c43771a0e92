// The plot program's command lines (TForm_confquilmar): every configured line, one per row,
// the first being the one the plot output proposes first. Empty rows are dropped.
#pragma once

#include <string>
#include <vector>

#include "platform/form_model.h"

namespace bxr {

class PlotCommandLinesForm : public FormModel {
  public:
    explicit PlotCommandLinesForm(const std::vector<std::string>& lines);
    bool Press(const std::string& buttonName) override;
    // The lines after OK, without empty ones.
    std::vector<std::string> lines() const;
};

}  // namespace bxr
