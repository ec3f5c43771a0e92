// The menu words of the main window in the program's languages: a general vocabulary (file,
// edit, print, document and help words) and an engineering one (beam, load, bearing and
// diagram words). Applying a language overwrites the entries that language defines; an entry
// it leaves out keeps the text it had. Texts are UTF-8, the display side of the program: the
// Korean words would not fit the code page of the model's texts.
#pragma once

#include <map>
#include <string>

#include "config/configuration.h"

namespace bxr {

inline constexpr int kLanguageGerman = 1;
inline constexpr int kLanguageEnglish = 2;
inline constexpr int kLanguageFrench = 3;
inline constexpr int kLanguageItalian = 4;
inline constexpr int kLanguageSwedish = 5;
inline constexpr int kLanguagePortuguese = 6;
inline constexpr int kLanguageRomanian = 7;
inline constexpr int kLanguageKorean = 8;
inline constexpr int kLanguageSpanish = 9;

class Vocabulary {
  public:
    // Filled with German, as before the main window exists; the current language is 0.
    Vocabulary();

    // Sets the current language; codes 1..9 fill the general words, 1, 2, 3, 7 and 8 the
    // engineering words. Any other code changes no word.
    void Apply(int code);
    int language() const { return language_; }

    // The word of a key; the key itself in brackets when no language defines it (a
    // programming error the caption test reports).
    std::string Text(const std::string& key) const;
    bool Has(const std::string& key) const;
    bool IsGeneral(const std::string& key) const;

  private:
    std::map<std::string, std::string> general_, engineering_;
    int language_ = 0;
};

// Whether a language defines the engineering vocabulary.
bool HasEngineeringWords(int code);

// The language the configuration keeps between runs (0: none chosen yet). It is the integer
// the file stores after the dimensioning option.
inline int StoredLanguage(const Configuration& c) {
    return c.reservedInteger;
}
inline void StoreLanguage(Configuration& c, int code) {
    c.reservedInteger = code;
}

}  // namespace bxr
