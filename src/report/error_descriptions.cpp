#include "report/error_descriptions.h"

namespace bxr {

std::string NoDescriptionText() {
    return "keine Beschreibung dieser Fehlermeldung vorhanden.";
}

ErrorDescriptions ErrorDescriptions::Load(FileSystem& files, const std::string& path) {
    auto bytes = files.Read(path, 4u << 20);
    if (!bytes) return ErrorDescriptions{};
    return Parse(*bytes);
}

ErrorDescriptions ErrorDescriptions::Parse(const std::string& bytes) {
    ErrorDescriptions d;
    d.loaded_ = true;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string::npos) end = bytes.size();
        std::string line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        d.lines_.push_back(std::move(line));
        start = end + 1;
    }
    return d;
}

int ErrorDescriptions::Find(const std::string& message) const {
    const std::string key = message.substr(0, kDescriptionKeyLength);
    int best = -1;
    std::size_t bestLength = 0;
    // The last two lines cannot start a group: they have no cause and remedy after them.
    for (std::size_t i = 0; i + 2 < lines_.size(); ++i) {
        const std::string& line = lines_[i];
        if (line.substr(0, kDescriptionKeyLength) != key) continue;
        std::size_t same = 0;
        while (same < line.size() && same < message.size() && line[same] == message[same]) ++same;
        if (best < 0 || same > bestLength) {
            best = static_cast<int>(i);
            bestLength = same;
        }
    }
    return best;
}

MessageDescription ErrorDescriptions::Describe(const std::string& message) const {
    int i = Find(message);
    if (i < 0) return {};
    return {true, lines_[i + 1], lines_[i + 2]};
}

MessageDescription ErrorDescriptions::ForReport(const std::string& message) const {
    if (!loaded_) return {};
    MessageDescription d = Describe(message);
    if (!d.found) d.cause = NoDescriptionText();
    return d;
}

bool ErrorDescriptions::Replace(const std::string& message, const std::string& cause,
                                const std::string& remedy) {
    int i = Find(message);
    if (i < 0) return false;
    lines_[i + 1] = cause;
    lines_[i + 2] = remedy;
    return true;
}

std::string ErrorDescriptions::Serialize() const {
    std::string out;
    for (const auto& line : lines_) out += line + "\r\n";
    return out;
}

}  // namespace bxr
