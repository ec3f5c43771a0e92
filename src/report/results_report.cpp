#include "report/results_report.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/ui.h"
#include "format/code_page.h"
#include "format/number_format.h"
#include "report/result_table.h"
#include "format/text_helpers.h"
#include "format/units.h"
#include "model/shaft_sections.h"
#include "sections/section_results.h"

namespace bxr {

namespace {

constexpr Real kDegPerRad = 180 / std::numbers::pi_v<Real>;
const char* const kLetters = "ABCDE";

// Formatting shortcuts over the workspace's output settings.
class Fmt {
  public:
    explicit Fmt(const OutputSettings& s) : s_(s) {}
    std::string Len(Real x) const { return FormatQuantityFree(s_, Quantity::Length, x); }
    std::string Force(Real x) const { return FormatQuantityFree(s_, Quantity::Force, x); }
    // Moments are held in N·mm and shown in N·m.
    std::string Moment(Real nmm) const {
        return FormatQuantityFree(s_, Quantity::Moment, nmm / 1000);
    }
    std::string Stress(Real x) const { return FormatQuantityFree(s_, Quantity::Stress, x); }
    std::string Free(Real x) const { return FormatFree(s_, x); }
    std::string Field(Quantity q, Real x, int w, int d) const {
        return FormatQuantityField(s_, q, x, w, d);
    }
    std::string Number(Real x, int w, int d) const { return FormatNumber(s_, x, w, d); }
    std::string Unit(Quantity q) const { return UnitText(s_, q); }
    const OutputSettings& settings() const { return s_; }

