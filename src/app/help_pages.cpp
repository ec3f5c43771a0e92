#include "app/help_pages.h"

#include <utility>

#include "app/program_folders.h"
#include "format/code_page.h"
#include "report/output_channel.h"

namespace bxr {

namespace {

constexpr const char* kHelp = "help";
constexpr std::size_t kPageLimit = 4u << 20;

bool IsTopicPageName(const std::string& name, std::string& number) {
    const std::string suffix = ".html";
    if (name.size() <= suffix.size() || name.compare(name.size() - suffix.size(), suffix.size(),
                                                     suffix) != 0)
        return false;
    number = name.substr(0, name.size() - suffix.size());
    for (char c : number)
        if (c < '0' || c > '9') return false;
    return true;
}

// Code page 850 to UTF-8 in pieces: the converter gives nothing for texts of 255 bytes and
// more, and an edited description may be that long. Every byte is one character.
std::string FromOem(const std::string& oem) {
    std::string out;
    for (std::size_t at = 0; at < oem.size(); at += 200)
        out += OemToDisplay(OutputSettings{}, oem.substr(at, 200));
    return out;
}

std::string PageHead(const std::string& title) {
    return "<html><head><meta charset=\"utf-8\"><title>" + title +
           "</title><link rel=\"stylesheet\" href=\"../help.css\"></head><body>\n<h1>" + title +
           "</h1>\n";
}

std::string PageFoot(bool german) {
    return std::string("<p class=\"footer\"><a href=\"") + kIndexPage + "\">" +
           (german ? "Inhalt" : "Contents") + "</a></p>\n</body></html>\n";
}

}  // namespace

std::string HelpLanguage(int menuLanguage) {
    return menuLanguage == 0 || menuLanguage == 1 ? "de" : "en";
}

std::string HelpFolder(FileSystem& fs, const Configuration& config) {
    const std::string plt = config.pltFolder;
    if (!plt.empty()) {
        const std::string own = JoinPath(plt, kHelp);
        if (fs.IsFolder(JoinPath(own, "de")) || fs.IsFolder(JoinPath(own, "en"))) return own;
    }
    const std::vector<std::string> data = ProgramDataFolders(config.programFolder);
    for (const std::string& folder : data)
        if (fs.IsFolder(JoinPath(folder, kHelp))) return JoinPath(folder, kHelp);
    return JoinPath(data.empty() ? std::string() : data.front(), kHelp);
}

HelpPages::HelpPages(FileSystem& fs, std::string folder, std::string language)
    : fs_(fs), folder_(std::move(folder)), language_(std::move(language)) {}

std::string HelpPages::In(const std::string& language, const std::string& name) const {
    return JoinPath(JoinPath(folder_, language), name);
}

HelpLocation HelpPages::Page(const std::string& nameAndAnchor) const {
    const auto hash = nameAndAnchor.find('#');
    const std::string name = nameAndAnchor.substr(0, hash);
    const std::string anchor = hash == std::string::npos ? "" : nameAndAnchor.substr(hash + 1);
    const std::string chosen = In(language_, name);
    if (!fs_.IsFile(chosen)) {
        const std::string other = In(language_ == "de" ? "en" : "de", name);
        if (fs_.IsFile(other)) return {other, anchor};
    }
    return {chosen, anchor};
}

HelpLocation HelpPages::Topic(int topic, bool picture) const {
    HelpLocation at = Page(std::to_string(topic) + ".html");
    if (!picture) return at;
    const auto text = fs_.Read(at.path, kPageLimit);
    if (!text) return at;
    for (const char* mark : {"name=\"picture\"", "name='picture'", "id=\"picture\""})
        if (text->find(mark) != std::string::npos) at.anchor = kPictureAnchor;
    return at;
}

std::string HelpPages::MissingPage(const std::string& path, const ErrorDescriptions& descriptions,
                                   const std::vector<std::string>& current) const {
    const bool german = language_ == "de";
    const std::string name = FileNameOf(path);
    if (name == kMessagesPage) return MessagesPage(descriptions, current, language_);
    std::string number;
    if (IsTopicPageName(name, number))
        return PageHead(german ? "Hilfe" : "Help") + "<p>" +
               (german ? "Zu Hilfenummer " + number + " gibt es keine Hilfeseite."
                       : "There is no help page for help number " + number + ".") +
               "</p>\n" + PageFoot(german);
    return PageHead(german ? "Hilfe" : "Help") + "<p>" +
           (german ? "Die Hilfeseite \xE2\x80\x9E" + HtmlEscape(name) + "\xE2\x80\x9C fehlt."
                   : "The help page \xE2\x80\x9C" + HtmlEscape(name) + "\xE2\x80\x9D is missing.") +
           "</p>\n" + PageFoot(german);
}

std::string MessageAnchor(const ErrorDescriptions& descriptions, const std::string& message) {
    const int line = descriptions.Find(message);
    return line < 0 ? std::string() : "m" + std::to_string(line + 1);
}

std::string MessagesPage(const ErrorDescriptions& descriptions,
                         const std::vector<std::string>& current, const std::string& language) {
    const bool german = language == "de";
    std::string page = PageHead(german ? "Fehlermeldungen der Berechnung" : "Calculation messages");

    page += german ? "<h2>Meldungen der letzten Berechnung</h2>\n"
                   : "<h2>Messages of the last calculation</h2>\n";
    if (current.empty()) {
        page += german ? "<p>Die letzte Berechnung hat keine Meldungen.</p>\n"
                       : "<p>The last calculation gave no messages.</p>\n";
    } else {
        page += "<ul>\n";
        for (const std::string& message : current) {
            const std::string anchor = MessageAnchor(descriptions, message);
            const std::string text = HtmlEscape(FromOem(message));
            page += anchor.empty() ? "<li>" + text + " (" +
                                         (german ? "keine Beschreibung" : "no description") +
                                         ")</li>\n"
                                   : "<li><a href=\"#" + anchor + "\">" + text + "</a></li>\n";
        }
        page += "</ul>\n";
    }

    page += german ? "<h2>Alle Meldungen mit Ursache und Abhilfe</h2>\n"
                   : "<h2>All messages with cause and remedy</h2>\n";
    if (!descriptions.loaded())
        page += german ? "<p>Die Datei der Fehlerbeschreibungen (bxr.err) fehlt.</p>\n"
                       : "<p>The message description file (bxr.err) is missing.</p>\n";
    const std::vector<std::string>& lines = descriptions.lines();
    const std::string cause = german ? "Ursache" : "Cause";
    const std::string remedy = german ? "Abhilfe" : "Remedy";
    for (std::size_t i = 0; i + 2 < lines.size(); i += 3) {
        if (lines[i].empty()) continue;
        page += "<a name=\"m" + std::to_string(i + 1) + "\"></a><h3>" +
                HtmlEscape(FromOem(lines[i])) + "</h3>\n<p><b>" + cause + ":</b> " +
                HtmlEscape(FromOem(lines[i + 1])) + "</p>\n<p><b>" + remedy + ":</b> " +
                HtmlEscape(FromOem(lines[i + 2])) + "</p>\n";
    }
    return page + PageFoot(german);
}

}  // namespace bxr
