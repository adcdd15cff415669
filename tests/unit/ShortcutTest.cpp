// The shortcut's text, read and written, and the icon's tooltip.
#include "core/Shortcut.h"

#include <gtest/gtest.h>

namespace {

TEST(Shortcut, ReadsAndWritesTheSettingsText) {
    const struct {
        const wchar_t* Text;
        Shortcut Read;
        const wchar_t* Written;
    } good[] = {{L"Win+Alt+M", {0x9, 0x4D}, L"Win+Alt+M"},
                {L"Ctrl+Shift+F8", {0x6, 0x77}, L"Ctrl+Shift+F8"},
                {L" alt + WIN + m ", {0x9, 0x4D}, L"Win+Alt+M"},
                {L"Shift+Alt+Ctrl+Win+7", {0xF, 0x37}, L"Win+Ctrl+Alt+Shift+7"},
                {L"Ctrl+f1", {0x2, 0x70}, L"Ctrl+F1"},
                {L"Win+F24", {0x8, 0x87}, L"Win+F24"}};
    for (const auto& c : good) {
        const auto read = ParseShortcut(c.Text);
        ASSERT_TRUE(read) << testing::PrintToString(c.Text);
        EXPECT_EQ(*read, c.Read) << testing::PrintToString(c.Text);
        EXPECT_EQ(WriteShortcut(*read), c.Written);
    }
    for (const wchar_t* bad :
         {L"", L"M", L"F8", L"Win+Alt+", L"+M", L"Win+Win+M", L"Win+Alt+M+K", L"Win+Alt+MM",
          L"Ctrl+F0", L"Ctrl+F25", L"Ctrl+F08", L"Ctrl+Space", L"Control+M", L"Ctrl+\u00e9"})
        EXPECT_FALSE(ParseShortcut(bad)) << testing::PrintToString(bad);
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
