// The user's own folders as the desktop names them: the home folder and the documents folder
// of the user-dirs.dirs file, which the desktop writes in the user's language.
#pragma once

#include <string>

#include "platform/file_system.h"

namespace bxr {

struct UserFolders {
    std::string home;       // empty: unknown (no HOME)
    std::string documents;  // empty with it
};

// The documents folder that a user-dirs.dirs text names in XDG_DOCUMENTS_DIR ("$HOME/..." or
// an absolute path); home + "/Documents" when the text names none that can be used.
std::string DocumentsFolderOf(const std::string& userDirsText, const std::string& home);

// From HOME, XDG_CONFIG_HOME (else ~/.config) and its user-dirs.dirs.
UserFolders CurrentUserFolders(FileSystem& fs);

}  // namespace bxr
