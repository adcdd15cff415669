// The shortcut's text, read and written, and the icon's tooltip.
#include "core/Shortcut.h"

#include <gtest/gtest.h>

namespace {

TEST(Shortcut, ReadsAndWritesTheSettingsText) {
    struct Case {
        const wchar_t* Text;
        unsigned Modifiers; // 0: not a shortcut
        unsigned Key;
        const wchar_t* Written;
    };
    const Case cases[] = {
        {L"Win+Alt+M", 0x9, 0x4D, L"Win+Alt+M"},
        {L"Ctrl+Shift+F8", 0x6, 0x77, L"Ctrl+Shift+F8"},
        {L" alt + WIN + m ", 0x9, 0x4D, L"Win+Alt+M"},
        {L"Shift+Alt+Ctrl+Win+7", 0xF, 0x37, L"Win+Ctrl+Alt+Shift+7"},
        {L"Ctrl+f1", 0x2, 0x70, L"Ctrl+F1"},
        {L"Win+F24", 0x8, 0x87, L"Win+F24"},
        {L"", 0, 0, nullptr},
        {L"M", 0, 0, nullptr},
        {L"F8", 0, 0, nullptr},
        {L"Win+Alt+", 0, 0, nullptr},
        {L"+M", 0, 0, nullptr},
        {L"Win+Win+M", 0, 0, nullptr},
        {L"Win+Alt+M+K", 0, 0, nullptr},
        {L"Win+Alt+MM", 0, 0, nullptr},
        {L"Ctrl+F0", 0, 0, nullptr},
        {L"Ctrl+F25", 0, 0, nullptr},
        {L"Ctrl+F08", 0, 0, nullptr},
        {L"Ctrl+Space", 0, 0, nullptr},
        {L"Control+M", 0, 0, nullptr},
        {L"Ctrl+\u00e9", 0, 0, nullptr},
    };
    for (const Case& c : cases) {
        const auto parsed = ParseShortcut(c.Text);
        if (c.Modifiers == 0) {
            EXPECT_FALSE(parsed) << "'" << testing::PrintToString(c.Text) << "'";
            continue;
        }
        ASSERT_TRUE(parsed) << testing::PrintToString(c.Text);
        EXPECT_EQ(*parsed, (Shortcut{c.Modifiers, c.Key})) << testing::PrintToString(c.Text);
        EXPECT_EQ(WriteShortcut(*parsed), c.Written);
    }
}

TEST(Shortcut, TipSaysHowToMeasureOrWhereToSetAnother) {
    EXPECT_EQ(ResidentTipText(L"Win+Alt+M", ShortcutState::Registered, L"C:\\s.ini"),
              L"Tarvok - Win+Alt+M to measure");
    EXPECT_EQ(ResidentTipText(L"Win+Alt+M", ShortcutState::Taken, L"C:\\s.ini"),
              L"Win+Alt+M is used by another program: set another in C:\\s.ini");
    EXPECT_EQ(ResidentTipText(L"Win+M+M", ShortcutState::NotAShortcut, L""),
              L"Win+M+M is not a shortcut: set another in the settings file");
}

} // namespace
