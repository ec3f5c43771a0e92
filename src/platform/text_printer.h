// Printing a text on the desktop's printer in the configured font. The window prints through
// its print dialog; without one the output channel hands the file to the print command.
#pragma once

#include <string>

namespace bxr {

struct PrintFont {
    std::string family = "Courier New";  // UTF-8
    int pointSize = 10;
    int style = 0;  // bits: 1 bold, 2 italic, 4 underline, 8 strike-out
};

class TextPrinter {
  public:
    virtual ~TextPrinter() = default;
    // text is UTF-8, lines end with "\n", a form feed starts a new page. False when nothing
    // was printed (the user cancelled, or the printer failed).
    virtual bool PrintText(const std::string& title, const std::string& text,
                           const PrintFont& font) = 0;
};

}  // namespace bxr
