#include "app/cad_batch.h"

#include <algorithm>
#include <ctime>
#include <memory>
#include <numbers>
#include <ostream>

#include "analysis/run_analysis.h"
#include "analysis/shaft_profile.h"
#include "format/code_page.h"
#include "graphics/beam_sketch.h"
#include "graphics/cad_settings.h"
#include "graphics/diagram_drawing.h"
#include "graphics/drawing_output.h"
#include "graphics/quick_page.h"
#include "graphics/section_drawing.h"
#include "graphics/section_stress_view.h"
#include "graphics/shaft_drawing.h"
#include "graphics/view_3d.h"
#include "sections/compute_section.h"

namespace bxr {

namespace {

bool IsImplemented(int job) {
    if (job >= 1 && job <= 7) return true;
    return job >= 10 && IsDiagramKind(job / 10) && job % 10 >= 1 && job % 10 <= 4;
}

// The section standing at point k: the contour's, or the circle or tube of the shaft section
// there, as its own contour.
SectionState SectionAtPoint(Workspace& ws, int k) {
    const ShaftProfile& shaft = ws.results.scratch.shaft;
    const bool stepped = shaft.active && shaft.n == ws.results.stations.n && k >= 0 &&
                         k <= shaft.n && shaft.at[static_cast<std::size_t>(k)] != 0;
    if (!stepped) return ws.section;
    const ShaftSection& sec =
        ws.model.shaftSections[shaft.at[static_cast<std::size_t>(k)]];
    auto round = std::make_unique<BeamModel>();
    round->arcDivision = ws.model.arcDivision;
    const Real pi = std::numbers::pi_v<Real>;
    const Real r = sec.D / 2, ri = sec.d / 2;
    const ContourPoint solid[] = {{r, 0, pi}, {-r, 0, pi}};
    const ContourPoint tube[] = {{r, 0, pi}, {-r, 0, pi}, {r, 0, 0},
                                 {ri, 0, -pi}, {-ri, 0, -pi}, {ri, 0, 0}};
    int n = 0;
    if (sec.d > 0)
        for (const ContourPoint& p : tube) round->contour[static_cast<std::size_t>(++n)] = p;
    else
        for (const ContourPoint& p : solid) round->contour[static_cast<std::size_t>(++n)] = p;
    round->contourCount = static_cast<std::uint16_t>(n);
    SectionState section;
    CalcMessages quiet;
    ComputeSectionProperties(*round, ws.output(), section, quiet);
    return section;
}

bool EnsureResults(Workspace& ws, std::string& message) {
    ws.abortFlag = false;
    if (!ws.model.auxLoadsAppended) RunAnalysis(ws);
    if (ws.messages.fatal || ws.abortFlag) {
        message = CalculationStopCause(ws);
        if (message.empty()) message = "Berechnung abgebrochen";
        return false;
    }
    return true;
}

bool StartsWith(const std::string& text, const std::string& head) {
    return text.compare(0, head.size(), head) == 0;
}

}  // namespace

std::string CalculationStopCause(const Workspace& ws) {
    std::string message;
    for (const auto& m : ws.messages.entries) message += (message.empty() ? "" : "; ") + m;
    for (const auto& m : ws.results.boxMessages) message += (message.empty() ? "" : "; ") + m;
    return message;
}

bool IsElementTextLine(const std::string& line) {
    return StartsWith(line, "MINMAX\t") || line == "SECTION BLOCKS" || line == "SECTION ENTITIES";
}

bool IsReportLine(const std::string& line) {
    return line == OemToDisplay(OutputSettings{}, "BXR  -  Trägerberechnung"_oem);
}

bool IsDrawingJob(int job) {
    if (job >= 1 && job <= 7) return true;
    return IsImplemented(job);
}

// Why a drawing of the section could not be made: the first calculation message.
std::string SectionFault(const Workspace& ws) {
    return ws.messages.entries.empty() ? "Querschnitt fehlerhaft" : ws.messages.entries[0];
}

bool DrawJob(Drawing& d, Workspace& ws, int job, const FrameContext& frame, std::string& message,
             const DrawJobOptions& options) {
    if (!IsImplemented(job)) {
        message = "Zeichnung " + std::to_string(job) + " ist nicht vorhanden";
        return false;
    }
    if (job == 1 || job == 6) {
        ComputeSectionProperties(ws);
        const SectionDrawingInput in{ws.model, ws.section, ws.messages, ws.documentation, frame};
        if (!DrawSectionVariant(d, job == 1 ? 1 : 5, in)) {
            message = SectionFault(ws);
            return false;
        }
        return true;
    }
    if (job == 5) {
        // The view needs the section only; a batch run opens no angle dialog.
        ComputeSectionProperties(ws);
        if (ws.messages.fatal) {
            message = SectionFault(ws);
            return false;
        }
        const Configuration& c = ws.config;
        // CAD files that keep the third coordinate get the body in space.
        Draw3DView(d, ws.model, ws.section,
                   options.angles ? *options.angles : ViewAngles(c.view3dX, c.view3dY, c.view3dZ),
                   true);
        return true;
    }
    if (job == 7) {
        // The shaft's geometry only: the contour stands where no shaft section lies.
        ComputeSectionProperties(ws);
        if (ws.messages.fatal) {
            message = SectionFault(ws);
            return false;
        }
        DrawShaftDrawing(d, ws.model, ws.section);
        return true;
    }
    if (job == 4) {
        const ExtremesDisplay shown = PrepareExtremes(ws);
        if (shown.outcome != ExtremesOutcome::Page) {
            message = CalculationStopCause(ws);
            if (message.empty()) message = "Berechnung abgebrochen";
            return false;
        }
        DrawQuickPage(d, shown.page);
        return true;
    }
    if (!EnsureResults(ws, message)) return false;
    if (job == 3) {
        DrawSchemaSheet(d, ws.model, ws.results.reactions);
        return true;
    }
    if (job == 2) {
        // Without a prompt: the position of the largest bending moment.
        const int k =
            std::clamp(options.stressPoint >= 0 ? options.stressPoint : ws.results.extremes.pointMb,
                       0, ws.results.stations.n);
        DrawSectionStressView(d, SectionAtPoint(ws, k), ws.results.stations[k]);
        return true;
    }
    DiagramInput in{ws.model, ws.results, options.askLimits};
    DrawDiagramSheet(d, job / 10, job % 10, in);
    return true;
}

int CadBatchKind(int cadType) {
    switch (cadType) {
        case 1:
            return static_cast<int>(CadOutput::Dxf);
        case 2:
            return static_cast<int>(CadOutput::Iges);
        case 5:
            return static_cast<int>(CadOutput::ElementText);
        case 6:
            return static_cast<int>(CadOutput::Svg);
        default:
            return 0;
    }
}

int RunCadBatch(Workspace& ws, const std::string& projectPath, int cadType, int cadIndex,
                FileSystem& fs, std::ostream& err, const std::string& word) {
    const std::string typed =
        word.empty() ? "/CAD" + std::to_string(cadType) + ":" + std::to_string(cadIndex) : word;
    const int kind = CadBatchKind(cadType);
    if (kind == 0) {
        err << "wbxr: " << typed << ": unbekannte Ausgabeart (1=DXF, 2=IGS, 5=TXT, 6=SVG)\n";
        return 1;
    }
    if (!IsDrawingJob(cadIndex)) {
        err << "wbxr: " << typed << ": unbekannte Zeichnung\n";
        return 1;
    }
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    FrameContext frame{projectPath,   local.tm_year + 1900, local.tm_mon + 1,
                       local.tm_mday, local.tm_hour,        local.tm_min};
    DrawingTarget target;
    target.kind = static_cast<CadOutput>(kind);
    target.path = StripExtension(projectPath) + "." + OutputExtension(target.kind);
    if (fs.SameFile(target.path, projectPath)) {
        err << "wbxr: die Zeichnung " << target.path << " würde die Projektdatei überschreiben; "
            << "nichts geschrieben.\n";
        return 1;
    }
    if (target.kind == CadOutput::ElementText && fs.IsFile(target.path)) {
        auto bytes = fs.Read(target.path, 4096);
        if (bytes && IsReportLine(bytes->substr(0, bytes->find_first_of("\r\n")))) {
            err << "wbxr: " << target.path << " enthält den Bericht (/I) und wird nicht durch "
                << "die Zeichnung ersetzt; nichts geschrieben.\n";
            return 1;
        }
    }
    if (fs.IsReadOnly(target.path)) {
        err << "wbxr: " << target.path << " ist schreibgeschützt und bleibt unverändert.\n";
        return 1;
    }
    target.fs = &fs;
    target.iges.year = frame.year;
    target.iges.month = frame.month;
    target.iges.day = frame.day;
    target.iges.author = ws.config.session.userName;
    const CadSettings cad = CadSettingsFrom(ws.config);
    ws.abortFlag = false;
    auto drawing = OpenDrawing(target, ws.output(), cad, ws.abortFlag);
    if (!drawing) {
        err << "wbxr: " << target.path << " kann nicht angelegt werden\n";
        return 1;
    }
    std::string message;
    if (!DrawJob(*drawing, ws, cadIndex, frame, message)) {
        err << "wbxr: " << OemToDisplay(ws.output(), message) << "\n";
        return 1;
    }
    if (!drawing->Close()) {
        err << "wbxr: " << drawing->failure() << "\n";
        return 1;
    }
    return 0;
}

}  // namespace bxr
