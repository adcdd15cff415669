#include "app/StartWithWindows.h"

#include <windows.h>

#include <string>

namespace {

constexpr wchar_t RunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr wchar_t ValueName[] = L"Tarvok";

std::wstring ExePath() {
    std::wstring path(32768, L'\0'); // the longest path the platform knows
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    path.resize(length);
    return path;
}

} // namespace

bool StartsWithWindows() {
    return RegGetValueW(HKEY_CURRENT_USER, RunKey, ValueName, RRF_RT_REG_SZ, nullptr, nullptr,
                        nullptr) == ERROR_SUCCESS;
}

void SetStartWithWindows(bool on) {
    if (!on) {
        RegDeleteKeyValueW(HKEY_CURRENT_USER, RunKey, ValueName);
        return;
    }
    const std::wstring command = L"\"" + ExePath() + L"\" --resident";
    RegSetKeyValueW(HKEY_CURRENT_USER, RunKey, ValueName, REG_SZ, command.c_str(),
                    static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));
}
