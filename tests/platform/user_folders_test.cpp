#include "platform/user_folders.h"

#include <gtest/gtest.h>

namespace bxr {
namespace {

TEST(user_folders, the_documents_folder_is_read_from_the_user_dirs_file_as_the_desktop_writes_it) {
    struct Case {
        const char* text;
        const char* documents;
    };
    const Case cases[] = {
        {"", "/home/ana/Documents"},
        {"XDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\nXDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n",
         "/home/ana/Dokumente"},
        {"XDG_DOCUMENTS_DIR=\"$HOME/Mes documents\"\r\n", "/home/ana/Mes documents"},
        {"XDG_DOCUMENTS_DIR=\"/srv/docs/\"\n", "/srv/docs"},
        {"XDG_DOCUMENTS_DIR=\"$HOME/\"\n", "/home/ana"},  // turned off: the home folder
        {"# XDG_DOCUMENTS_DIR=\"$HOME/alt\"\n", "/home/ana/Documents"},
        {"XDG_DOCUMENTS_DIR=\"$HOMEWORK/x\"\n", "/home/ana/Documents"},
        {"XDG_DOCUMENTS_DIR=\"docs\"\n", "/home/ana/Documents"},  // relative: not allowed
        {"XDG_DOCUMENTS_DIR=\"$HOME/a\nXDG_MUSIC_DIR=\"$HOME/b\"\n", "/home/ana/Documents"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DocumentsFolderOf(c.text, "/home/ana"), c.documents) << c.text;
}

}  // namespace
}  // namespace bxr
