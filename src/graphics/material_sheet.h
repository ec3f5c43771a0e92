// The data sheet of the chosen material ("WQZWST"): designation and number, moduli, density,
// strengths, and the fatigue values that came with it, on a sheet of 120 x 160.
#pragma once

#include <string>
#include <vector>

namespace bxr {

class Drawing;
struct Workspace;

inline constexpr const char* kMaterialSheetName = "WQZWST";

// The lines of the sheet from top to bottom (code page 850); an empty line is a blank line.
// The first line is the heading.
std::vector<std::string> MaterialSheetLines(const Workspace& ws);

// Draws the sheet into an open drawing: sheet, page, the heading at text height 3.5 and the
// lines at 3.0, page end. The caller opens and closes the drawing.
void DrawMaterialSheet(Drawing& drawing, const Workspace& ws);

}  // namespace bxr
