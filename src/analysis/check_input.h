// The input check before a calculation, the message list and the message boxes of the
// analysis.
#pragma once

#include <string>

namespace bxr {

struct CalcState;

// Validates the model in a fixed order and fills the message list; a fatal fault sets the
// fatal flag, and at the end a set fatal flag sets ws.abortFlag. A non-empty list becomes one
// message box, its entries one a line.
void CheckInput(CalcState& ws);
// Adds a message to the list (first 36 characters, no repeats, at most 11).
void AddMessage(CalcState& ws, const std::string& text);
// Adds a message and sets the fatal flag.
void AddFatalMessage(CalcState& ws, const std::string& text);
// A message box of the calculation, kept once per calculation in ws.results.boxMessages: the
// window shows them when the calculation ends, a batch run reports them.
void ShowCalcBox(CalcState& ws, const std::string& text);

}  // namespace bxr
