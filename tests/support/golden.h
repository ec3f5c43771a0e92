// Golden files kept beside the tests. Set BXR_UPDATE_GOLDEN=1 to write a missing or changed
// golden file from the current output (then read it through before committing it).
#pragma once

#include <string>

namespace bxr::test {

// The bytes of a file under tests/, or nothing when it is missing.
std::string ReadTestFile(const std::string& relativePath, bool* found = nullptr);
// Compares with the golden file; on a difference names the first differing line.
// Returns an empty text when equal.
std::string CompareWithGolden(const std::string& relativePath, const std::string& actual);
// A fresh empty folder under the build tree, ending in "/".
std::string MakeScratchFolder(const std::string& name);

}  // namespace bxr::test
