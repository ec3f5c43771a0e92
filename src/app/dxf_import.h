// "mi_fileimportdxf": the beam's contour from the outline of a DXF drawing. The window's menu
// item calls ImportDxfCommand; the batch form calls ImportDxfFile.
#pragma once

#include <string>

namespace bxr {

struct Workspace;
class FileSystem;

// Asks for the DXF file (and for the layer when several hold geometry), reads the outline and
// makes it the contour. Anything that goes wrong is shown and leaves the model as it was, with
// the abort flag set; a cancelled question only sets the flag.
bool ImportDxfCommand(Workspace& ws, FileSystem& fs);
// The same on the disk.
bool ImportDxfCommand(Workspace& ws);

// The same for a named file and layer (empty: every layer), without asking. False with the
// message (code page 850) when the file cannot be read or holds no usable outline; the model is
// then unchanged.
bool ImportDxfFile(Workspace& ws, FileSystem& fs, const std::string& path, const std::string& layer,
                   std::string& message);

}  // namespace bxr
