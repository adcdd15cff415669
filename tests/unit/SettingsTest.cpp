#include "core/SettingsText.h"
#include "ui/KeptSettings.h"
#include "unit/StateFixture.h"

#include <gtest/gtest.h>

namespace {

using namespace std::string_literals;

class Settings : public FreshState {
  protected:
    void SetUp() override {
        FreshState::SetUp();
        SampleArea = 1;
        ShortcutText = L"Win+Alt+M";
    }
    // The kept values as one line, in the file's order.
    static std::string Kept() {
        std::string line;
        for (const auto& [name, value] : KeptSettings())
            line += (line.empty() ? "" : " ") + value;
        return line;
    }
};

// ASCII text as UTF-16 LE with its byte-order mark, as Notepad saves "Unicode".
std::string Utf16(std::string_view ascii) {
    std::string bytes = "\xFF\xFE";
    for (const char c : ascii)
        bytes += {c, '\0'};
    return bytes;
}

std::string With(std::string text, std::string_view from, std::string_view to) {
    return text.replace(text.find(from), from.size(), to);
}

const std::string Defaults = "hex 1 1 1 off off 8 Win+Alt+M";

TEST_F(Settings, ReadFromTheFile) {
    const std::string padded = "[Tarvok]\nGrid=on\n;" + std::string(MaxSettingsBytes - 18, ';');
    const struct {
        std::string Bytes, Kept;
    } cases[] = {
        {"[Tarvok]\r\nColorFormat=oklch\r\nSampleArea=3\r\nSizeCursor=2\r\nColorCursor=1\r\n"
         "Grid=on\r\nEdges=off\r\nTolerance=16\r\nShortcut=Win+Alt+M\r\n",
         "oklch 3 2 1 on off 16 Win+Alt+M"},
        // Case and blanks, comments, LF and lone CR line ends.
        {"; note\n[ tarvok ]\n  colorformat =  HSL \n#Grid=on\n;Edges=off\rEDGES=On\n"
         "tolerance\t=\t0\nsizecursor=4\nShortcut = Ctrl+Shift+F9 \n",
         "hsl 1 4 1 off on 0 Ctrl+Shift+F9"},
        // Only [Tarvok] counts, the last value wins, the last line may lack its end.
        {"Grid=on\n[Other]\nGrid=on\n[Tarvok]\nSampleArea=3\nSampleArea=9\n[More]\nSampleArea=5",
         "hex 9 1 1 off off 8 Win+Alt+M"},
        // Values not allowed take their default; the others are still read.
        {"[Tarvok]\nColorFormat=purple\nSampleArea=4\nSizeCursor=5\nColorCursor=0\nGrid=maybe\n"
         "Edges=1\nTolerance=-5\nShortcut=\nColorCursor=3\nSizeCursor=2x\nTolerance=16px\n"
         "Shortcut=" +
             std::string(10000, 'W') + "\nSampleArea=99999999999999\n",
         "hex 1 1 3 off off 8 Win+Alt+M"},
        {"\xEF\xBB\xBF[Tarvok]\r\nGrid=on\r\nShortcut=Win+Alt+\xC3\x89\r\n",
         "hex 1 1 1 on off 8 Win+Alt+\xC3\x89"},
        {Utf16("[Tarvok]\r\nColorFormat=rgb\r\nColorCursor=2\r\n"),
         "rgb 1 1 2 off off 8 Win+Alt+M"},
        {padded, "hex 1 1 1 on off 8 Win+Alt+M"}, // 64 KiB exactly
        // No settings file: every setting takes its default.
        {padded + ";", Defaults},
        {"[Tarvok]\nGrid=on\n\0"s, Defaults},
        {"[Tarvok]\nGrid=on\n\xC3(", Defaults},
        {Utf16("[Tarvok]\nGrid=on\n") + "x", Defaults},
        {Utf16("[Tarvok]\nGrid=on\n") + "\x00\xD8"s + Utf16("a").substr(2), Defaults},
    };
    for (const auto& c : cases) {
        SetUp();
        if (const auto text = DecodeSettings(c.Bytes)) ApplySettings(*text);
        EXPECT_EQ(Kept(), c.Kept) << c.Bytes.substr(0, 80);
    }
}

TEST_F(Settings, WrittenBackKeepingTheUsersLines) {
    const std::string full = "[Tarvok]\r\nColorFormat=oklch\r\nSampleArea=1\r\nSizeCursor=1\r\n"
                             "ColorCursor=1\r\nGrid=off\r\nEdges=off\r\nTolerance=8\r\n"
                             "Shortcut=Win+Alt+M\r\n";
    const std::string rest = "SampleArea=1\r\nSizeCursor=1\r\nColorCursor=1\r\n";
    const struct {
        std::string Before, Change, After;
    } cases[] = {
        {"", "ColorFormat=oklch", full},
        {"; mine\n[Tarvok]\ngrid = ON\nColorFormat=hex\nUnknown=1\n\n; about the next\n[Other]\n"
         "ColorFormat=hex\n",
         "ColorFormat=hsl",
         "; mine\r\n[Tarvok]\r\ngrid = ON\r\nColorFormat=hsl\r\nUnknown=1\r\n" + rest +
             "Edges=off\r\nTolerance=8\r\nShortcut=Win+Alt+M\r\n\r\n; about the next\r\n"
             "[Other]\r\nColorFormat=hex\r\n"},
        // A value not allowed is written as the one in use.
        {"[Tarvok]\r\nTolerance=-5\r\nColorFormat=OKLCH\r\n", "Edges=on",
         "[Tarvok]\r\nTolerance=8\r\nColorFormat=OKLCH\r\n" + rest +
             "Grid=off\r\nEdges=on\r\nShortcut=Win+Alt+M\r\n"},
        {"[Other]\r\nx=1", "ColorFormat=oklch", "[Other]\r\nx=1\r\n\r\n" + full},
        {"\xEF\xBB\xBF" + full, "SizeCursor=3",
         "\xEF\xBB\xBF" + With(full, "SizeCursor=1", "SizeCursor=3")},
        {Utf16(full), "ColorFormat=hex", Utf16(With(full, "oklch", "hex"))},
    };
    for (const auto& c : cases) {
        SetUp();
        const SettingsText text = DecodeSettings(c.Before).value();
        ApplySettings(text);
        ApplySettings({TextEncoding::Utf8, {"[Tarvok]", c.Change}});
        EXPECT_EQ(EncodeSettings(text, KeptSection, KeptSettings()), c.After) << c.Before;
    }
}

} // namespace
