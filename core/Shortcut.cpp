#include "core/Shortcut.h"

#include "core/PlainText.h"

#include <array>

namespace {

struct ModifierName {
    const wchar_t* Name;
    unsigned Bit;
};
// In the order they are written.
constexpr std::array<ModifierName, 4> Modifiers = {{{L"Win", ShortcutWin},
                                                    {L"Ctrl", ShortcutCtrl},
                                                    {L"Alt", ShortcutAlt},
                                                    {L"Shift", ShortcutShift}}};
constexpr unsigned FirstFunctionKey = 0x70;
constexpr unsigned FunctionKeys = 24;

// The virtual key a part names, or 0.
unsigned KeyOf(std::wstring_view part) {
    if (part.size() == 1) {
        const wchar_t c = AsciiUpper(part[0]);
        if ((c >= L'A' && c <= L'Z') || (c >= L'0' && c <= L'9')) return c;
        return 0;
    }
    if (part.size() < 2 || part.size() > 3 || AsciiUpper(part[0]) != L'F' || part[1] == L'0')
        return 0;
    unsigned number = 0;
    for (wchar_t c : part.substr(1)) {
        if (c < L'0' || c > L'9') return 0;
        number = number * 10 + static_cast<unsigned>(c - L'0');
    }
    return number >= 1 && number <= FunctionKeys ? FirstFunctionKey + number - 1 : 0;
}

} // namespace

std::optional<Shortcut> ParseShortcut(std::wstring_view text) {
    Shortcut shortcut;
    for (;;) {
        const std::size_t plus = text.find(L'+');
        const std::wstring_view part = Trimmed(text.substr(0, plus));
        if (plus == std::wstring_view::npos) {
            shortcut.Key = KeyOf(part);
            if (shortcut.Key == 0 || shortcut.Modifiers == 0) return std::nullopt;
            return shortcut;
        }
        unsigned bit = 0;
        for (const ModifierName& modifier : Modifiers)
            if (SameLetters(part, modifier.Name)) bit = modifier.Bit;
        if (bit == 0 || (shortcut.Modifiers & bit) != 0) return std::nullopt;
        shortcut.Modifiers |= bit;
        text.remove_prefix(plus + 1);
    }
}

std::wstring WriteShortcut(const Shortcut& shortcut) {
    std::wstring text;
    for (const ModifierName& modifier : Modifiers)
        if (shortcut.Modifiers & modifier.Bit) text.append(modifier.Name).append(L"+");
    if (shortcut.Key >= FirstFunctionKey && shortcut.Key < FirstFunctionKey + FunctionKeys) {
        text += L'F';
        text += std::to_wstring(shortcut.Key - FirstFunctionKey + 1);
    } else {
        text += static_cast<wchar_t>(shortcut.Key);
    }
    return text;
}

std::wstring ResidentTipText(std::wstring_view shortcut, ShortcutState state,
                             std::wstring_view settingsPath) {
    std::wstring text;
    if (state == ShortcutState::Registered)
        return text.append(L"Tarvok - ").append(shortcut).append(L" to measure");
    text.append(shortcut).append(state == ShortcutState::Taken ? L" is used by another program"
                                                               : L" is not a shortcut");
    text.append(L": set another in ");
    return text.append(settingsPath.empty() ? L"the settings file" : settingsPath);
}
