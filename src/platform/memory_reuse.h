// How the process keeps memory it has freed, for runs that build and drop many workspaces.
#pragma once

namespace bxr {

// Freed blocks, even large ones, stay with the process for the next workspace instead of
// going back to the system and coming back as fresh pages to be faulted in and cleared.
void KeepFreedMemoryForReuse();

}  // namespace bxr
