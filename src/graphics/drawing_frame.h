// The A4 drawing frame with its title block: change table, sign-off block, sheet box,
// protection notice, drawing name and number, free texts, file name, date and title line.
#pragma once

#include <string>

#include "graphics/drawing.h"
#include "model/beam_model.h"
#include "model/documentation.h"

namespace bxr {

struct FrameContext {
    std::string projectPath;  // the current project file, for the file-name line
    int year = 2000, month = 1, day = 1, hour = 0, minute = 0;  // now, for the date line
};

// Draws the frame as the block "FRAME_1" and inserts it at the origin. Does nothing when
// the drawing has failed.
void DrawFrame(Drawing& d, const BeamModel& model, const ProjectDocumentation& doc,
               const FrameContext& context);

// The index text of change number i (1-based) in the given change-index style: 0 "a", "b",
// ...; 1 "1", "2", ...; 2 "A", "B", ...; any other style no index.
std::string TitleBlockIndex(int style, int i);
// The first and last change the table shows for c changes: the last eight at most.
std::pair<int, int> ShownChanges(int changeCount);

}  // namespace bxr
