#include "app/Resident.h"

#include "app/FreshRun.h"
#include "app/MainWindow.h"
#include "app/SingleInstance.h"
#include "app/StartWithWindows.h"
#include "app/TrayIcon.h"
#include "core/AppState.h"
#include "core/Handles.h"
#include "core/PixelRows.h"
#include "core/Shortcut.h"
#include "res/ResourceIds.h"

#include <algorithm>

std::wstring ResidentTip;

namespace {

static_assert(ShortcutAlt == MOD_ALT && ShortcutCtrl == MOD_CONTROL && ShortcutShift == MOD_SHIFT &&
              ShortcutWin == MOD_WIN);

constexpr int ShortcutId = 1;
UINT TaskbarCreated = 0; // Explorer broadcasts it when the notification area starts again
bool ShortcutWorks = false;
constexpr UINT_PTR MeasureTimerId = 1; // a measure chosen from the icon's menu, once it has gone

// Registers the settings' shortcut; the icon's tooltip says how it went.
void RegisterShortcut(HWND window) {
    const auto shortcut = ParseShortcut(ShortcutText);
    ShortcutState state = ShortcutState::NotAShortcut;
    if (shortcut)
        state =
            RegisterHotKey(window, ShortcutId, shortcut->Modifiers | MOD_NOREPEAT, shortcut->Key)
                ? ShortcutState::Registered
                : ShortcutState::Taken;
    ShortcutWorks = state == ShortcutState::Registered;
    ResidentTip =
        ResidentTipText(shortcut ? WriteShortcut(*shortcut) : ShortcutText, state, SettingsPath);
}

void Quit(HWND window) {
    DestroyWindow(MainWindowHandle);
    DestroyWindow(window);
    PostQuitMessage(0);
}

void OnIconMessage(HWND window, LPARAM lParam) {
    const UINT mouse = LOWORD(lParam);
    if (mouse == WM_LBUTTONUP) MeasureAgain();
    if (mouse != WM_RBUTTONUP && mouse != WM_CONTEXTMENU) return;
    switch (ChooseFromTrayMenu(window, StartsWithWindows())) {
    case TrayCommand::Measure: {
        // Not at once: the chosen item fades out in a window of its own, which the snapshot
        // would take in, and the screen may still show the menu for a frame.
        BOOL fades = FALSE;
        SystemParametersInfoW(SPI_GETSELECTIONFADE, 0, &fades, 0);
        SetTimer(window, MeasureTimerId, fades ? 400 : 50, nullptr);
        break;
    }
    case TrayCommand::StartWithWindows:
        SetStartWithWindows(!StartsWithWindows());
        break;
    case TrayCommand::Quit:
        Quit(window);
        break;
    case TrayCommand::None:
        break;
    }
}

bool RegisterResidentClass() {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = ResidentWindowProc;
    windowClass.hInstance = AppInstance;
    windowClass.hIcon = LoadIconW(AppInstance, MAKEINTRESOURCEW(AppIconId));
    windowClass.lpszClassName = ResidentClassName;
    return RegisterClassW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

} // namespace

void StartResident() {
    Resident = true;
    ReleaseCapture(); // taken as the window was made; nothing is frozen yet
    KeepClipChecked(MainWindowHandle, false);
    // The back buffer's pages are faulted in now rather than at the first press.
    std::fill_n(FramePixels.Bits, FramePixels.Width * FramePixels.Height, 0u);
    TaskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");
    // A hidden top-level window, not a message-only one: those miss the broadcast above.
    HWND window = RegisterResidentClass()
                      ? CreateWindowExW(0, ResidentClassName, L"Tarvok", WS_POPUP, 0, 0, 0, 0,
                                        nullptr, nullptr, AppInstance, nullptr)
                      : nullptr;
    if (window == nullptr) {
        DestroyWindow(MainWindowHandle); // nothing could reach it: end
        return;
    }
    RegisterShortcut(window);
    ShowTrayIcon(window, ResidentTip, !ShortcutWorks);
}

LRESULT CALLBACK ResidentWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_TIMER:
        if (wParam != MeasureTimerId) break;
        KillTimer(window, MeasureTimerId);
        MeasureAgain();
        return 0;
    case WM_HOTKEY:
    case MeasureRequest:
        MeasureAgain();
        return 0;
    case QuitRequest:
        Quit(window);
        return 0;
    case IconMessage:
        OnIconMessage(window, lParam);
        return 0;
    case WM_DESTROY:
        UnregisterHotKey(window, ShortcutId);
        RemoveTrayIcon(window);
        return 0;
    }
    if (message == TaskbarCreated && TaskbarCreated != 0)
        ShowTrayIcon(window, ResidentTip, !ShortcutWorks);
    return DefWindowProcW(window, message, wParam, lParam);
}
