#include "app/calc_settings_dialog.h"

#include <cmath>

#include "app/run_calculation.h"
#include "format/code_page.h"
#include "format/number_format.h"
#include "format/text_helpers.h"
#include "platform/ui.h"
#include "workspace/workspace.h"

namespace bxr {

namespace {

// A typed value that the tolerant parser could not hold (it never yields one, but a value
// read here ends in an integer conversion) counts as "not a number".
Real FiniteOrZero(Real v) {
    return std::isfinite(v) ? v : 0;
}

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
    help = kHelpTopic;
    fields = {
        CheckField("CheckBox_selfWeight", "Gewichtskraft als Streckenlasten übernehmen"_oem,
                   m.selfWeightAsLoad)
            .Hint(6900),
        TextField("Edit_segments", "Anzahl der Segmente für die Berechnung"_oem,
                  IntText(m.segmentCount))
            .Hint(6940),
        CheckField("CheckBox_supportStiffness", "Lagersteifigkeit berücksichtigen"_oem,
                   m.supportStiffnessOn)
            .Hint(6140)
            .Hidden(),
        CheckField("CheckBox_dunkerley", "Biegeschwingungen nach Dunkerley berechnen",
                   m.dunkerleyOn)
            .Hint(6925),
        TextField("Edit_eps", "Iterationsfaktor f eps.", FormatFreeLong(s, m.iterationEps))
            .Hint(6930),
        CheckField("CheckBox_buckling", "Knickung berechnen ?", m.bucklingOn).Hint(6980),
        TextField("Edit_arcDivision", "Polygon-Teilung für Kreisbogenberechnung"_oem,
                  FormatFreeLong(s, m.arcDivision))
            .Unit("deg")
            .Hint(5300),
        // Hidden: the mode keeps its value through the dialog.
        RadioField("RadioGroup_notchMode", "Kerb- und Oberflächeneinfluß berücksichtigen ?"_oem,
                   {"Spannung ohne Kerb- und Oberflächeneinfluß"_oem,
                    "Spannung mit Kerb- und Oberflächeneinfluß"_oem,
                    "Spannung mit Kerb-,Oberflächeneinfluß,Größenfaktor"_oem},
                   m.notchMode >= 1 && m.notchMode <= 3 ? m.notchMode - 1 : 0)
            .Hint(6820)
            .Hidden(),
        RadioField("RadioGroup_unit", "", {"mm, N, MPa, Nm, N/mm", "in, lbf, psi, lbfin, lbf/in"},
                   s.unitSystem == 1 ? 1 : 0),
    };
    buttons = {
        ProposalFor("Edit_segments", "Button_segmentsDefault"),
        ProposalFor("Edit_eps", "Button_epsDefault"),
        ProposalFor("Edit_arcDivision", "Button_arcDivisionDefault"),
        OkButton(),
        CancelButton(),
        HelpButton("Button_help", "&Hilfe", kHelpTopic),
    };
}

void CalcSettingsDialog::ReadFields() {
    BeamModel& m = ws_.model;
    m.selfWeightAsLoad = Field("CheckBox_selfWeight")->checked;
    m.segmentCount = SegmentCountFromText(Field("Edit_segments")->text);
    m.supportStiffnessOn = Field("CheckBox_supportStiffness")->checked;
    m.dunkerleyOn = Field("CheckBox_dunkerley")->checked;
    m.iterationEps = FiniteOrZero(ParseFloat(Field("Edit_eps")->text));
    m.bucklingOn = Field("CheckBox_buckling")->checked;
    m.arcDivision = ArcDivisionFromText(Field("Edit_arcDivision")->text);
    const int mode = Field("RadioGroup_notchMode")->index;
    if (mode >= 0 && mode <= 2) m.notchMode = static_cast<std::uint16_t>(mode + 1);
    ws_.config.output.unitSystem = Field("RadioGroup_unit")->index == 1 ? 1 : 0;
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
        if (run_)
            run_(ws_);
        else
            RunCalculation(ws_);
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
