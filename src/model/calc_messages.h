// The calculation's message list, shared by the section values and the analysis: at most
// 11 entries, each the first 36 characters of a message, no entry twice, and the fatal flag
// that stops the calculation.
#pragma once

#include <string>
#include <vector>

namespace bxr {

struct CalcMessages {
    static constexpr std::size_t kMaxEntries = 11;
    static constexpr std::size_t kCompareLength = 36;

    std::vector<std::string> entries;  // code page 850
    bool fatal = false;

    void Clear() {
        entries.clear();
        fatal = false;
    }
    // Adds the first 36 characters unless an equal entry exists or the list is full.
    void Add(const std::string& text) {
        std::string head = text.substr(0, kCompareLength);
        if (entries.size() >= kMaxEntries) return;
        for (const auto& e : entries)
            if (e == head) return;
        entries.push_back(std::move(head));
    }
    // Adds the message and sets the fatal flag.
    void AddFatal(const std::string& text) {
        Add(text);
        fatal = true;
    }
    bool empty() const { return entries.empty(); }
};

}  // namespace bxr
