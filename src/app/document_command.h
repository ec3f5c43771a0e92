// File -> "Berechnungsdokument (PDF)...": the required safety is asked for, the results are
// brought up to date, the document is gathered and shown in the window's preview, from
// which it is saved.
#pragma once

#include <functional>
#include <string>

#include "app/calc_document.h"
#include "app/session.h"

namespace bxr {

// Asks for the required safety (the last one offered again), calculates when the results
// are not current and hands the document to the shell's preview. Cancelling the question
// sets the abort flag; a calculation that fails shows its messages.
void CalcDocumentCommand(Session& s);

// Writes the document to a file the user names ("<project>.pdf" offered beside the project):
// an existing file is replaced only when the user agrees, a read-only one never. write
// typesets the document to the path and gives false with the reason. False when nothing was
// written.
using DocumentWriter = std::function<bool(const std::string& path, std::string& message)>;
bool SaveCalcDocument(Session& s, const DocumentWriter& write);

}  // namespace bxr
