// The settings file read at start and written at the end, in a folder of the test's own: absent,
// a settings file, no settings file, held by another handle without sharing, a folder instead.
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

std::string Contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(SettingsFile, ReadAtStartWrittenAtTheEndOnlyWhenAllowedAndChanged) {
    wchar_t temp[MAX_PATH];
    ASSERT_GT(GetTempPathW(MAX_PATH, temp), 0u);
    const fs::path folder = fs::path(temp) / L"tarvok-settings-test";
    const fs::path file = folder / L"settings.ini";
    ASSERT_TRUE(SetEnvironmentVariableW(L"TARVOK_SETTINGS_DIR", folder.c_str()));
    const std::string hsl = "[Tarvok]\r\nColorFormat=hsl\r\n";
    const std::string notText = std::string("[Tarvok]\nColorFormat=hsl\n\0", 26);
    const auto none = std::optional<std::string>();
    const struct {
        const char* Name;
        std::optional<std::string> Before;
        bool Folder, Locked;
        ColorFormat Loaded;
        std::optional<ColorFormat> Change;
        std::optional<std::string> After; // none: no file
    } cases[] = {
        {"absent, unchanged", none, false, false, ColorFormat::Web, {}, none},
        {"absent, changed", none, false, false, ColorFormat::Web, ColorFormat::Rgb, Full("rgb")},
        {"read, changed", hsl, false, false, ColorFormat::Hsl, ColorFormat::Oklch, Full("oklch")},
        {"read, unchanged", hsl, false, false, ColorFormat::Hsl, {}, hsl},
        {"no settings file", notText, false, false, ColorFormat::Web, ColorFormat::Oklch, notText},
        {"locked", hsl, false, true, ColorFormat::Web, ColorFormat::Oklch, hsl},
        {"a folder", none, true, false, ColorFormat::Web, ColorFormat::Oklch, none},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        fs::remove_all(folder);
        fs::create_directories(c.Folder ? file : folder);
        if (c.Before) std::ofstream(file, std::ios::binary) << *c.Before;
        HANDLE lock = c.Locked ? CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                             FILE_ATTRIBUTE_NORMAL, nullptr)
                               : INVALID_HANDLE_VALUE;
        ResetAppState(800, 600);
        LoadSettings();
        EXPECT_EQ(SettingsPath, file.wstring());
        EXPECT_EQ(ColorTextFormat, c.Loaded);
        if (c.Change) ColorTextFormat = *c.Change;
        SaveSettingsIfChanged();
        if (lock != INVALID_HANDLE_VALUE) CloseHandle(lock);
        EXPECT_EQ(fs::is_directory(file), c.Folder);
        if (c.After)
            EXPECT_EQ(Contents(file), *c.After);
        else
            EXPECT_FALSE(fs::is_regular_file(file));
        EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), c.Folder || c.After ? 1 : 0)
            << "nothing left beside it";
    }
    fs::remove_all(folder);
}

} // namespace
