// Typesetting the calculation document on A4 pages of any paged device: the PDF writer for
// the file, the printer of the preview. Tables in a proportional font with the figures
// aligned right, the drawings replayed by the window's painter on white paper, a header and
// a footer on every page.
#pragma once

#include <QPagedPaintDevice>
#include <QPainter>
#include <string>
#include <vector>

#include "app/calc_document.h"
#include "report/pdf_outline.h"
#include "workspace/workspace.h"

namespace bxr::gui {

inline constexpr int kDocumentResolution = 600;  // dots per inch of the PDF's page space

// A4 portrait with no margins of the device's own: the pages set their margins themselves.
void SetUpDocumentDevice(QPagedPaintDevice& device);
// "<drawing name>" or the project name when the drawing has none.
std::string DocumentTitle(const CalcDocument& doc);
// The program and its version.
std::string DocumentCreator();

class CalcDocumentPages {
  public:
    CalcDocumentPages(Workspace& ws, const CalcDocument& doc) : ws_(ws), doc_(doc) {}
    // Lays the pages out once to count them, then paints them; the bookmarks (when asked
    // for) point at the parts and the report's blocks. False when the device cannot be
    // painted on.
    bool Paint(QPagedPaintDevice& device, std::vector<PdfBookmark>* bookmarks);

  private:
    Workspace& ws_;
    const CalcDocument& doc_;
};

}  // namespace bxr::gui
