// The help topics of prompts and dialogs: F1 and the help buttons show the topic's help.
#pragma once

class QWidget;

namespace bxr::gui {

// F1 in the dialog shows the help of the topic; nothing for topic 0.
void AddHelpKey(QWidget& dialog, int topic);
// The help of a topic in a message box over the parent.
void ShowHelpTopic(QWidget* parent, int topic);

}  // namespace bxr::gui
