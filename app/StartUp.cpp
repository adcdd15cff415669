// Program start-up: the monitor to freeze, window class, the window itself and the message loop.
#include "app/MainWindow.h"
#include "app/Resident.h"
#include "app/SingleInstance.h"
#include "core/AppState.h"
#include "core/Dpi.h"
#include "core/Handles.h"
#include "core/MonitorOrigin.h"
#include "core/PlatformRect.h"
#include "core/PointerOnScreen.h"
#include "res/ResourceIds.h"
#include "ui/SettingsFile.h"

namespace {

constexpr DWORD MainWindowStyle = WS_POPUPWINDOW | WS_MAXIMIZE; // 0x81880000, not visible yet

RECT ClientOnScreen(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    return client;
}

int RunMessageLoop() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}

// The monitor's place on the virtual screen; false when the platform does not know it.
bool ReadMonitorPlace(HMONITOR monitor, RECT& place) {
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    if (monitor == nullptr || !GetMonitorInfoW(monitor, &info)) return false;
    place = info.rcMonitor;
    return true;
}

// Hides or shows the window's picture through the compositor (DWMWA_CLOAK), so the first frame
// shown is a painted one. Looked up at run time: the exe imports nothing beyond the core
// libraries. False where the platform has no such call or refused it.
bool Cloak(HWND window, BOOL cloaked) {
    using SetAttributeCall = HRESULT(WINAPI*)(HWND, DWORD, const void*, DWORD);
    constexpr DWORD CloakAttribute = 13;
    static HMODULE dwm = LoadLibraryExW(L"dwmapi.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    const auto setAttribute = reinterpret_cast<SetAttributeCall>(reinterpret_cast<void*>(
        dwm != nullptr ? GetProcAddress(dwm, "DwmSetWindowAttribute") : nullptr));
    return setAttribute != nullptr &&
           SUCCEEDED(setAttribute(window, CloakAttribute, &cloaked, sizeof cloaked));
}

// Painted before it is seen: a first paint at 4K takes tens of milliseconds, and the
// compositor would meanwhile show the unpainted surface.
void ShowPainted(HWND window) {
    const bool cloaked = Cloak(window, TRUE);
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    if (cloaked) Cloak(window, FALSE);
}

} // namespace

HMONITOR RecordMonitorUnderPointer() {
    POINT pointer = {0, 0}; // unknown (a secure desktop is up): the primary's origin
    GetCursorPos(&pointer);
    HMONITOR monitor = MonitorFromPoint(pointer, MONITOR_DEFAULTTOPRIMARY);
    RECT place;
    if (!ReadMonitorPlace(monitor, place))
        place = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    MonitorLeft = place.left;
    MonitorTop = place.top;
    ScreenWidth = ToMicro(place.right - place.left);
    ScreenHeight = ToMicro(place.bottom - place.top);
    return monitor;
}

bool FrozenMonitorUnchanged() {
    const RECT frozen = ToRect(MonitorOnScreen());
    const POINT centre = {frozen.left + (frozen.right - frozen.left) / 2,
                          frozen.top + (frozen.bottom - frozen.top) / 2};
    RECT now;
    return ReadMonitorPlace(MonitorFromPoint(centre, MONITOR_DEFAULTTONULL), now) &&
           EqualRect(&now, &frozen);
}

bool RegisterMainWindowClass() {
    WNDCLASSW windowClass = {};
    windowClass.style = CS_OWNDC | CS_DBLCLKS;
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.hInstance = AppInstance;
    windowClass.hIcon = LoadIconW(AppInstance, MAKEINTRESOURCEW(AppIconId));
    windowClass.hCursor = nullptr; // the window sets its cursor itself
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    windowClass.lpszClassName = L"MainWindow";
    return RegisterClassW(&windowClass) != 0;
}

HWND CreateMainWindow() {
    HWND window =
        CreateWindowExW(WS_EX_TOPMOST, L"MainWindow", L"Tarvok!", MainWindowStyle,
                        ToPlatformInt(MonitorLeft), ToPlatformInt(MonitorTop), ScreenPixelWidth(),
                        ScreenPixelHeight(), nullptr, nullptr, AppInstance, nullptr);
    if (window == nullptr) return nullptr;
    FitClientToScreen(window);
    ClipWindowToClient(window);
    return window;
}

void FitClientToScreen(HWND window) {
    const RECT client = ClientOnScreen(window);
    RECT frame;
    GetWindowRect(window, &frame);
    const RECT monitor = ToRect(MonitorOnScreen());
    // Grow or shrink the window by its insets on every side so the client area is the monitor.
    const int left = frame.left + (monitor.left - client.left);
    const int top = frame.top + (monitor.top - client.top);
    const int right = frame.right + (monitor.right - client.right);
    const int bottom = frame.bottom + (monitor.bottom - client.bottom);
    // Placed while not flagged maximized, even when it fits already: some platforms leave a
    // maximized window's visible geometry and its activation to a window manager.
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    SetWindowLongW(window, GWL_STYLE, style & ~WS_MAXIMIZE);
    SetWindowPos(window, nullptr, left, top, right - left, bottom - top,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    SetWindowLongW(window, GWL_STYLE, style);
}

void RefitClientToScreen(HWND window) {
    static bool fitting = false; // the fit reports its own move
    const RECT client = ClientOnScreen(window);
    const RECT monitor = ToRect(MonitorOnScreen());
    if (fitting || IsIconic(window) || EqualRect(&client, &monitor)) return;
    fitting = true;
    FitClientToScreen(window);
    fitting = false;
}

void ClipWindowToClient(HWND window) {
    RECT client = ClientOnScreen(window);
    RECT frame;
    GetWindowRect(window, &frame);
    OffsetRect(&client, -frame.left, -frame.top);
    // The region belongs to the window from here on.
    SetWindowRgn(window, CreateRectRgnIndirect(&client), FALSE);
}

void BringToFront(HWND window) {
    ShowPainted(window);
    // The platform may refuse the front to a program started from the background: the tool
    // then runs without the clip its activation may have taken. In front, the clip is taken
    // again, since on some platforms the one made as the window became active is undone while
    // the desktop settles, and the first frame shown is past that.
    SetForegroundWindow(window);
    ConfinePointer(GetForegroundWindow() == window);
}

int RunTarvok(HINSTANCE instance, bool resident) {
    AppInstance = instance;
    if (!TakeSingleInstance()) { // another Tarvok runs: a resident one measures, nothing else
        if (!resident) HandOverToRunning();
        return 0;
    }
    HMONITOR monitor = RecordMonitorUnderPointer();
    ScreenDpi = MonitorDpi(monitor, nullptr); // before the window, which loads its cursor
    LoadSettings();                           // before the first frame, which shows them
    if (!RegisterMainWindowClass()) return 0;
    MainWindowHandle = CreateMainWindow();
    if (MainWindowHandle == nullptr) return 0;
    if (resident)
        StartResident();
    else
        BringToFront(MainWindowHandle);
    const int exitCode = RunMessageLoop();
    SaveSettingsIfChanged();
    return exitCode;
}
