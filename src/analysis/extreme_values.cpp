#include "analysis/extreme_values.h"

#include <algorithm>
#include <cmath>

#include "analysis/angle_math.h"
#include "analysis/calc_state.h"
#include "format/number_format.h"
#include "format/text_helpers.h"
#include "format/units.h"

namespace bxr {

namespace {

constexpr Real kDegPerRad = 180 / kPi;

// Below this magnitude the deflection from the axial forces is not worth a row [mm].
constexpr Real kFaxDeflectionShown = 0.001L;

// Axial forces among the user's entries (a calculation appends none).
bool HasAxialForces(const BeamModel& m) {
    return m.axialLoadCount > 0;
}

// The station of an extreme's point; a point outside the table (results never calculated or
// damaged) reads the nearest station instead of memory beyond it.
const Station& StationAt(const AnalysisResults& r, int k) {
    return r.stations[std::clamp(k, 0, kMaxStations - 1)];
}

class RowMaker {
  public:
    RowMaker(const CalcState& ws) : ws_(ws), s_(ws.output()) {}

    // A row at calculation point k; the angle is added when given.
    ExtremeRow At(const char* title, Real value, std::string valueText, std::string unitText,
                  int k) const {
        ExtremeRow row;
        row.title = title;
        row.value = value;
        row.valueText = std::move(valueText);
        row.unitText = std::move(unitText);
        row.hasPoint = true;
        row.point = k;
        const Real x = PointPosition(ws_.model, k);
        row.position = ToDisplayUnits(s_, Quantity::Length, x);
        row.positionText = FormatQuantityFree(s_, Quantity::Length, x);
        return row;
    }
    void AddAngle(ExtremeRow& row, Real angle) const {
        row.hasAngle = true;
        row.angle = angle;
        row.angleText = FormatFree(s_, angle) + UnitText(s_, Quantity::Angle);
    }
    static void Compose(ExtremeRow& row) {
        row.text = row.valueText;
        if (!row.unitText.empty()) row.text += " " + row.unitText;
        if (row.hasPoint) {
            row.text += "  (x= " + row.positionText;
            if (row.hasAngle) row.text += ", phi= " + row.angleText;
            row.text += ")";
        }
    }
    const OutputSettings& settings() const { return s_; }

