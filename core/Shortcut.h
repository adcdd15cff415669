// The resident mode's global shortcut: its text ("Win+Alt+M") read and written, and what the
// notification icon says about it. No platform calls.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The modifier bits as the platform's hot-key registration takes them.
constexpr unsigned ShortcutAlt = 0x1;
constexpr unsigned ShortcutCtrl = 0x2;
constexpr unsigned ShortcutShift = 0x4;
constexpr unsigned ShortcutWin = 0x8;

struct Shortcut {
    unsigned Modifiers = 0; // at least one of the bits above
    unsigned Key = 0;       // the virtual key: 'A'-'Z', '0'-'9', or 0x70 (F1) to 0x87 (F24)
    friend bool operator==(const Shortcut&, const Shortcut&) = default;
};

// One or more of Ctrl, Alt, Shift and Win, each once and in any order, then one letter, digit
// or F-key, joined by "+"; case and blanks around the parts do not matter. None for anything
// else, a key alone included, which would take that key from every program.
std::optional<Shortcut> ParseShortcut(std::wstring_view text);

// The shortcut as the settings file and the icon write it: "Win+Ctrl+Alt+Shift+F8", in that
// order.
std::wstring WriteShortcut(const Shortcut& shortcut);

enum class ShortcutState { Registered, Taken, NotAShortcut };

// The notification icon's tooltip: how to measure, or why the shortcut does not work and where
// to set another.
std::wstring ResidentTipText(std::wstring_view shortcut, ShortcutState state,
                             std::wstring_view settingsPath);
