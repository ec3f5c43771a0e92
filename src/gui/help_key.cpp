#include "gui/help_key.h"

#include <QMessageBox>
#include <QShortcut>
#include <QWidget>

namespace bxr::gui {

void ShowHelpTopic(QWidget* parent, int topic) {
    // The numbered help texts do not ship with this version; the box says so and names the
    // topic.
    QMessageBox::information(
        parent, "Hilfe",
        QString("Hilfetext %1\n\nDie Hilfetexte kommen mit der nächsten Version des Programms.")
            .arg(topic));
}

void AddHelpKey(QWidget& dialog, int topic) {
    if (topic == 0) return;
    auto* key = new QShortcut(QKeySequence(Qt::Key_F1), &dialog);
    key->setContext(Qt::WindowShortcut);
    QObject::connect(key, &QShortcut::activated, &dialog,
                     [&dialog, topic] { ShowHelpTopic(&dialog, topic); });
}

}  // namespace bxr::gui
