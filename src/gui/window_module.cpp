#include "gui/window_module.h"

#include "gui/calc_document_writer.h"
#include "gui/window_entry.h"

namespace {
const bxr::gui::WindowModule kModule{bxr::gui::kWindowModuleVersion,
                                     &bxr::gui::DisplayAvailable,
                                     &bxr::gui::NoDisplayMessage, &bxr::gui::RunWindow,
                                     &bxr::gui::WriteCalcDocumentPdf};
}  // namespace

extern "C" __attribute__((visibility("default"))) const bxr::gui::WindowModule*
bxr_window_module() {
    return &kModule;
}
