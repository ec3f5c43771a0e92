// Text printouts in the configured font: the report's printer destination and the text
// window's print. Lines are set one under another as they stand (the report's columns need a
// fixed-pitch font, which the configuration names); a form feed starts a new page.
#pragma once

#include <QFont>
#include <QString>
#include <functional>

#include "platform/text_printer.h"

class QPagedPaintDevice;
class QPrinter;
class QWidget;

namespace bxr::gui {

// The font of a printout: family, size in points, bold, italic, underline and strike-out from
// the style bits.
QFont PrintoutFont(const PrintFont& font);
// Paints the text onto the device's pages; the number of pages.
int PaintTextPages(QPagedPaintDevice& device, const QString& text, const QFont& font);

class QtTextPrinter : public TextPrinter {
  public:
    explicit QtTextPrinter(QWidget* parent) : parent_(parent) {}
    bool PrintText(const std::string& title, const std::string& text,
                   const PrintFont& font) override;
    // Picks the printer; the print dialog unless a test sets another.
    std::function<bool(QPrinter&)> choosePrinter;

  private:
    QWidget* parent_;
};

}  // namespace bxr::gui
