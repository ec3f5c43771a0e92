#include "gui/help_key.h"

#include <QShortcut>
#include <QWidget>

#include "app/help_pages.h"
#include "gui/help_window.h"

namespace bxr::gui {

void ShowHelpTopic(QWidget* parent, int topic, bool picture) {
    // A dialog without a topic of its own leads to the manual's index.
    if (topic == 0)
        HelpWindow::ShowPage(parent, kIndexPage);
    else
        HelpWindow::ShowTopic(parent, topic, picture);
}

void ShowHelpPage(QWidget* parent, const std::string& page) {
    HelpWindow::ShowPage(parent, page);
}

void AddHelpKey(QWidget& dialog, int topic, const std::string& page) {
    auto* key = new QShortcut(QKeySequence(Qt::Key_F1), &dialog);
    key->setContext(Qt::WindowShortcut);
    QObject::connect(key, &QShortcut::activated, &dialog, [&dialog, topic, page] {
        if (!page.empty())
            ShowHelpPage(&dialog, page);
        else
            ShowHelpTopic(&dialog, topic);
    });
}

}  // namespace bxr::gui
