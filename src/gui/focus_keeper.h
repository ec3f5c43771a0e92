// Gives the keyboard back when a dialog closes. A window manager does this; on a bare X
// server (no window manager) nobody does, and after the first dialog every key would go
// nowhere. When a window hides and no window of the program is active, the topmost open
// dialog, else the main window, is activated.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

namespace bxr::gui {

class FocusKeeper : public QObject {
  public:
    explicit FocusKeeper(QWidget& mainWindow);
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void ActivateNext();
    QPointer<QWidget> main_;
};

}  // namespace bxr::gui
