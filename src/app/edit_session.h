// What the input commands keep from one call to the next while the program runs: the undo
// history and, per list editor, the entry its list had selected when it last closed (the
// next display preselects it). The main window owns one beside its Workspace; tests make
// their own.
#pragma once

#include "app/undo_history.h"

namespace bxr {

// 1-based entries; 0 when none was selected.
struct ListSelections {
    int pointLoads = 0;
    int distributedLoads = 0;
    int momentLoads = 0;
    int axialLoads = 0;
    int contour = 0;
    int notchZones = 0;
    int shaftSections = 0;
};

struct EditSession {
    UndoHistory undo;
    ListSelections lastSelected;
};

}  // namespace bxr
