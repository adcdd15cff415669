#include "app/TrayIcon.h"

#include "core/Handles.h"
#include "res/ResourceIds.h"

#include <shellapi.h>

#include <algorithm>

namespace {

constexpr UINT IconId = 1;

template <std::size_t N> void CopyCut(wchar_t (&to)[N], const std::wstring& text) {
    const std::size_t length = std::min(text.size(), N - 1);
    std::copy_n(text.c_str(), length, to);
    to[length] = 0;
}

} // namespace

void ShowTrayIcon(HWND owner, const std::wstring& tip, bool warn) {
    NOTIFYICONDATAW icon = {};
    icon.cbSize = sizeof icon;
    icon.hWnd = owner;
    icon.uID = IconId;
    icon.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP | (warn ? NIF_INFO : 0);
    icon.uCallbackMessage = IconMessage;
    icon.hIcon = static_cast<HICON>(LoadImageW(AppInstance, MAKEINTRESOURCEW(AppIconId), IMAGE_ICON,
                                               GetSystemMetrics(SM_CXSMICON),
                                               GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    CopyCut(icon.szTip, tip);
    if (warn) {
        CopyCut(icon.szInfo, tip);
        CopyCut(icon.szInfoTitle, L"Tarvok");
        icon.dwInfoFlags = NIIF_WARNING;
    }
    if (!Shell_NotifyIconW(NIM_MODIFY, &icon)) Shell_NotifyIconW(NIM_ADD, &icon);
}

void RemoveTrayIcon(HWND owner) {
    NOTIFYICONDATAW icon = {};
    icon.cbSize = sizeof icon;
    icon.hWnd = owner;
    icon.uID = IconId;
    Shell_NotifyIconW(NIM_DELETE, &icon);
}

TrayCommand ChooseFromTrayMenu(HWND owner, bool starting) {
    HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(TrayCommand::Measure), L"Measure");
    AppendMenuW(menu, MF_STRING | (starting ? MF_CHECKED : MF_UNCHECKED),
                static_cast<UINT_PTR>(TrayCommand::StartWithWindows), L"Start with Windows");
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(TrayCommand::Quit), L"Quit");
    SetMenuDefaultItem(menu, static_cast<UINT>(TrayCommand::Measure), FALSE);
    POINT at;
    GetCursorPos(&at);
    // In front, so that a click elsewhere closes the menu; the empty message after it lets
    // the menu close for good.
    SetForegroundWindow(owner);
    const int chosen = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON, at.x,
                                      at.y, 0, owner, nullptr);
    PostMessageW(owner, WM_NULL, 0, 0);
    DestroyMenu(menu);
    return static_cast<TrayCommand>(chosen);
}
