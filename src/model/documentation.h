// Project documentation carried by the project file: change log, drawing data, free texts
// and document links. Texts are code page 850; lists are 1-based like the model's.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "model/beam_model.h"

namespace bxr {

inline constexpr int kMaxChanges = 25;
inline constexpr int kMaxFreeTexts = 8;
inline constexpr int kDocumentLinks = 5;

inline constexpr std::size_t kChangeTextLength = 20;
inline constexpr std::size_t kChangeDateLength = 10;
inline constexpr std::size_t kChangeEditorLength = 5;
inline constexpr std::size_t kChangeDescriptionLength = 255;  // what the dialog accepts
inline constexpr std::size_t kReplacementLength = 15;
inline constexpr std::size_t kSignOffLength = 10;  // each date and each name
inline constexpr std::size_t kFreeTextLength = 80;
inline constexpr std::size_t kLinkLength = 50;

inline constexpr const char* kDefaultLinkProgram = "NOTEPAD.EXE";

struct ChangeRecord {
    OemString text;         // "Änderung", at most 20
    OemString date;         // "Datum", at most 10
    OemString editor;       // "Bearbeiter", the short sign, at most 5
    OemString description;  // "Beschreibung"; line breaks are CR LF
};

struct SignOff {
    OemString date;  // at most 10
    OemString name;  // at most 10
};

struct FreeText {
    Real x = 0;      // mm on the sheet
    Real y = 0;      // mm
    Real h = 0;      // text height, mm; 0 keeps the style in force
    Real phi = 0;    // degree
    OemString text;  // at most 80
};

struct DrawingData {
    OemString replacementFor;  // "Ersatz für", at most 15
    OemString replacedBy;      // "Ersetzt durch", at most 15
    SignOff drawn;             // "Bearb."
    SignOff checked;           // "Gepr."
    SignOff standardsCheck;    // "Norm"
    SignOff release;           // labelled with the release-field text of the configuration
    std::uint16_t freeTextCount = 0;
    std::array<FreeText, kMaxFreeTexts + 1> freeTexts{};  // 1..freeTextCount
};

struct DocumentLink {
    OemString program = kDefaultLinkProgram;  // at most 50
    OemString file;                           // at most 50
};

struct ProjectDocumentation {
    std::uint16_t changeCount = 0;
    std::array<ChangeRecord, kMaxChanges + 1> changes{};  // 1..changeCount
    DrawingData drawing;
    std::array<DocumentLink, kDocumentLinks + 1> links{};  // 1..5
};

// Start-up state: no changes, no free texts, the five links on the default program, the
// drawn, checked and standards-check dates set to today.
void InitialiseDocumentation(ProjectDocumentation& doc, const OemString& today);
// New project: the change log and the drawing data start again (drawn date today); the free
// texts and the links stay.
void ResetDocumentationForNew(ProjectDocumentation& doc, const OemString& today);

}  // namespace bxr
