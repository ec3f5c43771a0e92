// Finding the help pages: the help folder, the language of the pages, the page of a help
// topic and of its picture, and the pages the help window makes itself (the message
// descriptions, and a short page for a topic that has none). No toolkit: the help window of
// the gui reads what it shows through these functions.
#pragma once

#include <string>
#include <vector>

#include "config/configuration.h"
#include "platform/file_system.h"
#include "report/error_descriptions.h"

namespace bxr {

// The page the help window builds from the message descriptions; no file of that name exists.
inline constexpr const char* kMessagesPage = "messages.html";
inline constexpr const char* kIndexPage = "index.html";
inline constexpr const char* kPicturesPage = "pictures.html";
// The anchor a page puts right before the picture of its dialog.
inline constexpr const char* kPictureAnchor = "picture";

// "de" for German menus (language 1, and 0 while none was chosen: the menus are German then),
// "en" for every other language.
std::string HelpLanguage(int menuLanguage);

// The help folder: "help" in the configured help folder ("PLT Ordner") when that holds "de"
// or "en", else "help" in the program's data folder. When there is none at all, where the
// program's would be, so that the generated pages still have an address.
std::string HelpFolder(FileSystem& fs, const Configuration& config);

// A place in the help: a page file (which need not exist) and an anchor in it.
struct HelpLocation {
    std::string path;
    std::string anchor;  // without '#'; empty for the top of the page
};

class HelpPages {
  public:
    HelpPages(FileSystem& fs, std::string folder, std::string language);

    const std::string& folder() const { return folder_; }
    const std::string& language() const { return language_; }

    // A page by name, "messages.html#m3" with its anchor: the file in the chosen language,
    // else in the other one when only that has it, else the chosen language's (missing) file.
    HelpLocation Page(const std::string& nameAndAnchor) const;
    // The page of topic N ("N.html"); for its picture the anchor "picture" when the page has
    // one, else the top of the page.
    HelpLocation Topic(int topic, bool picture) const;

    // The text to show for a page file that does not exist: the message descriptions for
    // "messages.html", a page saying that topic N has no help for "N.html", and a page saying
    // that the page is missing for any other name. `descriptions` and `current` (the last
    // calculation's messages, code page 850) are read only for the messages page.
    std::string MissingPage(const std::string& path, const ErrorDescriptions& descriptions,
                            const std::vector<std::string>& current) const;

  private:
    std::string In(const std::string& language, const std::string& name) const;
    FileSystem& fs_;
    std::string folder_, language_;
};

// The anchor of a message's description on the messages page ("m" and the number of its
// line in the file); empty when the file does not describe the message.
std::string MessageAnchor(const ErrorDescriptions& descriptions, const std::string& message);

// The messages page: on top the messages of the last calculation, each linked to its
// description, then every description of the file with its cause and remedy. Texts of the file
// and the messages are code page 850; the page is UTF-8 HTML in the language ("de"/"en").
std::string MessagesPage(const ErrorDescriptions& descriptions,
                         const std::vector<std::string>& current, const std::string& language);

}  // namespace bxr
