#include "app/cad_output.h"

#include "app/calc_message_display.h"
#include "format/code_page.h"
#include "format/number_format.h"
#include "graphics/drawing_output.h"
#include "platform/ui.h"

namespace bxr {

std::vector<std::string> CadCodeItems() {
    return {"DXF",
            "IGES",
            "Kontrollausgabe auf Bildschirm",
            "Ausgabe auf Laserprinter/Plotter mit QUILMAR",
            "TXT",
            "SVG"};
}

std::unique_ptr<Drawing> OpenCadOutput(Workspace& ws, int mode, const CadSettings& cad,
                                       DisplayList* window, FileSystem& fs) {
    int kind = mode;
    if (mode == 0) {
        ws.ui->SetHelpTopic(1920);
        auto chosen = ws.ui->Choose("CAD-Code", CadCodeItems(), 1);
        if (!chosen) {
            ws.abortFlag = true;
            return nullptr;
        }
        kind = *chosen;
    }
    DrawingTarget target;
    target.kind = static_cast<CadOutput>(kind);
    target.fs = &fs;
    target.window = window;
    const std::string ext = OutputExtension(target.kind);
    const std::string project = ws.currentName.empty() ? std::string("bxr") : ws.currentName;
    if (target.kind == CadOutput::Plot) {
        target.path = JoinPath(ConfiguredTempFolder(ws.config), "quilmar.dxf");
        ws.ui->ShowMessage(target.path + " wird geplottet..");
    } else if (!ext.empty()) {
        auto file = ws.ui->ChooseFileToSave("*." + ext + "|*." + ext + "|*.*|*.*",
                                            ws.config.cadFolder, project + "." + ext);
        if (!file || file->empty()) {
            ws.abortFlag = true;
            return nullptr;
        }
        target.path = *file;
        if (FileNameOf(target.path).find('.') == std::string::npos) target.path += "." + ext;
    }
    auto drawing = OpenDrawing(target, ws.output(), cad, ws.abortFlag);
    if (drawing) drawing->SetBlockFiles(fs, ConfiguredTempFolder(ws.config));
    return drawing;
}

namespace {

// The prompts of the plot program's command line and its batch file.
constexpr int kPlotHelp = 1940;

std::optional<std::string> Text(Ui& ui, const std::string& prompt, const std::string& current,
                                std::size_t max) {
    ui.SetHelpTopic(kPlotHelp);
    auto t = ui.AskText(prompt, current);
    if (t && t->size() > max) t->resize(max);
    return t;
}

}  // namespace

std::optional<std::string> AskPlotCommandLine(Ui& ui, const OutputSettings& out,
                                              const CadSettings& cad) {
    std::string line = cad.plotCommandLines.empty() ? std::string() : cad.plotCommandLines[0];
    if (cad.plotCommandLines.size() >= 2) {
        ui.SetHelpTopic(kPlotHelp);
        auto c = ui.Choose("QUILMAR Command Line", cad.plotCommandLines, 1);
        if (!c) return std::nullopt;
        line = cad.plotCommandLines[static_cast<std::size_t>(*c - 1)];
    }
    auto typed = Text(ui, "QUILMAR-Kommandozeile (0=Parameter)", line, 60);
    if (!typed) return std::nullopt;
    if (!typed->empty() && *typed != "0") return *typed;

    PlotCommandAnswers a;
    ui.SetHelpTopic(kPlotHelp);
    auto program = ui.Choose("QUILMAR/WQUILMAR", {"wquilmar.exe", "quilmar.exe"}, 1);
    if (!program) return std::nullopt;
    a.windowsProgram = *program == 1;
    const std::string name = a.windowsProgram ? "wquilmar.exe" : "quilmar.exe";
    auto dir = Text(ui, "Programmverzeichnis von " + name, "c:\\quilmar", 40);
    if (!dir) return std::nullopt;
    a.directory = *dir;
    ui.SetHelpTopic(kPlotHelp);
    auto format = ui.Choose("Ausgabeformat", {"HPL", "PS", "PLT", "PL2", "ART"}, 1);
    if (!format) return std::nullopt;
    a.format = *format;
    if (a.format == 1) {
        auto file = Text(ui, "Dateiname oder Wildcard", "*.dxf", 60);
        if (!file) return std::nullopt;
        a.file = *file;
    } else {
        a.file = a.directory + (a.directory.empty() ? "" : "/") + "quilmar";
    }
    ui.SetHelpTopic(kPlotHelp);
    auto port =
        ui.Choose("Ausgabeschnittstelle", {"COM-Port", "LPT-Port", "Name der Ausgabedatei"}, 2);
    if (!port) return std::nullopt;
    a.interface = *port;
    if (a.interface <= 2) {
        ui.SetHelpTopic(kPlotHelp);
        auto p = ui.Choose(a.interface == 1 ? "COM-Port" : "LPT-Port", {"1", "2", "3", "4"}, 1);
        if (!p) return std::nullopt;
        a.port = *p;
    } else {
        auto f = Text(ui, "Name der Ausgabedatei", "", 30);
        if (!f) return std::nullopt;
        a.outputFile = *f;
    }
    auto number = [&](const std::string& prompt, Real current) -> std::optional<Real> {
        ui.SetHelpTopic(kPlotHelp);
        auto t = ui.AskText(prompt, FormatFree(out, current));
        if (!t) return std::nullopt;
        return ParseFloat(*t);
    };
    auto scale = number("Maßstab (0=anpassen)"_oem, 1);
    if (!scale) return std::nullopt;
    a.scale = *scale;
    ui.SetHelpTopic(kPlotHelp);
    auto rotate = ui.AskYesNo("Plot um 90 Grad drehen ?");
    if (!rotate) return std::nullopt;
    a.rotated = *rotate;
    auto x = number("Nullpunktverschiebung in x-Richtung", 0);
    if (!x) return std::nullopt;
    a.xOffset = *x;
    auto y = number("Nullpunktverschiebung in y-Richtung", 0);
    if (!y) return std::nullopt;
    a.yOffset = *y;
    auto w = number("Textbreitenfaktor", 1);
    if (!w) return std::nullopt;
    a.textWidthFactor = *w;
    if (a.format == 2) {
        auto font = Text(ui, "Postscript-Zeichensatz", "", 40);
        if (!font) return std::nullopt;
        a.postscriptFont = *font;
    }
    return BuildPlotCommandLine(out, a);
}

std::optional<std::string> PlotCommandFitting(Ui& ui, FileSystem& fs, const std::string& line) {
    if (line.size() <= kMaxPlotCommandLength) return line;
    ui.ShowMessage("Kommandozeile zu lang, Es wird eine Batch-Datei erzeugt.");
    for (;;) {
        ui.SetHelpTopic(kPlotHelp);
        auto name = ui.AskText("Name der Batch-Datei (ohne .bat)", "");
        if (!name) return std::nullopt;
        std::string n = name->substr(0, 20);
        if (n.empty() || n.find('.') != std::string::npos) continue;
        if (WriteFileSafely(fs, n + ".BAT", line + "\r\n")) return n + ".BAT";
        ui.ShowMessage("Datei " + n + ".BAT " + "kann nicht angelegt werden");
    }
}

bool StartPlotProgram(Ui& ui, ProcessLauncher& launcher, const std::string& command) {
    std::vector<std::string> argv;
    std::string word;
    for (char c : command) {
        if (c == ' ') {
            if (!word.empty()) argv.push_back(word);
            word.clear();
        } else {
            word += c;
        }
    }
    if (!word.empty()) argv.push_back(word);
    if (argv.empty() || !launcher.ProgramExists(argv[0])) {
        ui.ShowMessage("file not found");
        return false;
    }
    if (!launcher.StartDetached(argv)) {
        ui.ShowMessage("Exec error " + argv[0]);
        return false;
    }
    return true;
}

DiagramLimitsForm::DiagramLimitsForm(const std::string& title, const std::string& xLabel,
                                     const std::string& yLabel, const std::array<Real, 4>& kept,
                                     const std::array<Real, 4>& computed)
    : limits_(kept), computed_(computed) {
    caption = "BXR  " + title;
    const OutputSettings plain;
    fields = {LabelField("Label_x", xLabel),
              LabelField("Label_y", yLabel),
              TextField("Edit_xmin", "xmin", FormatFree(plain, kept[0])),
              TextField("Edit_xmax", "xmax", FormatFree(plain, kept[1])),
              TextField("Edit_ymin", "ymin", FormatFree(plain, kept[2])),
              TextField("Edit_ymax", "ymax", FormatFree(plain, kept[3]))};
    help = 1950;
    buttons = {PushButton("Button_calc", "Calculate"), OkButton(), CancelButton(),
               HelpButton("Button_help", "&Hilfetext", 1950)};
}

bool DiagramLimitsForm::Press(const std::string& name) {
    static const char* const kEdits[4] = {"Edit_xmin", "Edit_xmax", "Edit_ymin", "Edit_ymax"};
    const OutputSettings plain;
    if (name == "Button_calc") {
        for (int i = 0; i < 4; ++i)
            Field(kEdits[i])->text = FormatFree(plain, computed_[static_cast<std::size_t>(i)]);
        return false;
    }
    if (name == "Button_help") {
        helpShown = 1950;
        return false;
    }
    if (name == "Button_ok") {
        for (int i = 0; i < 4; ++i)
            limits_[static_cast<std::size_t>(i)] = ParseFloat(Field(kEdits[i])->text);
        return Close(true);
    }
    if (name == "Button_cancel") {
        return Close(false);
    }
    return false;
}

}  // namespace bxr
