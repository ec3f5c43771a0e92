// Writing what the program can make again at will (reports, drawings).
#pragma once

#include <string>
#include <string_view>

#include "platform/file_system.h"

namespace bxr {

// As WriteFileSafely, but the new file takes the old one's place as soon as every byte was
// written, without waiting for the disk: a reader still sees the old file or the whole new
// one, and a batch over many projects does not wait for the disk once per file.
bool ReplaceFileContent(FileSystem& fs, const std::string& path, std::string_view content);

}  // namespace bxr
