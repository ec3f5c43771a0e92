// Bookmarks and document information for a finished PDF file. The PDF writer of the window
// toolkit has no bookmarks and no author or subject, so they are added afterwards as an
// incremental update: the new objects, a catalogue that points at the bookmark tree, and a
// cross-reference section with its trailer are appended; the bytes before stay as they are.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace bxr {

struct PdfBookmark {
    std::string title;  // UTF-8
    int level = 0;      // 0 a part of the document, 1 an entry under the part before it
    int page = 0;       // 0-based page index
    double top = 0;     // where the view starts, points above the page's lower edge
};

struct PdfInfo {
    std::string title, author, subject, creator;  // UTF-8
};

// The file with the update appended; nothing when the file is not one with a classic
// cross-reference table, or a page a bookmark names does not exist.
std::optional<std::string> AppendPdfOutline(std::string_view pdf,
                                            const std::vector<PdfBookmark>& bookmarks,
                                            const PdfInfo& info);

// A text string of PDF: UTF-16BE with its byte-order mark, in hexadecimal.
std::string PdfTextString(const std::string& utf8);

}  // namespace bxr
