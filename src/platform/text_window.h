// Where the "Bildschirm" destination shows its text. The GUI puts it into its text window;
// without a window the text is kept, so batch runs and tests can read what would be shown.
#pragma once

#include <string>
#include <vector>

namespace bxr {

class TextWindow {
  public:
    virtual ~TextWindow() = default;
    // title and text are UTF-8; lines end with "\n".
    virtual void ShowText(const std::string& title, const std::string& text) = 0;
};

class KeptTextWindow : public TextWindow {
  public:
    struct Shown {
        std::string title;
        std::string text;
    };
    void ShowText(const std::string& title, const std::string& text) override {
        shown.push_back({title, text});
    }
    std::vector<Shown> shown;
};

}  // namespace bxr
