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

// The stop flag (ws.abortFlag) while a calculation runs. A window that runs the calculation
// on another thread cancels it with RequestAbort; the calculation polls the flag in its long
// loops and ends early with the flag set. Every access during a calculation goes through an
// atomic view of the flag.
void RequestAbort(CalcState& ws);
// Sets the stop flag.
void SetStopFlag(CalcState& ws);
// Sets the stop flag for a fault found by the calculation itself. The steps after such a
// fault still run, so the flag is no longer polled for the rest of the calculation.
void StopForFault(CalcState& ws);
// Polling on or off; RunAnalysis turns it on once the input check has passed.
void PollAbort(CalcState& ws, bool on);
// True when polling is on and the flag has been set: the calculation ends as soon as it can.
bool AbortPolled(CalcState& ws);
// The flag as another thread may be setting it.
bool StopFlagSet(CalcState& ws);

}  // namespace bxr
