// The calculation document's preview: its pages as they will print, with "Speichern..." to
// write the PDF and "Abbrechen" to leave it.
#pragma once

#include <QWidget>

#include "app/calc_document.h"
#include "app/session.h"

namespace bxr::gui {


// Shows the preview modally; saving asks for the file and writes it.
void PreviewCalcDocument(QWidget* parent, Session& s, const CalcDocument& doc);

}  // namespace bxr::gui
