// The message description file "bxr.err": groups of three lines, a calculation message, its
// cause ("Ursache") and its remedy ("Abhilfe"), code page 850 with CR LF. A message is found
// by its first 14 characters; where several descriptions share those, the one that agrees
// with the message over the longest stretch wins, so that messages such as the four support
// faults beginning "Fatal  : Lager" each get their own text.
#pragma once

#include <string>
#include <vector>

#include "platform/file_system.h"

namespace bxr {

inline constexpr std::size_t kDescriptionKeyLength = 14;

struct MessageDescription {
    bool found = false;
    std::string cause;   // code page 850
    std::string remedy;  // code page 850
};

class ErrorDescriptions {
  public:
    // A file that cannot be read gives an empty set with loaded() false.
    static ErrorDescriptions Load(FileSystem& files, const std::string& path);
    static ErrorDescriptions Parse(const std::string& bytes);

    bool loaded() const { return loaded_; }
    const std::vector<std::string>& lines() const { return lines_; }

    // Index of the line that describes the message, or -1.
    int Find(const std::string& message) const;
    // Cause and remedy as the dialog shows them; found is false when there is none.
    MessageDescription Describe(const std::string& message) const;
    // Cause and remedy for the printed report: empty texts when the file is missing, and
    // "keine Beschreibung dieser Fehlermeldung vorhanden." for a message without description.
    MessageDescription ForReport(const std::string& message) const;
    // Replaces the two lines after the message; false when the message is not in the file.
    bool Replace(const std::string& message, const std::string& cause, const std::string& remedy);
    // The file's bytes, every line ended by CR LF.
    std::string Serialize() const;

  private:
    bool loaded_ = false;
    std::vector<std::string> lines_;
};

// The text shown when a message has no description.
std::string NoDescriptionText();

}  // namespace bxr
