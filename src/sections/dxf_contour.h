// A contour from a DXF drawing: LINE, ARC, CIRCLE, LWPOLYLINE (with bulges) and
// POLYLINE/VERTEX of the ENTITIES section, in any order and direction, chained end to end into
// one closed outline; closed loops inside it become holes joined to it by a cut. Arcs become
// contour points with their sweep in radians, counter-clockwise positive. DXF x is the
// section's y, DXF y its z.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/beam_model.h"

namespace bxr {

struct DxfContourOptions {
    std::string layer;    // only this layer; empty: every layer
    Real tolerance = -1;  // mm within which ends meet; below 0: from the drawing's size
};

struct DxfContourResult {
    bool ok = false;
    std::string message;                // why not (code page 850), empty when ok
    std::vector<ContourPoint> contour;  // points 1..n of the contour, from index 0
    int loops = 0;                      // closed loops found (outline and holes)
};

// The layers that hold geometry the import reads, in the order they first appear; empty when
// the file is no ASCII DXF.
std::vector<std::string> DxfContourLayers(std::string_view file);

// Reads the contour. Fails with a message for a binary DXF, a file that is not DXF, no closed
// outline, an open chain (naming where it is open), loops that cross or lie side by side, and
// more than kMaxContourPoints points.
DxfContourResult ReadDxfContour(std::string_view file, const DxfContourOptions& options = {});

}  // namespace bxr
