// The help of prompts and dialogs: F1 and the help buttons open the help window on the page of
// the dialog's help topic, or on a page of its own.
#pragma once

#include <string>

class QWidget;

namespace bxr::gui {

// F1 in the dialog opens the page given, else the topic's page, else the manual's index.
void AddHelpKey(QWidget& dialog, int topic, const std::string& page = {});
// The page of a topic, or its picture, in the help window over the parent.
void ShowHelpTopic(QWidget* parent, int topic, bool picture = false);
// A help page by name ("messages.html#m4") in the help window over the parent.
void ShowHelpPage(QWidget* parent, const std::string& page);

}  // namespace bxr::gui
