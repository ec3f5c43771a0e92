#include "app/command_line.h"

#include <unistd.h>

#include <ostream>

#include "analysis/run_analysis.h"
#include "app/cad_batch.h"
#include "app/calc_document.h"
#include "app/calc_message_display.h"
#include "app/dxf_import.h"
#include "app/folder_batch.h"
#include "app/select_material.h"
#include "app/unasked_report.h"
#include "config/config_file.h"
#include "format/code_page.h"
#include "format/number_format.h"
#include "format/text_helpers.h"
#include "model/project_file.h"
#include "report/output_channel.h"
#include "report/results_report.h"
#include "workspace/workspace.h"

namespace bxr {

namespace {

constexpr std::size_t kMaxProjectBytes = 16u << 20;

std::string CurrentFolder() {
    char buffer[4096];
    return ::getcwd(buffer, sizeof buffer) ? std::string(buffer) : std::string(".");
}

std::string Display(const std::string& oem) {
    return OemToDisplayLong(OutputSettings{}, oem);
}

bool HasExtension(const std::string& file) {
    return FileNameOf(file).find('.') != std::string::npos;
}

// Reads the project into the workspace; false with a one-line message when it cannot.
bool ReadProject(const std::string& file, Workspace& ws, FileSystem& files, std::ostream& err) {
    switch (files.KindOf(file)) {
        case PathKind::File:
            break;
        case PathKind::Missing:
            err << "wbxr: Projektdatei " << file << " nicht gefunden.\n";
            return false;
        case PathKind::Folder:
            err << "wbxr: " << file << " ist ein Ordner, keine Projektdatei.\n";
            return false;
        case PathKind::Fifo:
            err << "wbxr: " << file << " ist eine Pipe (FIFO), keine Projektdatei.\n";
            return false;
        case PathKind::Device:
            err << "wbxr: " << file << " ist eine Gerätedatei, keine Projektdatei.\n";
            return false;
        case PathKind::Other:
            err << "wbxr: " << file << " ist keine gewöhnliche Datei, keine Projektdatei.\n";
            return false;
    }
    auto bytes = files.Read(file, kMaxProjectBytes);
    if (!bytes) {
        err << "wbxr: Projektdatei " << file << " kann nicht gelesen werden.\n";
        return false;
    }
    ReadReport report = ReadProjectText(*bytes, ws.model, ws.documentation);
    if (!report.Ok()) {
        err << "wbxr: Projektdatei " << file << " ist beschädigt oder unvollständig (Zeile "
            << report.line << "); nichts wurde geladen.\n";
        return false;
    }
    ws.currentName = StripExtension(FileNameOf(file));
    RestoreMaterialStrengths(ws, files);
    return true;
}

// The settings of the configuration in the working folder (or the fallback folder) shape
// every batch output: units, decimals, line style, lines per page, the axis angles of the
// 3-D view, the DXF decimals. Without one the defaults hold.
void ReadBatchConfiguration(Workspace& ws, const BatchContext& context, FileSystem& files) {
    ws.config.programFolder = context.programFolder;
    ws.config.workingFolder =
        context.workingFolder.empty() ? CurrentFolder() : context.workingFolder;
    ws.config.configFolder = ws.config.workingFolder;
    ReadConfiguration(ws.config, files, ScreenInfo{});
}

// What the calculation named when it stopped: its messages and its message boxes.
std::string StopCause(const Workspace& ws) {
    std::string joined;
    for (const auto& m : ws.messages.entries) joined += (joined.empty() ? "" : " | ") + m;
    for (const auto& m : ws.results.boxMessages) joined += (joined.empty() ? "" : " | ") + m;
    return joined;
}

std::string FirstLine(FileSystem& files, const std::string& path) {
    auto bytes = files.Read(path, 4096);
    if (!bytes) return {};
    return bytes->substr(0, bytes->find_first_of("\r\n"));
}

int RunReport(const CommandLine& cl, BatchContext& context, FileSystem& files) {
    Workspace ws;
    ReadBatchConfiguration(ws, context, files);
    if (!ReadProject(cl.file, ws, files, context.err)) return kExitFailed;

    // The report never replaces the project it was made from (a project named "p.txt"), nor
    // the element text that "/CAD5:j" wrote under the same name.
    const std::string target =
        JoinPath(context.workingFolder.empty() ? CurrentFolder() : context.workingFolder,
                 ws.currentName + ".txt");
    if (files.SameFile(target, cl.file)) {
        context.err << "wbxr: der Bericht " << target << " würde die Projektdatei " << cl.file
                    << " überschreiben; nichts geschrieben.\n";
        return kExitFailed;
    }
    if (files.IsFile(target) && IsElementTextLine(FirstLine(files, target))) {
        context.err << "wbxr: " << target
                    << " enthält eine Zeichnung (/CAD5) und wird nicht durch den Bericht "
                       "ersetzt; nichts geschrieben.\n";
        return kExitFailed;
    }

    // A temporary folder from another installation is no use here: the environment's then.
    std::string tempFolder = ChannelSettingsFrom(ws.config).tempFolder;
    if (!tempFolder.empty() && !files.IsFolder(tempFolder)) tempFolder.clear();
    ChannelEnvironment env = UnaskedReportChannel(ws, files, context.workingFolder, tempFolder);
    env.projectFile = cl.file;
    OutputChannel out(env);

    ReportOutcome outcome = WriteUnaskedReport(ws, files, out);
    if (outcome == ReportOutcome::FatalMessages) {
        // The calculation found the model unusable: there is no report to hand over.
        context.err << "wbxr: " << cl.file
                    << ": Berechnung nicht möglich: " << Display(StopCause(ws)) << "\n";
        return kExitFailed;
    }
    if (outcome == ReportOutcome::Aborted && !out.IsOpen() && out.notices().empty() &&
        !StopCause(ws).empty()) {
        // The calculation stopped before the output began: name what stopped it.
        context.err << "wbxr: " << cl.file << ": Berechnung abgebrochen: " << Display(StopCause(ws))
                    << "\n";
        return kExitFailed;
    }
    if (outcome == ReportOutcome::Aborted) {
        std::string why =
            out.notices().empty() ? std::string("Ausgabe abgebrochen") : out.notices().back();
        context.err << "wbxr: Bericht für " << cl.file << " nicht geschrieben: " << Display(why)
                    << "\n";
        return kExitFailed;
    }
    if (!cl.noGui)
        for (const auto& m : ws.messages.entries) context.err << "wbxr: " << Display(m) << "\n";
    return kExitOk;
}

int RunCad(const CommandLine& cl, BatchContext& context, FileSystem& files) {
    Workspace ws;
    ReadBatchConfiguration(ws, context, files);
    if (!ReadProject(cl.file, ws, files, context.err)) return kExitFailed;
    const int code =
        RunCadBatch(ws, cl.file, cl.cadType, cl.cadIndex, files, context.err, cl.cadWord);
    if (code == kExitOk && !cl.noGui)
        for (const auto& m : ws.messages.entries) context.err << "wbxr: " << Display(m) << "\n";
    return code;
}

// The batch form over every project of the folder named in place of a project, each run as
// if it had been named alone.
int RunForEveryProject(const CommandLine& cl, BatchContext& context, FileSystem& files,
                       int (*runOne)(const CommandLine&, BatchContext&, FileSystem&)) {
    FolderRunOptions options;
    options.progress = context.errIsTerminal;
    auto run = [&](const std::string& project, std::ostream& err) {
        CommandLine one = cl;
        one.file = project;
        BatchContext own{context.out, err, context.workingFolder, context.programFolder,
                         &files, nullptr, false, {}};
        return runOne(one, own, files);
    };
    return RunFolderBatch(cl.file, files, context.err, run, options);
}

// The calculation document, refused and answered as the report of "/I" is.
int RunDocument(const CommandLine& cl, BatchContext& context, FileSystem& files) {
    Real required = kDefaultRequiredSafety;
    if (!cl.requiredSafety.empty()) {
        auto typed = ParseRequiredSafety(cl.requiredSafety);
        if (!typed) {
            context.err << "wbxr: /SMIN:" << cl.requiredSafety
                        << ": erwartet die erforderliche Sicherheit als Zahl über 0 bis 100 "
                           "(z. B. /SMIN:1.5)\n";
            return kExitFailed;
        }
        required = *typed;
    }
    if (!context.writeDocument) {
        context.err << "wbxr: das Berechnungsdokument (PDF) braucht das Programmfenster, das "
                       "dieser Version fehlt; der Bericht läuft mit: wbxr Projekt.bxr /I /NOGUI\n";
        return kExitFailed;
    }
    Workspace ws;
    ReadBatchConfiguration(ws, context, files);
    if (!ReadProject(cl.file, ws, files, context.err)) return kExitFailed;
    const std::string target =
        JoinPath(context.workingFolder.empty() ? CurrentFolder() : context.workingFolder,
                 ws.currentName + ".pdf");
    if (files.SameFile(target, cl.file)) {
        context.err << "wbxr: das Dokument " << target << " würde die Projektdatei " << cl.file
                    << " überschreiben; nichts geschrieben.\n";
        return kExitFailed;
    }
    if (files.IsReadOnly(target)) {
        context.err << "wbxr: " << target << " ist schreibgeschützt und bleibt unverändert.\n";
        return kExitFailed;
    }
    CalcDocument doc;
    std::string message;
    if (!BuildCalcDocument(ws, files, required, doc, message)) {
        context.err << "wbxr: " << cl.file << ": " << Display(message) << "\n";
        return kExitFailed;
    }
    if (!context.writeDocument(ws, doc, target, message)) {
        context.err << "wbxr: Dokument für " << cl.file << " nicht geschrieben: " << message
                    << "\n";
        return kExitFailed;
    }
    if (!cl.noGui)
        for (const auto& m : ws.messages.entries) context.err << "wbxr: " << Display(m) << "\n";
    return kExitOk;
}

// The contour of the drawing into the project, which is written back (or made).
int RunImportDxf(const CommandLine& cl, BatchContext& context, FileSystem& files) {
    Workspace ws;
    if (!HasExtension(cl.file)) {
        context.err << "Erweiterung ." << kProjectExtension << " muß mit angegeben werden\n";
        return kExitFailed;
    }
    if (files.IsFile(cl.file) && !ReadProject(cl.file, ws, files, context.err)) return kExitFailed;
    std::string message;
    if (!ImportDxfFile(ws, files, cl.dxfFile, cl.dxfLayer, message)) {
        context.err << "wbxr: " << cl.dxfFile << ": " << Display(message) << "\n";
        return kExitFailed;
    }
    if (!WriteFileSafely(files, cl.file,
                         ProjectFileText(ws.model, ws.documentation, ws.output()))) {
        context.err << "wbxr: Projektdatei " << cl.file << " kann nicht geschrieben werden.\n";
        return kExitFailed;
    }
    return kExitOk;
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& params) {
    CommandLine cl;
    if (params.empty()) return cl;
    cl.noGui = HasParam(params, "/NOGUI");
    if (params[0] == "?" || params[0] == "/?") {
        cl.form = CommandLine::Form::Usage;
        return cl;
    }
    cl.file = params[0];
    cl.form = CommandLine::Form::Plain;
    if (params.size() < 2) return cl;
    const std::string& mode = params[1];
    if (mode == "/I" || mode == "/i") {
        cl.form = CommandLine::Form::Report;
    } else if (UpperText(mode.substr(0, 4)) == "/CAD") {
        cl.form = CommandLine::Form::Cad;
        cl.cadWord = mode;
        // "/CAD", the output kind as one digit, ":", the drawing number; nothing else.
        auto digits = [](std::string_view t) {
            return !t.empty() && t.find_first_not_of("0123456789") == std::string_view::npos;
        };
        const std::string_view w(mode);
        if (w.size() >= 7 && digits(w.substr(4, 1)) && w[5] == ':' && digits(w.substr(6)) &&
            w.size() - 6 <= 9) {
            cl.cadWordOk = true;
            cl.cadType = mode[4] - '0';
            cl.cadIndex = std::stoi(mode.substr(6));
        }
    } else if (UpperText(mode) == "/PDF") {
        cl.form = CommandLine::Form::Document;
        for (const std::string& p : params)
            if (UpperText(p.substr(0, 6)) == "/SMIN:") cl.requiredSafety = p.substr(6);
    } else if (mode == "/E" || mode == "/e" || mode == "/G") {
        cl.form = CommandLine::Form::Edit;
    } else if (UpperText(mode.substr(0, 5)) == "/DXF:") {
        cl.form = CommandLine::Form::ImportDxf;
        cl.dxfFile = mode.substr(5);
        for (const std::string& p : params)
            if (UpperText(p.substr(0, 7)) == "/LAYER:") cl.dxfLayer = p.substr(7);
    }
    return cl;
}

std::vector<std::string> UsageLines() {
    const std::string name = std::string("w") + kProjectExtension;
    const std::string example = "Example: " + name;
    const std::string project = std::string(" test.") + kProjectExtension;
    return {"BXR Command Line Mode",
            "",
            name + " Filename [/I] [/CADi:j] [/NOGUI]",
            "",
            "/I       -> TXT file",
            "",
            "/CADi:j  -> CAD File",
            "            i: 1=DXF, 2=IGS, 5=TXT",
            "             j: index (1,2,3, ..)",
            "",
            "/NOGUI   -> No GUI, exit on fatal error",
            "",
            "/DXF:f [/LAYER:l] -> contour of DXF file f into the project",
            "",
            "/PDF [/SMIN:x] -> PDF calculation document, required safety x",
            "",
            "/?       -> Help",
            "",
            example + project + " /DXF:profil.dxf ->  test.bxr",
            example + project + "             ->  GUI",
            example + project + " /I /NOGUI   ->  test.txt",
            example + project + " /CAD1:1     ->  test.dxf",
            example + project + " /PDF        ->  test.pdf",
            example + " test.edi /E /NOGUI   ->  test.edi",
            // The folder form, after the screen's own lines.
            "",
            example + " projekte /I /NOGUI   ->  projekte/*.bxr -> *.txt"};
}

int RunCommandLine(const std::vector<std::string>& params, BatchContext& context) {
    FileSystem& files = context.files ? *context.files : DiskFileSystem();
    const CommandLine cl = ParseCommandLine(params);
    switch (cl.form) {
        case CommandLine::Form::Usage:
            for (const auto& line : UsageLines()) context.out << line << "\n";
            return kExitOk;
        case CommandLine::Form::Report:
            if (files.KindOf(cl.file) == PathKind::Folder)
                return RunForEveryProject(cl, context, files, RunReport);
            return RunReport(cl, context, files);
        case CommandLine::Form::ImportDxf:
            return RunImportDxf(cl, context, files);
        case CommandLine::Form::Document:
            return RunDocument(cl, context, files);
        case CommandLine::Form::Cad:
            if (!cl.cadWordOk) {
                context.err << "wbxr: " << cl.cadWord
                            << ": erwartet /CADi:j (i: 1=DXF, 2=IGS, 5=TXT, 6=SVG; j: "
                               "Nummer der Zeichnung)\n";
                return kExitFailed;
            }
            if (files.KindOf(cl.file) == PathKind::Folder)
                return RunForEveryProject(cl, context, files, RunCad);
            return RunCad(cl, context, files);
        case CommandLine::Form::Plain:
            if (!HasExtension(cl.file)) {
                context.err << "Erweiterung ." << kProjectExtension
                            << " muß mit angegeben werden\n";
                return kExitOk;
            }
            [[fallthrough]];
        case CommandLine::Form::Edit:
        case CommandLine::Form::Window:
            if (context.startWindow) return context.startWindow(cl);
            context.err << "wbxr: das Programmfenster ist in dieser Version noch nicht verfügbar; "
                           "ohne Fenster läuft der Bericht: wbxr Projekt.bxr /I /NOGUI\n";
            return kExitNoWindow;
    }
    return kExitFailed;
}

}  // namespace bxr