  private:
    const CalcState& ws_;
    const OutputSettings& s_;
};

SupportRow Support(const OutputSettings& s, std::string label, Quantity kind, Real modelValue) {
    SupportRow row;
    row.label = std::move(label);
    row.value = ToDisplayUnits(s, kind, modelValue);
    row.valueText = FormatQuantityFree(s, kind, modelValue);
    row.unitText = UnitText(s, kind);
    row.text = row.valueText + " " + row.unitText;
    return row;
}

}  // namespace

std::vector<ExtremeRow> ExtremeRows(const CalcState& ws) {
    const BeamModel& m = ws.model;
    const AnalysisResults& r = ws.results;
    const ExtremeValues& e = r.extremes;
    const RowMaker make(ws);
    const OutputSettings& s = make.settings();
    std::vector<ExtremeRow> rows;

    const Station& sm = StationAt(r, e.pointMb);
    const Real mb = sm.Mb * 0.001L;  // N·m
    rows.push_back(make.At("Max. Biegemoment", ToDisplayUnits(s, Quantity::Moment, mb),
                           FormatQuantityFree(s, Quantity::Moment, mb),
                           UnitText(s, Quantity::Moment), e.pointMb));
    make.AddAngle(rows.back(), sm.phiMb);

    const Station& ss = StationAt(r, e.pointSlope);
    const Real slope = ss.slope * kDegPerRad;
    rows.push_back(make.At("Max. Biegewinkel", slope, FormatFree(s, slope),
                           UnitText(s, Quantity::Angle), e.pointSlope));
    make.AddAngle(rows.back(), ss.phiSlope);

    const Station& sw = StationAt(r, e.pointW);
    rows.push_back(make.At("Max. Durchbiegung", ToDisplayUnits(s, Quantity::Length, sw.w),
                           FormatQuantityFree(s, Quantity::Length, sw.w),
                           UnitText(s, Quantity::Length), e.pointW));
    make.AddAngle(rows.back(), sw.phiW);

    const Real wFax = r.buckling.wFax;
    if (HasAxialForces(m) && m.supportType == kTwoHinges && std::fabs(wFax) > kFaxDeflectionShown) {
        ExtremeRow row;
        row.title = "Durchbiegung aus Fax";
        row.value = ToDisplayUnits(s, Quantity::Length, wFax);
        row.valueText = FormatQuantityFree(s, Quantity::Length, wFax);
        row.unitText = UnitText(s, Quantity::Length);
        rows.push_back(row);
    }

    auto stress = [&](Real v) { return FormatQuantityField(s, Quantity::Stress, v, 4, 0); };
    const std::string su = UnitText(s, Quantity::Stress);
    const Station& sb = StationAt(r, e.pointSigB);
    rows.push_back(make.At("Max. Biegespannung", ToDisplayUnits(s, Quantity::Stress, sb.sigB),
                           stress(sb.sigB), su, e.pointSigB));
    make.AddAngle(rows.back(), sb.phiSigB);

    const Station& sz = StationAt(r, e.pointSigZ);
    rows.push_back(make.At("Max. Zugspannung", ToDisplayUnits(s, Quantity::Stress, sz.sigZ),
                           stress(sz.sigZ), su, e.pointSigZ));

    const Station& sv = StationAt(r, e.pointSigV);
    rows.push_back(make.At("Max.Vergl.spannung", ToDisplayUnits(s, Quantity::Stress, sv.sigV),
                           stress(sv.sigV), su, e.pointSigV));
    make.AddAngle(rows.back(), sv.phiSigV);

    if (m.dunkerleyOn) {
        ExtremeRow row;
        row.title = "Resonanzfrequenz";
        row.value = r.frequency;  // Hz
        row.valueText =
            " " + FormatFree(s, 60 * r.frequency) + "/min  (" + FormatFree(s, r.frequency) + " Hz)";
        rows.push_back(row);
    }

    for (ExtremeRow& row : rows) RowMaker::Compose(row);
    return rows;
}

std::vector<SupportRow> SupportRows(const CalcState& ws) {
    const BeamModel& m = ws.model;
    const SupportReactions& r = ws.results.reactions;
    const OutputSettings& s = ws.output();
    std::vector<SupportRow> rows;
    if (m.supportType == kFixedClamp) {
        rows.push_back(Support(s, "Fq", Quantity::Force, r.Ffix));
        rows.push_back(Support(s, "Fx", Quantity::Force, r.FxFix));
        rows.push_back(Support(s, "Mb", Quantity::Moment, r.Mfix * 0.001L));
        return rows;
    }
    int count = 2;
    if (m.supportType == kThreeHinges) count = 3;
    if (m.supportType == kFourHinges) count = 4;
    if (m.supportType == kFiveHinges) count = 5;
    for (int i = 0; i < count; ++i) {
        const std::size_t k = static_cast<std::size_t>(i);
        const std::string letter(1, static_cast<char>('A' + i));
        rows.push_back(Support(
            s, "F" + letter + " (x=" + FormatQuantityFree(s, Quantity::Length, m.supportX[k]) + ")",
            Quantity::Force, r.R[k]));
    }
    return rows;
}

QuickSummary BuildQuickSummary(const CalcState& ws) {
    QuickSummary q;
    const BeamModel& m = ws.model;
    q.header = TrimBlanks(m.drawingNumber);
    const std::string name = TrimBlanks(m.drawingName);
    if (!name.empty()) q.header += (q.header.empty() ? "" : "  ") + name;
    q.extremes = ExtremeRows(ws);
    q.supports = SupportRows(ws);
    q.messages = ws.messages.entries;
    return q;
}

ExtremesDisplay PrepareExtremes(CalcState& ws, const AnalysisRunner& run) {
    ExtremesDisplay d;
    if (!ws.model.auxLoadsAppended) {
        // A stop flag left over from an earlier command must not end this calculation.
        ws.abortFlag = false;
        if (run) run(ws);
        // A failed calculation also sets the stop flag; its messages say why, so they win.
        if (ws.messages.fatal) {
            d.outcome = ExtremesOutcome::MessagesOnly;
            return d;
        }
        if (ws.abortFlag) {
            d.outcome = ExtremesOutcome::Stopped;
            return d;
        }
    } else if (ws.messages.fatal) {
        d.outcome = ExtremesOutcome::MessagesOnly;
        return d;
    }
    d.outcome = ExtremesOutcome::Page;
    d.page = BuildQuickSummary(ws);
    return d;
}

}  // namespace bxr
