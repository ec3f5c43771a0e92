// The calculation document as a PDF file, typeset by the window program's painter; this
// header needs no toolkit.
#pragma once

#include <string>

#include "app/calc_document.h"
#include "platform/file_system.h"
#include "workspace/workspace.h"

namespace bxr::gui {

// Typesets the document and writes it to path (replacing a file there only when every byte
// is ready). Works without a display: where no application object exists, one is made on
// the offscreen platform for the time of the call. False with the reason (UTF-8) in message.
bool WriteCalcDocumentPdf(Workspace& ws, const CalcDocument& doc, const std::string& path,
                          FileSystem& files, std::string& message);

}  // namespace bxr::gui
