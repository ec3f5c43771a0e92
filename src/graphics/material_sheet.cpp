#include "graphics/material_sheet.h"

#include "graphics/drawing.h"
#include "workspace/workspace.h"
#include "format/code_page.h"
#include "format/number_format.h"
#include "format/units.h"

namespace bxr {

namespace {

constexpr Real kSheetWidth = 120;
constexpr Real kSheetHeight = 160;
constexpr Real kLeft = 8;
constexpr Real kTop = 150;
constexpr Real kHeadingHeight = 3.5L;
constexpr Real kLineHeight = 3.0L;
constexpr Real kLineStep = 5.0L;
constexpr Real kTabColumn = 60;  // where the text after a tab starts

}  // namespace

std::vector<std::string> MaterialSheetLines(const Workspace& ws) {
    const OutputSettings& s = ws.output();
    const BeamModel& model = ws.model;
    const MaterialRecord& m = model.material;
    const std::string unit = " " + UnitText(s, Quantity::Stress);
    auto stress = [&](Real x, int digits) {
        return FormatNumber(s, ToDisplayUnits(s, Quantity::Stress, x), digits, 0);
    };
    std::vector<std::string> lines;
    lines.push_back("Werkstoffkennwerte für "_oem + model.drawingName + " " + model.drawingNumber);
    lines.push_back("");
    lines.push_back(m.name + "\tWst-Nr.: " + m.code);
    lines.push_back("");
    lines.push_back("E = " + stress(m.e, 6) + unit);
    lines.push_back("G = " + stress(m.g, 6) + unit);
    lines.push_back("rho = " + FormatNumber(s, m.density, 3, 2) + " kg/dm3");
    lines.push_back("Rm = " + stress(m.rm, 4) + unit);
    lines.push_back("Re = " + stress(m.re, 4) + unit);
    if (model.materialSource == 4) {
        const Din743Material& row = ws.materials.din743;
        lines.push_back("Sig.zdW = " + stress(row.sigZdW, 7) + unit);
        lines.push_back("Sig.bF = " + stress(m.re, 7) + unit);
        lines.push_back("Sig.bW = " + stress(row.sigBW, 7) + unit);
        lines.push_back("tau tF = " + stress(0.577L * m.re, 7) + unit);
        lines.push_back("tau tW = " + stress(row.tauTW, 7) + unit);
    } else {
        const DynamicStrengths& d = ws.materials.dynamic;
        const std::pair<const char*, std::int32_t> values[] = {
            {"sig.W = ", d.sigW},   {"sig.Sch = ", d.sigSch},   {"sig.bF = ", d.sigBF},
            {"sig.bW = ", d.sigBW}, {"sig.bSch = ", d.sigBSch}, {"tau tF = ", d.tauTF},
            {"tau W = ", d.tauW},   {"tau sch = ", d.tauSch}};
        for (const auto& [label, value] : values)
            if (value > 0) lines.push_back(label + stress(value, 4) + unit);
        if (d.remark.find_first_not_of(' ') != std::string::npos) lines.push_back(d.remark);
    }
    return lines;
}

void DrawMaterialSheet(Drawing& d, const Workspace& ws) {
    d.Sheet(0, 0, kSheetWidth, kSheetHeight);
    d.PageBegin();
    d.Pen(1);
    d.TextAlign(0, 0);
    const std::vector<std::string> lines = MaterialSheetLines(ws);
    Real y = kTop;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const Real height = i == 0 ? kHeadingHeight : kLineHeight;
        d.TextSize(0, height);
        const std::string& line = lines[i];
        const auto tab = line.find('\t');
        if (tab == std::string::npos) {
            if (!line.empty()) d.Text(kLeft, y, line);
        } else {
            d.Text(kLeft, y, line.substr(0, tab));
            d.Text(kTabColumn, y, line.substr(tab + 1));
        }
        y -= i == 0 ? kLineStep * 1.5L : kLineStep;
    }
    d.PageEnd();
}

}  // namespace bxr
