#include "report/diagram_table.h"

#include <cmath>

#include "format/code_page.h"
#include "format/number_format.h"
#include "report/result_table.h"

namespace bxr {

std::string DiagramTableChoicePrompt() {
    return "gewünschte Tabelle wählen"_oem;
}

std::string DiagramTableCountPrompt() {
    return "Anzahl der Punkte (Auflösung)"_oem;
}

std::vector<std::string> DiagramTableChoices() {
    return {"Fq, Mb, w, alpha", "Sigma b, tau, Sigma z, Sigma v, Torsion, T  (xy/xz)",
            "Sigma b, tau, Sigma z, Sigma v, Torsion, T  (result.)"};
}

DiagramTableLayout DiagramTableColumns(DiagramTableKind kind) {
    switch (kind) {
        case DiagramTableKind::Forces:
            return {8,
                    8,
                    7,
                    {"x [mm]", "Fxy [N]", "Fxz [N]", "Mbxy Nm", "Mbxz Nm", "wxy [mm]", "wxz [mm]",
                     "w'xy deg", "w'xz deg"}};
        case DiagramTableKind::PlaneStresses:
            return {9,
                    9,
                    8,
                    {"x [mm]", "Sig.bxy N/mm²"_oem, "Sig.bxz N/mm²"_oem, "Sig.z N/mm²"_oem,
                     "Sig.vxy N/mm²"_oem, "Sig.vxz N/mm²"_oem}};
        case DiagramTableKind::ResultantStresses:
            return {9,
                    9,
                    8,
                    {"x [mm]", "Sig.b N/mm²"_oem, "phi Sig.b °"_oem, "Sig.z N/mm²"_oem,
                     "Sig.v N/mm²"_oem, "phi Sig.v"}};
    }
    return {};
}

std::vector<DiagramSample> DiagramTableSamples(Real length, int segments, int count) {
    std::vector<DiagramSample> samples;
    if (!(length > 0) || !std::isfinite(length) || segments < 1 || count < 1) return samples;
    samples.reserve(static_cast<std::size_t>(count) + 1);
    // Each x is computed from its index rather than by adding up the step, so that the last
    // row lands on L exactly and is never lost to rounding.
    for (int i = 0; i <= count; ++i) {
        const Real x = i == count ? length : i * length / count;
        const Real raw = x * segments / length;
        int station = static_cast<int>(std::nearbyint(raw));  // default mode: halves to even
        if (station < 0) station = 0;
        if (station > segments) station = segments;
        samples.push_back({x, station});
    }
    return samples;
}

std::vector<std::vector<std::string>> DiagramTableRows(
    const OutputSettings& settings, DiagramTableKind kind,
    const std::vector<DiagramSample>& samples,
    const std::function<std::vector<Real>(int station)>& valuesOf) {
    const DiagramTableLayout layout = DiagramTableColumns(kind);
    std::vector<std::vector<std::string>> rows;
    rows.reserve(samples.size());
    for (const DiagramSample& sample : samples) {
        std::vector<std::string> cells;
        cells.push_back(FormatInField(settings, sample.x, layout.valueField));
        for (Real v : valuesOf(sample.station))
            cells.push_back(FormatInField(settings, v, layout.valueField));
        rows.push_back(std::move(cells));
    }
    return rows;
}

bool WriteDiagramTable(OutputChannel& out, DiagramTableKind kind,
                       const std::vector<DiagramSample>& samples,
                       const std::function<std::vector<Real>(int station)>& valuesOf) {
    const DiagramTableLayout layout = DiagramTableColumns(kind);
    const std::vector<int> widths(layout.headers.size() - 1, layout.columnWidth);
    ResultTable table(out, layout.firstWidth, layout.headers, widths);
    for (const auto& row : DiagramTableRows(out.format(), kind, samples, valuesOf)) {
        if (out.Failed()) break;
        table.AddRow(row);
    }
    table.Close();
    return !out.Failed();
}

}  // namespace bxr
