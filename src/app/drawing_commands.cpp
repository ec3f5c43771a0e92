#include "app/drawing_commands.h"

#include <algorithm>

#include "analysis/angle_math.h"
#include "analysis/run_analysis.h"
#include "app/angle_form.h"
#include "app/calc_message_display.h"
#include "app/cad_output.h"
#include "app/real_prompt.h"
#include "app/run_calculation.h"
#include "format/code_page.h"
#include "format/units.h"
#include "graphics/cad_settings.h"
#include "graphics/material_sheet.h"
#include "graphics/section_drawing.h"
#include "graphics/view_3d.h"
#include "platform/ui.h"
#include "sections/compute_section.h"

namespace bxr {

namespace {

// A drawing that cannot be made: the messages that stopped it, as the list with cause and
// remedy.
void ShowMessages(Workspace& ws, FileSystem& fs) {
    const bool stopped = ws.abortFlag;
    ShowCalcMessages(ws, false, fs);
    ws.abortFlag = stopped;
}

bool DrawSection(Workspace& ws, int variant, int mode, DrawingServices& s) {
    FileSystem& fs = s.fs ? *s.fs : DiskFileSystem();
    const CadSettings cad = CadSettingsFrom(ws.config);
    ComputeSectionProperties(ws);
    if (ws.messages.fatal) {
        ShowMessages(ws, fs);
        return false;
    }
    auto d = OpenCadOutput(ws, mode, cad, s.window, fs);
    if (!d) return false;
    DrawSectionVariant(*d, variant, {ws.model, ws.section, ws.messages, ws.documentation, s.frame});
    if (!d->Close()) {
        ws.ui->ShowMessage(d->failure());
        return false;
    }
    return true;
}

}  // namespace

bool RunDrawing(Workspace& ws, int job, int mode, DrawingServices& s) {
    ws.abortFlag = false;
    if (!IsDrawingJob(job)) return false;
    FileSystem& fs = s.fs ? *s.fs : DiskFileSystem();
    const CadSettings cad = CadSettingsFrom(ws.config);
    DrawJobOptions options;
    const bool needsResults = job != 1 && job != 5 && job != 6 && job != 7;
    if (needsResults) {
        if (!ws.model.auxLoadsAppended) RunCalculation(ws);
        if (ws.messages.fatal) {
            ShowMessages(ws, fs);
            return false;
        }
        if (ws.abortFlag) return false;
    }
    if (job == 2 && ws.ui) {
        const OutputSettings& out = ws.output();
        const Real proposal = PointPosition(ws.model, ws.results.extremes.pointMb);
        ws.ui->SetHelpTopic(7030);
        auto x = AskRealInRange(*ws.ui, out, "Position x",
                                ToDisplayUnits(out, Quantity::Length, proposal), 0,
                                ToDisplayUnits(out, Quantity::Length, ws.model.length));
        if (!x) {
            ws.abortFlag = true;
            return false;
        }
        options.stressPoint = PointIndex(ws.model, *x / ToDisplayUnits(out, Quantity::Length, 1));
    }
    if (job == 5 && cad.edit3D && ws.ui) {
        const Configuration& c = ws.config;
        AngleForm form(ViewAngles(c.view3dX, c.view3dY, c.view3dZ));
        ws.ui->RunForm(form);
        if (!form.Accepted()) {
            ws.abortFlag = true;
            return false;
        }
        options.angles = form.angles();
        // The confirmed angles stay for the rest of the session (and go into the
        // configuration file when the user saves it).
        Configuration& kept = ws.config;
        kept.view3dX = RadToDeg(form.angles()[0]);
        kept.view3dY = RadToDeg(form.angles()[1]);
        kept.view3dZ = RadToDeg(form.angles()[2]);
    }
    if (job >= 10 && cad.diagramLimitsDialog && mode != static_cast<int>(CadOutput::Window)) {
        Ui* ui = ws.ui;
        options.askLimits = [ui, &s](const std::string& title, const std::string& xLabel,
                                     const std::string& yLabel, Real& xmin, Real& xmax,
                                     Real& ymin, Real& ymax) {
            DiagramLimitsForm form(title, xLabel, yLabel, s.keptLimits, {xmin, xmax, ymin, ymax});
            ui->RunForm(form);
            if (!form.Accepted()) return false;
            s.keptLimits = form.limits();
            xmin = s.keptLimits[0];
            xmax = s.keptLimits[1];
            ymin = s.keptLimits[2];
            ymax = s.keptLimits[3];
            return true;
        };
    }
    auto d = OpenCadOutput(ws, mode, cad, s.window, fs);
    if (!d) return false;
    std::string message;
    if (!DrawJob(*d, ws, job, s.frame, message, options)) {
        ws.ui->ShowMessage(message);
        return false;
    }
    if (!d->Close()) {
        ws.ui->ShowMessage(d->failure());
        return false;
    }
    if (d->kind() == CadOutput::Plot && ws.ui) {
        auto line = AskPlotCommandLine(*ws.ui, ws.output(), cad);
        if (line) line = PlotCommandFitting(*ws.ui, fs, *line);
        if (!line) {
            ws.abortFlag = true;
            return false;
        }
        return StartPlotProgram(*ws.ui, s.launcher ? *s.launcher : SystemLauncher(), *line);
    }
    return true;
}

bool ShowMaterialSheet(Workspace& ws, DrawingServices& s) {
    if (!s.window) return false;
    ws.abortFlag = false;
    const CadSettings cad = CadSettingsFrom(ws.config);
    auto d = OpenCadOutput(ws, static_cast<int>(CadOutput::Window), cad, s.window,
                           s.fs ? *s.fs : DiskFileSystem());
    if (!d) return false;
    DrawMaterialSheet(*d, ws);
    return d->Close();
}

void SectionDrawingCommand(Workspace& ws, int variant, int mode, DrawingServices& s) {
    ws.abortFlag = false;
    if (variant >= 1 && variant <= 5) {
        DrawSection(ws, variant, mode, s);
        return;
    }
    const std::vector<std::string> items = {
        "Geometrie mit Tabelle", "nur Polylinie", "nur Tabelle", "Geometrie", "Formblatt",
        "zurück .."_oem};
    int last = 1;
    for (;;) {
        ws.ui->SetHelpTopic(4140);
        auto chosen = ws.ui->Choose("Bitte wählen .."_oem, items, last);
        if (!chosen || *chosen < 1 || *chosen >= 6) return;
        last = *chosen;
        DrawSection(ws, *chosen, mode, s);
        ws.abortFlag = false;
    }
}

void DiagramCommand(Workspace& ws, int kind, int plane, int mode, DrawingServices& s) {
    ws.abortFlag = false;
    if (plane == 0) {
        ws.ui->SetHelpTopic(1960);
        auto chosen = ws.ui->Choose("Ebene wählen"_oem,
                                    {"xy-Ebene", "xz-Ebene", "resultierende aus x-y und x-z Ebene",
                                     "xy-Ebene, xz-Ebene und Resultierende", "zurück .."_oem},
                                    1);
        if (!chosen || *chosen < 1 || *chosen > 4) return;
        plane = *chosen;
    }
    RunDrawing(ws, 10 * kind + plane, mode, s);
}

void CadDiagramSeries(Workspace& ws, DrawingServices& s) {
    ws.abortFlag = false;
    const std::vector<std::string> kinds = {
        "Querkraftverlauf", "Biegemomentverlauf", "Biegelinie",         "Biegewinkel",
        "Biegespannung",    "Zug/Druck",          "Vergleichsspannung", "zurück ..."};
    const std::vector<std::string> planes = {
        "x-y Ebene", "x-z Ebene", "resultierende aus x-y und x-z Ebene",
        "x-y Ebene, x-z Ebene und Resultierende", "zurück .."_oem};
    ws.ui->SetHelpTopic(1960);
    auto item = ws.ui->Choose("gewünschtes Diagramm wählen .."_oem, kinds, 1);
    if (!item || *item < 1 || *item > 7) return;
    static constexpr int kKinds[7] = {1, 2, 3, 4, 5, 7, 8};
    for (int i = *item; i <= 7 && !ws.abortFlag; ++i) {
        for (;;) {
            ws.ui->SetHelpTopic(1960);
            auto plane = ws.ui->Choose("Ebene wählen"_oem, planes, 1);
            if (!plane) return;
            if (*plane < 1 || *plane > 4) break;
            RunDrawing(ws, 10 * kKinds[i - 1] + *plane, 0, s);
            if (ws.abortFlag) return;
        }
        if (kKinds[i - 1] == 7) return;  // the series ends after tension/compression
    }
}

}  // namespace bxr
