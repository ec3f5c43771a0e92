#include "app/documentation_commands.h"

#include "app/documentation_dialogs.h"
#include "format/code_page.h"
#include "format/text_helpers.h"
#include "platform/ui.h"

namespace bxr {
namespace {

// OK marks the project changed; anything else stops the command.
bool RunDocumentationDialog(Workspace& ws, FormModel& dialog) {
    ws.ui->RunForm(dialog);
    if (dialog.Accepted()) {
        ws.model.modified = true;
        return true;
    }
    ws.abortFlag = true;
    return false;
}

bool RunChangeDialog(Workspace& ws, int n, const std::string& today) {
    ChangeDialog dialog(ws.documentation.changes[n], n, today);
    return RunDocumentationDialog(ws, dialog);
}

// Program fields written on Windows (empty, "NOTEPAD.EXE", "C:\...") mean: the desktop's
// default program for the file.
bool IsDesktopDefault(const std::string& program) {
    const std::string p = TrimBlanks(program);
    if (p.empty()) return true;
    if (p.find('\\') != std::string::npos || (p.size() >= 2 && p[1] == ':')) return true;
    const std::string upper = UpperText(p);
    return upper.size() > 4 && upper.compare(upper.size() - 4, 4, ".EXE") == 0;
}

}  // namespace

void ChangeCommand(Workspace& ws, int preset, const std::string& today,
                   const ChangeListOutput& list) {
    ws.abortFlag = false;
    ProjectDocumentation& doc = ws.documentation;
    if (preset == 0) {
        const std::vector<std::string> options = {"neu",           "ändern"_oem, "löschen"_oem,
                                                  "anzeigen",      "Ausdruck",   "Zeichnungsinfo",
                                                  "zurück...."_oem};
        ws.ui->SetHelpTopic(2600);
        const auto chosen = ws.ui->Choose("Änderungen"_oem, options, 4);
        if (!chosen || *chosen < 1 || *chosen > 6) return;
        preset = *chosen;
    }
    auto show = [&](int destination) {
        if (list) list(destination);
    };
    switch (preset) {
        case 1:
            if (doc.changeCount >= kMaxChanges) {
                ws.ui->ShowMessage("Max. Änderungen = 25 !"_oem);
                return;
            }
            ++doc.changeCount;
            // A fresh record: a change deleted earlier must not come back in the dialog.
            doc.changes[doc.changeCount] = ChangeRecord{};
            doc.changes[doc.changeCount].date = CutText(today, kChangeDateLength);
            if (!RunChangeDialog(ws, doc.changeCount, today)) {
                --doc.changeCount;  // cancelled: no empty change is left behind
                return;
            }
            show(1);
            return;
        case 2:
            if (doc.changeCount == 0) return;
            if (RunChangeDialog(ws, doc.changeCount, today)) show(1);
            return;
        case 3:
            if (doc.changeCount > 0) {
                --doc.changeCount;
                ws.model.modified = true;
            }
            show(1);
            return;
        case 4:
            show(1);
            return;
        case 5:
            show(4);
            return;
        case 6:
            DrawingDataCommand(ws, today);
            return;
        default:
            return;
    }
}

bool DrawingDataCommand(Workspace& ws, const std::string& today) {
    DrawingDataDialog dialog(ws.documentation.drawing, ws.config.releaseFieldText, today,
                             ws.output());
    return RunDocumentationDialog(ws, dialog);
}

bool DocumentSetupCommand(Workspace& ws) {
    LinkDialog dialog(ws.documentation, ws.ui);
    return RunDocumentationDialog(ws, dialog);
}

std::string DocumentCommandLine(const DocumentLink& link) {
    return link.program + " " + link.file;
}

std::vector<std::string> DocumentArguments(const DocumentLink& link) {
    const std::string file = TrimBlanks(link.file);
    if (IsDesktopDefault(link.program)) {
        if (file.empty()) return {};
        return {"xdg-open", file};
    }
    std::vector<std::string> argv{TrimBlanks(link.program)};
    if (!file.empty()) argv.push_back(file);
    return argv;
}

bool StartDocumentLink(const Workspace& ws, int n, ProcessLauncher& launcher) {
    if (n < 1 || n > kDocumentLinks) return false;
    const auto argv = DocumentArguments(ws.documentation.links[n]);
    if (argv.empty()) return false;
    return launcher.StartDetached(argv);
}

}  // namespace bxr
