#include "app/plot_command_form.h"

namespace bxr {

PlotCommandLinesForm::PlotCommandLinesForm(const std::vector<std::string>& lines) {
    caption = "QUILMAR Command Lines";
    help = 1940;
    std::string text;
    for (const auto& l : lines) text += (text.empty() ? "" : "\n") + l;
    fields = {MultiLineField("Memo_commandLines", "QUILMAR-Kommandozeilen", text)};
    buttons = {OkButton(), CancelButton()};
}

bool PlotCommandLinesForm::Press(const std::string& name) {
    if (name == "Button_ok") return Close(true);
    if (name == "Button_cancel") return Close(false);
    return false;
}

std::vector<std::string> PlotCommandLinesForm::lines() const {
    std::vector<std::string> result;
    const std::string& text = Field("Memo_commandLines")->text;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.find_first_not_of(' ') != std::string::npos) result.push_back(line);
        start = end + 1;
    }
    return result;
}

}  // namespace bxr
