// The input check before a calculation, the message list and the message boxes of the
// analysis.
#pragma once

#include <string>

namespace bxr {

struct Workspace;

// Validates the model in a fixed order and fills the message list; a fatal fault sets the
// fatal flag, and at the end a set fatal flag sets ws.abortFlag. A non-empty list is shown.
void CheckInput(Workspace& ws);
// Adds a message to the list (first 36 characters, no repeats, at most 11).
void AddMessage(Workspace& ws, const std::string& text);
// Adds a message and sets the fatal flag.
void AddFatalMessage(Workspace& ws, const std::string& text);
// Shows the message list to the user as one message, one entry a line.
void ShowCalcMessages(Workspace& ws);
// A message box of the calculation: shown once per calculation and kept in
// ws.results.boxMessages, so that a run without a window can report it too.
void ShowCalcBox(Workspace& ws, const std::string& text);

}  // namespace bxr
