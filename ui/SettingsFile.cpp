#include "ui/SettingsFile.h"

#include "core/AppState.h"
#include "core/SettingsText.h"
#include "ui/KeptSettings.h"

#include <windows.h>

#include <shlobj.h>

namespace {

enum class FileRead : std::uint8_t { Absent, Read, Refused }; // refused: unreadable, or no text

bool MayWrite = false;      // the file was absent or a settings file at start
SettingValues LoadedValues; // the kept settings as LoadSettings left them

// The folder of `path`, without its last separator.
std::wstring FolderOf(const std::wstring& path) {
    const std::size_t last = path.find_last_of(L"\\/");
    return last == std::wstring::npos ? std::wstring() : path.substr(0, last);
}

bool IsFile(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring ExePath() {
    std::wstring path(32768, L'\0');
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    path.resize(length < path.size() ? length : 0);
    return path;
}

std::wstring EnvironmentText(const wchar_t* name) {
    wchar_t text[MAX_PATH];
    const DWORD length = GetEnvironmentVariableW(name, text, MAX_PATH);
    return length > 0 && length < MAX_PATH ? text : L"";
}

// The shell's own answer, only where %APPDATA% is not set: shell32 is loaded at its first call,
// which costs tens of milliseconds on some platforms.
std::wstring ShellRoamingFolder() {
    std::wstring folder;
    PWSTR path = nullptr;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &path))) folder = path;
    CoTaskMemFree(path);
    return folder;
}

std::wstring RoamingFolder() {
    // Tests name a folder of their own, so that they never touch the user's.
    const std::wstring named = EnvironmentText(L"TARVOK_SETTINGS_DIR");
    if (!named.empty()) return named;
    // The variable the system sets to the roaming application data folder, FOLDERID_RoamingAppData.
    std::wstring roaming = EnvironmentText(L"APPDATA");
    if (roaming.empty()) roaming = ShellRoamingFolder();
    return roaming.empty() ? roaming : roaming + L"\\Tarvok";
}

std::wstring ChooseSettingsPath() {
    const std::wstring exe = ExePath();
    const std::wstring beside = FolderOf(exe) + L"\\settings.ini";
    if (!exe.empty() && IsFile(beside)) return beside;
    const std::wstring roaming = RoamingFolder();
    return roaming.empty() ? std::wstring() : roaming + L"\\settings.ini";
}

FileRead ReadSettingsFile(const std::wstring& path, std::optional<SettingsText>& text) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? FileRead::Absent
                                                                              : FileRead::Refused;
    }
    // One byte more than a settings file may hold tells a larger file.
    std::string bytes(MaxSettingsBytes + 1, '\0');
    std::size_t got = 0;
    DWORD part = 1;
    bool ok = true;
    while (ok && part > 0 && got < bytes.size()) {
        ok = ReadFile(file, bytes.data() + got, static_cast<DWORD>(bytes.size() - got), &part,
                      nullptr) != FALSE;
        got += part;
    }
    CloseHandle(file);
    if (!ok) return FileRead::Refused;
    bytes.resize(got);
    text = DecodeSettings(bytes);
    return text ? FileRead::Read : FileRead::Refused;
}

// Writes and flushes a new file; false, leaving whatever it wrote, if any step failed.
bool WriteNewFile(const std::wstring& path, const std::string& bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok =
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
        written == bytes.size() && FlushFileBuffers(file);
    CloseHandle(file);
    return ok;
}

} // namespace

void LoadSettings() {
    SettingsPath = ChooseSettingsPath();
    std::optional<SettingsText> text;
    const FileRead read =
        SettingsPath.empty() ? FileRead::Refused : ReadSettingsFile(SettingsPath, text);
    if (text) ApplySettings(*text);
    MayWrite = read != FileRead::Refused;
    LoadedValues = KeptSettings();
}

void SaveSettingsIfChanged() {
    const SettingValues values = KeptSettings();
    if (!MayWrite || values == LoadedValues) return;
    // Read again: it may have been edited while the tool ran.
    std::optional<SettingsText> text;
    const FileRead read = ReadSettingsFile(SettingsPath, text);
    if (read == FileRead::Refused) return;
    if (read == FileRead::Absent) CreateDirectoryW(FolderOf(SettingsPath).c_str(), nullptr);
    // Only what this run changed, and what the file lacks: a line the user edited meanwhile
    // (a new shortcut, say) stays theirs.
    const SettingsText now = text.value_or(SettingsText{});
    SettingValues written;
    for (std::size_t i = 0; i < values.size(); ++i)
        if (values[i] != LoadedValues[i] || !SettingValue(now, KeptSection, values[i].first))
            written.push_back(values[i]);
    const std::wstring temporary = SettingsPath + L".tmp";
    if (WriteNewFile(temporary, EncodeSettings(now, KeptSection, written)) &&
        MoveFileExW(temporary.c_str(), SettingsPath.c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        LoadedValues = values;
    else
        DeleteFileW(temporary.c_str());
}
