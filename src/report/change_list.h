// The change list of a project: its creation, what it replaces, and every recorded change
// with date, editor and description, written through the output channel.
#pragma once

#include "workspace/workspace.h"
#include "report/output_channel.h"

namespace bxr {

// Shows (destination 1) or prints (destination 4) the change list; false when the output
// was cancelled or could not be written.
bool WriteChangeList(const Workspace& ws, OutputChannel& out, int destination);

// The index of change i as the configured style writes it: style 1 numbers, every other
// style the letters a, b, c, ...
std::string ChangeIndexText(int style, int i);

}  // namespace bxr
