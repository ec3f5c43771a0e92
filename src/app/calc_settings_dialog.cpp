#include "app/calc_settings_dialog.h"

#include <cmath>

#include "platform/ui.h"
#include "workspace/workspace.h"
#include "format/code_page.h"
#include "format/number_format.h"
#include "format/text_helpers.h"

namespace bxr {

namespace {

const char* const kCheckOn = "1";
const char* const kCheckOff = "0";

std::string CheckText(bool on) {
    return on ? kCheckOn : kCheckOff;
}
bool Checked(const FormField* f) {
    return f->text == kCheckOn;
}

// A typed value that the tolerant parser could not hold (it never yields one, but a value
// read here ends in an integer conversion) counts as "not a number".
Real FiniteOrZero(Real v) {
    return std::isfinite(v) ? v : 0;
}

struct Hint {
    const char* control;
    int number;
};

constexpr Hint kHints[] = {
    {"CheckBox_selfWeight", 6900},
    {"Edit_segments", 6940},
    {"CheckBox_supportStiffness", 6140},
    {"CheckBox_dunkerley", 6925},
    {"Edit_eps", 6930},
    {"CheckBox_buckling", 6980},
    {"Edit_arcDivision", 5300},
    {"RadioGroup_notchMode", 6820},
};

}  // namespace

std::int32_t SegmentCountFromText(const std::string& text) {
    // Limited before the conversion so that a huge typed number cannot overflow it.
    Real v = FiniteOrZero(ParseFloat(text));
    if (v < kSegmentsMin) v = kSegmentsMin;
    if (v > kSegmentsMax) v = kSegmentsMax;
    return static_cast<std::int32_t>(std::lround(static_cast<double>(v)));
}

Real ArcDivisionFromText(const std::string& text) {
    Real v = FiniteOrZero(ParseFloat(text));
    if (v < kArcDivisionMin) v = kArcDivisionMin;
    if (v > kArcDivisionMax) v = kArcDivisionMax;
    return v;
}

CalcSettingsDialog::CalcSettingsDialog(Workspace& ws, AnalysisRunner run)
    : ws_(ws), run_(std::move(run)) {
    BeamModel& m = ws_.model;
    // Mode 4 has no item of its own here; it is shown and kept as mode 3.
    if (m.notchMode == 4) m.notchMode = 3;
    // Neutral decimal places: a setting of fewer places must not shorten a value that OK
    // reads back.
    OutputSettings s = ws_.output();
    s.decimalPlaces = 3;
    caption = "Berechnung";
    fields = {
        {"CheckBox_selfWeight", "Gewichtskraft als Streckenlasten übernehmen"_oem,
         CheckText(m.selfWeightAsLoad)},
        {"Edit_segments", "Anzahl der Segmente für die Berechnung"_oem, IntText(m.segmentCount)},
        {"CheckBox_supportStiffness", "Lagersteifigkeit berücksichtigen"_oem,
         CheckText(m.supportStiffnessOn), true, false},
        {"CheckBox_dunkerley", "Biegeschwingungen nach Dunkerley berechnen",
         CheckText(m.dunkerleyOn)},
        {"Edit_eps", "Iterationsfaktor f eps.", FormatFreeLong(s, m.iterationEps)},
        {"CheckBox_buckling", "Knickung berechnen ?", CheckText(m.bucklingOn)},
        {"Edit_arcDivision", "Polygon-Teilung für Kreisbogenberechnung"_oem,
         FormatFreeLong(s, m.arcDivision)},
        {"Label_arcDivisionUnit", "", "deg", false, true},
        // Hidden: the mode keeps its value through the dialog.
        {"RadioGroup_notchMode", "Kerb- und Oberflächeneinfluß berücksichtigen ?"_oem,
         IntText(m.notchMode >= 1 && m.notchMode <= 3 ? m.notchMode - 1 : 0), true, false},
        {"RadioGroup_unit", "", IntText(s.unitSystem == 1 ? 1 : 0)},
    };
    buttons = {
        {"Button_segmentsDefault", "<"},    {"Button_epsDefault", "<"},
        {"Button_arcDivisionDefault", "<"}, {"Button_ok", "OK"},
        {"Button_cancel", "Abbrechen"},     {"Button_help", "&Hilfe"},
    };
}

int CalcSettingsDialog::HintNumber(const std::string& controlName) const {
    for (const Hint& h : kHints)
        if (controlName == h.control) return h.number;
    return 0;
}

std::vector<std::string> CalcSettingsDialog::Items(const std::string& radioGroupName) const {
    if (radioGroupName == "RadioGroup_notchMode")
        return {"Spannung ohne Kerb- und Oberflächeneinfluß"_oem,
                "Spannung mit Kerb- und Oberflächeneinfluß"_oem,
                "Spannung mit Kerb-,Oberflächeneinfluß,Größenfaktor"_oem};
    if (radioGroupName == "RadioGroup_unit")
        return {"mm, N, MPa, Nm, N/mm", "in, lbf, psi, lbfin, lbf/in"};
    return {};
}

void CalcSettingsDialog::ReadFields() {
    BeamModel& m = ws_.model;
    m.selfWeightAsLoad = Checked(Field("CheckBox_selfWeight"));
    m.segmentCount = SegmentCountFromText(Field("Edit_segments")->text);
    m.supportStiffnessOn = Checked(Field("CheckBox_supportStiffness"));
    m.dunkerleyOn = Checked(Field("CheckBox_dunkerley"));
    m.iterationEps = FiniteOrZero(ParseFloat(Field("Edit_eps")->text));
    m.bucklingOn = Checked(Field("CheckBox_buckling"));
    m.arcDivision = ArcDivisionFromText(Field("Edit_arcDivision")->text);
    const long mode = ParseInt(Field("RadioGroup_notchMode")->text);
    if (mode >= 0 && mode <= 2) m.notchMode = static_cast<std::uint16_t>(mode + 1);
    ws_.config.output.unitSystem = ParseInt(Field("RadioGroup_unit")->text) == 1 ? 1 : 0;
}

bool CalcSettingsDialog::Press(const std::string& buttonName) {
    message.clear();
    if (buttonName == "Button_segmentsDefault") {
        Field("Edit_segments")->text = "600";
        return false;
    }
    if (buttonName == "Button_epsDefault") {
        Field("Edit_eps")->text = "0.001";
        return false;
    }
    if (buttonName == "Button_arcDivisionDefault") {
        Field("Edit_arcDivision")->text = "5";
        return false;
    }
    if (buttonName == "Button_ok") {
        ws_.abortFlag = false;
        // The appended loads go before the settings change: self weight and support type
        // decide how many there are.
        if (ws_.model.auxLoadsAppended) {
            RemoveAddedLoads(ws_.model);
            ws_.model.auxLoadsAppended = false;
        }
        ReadFields();
        if (run_) run_(ws_);
        if (ws_.abortFlag) {
            message = "Not enough data";
            return false;
        }
        return Close(true);
    }
    if (buttonName == "Button_cancel") {
        ws_.abortFlag = true;
        return Close(false);
    }
    // "&Hilfe" opens help topic kHelpTopic in the help system; the dialog stays open.
    return false;
}

bool EditCalcSettings(Workspace& ws, AnalysisRunner run) {
    CalcSettingsDialog dialog(ws, std::move(run));
    ws.ui->RunForm(dialog);
    const bool ok = dialog.Accepted();
    // A window closed by other means than its buttons counts as Cancel.
    if (!ok) ws.abortFlag = true;
    return ok;
}

}  // namespace bxr
