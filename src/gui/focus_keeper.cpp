#include "gui/focus_keeper.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

namespace bxr::gui {

FocusKeeper::FocusKeeper(QWidget& mainWindow) : QObject(&mainWindow), main_(&mainWindow) {
    qApp->installEventFilter(this);
}

bool FocusKeeper::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Hide && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->isWindow())
        // After the hide is done: the window that closed may still count as active now.
        QTimer::singleShot(0, this, [this] { ActivateNext(); });
    return false;
}

void FocusKeeper::ActivateNext() {
    if (QApplication::activeWindow() != nullptr) return;
    QWidget* next = QApplication::activeModalWidget();
    if (next == nullptr) next = main_;
    if (next != nullptr && next->isVisible()) next->activateWindow();
}

}  // namespace bxr::gui
