// The text window: the screen destination of the output channel in a fixed-pitch font, with
// find, print (a printer or a PDF file) and save as.
#pragma once

#include <QDialog>
#include <functional>

#include "platform/text_printer.h"
#include "platform/text_window.h"

class QPlainTextEdit;
class QLineEdit;

namespace bxr::gui {

class TextView : public QDialog {
    Q_OBJECT
  public:
    explicit TextView(QWidget* parent = nullptr);
    void SetText(const QString& title, const QString& text);
    QString Text() const;
    // Selects the next occurrence after the cursor; false when there is none.
    bool FindNext(const QString& what);
    bool SaveTo(const QString& path) const;
    // The print dialog, then the text in the print font.
    void Print();
    PrintFont printFont;

  private:
    QPlainTextEdit* edit_;
    QLineEdit* find_;
};

// The output channel's screen destination on the window's text view.
class QtTextWindow : public TextWindow {
  public:
    explicit QtTextWindow(QWidget* parent) : parent_(parent) {}
    void ShowText(const std::string& title, const std::string& text) override;
    TextView* view() { return view_; }
    // The configured print font at the time the text is shown.
    std::function<PrintFont()> printFont;

  private:
    QWidget* parent_;
    TextView* view_ = nullptr;
};

}  // namespace bxr::gui
