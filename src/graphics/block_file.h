// Block files: "$" + name + ".dx$" in the temporary folder hold reusable drawings (the logos)
// as DXF entities: LINE, CIRCLE, ARC, TEXT, SOLID and POLYLINE with its VERTEX bulges. Other
// groups and entities are passed over, so a whole DXF file serves as well.
#pragma once

#include <string>
#include <string_view>

namespace bxr {

class Drawing;

// The file name of a block: "$LOGO_2.dx$".
std::string BlockFileName(const std::string& blockName);

// True when the text is made of group code and value lines.
bool ReadableBlockFile(std::string_view file);

// Draws the entities of the file into the drawing at its current offset and pen; false, with
// nothing drawn, when the text is not made of group code and value lines.
bool DrawBlockFile(Drawing& d, std::string_view file);

}  // namespace bxr