  private:
    const OutputSettings& s_;
};

// The user's entries of each load list: the tail that the last calculation appended is left
// out, and only while it is actually there.
struct UserCounts {
    int pointLoads, distributedLoads, momentLoads, axialLoads;
    bool selfWeightShown, bearingMomentsShown;
    int selfWeightLoads = 0;  // the last ones of the distributed loads: one per stretch
};

UserCounts CountsOf(const BeamModel& m) {
    UserCounts c{m.pointLoadCount,
                 m.distributedLoadCount,
                 m.momentLoadCount,
                 m.axialLoadCount,
                 false,
                 false,
                 0};
    if (!m.auxLoadsAppended) return c;
    if (m.supportType >= kThreeHinges && m.supportType <= kFiveHinges)
        c.pointLoads -= 2 * (m.supportType - kAngularContactPair);  // 2, 4 or 6
    if (c.pointLoads < 0) c.pointLoads = 0;
    c.selfWeightShown = m.selfWeightAsLoad && m.distributedLoadCount > 0;
    if (c.selfWeightShown)
        c.selfWeightLoads = std::min<int>(SelfWeightLoadCount(m), m.distributedLoadCount);
    c.bearingMomentsShown = m.supportType == kAngularContactPair && m.momentLoadCount >= 2;
    return c;
}

std::string Range(const Fmt& f, const BeamModel& m, int station) {
    const Real dx = m.length / m.segmentCount;
    const Real x = PointPosition(m, station);
    return f.Len(x - dx / 2) + ".." + f.Len(x + dx / 2);
}

void WriteHeading(OutputChannel& out, const std::string& heading) {
    out.WriteLine("");
    out.WriteLine(heading);
}

void WriteLoadBlocks(const Workspace& ws, OutputChannel& out, const Fmt& f) {
    const BeamModel& m = ws.model;
    const UserCounts c = CountsOf(m);
    const std::string lu = "[" + f.Unit(Quantity::Length) + "]";

    out.CheckPageSpace();
    if (m.notchZoneCount > 0) {
        WriteHeading(out, "ZONEN MIT KERBWIRKUNG");
        ResultTable t(out, 6,
                      {"Nr.", "  x1 " + lu, "  x2 " + lu, "  ßk"_oem, "  ßkb"_oem, "  ßkt"_oem, ""},
                      {10, 10, 9, 9, 9, 10, 0, 0});
        for (int i = 1; i <= m.notchZoneCount; ++i) {
            const NotchZone& z = m.notchZones[static_cast<std::size_t>(i)];
            t.AddRow({IntRightAligned(i, 3), f.Field(Quantity::Length, z.x1, 6, 2),
                      f.Field(Quantity::Length, z.x2, 6, 2), f.Number(z.betaK, 3, 2),
                      f.Number(z.betaKb, 3, 2), f.Number(z.betaKt, 3, 2), z.label});
        }
        t.Close();
    }

    out.CheckPageSpace();
    if (c.pointLoads > 0) {
        WriteHeading(out, "EINZELKRÄFTE"_oem);
        ResultTable t(out, 3,
                      {"Nr.", "    x", "    F [" + f.Unit(Quantity::Force) + "]",
                       "Wirkricht."_oem + f.Unit(Quantity::Angle), ""},
                      {12, 15, 15, 15, 0, 0, 0, 0});
        for (int i = 1; i <= c.pointLoads; ++i) {
            const PointLoad& p = m.pointLoads[static_cast<std::size_t>(i)];
            t.AddRow({IntRightAligned(i, 3), f.Field(Quantity::Length, p.x, 6, 2),
                      f.Field(Quantity::Force, p.f, 7, 1), f.Number(p.angle, 4, 1), p.label});
        }
        t.Close();
    }

    out.CheckPageSpace();
    if (c.distributedLoads > 0) {
        WriteHeading(out, m.selfWeightAsLoad && c.selfWeightShown
                              ? "STRECKENLASTEN(incl. Eigengewicht)"
                              : "STRECKENLASTEN");
        ResultTable t(out, 3,
                      {"Nr.", "  x1 " + lu, "  x2 " + lu, " q [" + f.Unit(Quantity::LineLoad) + "]",
                       "Wirkricht.", ""},
                      {12, 12, 12, 10, 12, 0, 0, 0});
        for (int i = 1; i <= c.distributedLoads; ++i) {
            const DistributedLoad& q = m.distributedLoads[static_cast<std::size_t>(i)];
            std::string label = "   " + TextHead(q.label, 13);
            const int stretch = i - (c.distributedLoads - c.selfWeightLoads);
            if (c.selfWeightShown && stretch >= 1)
                label = "  (Abschn." + std::to_string(stretch) + ")";
            t.AddRow({IntRightAligned(i, 3), f.Field(Quantity::Length, q.x1, 6, 2),
                      f.Field(Quantity::Length, q.x2, 6, 2), f.Field(Quantity::LineLoad, q.q, 5, 3),
                      f.Number(q.angle, 4, 1), label});
        }
        t.Close();
    }

    out.CheckPageSpace();
    if (c.momentLoads > 0) {
        WriteHeading(out, "BIEGEMOMENTE");
        ResultTable t(out, 3,
                      {"Nr.", "    x " + lu, "  Mb [" + f.Unit(Quantity::Moment) + "]",
                       "Wirkricht." + f.Unit(Quantity::Angle), ""},
                      {12, 12, 12, 12, 0, 0, 0, 0});
        for (int i = 1; i <= c.momentLoads; ++i) {
            const MomentLoad& mo = m.momentLoads[static_cast<std::size_t>(i)];
            std::string label = "  " + TextHead(mo.label, 12);
            if (c.bearingMomentsShown && i > c.momentLoads - 2) label = "  (Lager)";
            t.AddRow({IntRightAligned(i, 3), f.Field(Quantity::Length, mo.x, 6, 2),
                      f.Field(Quantity::Moment, mo.mb / 1000, 6, 2), f.Number(mo.angle, 6, 1),
                      label});
        }
        t.Close();
    }

    out.CheckPageSpace();
    if (c.axialLoads > 0) {
        WriteHeading(out, "AXIALKRÄFTE"_oem);
        ResultTable t(out, 3,
                      {"Nr.", "    x " + f.Unit(Quantity::Length),
                       "   Fax [" + f.Unit(Quantity::Force) + "]", ""},
                      {12, 14, 12, 0, 0, 0, 0, 0});
        for (int i = 1; i <= c.axialLoads; ++i) {
            const AxialLoad& a = m.axialLoads[static_cast<std::size_t>(i)];
            t.AddRow({IntRightAligned(i, 3), f.Field(Quantity::Length, a.x, 6, 2),
                      f.Field(Quantity::Force, a.fx, 8, 1), a.label});
        }
        t.Close();
    }
}

void WriteMaterialBlock(const Workspace& ws, OutputChannel& out, const Fmt& f,
                        const DynamicStrengths* strengths) {
    const MaterialRecord& mat = ws.model.material;
    const std::string su = f.Unit(Quantity::Stress);
    auto stress = [&](Real x) { return f.Field(Quantity::Stress, x, 7, 0); };
    out.WriteLine("");
    out.WriteLine("WERKSTOFFDATEN");
    out.WriteDoubleRule();
    out.WriteLine("Werkstoff: " + TextHead(mat.name, 51));
    out.WriteRule();
    out.WriteParameterLine("Elastizitätsmodul"_oem, "E", su, stress(mat.e));
    out.WriteParameterLine("Schubmodul", "G", su, stress(mat.g));
    out.WriteParameterLine("Dichte", "rho", "kg/cdm", f.Number(mat.density, 4, 2));
    out.WriteParameterLine("Oberflächen-Kennziffer"_oem, "ok", "",
                           FormatInField(f.settings(), mat.surfaceFactor, 7));
    out.WriteParameterLine("Empfindlichkeits-Kennziffer", "eta k", "",
                           FormatInField(f.settings(), mat.notchSensitivity, 7));
    if (mat.rm > 0) out.WriteParameterLine("Zugfestigkeit", "Rm", su, stress(mat.rm));
    if (mat.re > 0) out.WriteParameterLine("Streckgrenze", "Re", su, stress(mat.re));
    if (!strengths) return;
    const std::pair<const char*, const char*> names[] = {
        {"Max. Zugspannung wechselnd", "Sigma W"},
        {"Max. Zugspannung schwellend", "Sig.sch"},
        {"Biegegrenze", "Sig.bF"},
        {"Max. Biegespannung wechselnd", "Sig.bW"},
        {"Max. Biegespannung schwellend", "Sig.bSch"},
        {"Torsionsgrenze", "tau tF"},
        {"Max. Schubspannung wechselnd", "tau W"},
        {"Max. Schubspannung schwellend", "tau sch"}};
    const std::int32_t values[] = {strengths->sigW,  strengths->sigSch,  strengths->sigBF,
                                   strengths->sigBW, strengths->sigBSch, strengths->tauTF,
                                   strengths->tauW,  strengths->tauSch};
    for (int i = 0; i < 8; ++i)
        if (values[i] > 0)
            out.WriteParameterLine(names[i].first, names[i].second, su, stress(values[i]));
}

Real DirectionDeg(Real fy, Real fz) {
    if (fy == 0) return fz >= 0 ? 90 : -90;
    Real a = std::atan(fz / fy) * kDegPerRad;
    return fy < 0 ? a + 180 : a;
}

void WriteReactionLines(const Workspace& ws, OutputChannel& out, const Fmt& f, int support) {
    const SupportReactions& r = ws.results.reactions;
    const std::string L(1, kLetters[support]);
    const std::string fu = f.Unit(Quantity::Force);
    const std::string au = f.Unit(Quantity::Angle);
    const Real fy = r.Ry[static_cast<std::size_t>(support)];
    const Real fz = r.Rz[static_cast<std::size_t>(support)];
    const Real fa = support == kSupportA ? r.FxA : support == kSupportB ? r.FxB : 0;
    out.WriteLine("   Radialkraft Fr" + L + " : " + f.Force(std::sqrt(fy * fy + fz * fz)) + " " +
                  fu + "    " + "Wirkrichtung zur xy-Ebene" + ": " +
                  f.Number(DirectionDeg(fy, fz), 3, 1) + " " + au);
    out.WriteRule();
    out.WriteLine("   Radialkraft Fr" + L + "y : " + f.Force(fy) + " " + fu + "      Fr" + L +
                  "z : " + f.Force(fz) + " " + fu);
    out.WriteRule();
    if (fa != 0) {
        out.WriteLine("   Axialkraft Fa" + L + " : " + f.Force(fa) + " " + fu);
        out.WriteRule();
    }
    const Station& s =
        ws.results
            .stations[PointIndex(ws.model, ws.model.supportX[static_cast<std::size_t>(support)])];
    out.WriteLine("   Biegewinkel w1" + L + " : " + f.Free(s.slope * kDegPerRad) + au + " " +
                  "Wirkrichtung zur xy-Ebene" + ": " + f.Number(s.phiSlope, 3, 1) + " " + au);
    out.WriteRule();
}

std::string SupportLine(const Fmt& f, const BeamModel& m, int support, bool echo) {
    const Real x = m.supportX[static_cast<std::size_t>(support)];
    if (support == kSupportA)
        return (m.supportType == kAngularContactPair ? "A. Linkes Gelenklager bei xA = "
                                                     : "A. Festes Gelenklager bei xA = ") +
               f.Len(x);
    if (support == kSupportB) {
        if (m.supportType == kAngularContactPair)
            return "B. Rechtes Gelenklager bei xB = " + f.Len(x);
        return (echo ? "B. Verschiebliches Gelenklager bei  xB = "
                     : "B. Verschiebliches Gelenklager bei xB = ") +
               f.Len(x);
    }
    const std::string L(1, kLetters[support]);
    return L + ". Verschiebliches Gelenklager bei x" + L + " = " + f.Len(x);
}

int SupportCount(const BeamModel& m) {
    if (m.supportType >= kThreeHinges && m.supportType <= kFiveHinges) return m.supportType - 1;
    return 2;
}

void WriteSupportBlock(const Workspace& ws, OutputChannel& out, const Fmt& f) {
    const BeamModel& m = ws.model;
    const SupportReactions& r = ws.results.reactions;
    const std::string fu = f.Unit(Quantity::Force);
    if (m.supportType == kFixedClamp) {
        out.WriteLine("LAGERUNG:  Feste Einspannung");
        out.WriteDoubleRule();
        out.WriteLine("Feste Einspannung bei x = " + f.Len(m.clampX));
        out.WriteRule();
        out.WriteLine("Querkraft : " + f.Force(r.Ffix) + " " + fu);
        out.WriteRule();
        out.WriteLine("Axialkraft : " + f.Force(r.FxFix) + " " + fu);
        out.WriteRule();
        out.WriteLine("Biegemoment : " + f.Moment(r.Mfix) + " " + f.Unit(Quantity::Moment));
        out.WriteRule();
        return;
    }
    if (m.supportType == kAngularContactPair) {
        const std::string au = f.Unit(Quantity::Angle);
        out.WriteLine("LAGERUNG : Tragstützlagerung ("_oem +
                      (m.bearingArrangement == 2 ? "O" : "X") + "-" + "Anordnung" + ")");
        out.WriteDoubleRule();
        out.WriteLine(SupportLine(f, m, kSupportA, false));
        out.WriteRule();
        if (m.racewayDiameterA != 0) {
            out.WriteLine("   Kraftangriff:   w = " + f.Free(m.contactAngleA) + " " + au +
                          "       d = " + f.Len(m.racewayDiameterA) + " " +
                          f.Unit(Quantity::Length));
            out.WriteRule();
        }
        WriteReactionLines(ws, out, f, kSupportA);
        out.CheckPageSpace();
        out.WriteLine(SupportLine(f, m, kSupportB, false));
        out.WriteRule();
        if (m.racewayDiameterB != 0) {
            out.WriteLine("   Kraftangriff:   w = " + f.Free(m.contactAngleB) + " " + "Grad" +
                          "       d = " + f.Len(m.racewayDiameterB) + f.Unit(Quantity::Length));
            out.WriteRule();
        }
        WriteReactionLines(ws, out, f, kSupportB);
        return;
    }
    if (m.supportType == kTwoHinges)
        out.WriteLine("LAGERUNG:  Fest-/Los-Lagerung");
    else
        out.WriteLine("LAGERUNG:  Fest-/Los-Lagerung (" + IntText(m.supportType - 1) + " " +
                      "Lagerstellen" + ")");
    out.WriteDoubleRule();
    const int count = SupportCount(m);
    for (int i = 0; i < count; ++i) {
        if (i > 0) out.CheckPageSpace();
        out.WriteLine(SupportLine(f, m, i, false));
        out.WriteRule();
        WriteReactionLines(ws, out, f, i);
    }
}

void WriteExtremeTable(const Workspace& ws, OutputChannel& out, const Fmt& f) {
    const BeamModel& m = ws.model;
    const AnalysisResults& r = ws.results;
    const std::string au = f.Unit(Quantity::Angle);
    out.WriteLine("EXTREMWERTE");
    ResultTable t(out, 22, {"", "", "   x [" + f.Unit(Quantity::Length) + "]", "phi [" + au + "]"},
                  {14, 18, 12, 0, 0, 0, 0, 0});
    auto angle = [&](Real a, bool unit) {
        return FormatDecimals(f.settings(), a, 1) + (unit ? " " + au : std::string());
    };
    const Station& sm = r.stations[r.extremes.pointMb];
    t.AddRow({"Max. Biegemoment", f.Moment(sm.Mb) + " " + f.Unit(Quantity::Moment),
              Range(f, m, r.extremes.pointMb), angle(sm.phiMb, true)});
    const Station& ss = r.stations[r.extremes.pointSlope];
    t.AddRow({"Max. Biegewinkel", f.Free(ss.slope * kDegPerRad) + " " + au,
              Range(f, m, r.extremes.pointSlope), angle(ss.phiSlope, true)});
    const Station& sw = r.stations[r.extremes.pointW];
    t.AddRow({"Max. Durchbiegung", f.Len(sw.w) + " " + f.Unit(Quantity::Length),
              Range(f, m, r.extremes.pointW), angle(sw.phiW, true)});
    if (CountsOf(m).axialLoads > 0 && (m.supportType == kFixedClamp || m.supportType == kTwoHinges))
        t.AddRow({"Durchbiegung aus Fax", f.Len(r.buckling.wFax) + " " + f.Unit(Quantity::Length),
                  Range(f, m, r.extremes.pointW), angle(sw.phiW, false)});
    t.Close();
}

std::string MethodText(int mode) {
    switch (mode) {
        case 2:
            return "Kerbwirkung und Oberflächeneinfluß nach Dubbel"_oem;
        case 3:
            return "Kerbwirkung, Oberfl.einfluß u. Größenfaktor n.Dubbel"_oem;
        case 4:
            return "Kerbwirkung, Oberfl.einfluß u.Größenfaktor DIN 743"_oem;
        default:
            return "Kerbwirkung und Oberflächeneinfluß nicht berücksichtigt"_oem;
    }
}

void WriteStressTable(const Workspace& ws, OutputChannel& out, const Fmt& f) {
    const BeamModel& m = ws.model;
    const AnalysisResults& r = ws.results;
    const std::string su = f.Unit(Quantity::Stress);
    out.WriteLine("\fSPANNUNGEN (" + MethodText(m.notchMode) + ")");
    ResultTable t(
        out, 22,
        {"", "", "  x [" + f.Unit(Quantity::Length) + "]", "phi [" + f.Unit(Quantity::Angle) + "]"},
        {14, 18, 12, 0, 0, 0, 0, 0});
    auto stress = [&](Real x) { return f.Field(Quantity::Stress, x, 4, 0) + " " + su; };
    auto angle = [&](Real a) { return FormatDecimals(f.settings(), a, 1); };
    const Station& b = r.stations[r.extremes.pointSigB];
    t.AddRow({"Max. Biegespannung", stress(b.sigB), Range(f, m, r.extremes.pointSigB),
              angle(b.phiSigB)});
    const Station& z = r.stations[r.extremes.pointSigZ];
    t.AddRow({"Max. Zugspannung", stress(z.sigZ), Range(f, m, r.extremes.pointSigZ), ""});
    const Station& v = r.stations[r.extremes.pointSigV];
    t.AddRow({"Max.Vergl.spannung", stress(v.sigV), Range(f, m, r.extremes.pointSigV),
              angle(v.phiSigV)});
    t.Close();
}

void WriteSafetyBlock(const Workspace& ws, OutputChannel& out, const Fmt& f,
                      const DynamicStrengths* strengths) {
    const SafetyResults& s = ws.results.safety;
    if (s.Sbw > 0 || s.Svbw > 0) {
        out.WriteLine("");
        out.WriteLine("SICHERHEIT");
        out.WriteDoubleRule();
    }
    auto line = [&](const char* d, const char* sym, Real v) {
        if (v > 0) out.WriteParameterLine(d, sym, "", f.Number(v, 4, 2));
    };
    line("Zug-/Druckspannung wechselnd", "S W", s.Sw);
    line("Biegespannung wechselnd", "S bW", s.Sbw);
    const Real sigB = ws.results.stations[ws.results.extremes.pointSigB].sigB;
    if (strengths && strengths->sigBF > 0 && sigB != 0)
        line("Biegespannung ruhend", "S bF", strengths->sigBF / sigB);
    line("Vergleichsspannung wechselnd", "S vbw", s.Svbw);
}

void SetHead(const Workspace& ws, OutputChannel& out, const std::string& heading) {
    const BeamModel& m = ws.model;
    out.SetDocumentHead(heading, m.headerLines[1], m.drawingNumber,
                        {m.headerLines[1], m.headerLines[2], m.headerLines[3]});
    const DrawingData& d = ws.documentation.drawing;
    std::vector<std::string> data;
    if (!TrimBlanks(d.drawn.date + d.drawn.name).empty())
        data.push_back("Bearb.: " + d.drawn.date + "  " + d.drawn.name);
    if (!TrimBlanks(d.checked.date + d.checked.name).empty())
        data.push_back("Gepr.:  " + d.checked.date + "  " + d.checked.name);
    const auto& doc = ws.documentation;
    if (doc.changeCount > 0) {
        const ChangeRecord& c = doc.changes[doc.changeCount];
        data.push_back("Änderung "_oem + IntText(doc.changeCount) + ": " + c.date + "  " + c.text);
    }
    out.SetDocumentData(std::move(data));
}

std::string OutputName(const Workspace& ws) {
    return (ws.currentName.empty() ? std::string("bxr") : ws.currentName) + ".txt";
}

// The results must be those of the model as it stands: a view that finds none calculates.
ReportOutcome EnsureResults(Workspace& ws, const ReportSources& sources) {
    ws.abortFlag = false;
    if (!ws.model.auxLoadsAppended && sources.calculate) sources.calculate(ws);
    if (ws.messages.fatal) return ReportOutcome::FatalMessages;
    if (ws.abortFlag) return ReportOutcome::Aborted;
    return ReportOutcome::Written;
}

ReportOutcome Finish(OutputChannel& out) {
    if (!out.IsOpen()) return ReportOutcome::Aborted;
    return out.CloseOutput() ? ReportOutcome::Written : ReportOutcome::Aborted;
}

}  // namespace

std::string ReportHeading() {
    return "BXR V" + ProgramVersion() + "  -  " + "Trägerberechnung"_oem;
}

void WriteSectionBlock(const Workspace& ws, OutputChannel& out) {
    const OutputSettings& s = ws.output();
    const SectionReportBlock block = SectionReportRows(ws.model, ws.section, s);
    if (!block.contour.empty()) {
        out.WriteLine(block.contourHeading);
        ResultTable t(out, 3,
                      {block.contourTitles[0], block.contourTitles[1], block.contourTitles[2],
                       block.contourTitles[3]},
                      {static_cast<int>(block.contourTitles[1].size()) + 1,
                       static_cast<int>(block.contourTitles[2].size()) + 1,
                       static_cast<int>(block.contourTitles[3].size()) + 1, 0, 0, 0, 0, 0});
        for (const ContourReportRow& row : block.contour) {
            t.AddRow({IntRightAligned(row.index, 3),
                      "  " + FormatQuantityField(s, Quantity::Length, row.y, 7, 3),
                      "  " + FormatQuantityField(s, Quantity::Length, row.z, 7, 3),
                      " " + FormatNumber(s, row.arcAngleDeg, 8, 1)});
        }
        t.Close();
    }
    out.WriteLine("");
    out.WriteLine(block.sectionHeading);
    out.WriteDoubleRule();
    for (const SectionResultRow& row : block.section)
        out.WriteParameterLine(row.description, row.symbol, ResultUnitText(s, row.unit),
                               ResultValueText(s, row));
    out.CheckPageSpace();
    if (!block.body.empty()) {
        out.WriteLine("");
        out.WriteLine(block.bodyHeading);
        out.WriteDoubleRule();
        for (const SectionResultRow& row : block.body)
            out.WriteParameterLine(row.description, row.symbol, ResultUnitText(s, row.unit),
                                   ResultValueText(s, row));
    }
}

// The shaft sections as the user typed them, with their area and axial second moment.
void WriteShaftSectionBlock(const Workspace& ws, OutputChannel& out, const Fmt& f) {
    const BeamModel& m = ws.model;
    const int count = std::clamp<int>(m.shaftSectionCount, 0, kMaxShaftSections);
    if (count == 0) return;
    out.CheckPageSpace();
    const std::string lu = " [" + f.Unit(Quantity::Length) + "]";
    WriteHeading(out, "WELLENABSCHNITTE");
    ResultTable t(out, 6,
                  {"Nr.", "  x1" + lu, "  x2" + lu, "  D" + lu, "  d" + lu,
                   "  A [" + f.Unit(Quantity::Area) + "]",
                   "  I [" + f.Unit(Quantity::SecondMoment) + "]"},
                  {11, 11, 11, 11, 14, 16, 0});
    for (int i = 1; i <= count; ++i) {
        const ShaftSection& s = m.shaftSections[static_cast<std::size_t>(i)];
        t.AddRow({IntRightAligned(i, 3), f.Field(Quantity::Length, s.x1, 7, 2),
                  f.Field(Quantity::Length, s.x2, 7, 2), f.Field(Quantity::Length, s.D, 7, 3),
                  f.Field(Quantity::Length, s.d, 7, 3),
                  f.Field(Quantity::Area, ShaftSectionArea(s), 10, 2),
                  f.Field(Quantity::SecondMoment, ShaftSectionInertia(s), 12, 1)});
    }
    t.Close();
}

ReportOutcome WriteResultsReport(Workspace& ws, OutputChannel& out, int destination,
                                 const ReportSources& sources) {
    ReportOutcome ready = EnsureResults(ws, sources);
    if (ready != ReportOutcome::Written) return ready;
    const Fmt f(ws.output());
    SetHead(ws, out, ReportHeading());
    if (!out.OpenOutput(destination, OutputName(ws))) return ReportOutcome::Aborted;
    out.WritePageHeader(true);
    if (out.Failed()) return Finish(out);
    out.WriteLine("");

    WriteSectionBlock(ws, out);
    WriteShaftSectionBlock(ws, out, f);
    const AnalysisResults& r = ws.results;
    if (r.buckling.eulerLoad != 0)
        out.WriteParameterLine("Eulersche Knickkraft", "FK", f.Unit(Quantity::Force),
                               f.Force(r.buckling.eulerLoad));
    out.WriteParameterLine("Resonanzfrequenz nach Dunkerley", "fe", "Hz", f.Free(r.frequency));
    WriteLoadBlocks(ws, out, f);
    out.CheckPageSpace();
    out.WriteLine("");
    WriteMaterialBlock(ws, out, f, sources.strengths);
    out.CheckPageSpace();
    out.WriteLine("");
    WriteSupportBlock(ws, out, f);
    out.CheckPageSpace();
    out.WriteLine("");
    WriteExtremeTable(ws, out, f);
    out.CheckPageSpace();
    out.WriteLine("");
    WriteStressTable(ws, out, f);
    out.CheckPageSpace();
    WriteSafetyBlock(ws, out, f, sources.strengths);
    if (!ws.messages.empty()) {
        out.EndPage();
        out.WritePageHeader(false);
        if (out.Failed()) return Finish(out);
        ErrorDescriptions none;
        out.WriteMessages(ws.messages, sources.descriptions ? *sources.descriptions : none);
    }
    out.EndPage();
    return Finish(out);
}

ReportOutcome WriteInputEcho(Workspace& ws, OutputChannel& out, int destination,
                             const ReportSources& sources) {
    const BeamModel& m = ws.model;
    const Fmt f(ws.output());
    const UserCounts c = CountsOf(m);
    SetHead(ws, out, ReportHeading());
    const bool headers = out.PageHeaders();
    out.SetPageHeaders(false);
    if (!out.OpenOutput(destination, "BXRINPUT.TXT")) {
        out.SetPageHeaders(headers);
        return ReportOutcome::Aborted;
    }
    out.WriteLine("");
    out.WriteLine("");
    out.WriteLine(m.headerLines[1] + "    Nr.: " + m.drawingNumber);
    out.WriteLine(m.headerLines[2]);
    out.WriteLine(m.headerLines[3]);
    out.WriteLine(" ");
    out.WriteLine(TextLeftInField("Anzahl der Kerbzonen", 30) + ":" +
                  IntRightAligned(m.notchZoneCount, 2));
    out.WriteLine(TextLeftInField("Kräfte"_oem, 15) + ":" + IntText(c.pointLoads));
    out.WriteLine(TextLeftInField("Streckenlasten", 15) + ":" + IntText(c.distributedLoads));
    out.WriteLine(TextLeftInField("Biegemomente", 15) + ":" + IntText(c.momentLoads));
    out.WriteLine(TextLeftInField("Axialkräfte"_oem, 15) + ":" + IntText(c.axialLoads));
    out.WriteLine("");
    out.WriteLine("");
    out.WriteLine("");
    WriteSectionBlock(ws, out);
    WriteLoadBlocks(ws, out, f);
    WriteMaterialBlock(ws, out, f, sources.strengths);
    out.WriteLine("");
    out.WriteLine("LAGERUNG");
    out.WriteDoubleRule();
    if (m.supportType == kFixedClamp) {
        out.WriteLine("Feste Einspannung bei x = " + f.Len(m.clampX));
    } else {
        for (int i = 0; i < SupportCount(m); ++i) out.WriteLine(SupportLine(f, m, i, true));
    }
    out.WriteRule();
    out.EndPage();
    ReportOutcome outcome = Finish(out);
    out.SetPageHeaders(headers);
    return outcome;
}

ReportOutcome WritePositionReport(Workspace& ws, OutputChannel& out, int destination,
                                  const ReportSources& sources) {
    const Fmt f(ws.output());
    SetHead(ws, out, "BXR V" + ProgramVersion() + "  " + "Zusatzberechnung");
    ReportOutcome ready = EnsureResults(ws, sources);
    if (ready != ReportOutcome::Written) return ready;
    const BeamModel& m = ws.model;
    const bool english = ws.output().unitSystem == 1;
    const std::string prompt = std::string("x-Koordinate") + (english ? " [inch]" : " [mm]");
    Real x = 0;
    while (true) {
        ws.ui->SetHelpTopic(1310);
        auto typed = ws.ui->AskText(prompt, "");
        if (!typed) {
            ws.abortFlag = true;
            return ReportOutcome::Aborted;
        }
        x = ParseQuantity(ws.output(), Quantity::Length, *typed);
        if (x >= 0 && x <= m.length) break;
        ws.ui->ShowMessage("Bereich: 0 .. " + f.Len(m.length) + " " + f.Unit(Quantity::Length));
    }
    const int k = PointIndex(m, x);
    const Station& s = ws.results.stations[k];
    const Real dx = m.length / m.segmentCount;
    const Real xk = PointPosition(m, k);

    if (!out.OpenOutput(destination, OutputName(ws))) return ReportOutcome::Aborted;
    out.WritePageHeader(true);
    if (out.Failed()) return Finish(out);
    out.WriteLine(" ");
    const std::string lu = f.Unit(Quantity::Length);
    const std::string au = f.Unit(Quantity::Angle);
    out.WriteLine("Daten für Position x = "_oem + f.Len(x) + " " + lu + "   (" +
                  f.Len(xk - dx / 2) + " .. " + f.Len(xk + dx / 2) + ")");
    out.WriteDoubleRule();
    auto at = [&](Real phi) {
        return std::string(" bei phi") + " = " + f.Free(phi) + " " + au + " " + "von xy-Ebene";
    };
    auto group = [&](const std::string& name, const std::string& unit, Real total, Real phi,
                     Real xy, Real xz, auto format) {
        out.WriteLine(name + " : " + format(total) + " " + unit + at(phi));
        out.WriteLine(name + " : xy = " + format(xy) + " " + unit + "     xz = " + format(xz) +
                      " " + unit);
        out.WriteRule();
    };
    auto force = [&](Real v) { return f.Force(v); };
    auto moment = [&](Real v) { return f.Moment(v); };
    auto degrees = [&](Real v) { return f.Free(v * kDegPerRad); };
    auto length = [&](Real v) { return f.Len(v); };
    auto stress = [&](Real v) { return f.Stress(v); };
    const std::string su = f.Unit(Quantity::Stress);
    group("Querkraft", f.Unit(Quantity::Force), s.Fq, s.phiFq, s.Fq_xy, s.Fq_xz, force);
    group("Biegemoment", f.Unit(Quantity::Moment), s.Mb, s.phiMb, s.Mb_xy, s.Mb_xz, moment);
    group("Biegewinkel", au, s.slope, s.phiSlope, s.slope_xy, s.slope_xz, degrees);
    group("Durchbiegung", lu, s.w, s.phiW, s.w_xy, s.w_xz, length);
    group("Biegespannung", su, s.sigB, s.phiSigB, s.sigB_xy, s.sigB_xz, stress);
    out.WriteLine("Zug-/Druckspannung: " + f.Stress(s.sigZ) + " " + su);
    out.WriteRule();
    out.WriteLine("Vergleichsspannung: " + f.Stress(s.sigV) + " " + su + at(s.phiSigV));
    out.WriteRule();
    out.EndPage();
    return Finish(out);
}

}  // namespace bxr
