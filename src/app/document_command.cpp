#include "app/document_command.h"

#include "analysis/run_analysis.h"
#include "app/real_prompt.h"
#include "format/code_page.h"
#include "platform/ui.h"

namespace bxr {

void CalcDocumentCommand(Session& s) {
    Workspace& ws = s.ws;
    ws.abortFlag = false;
    ws.ui->SetHelpTopic(3100);
    auto required = AskRealInRange(*ws.ui, ws.output(), "Erforderliche Sicherheit S min",
                                   s.requiredSafety, 0.01L, 100);
    if (!required) {
        ws.abortFlag = true;
        return;
    }
    s.requiredSafety = *required;
    if (!ws.model.auxLoadsAppended) {
        if (s.calculate)
            s.calculate(ws);
        else
            RunAnalysis(ws);
    }
    CalcDocument doc;
    std::string message;
    if (!BuildCalcDocument(ws, s.fs(), *required, doc, message)) {
        ws.ui->ShowMessage(message);
        return;
    }
    if (s.shell) s.shell->PreviewCalcDocument(doc);
}

bool SaveCalcDocument(Session& s, const DocumentWriter& write) {
    Workspace& ws = s.ws;
    // Beside the project, as "Speichern unter" offers it (the window's name holds the folder).
    const std::string name = (ws.currentName.empty() ? std::string("bxr") : ws.currentName) + ".pdf";
    auto path = ws.ui->ChooseFileToSave("*.pdf|*.pdf", ws.dataFolder, name);
    if (!path) return false;
    FileSystem& files = s.fs();
    if (files.IsReadOnly(*path)) {
        ws.ui->ShowMessage("Datei " + *path + " ist schreibgeschützt und bleibt unverändert."_oem);
        return false;
    }
    if (files.IsFile(*path)) {
        ws.ui->SetHelpTopic(3100);
        auto replace = ws.ui->AskYesNo(*path + " existiert bereits.   " + "überschreiben"_oem + " ?");
        if (!replace || !*replace) return false;
    }
    std::string message;
    if (!write(*path, message)) {
        ws.ui->ShowMessage(Utf8ToOem(message));
        return false;
    }
    return true;
}

}  // namespace bxr
