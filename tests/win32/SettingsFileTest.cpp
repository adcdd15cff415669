// The settings file read at start and written at the end, in a folder of the test's own or beside
// the exe: absent, a settings file, no settings file, held without sharing, a folder instead.
#include "ui/SettingsFile.h"
#include "core/AppState.h"
#include "unit/StateFixture.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

namespace {

namespace fs = std::filesystem;

std::string Full(const char* format) {
    return std::string("[Tarvok]\r\nColorFormat=") + format +
           "\r\nSampleArea=1\r\nSizeCursor=1\r\nColorCursor=1\r\nGrid=off\r\nEdges=off\r\n"
           "Tolerance=8\r\nShortcut=Win+Alt+M\r\n";
}

TEST(SettingsFile, ReadAtStartWrittenAtTheEndOnlyWhenAllowedAndChanged) {
    wchar_t temp[MAX_PATH], exe[MAX_PATH];
    ASSERT_GT(GetTempPathW(MAX_PATH, temp), 0u);
    ASSERT_GT(GetModuleFileNameW(nullptr, exe, MAX_PATH), 0u);
    const fs::path folder = fs::path(temp) / L"tarvok-settings-test";
    const fs::path beside = fs::path(exe).parent_path() / L"settings.ini";
    ASSERT_TRUE(SetEnvironmentVariableW(L"TARVOK_SETTINGS_DIR", folder.c_str()));
    const std::string hsl = "[Tarvok]\r\nColorFormat=hsl\r\n";
    const std::string notText("[Tarvok]\nColorFormat=hsl\n\0", 26);
    const std::optional<std::string> none;
    using enum ColorFormat;
    const struct {
        const char* Name;
        std::optional<std::string> Before;
        bool Folder, Locked, Beside;
        ColorFormat Loaded;
        std::optional<ColorFormat> Change;
        std::optional<std::string> After; // none: no file
    } cases[] = {
        {"absent, unchanged", none, false, false, false, Web, {}, none},
        {"absent, changed", none, false, false, false, Web, Rgb, Full("rgb")},
        {"read, changed", hsl, false, false, false, Hsl, Oklch, Full("oklch")},
        {"read, unchanged", hsl, false, false, false, Hsl, {}, hsl},
        {"no settings file", notText, false, false, false, Web, Oklch, notText},
        {"locked", hsl, false, true, false, Web, Oklch, hsl},
        {"a folder", none, true, false, false, Web, Oklch, none},
        {"beside the exe", hsl, false, false, true, Hsl, Oklch, Full("oklch")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const fs::path file = c.Beside ? beside : folder / L"settings.ini";
        fs::remove_all(folder);
        fs::remove(beside);
        fs::create_directories(c.Folder ? file : folder);
        if (c.Before) std::ofstream(file, std::ios::binary) << *c.Before;
        HANDLE lock = c.Locked ? CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                             0, nullptr)
                               : nullptr;
        ResetAppState(800, 600);
        LoadSettings();
        EXPECT_EQ(SettingsPath, file.wstring());
        EXPECT_EQ(ColorTextFormat, c.Loaded);
        if (c.Change) ColorTextFormat = *c.Change;
        SaveSettingsIfChanged();
        if (c.Locked) CloseHandle(lock);
        EXPECT_EQ(fs::is_directory(file), c.Folder);
        std::ifstream in(file, std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), c.After.value_or(""));
        EXPECT_FALSE(fs::exists(fs::path(file) += L".tmp"));
        EXPECT_EQ(fs::is_empty(folder), c.Beside || !(c.Folder || c.After)) << "%APPDATA%'s";
    }
    // Edited while the tool ran: the user's new shortcut stays, the tool's own change is written.
    fs::remove(beside);
    fs::create_directories(folder);
    std::ofstream(folder / L"settings.ini", std::ios::binary) << hsl;
    ResetAppState(800, 600);
    LoadSettings();
    std::ofstream(folder / L"settings.ini", std::ios::binary) << hsl << "Shortcut=Ctrl+F8\r\n";
    ColorTextFormat = Oklch;
    SaveSettingsIfChanged();
    std::ifstream in(folder / L"settings.ini", std::ios::binary);
    EXPECT_EQ(
        std::string(std::istreambuf_iterator<char>(in), {}),
        "[Tarvok]\r\nColorFormat=oklch\r\nShortcut=Ctrl+F8\r\nSampleArea=1\r\nSizeCursor=1\r\n"
        "ColorCursor=1\r\nGrid=off\r\nEdges=off\r\nTolerance=8\r\n");
    in.close();
    fs::remove_all(folder);
    fs::remove(beside);
}

} // namespace
