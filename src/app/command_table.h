// The main window's menu as data: every item with its place, its caption from the menu words,
// its shortcut, when it is enabled and shown, and the command it runs. The window builds its
// menu bar from this table and runs the command of a chosen item; nothing here knows the
// toolkit.
#pragma once

#include <span>
#include <string>

#include "app/session.h"

namespace bxr {

enum class EnableRule {
    kAlways,
    kMessages,            // only when the last calculation left messages
    kSpreadsheetStarted,  // only after the spreadsheet link started
    kCanUndo,             // only while there is an edit to take back
    kCanRedo,             // only while there is an undone edit to make again
};

enum class ShowRule {
    kAlways,
    kHidden,
    kRecentFile,           // shown when recent file `arg` exists
    kRecentFileSeparator,  // the separator above the exit item: when the first one exists
};

using CommandFunction = void (*)(Session&, int arg);

struct CommandItem {
    const char* name;    // "mi_fileNew"
    const char* parent;  // the menu or submenu it sits in; null for the menu bar's menus
    // Caption: word + join + word2 + tail, the words from the vocabulary (null: none); a
    // fixed caption instead when `fixed` is set.
    const char* word = nullptr;
    const char* join = "";
    const char* word2 = nullptr;
    const char* tail = "";
    const char* fixed = nullptr;
    const char* shortcut = "";  // "Ctrl+N", "Shift+F1"; empty without
    bool separatorBefore = false;
    EnableRule enable = EnableRule::kAlways;
    ShowRule show = ShowRule::kAlways;
    CommandFunction run = nullptr;  // null for a menu that holds items
    int arg = 0;
};

// A separator line of its menu.
bool IsSeparator(const CommandItem& item);

// The whole table in menu order: each menu before its items.
std::span<const CommandItem> CommandTable();
const CommandItem* FindCommand(const std::string& name);

// What the captions and rules depend on besides the words.
std::string ItemCaption(const CommandItem& item, const Session& s);
bool ItemEnabled(const CommandItem& item, const Session& s);
bool ItemVisible(const CommandItem& item, const Session& s);

// Runs the item's command: the abort flag is cleared first, the menu refreshed afterwards.
void RunCommand(Session& s, const CommandItem& item);

// The message of the items whose input the next version brings (UTF-8 free: code page 850).
std::string LaterVersionMessage(const std::string& caption);

}  // namespace bxr
