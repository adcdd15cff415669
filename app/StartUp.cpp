// Program start-up: screen size, window class, the window itself and the message loop.
#include "app/AppState.h"
#include "app/Handles.h"
#include "app/MainWindow.h"
#include "res/ResourceIds.h"

namespace {

constexpr DWORD MainWindowStyle = WS_POPUPWINDOW | WS_MAXIMIZE; // 0x81880000, not visible yet

void RecordScreenSize() {
    ScreenWidth = ToMicro(GetSystemMetrics(SM_CXSCREEN));
    ScreenHeight = ToMicro(GetSystemMetrics(SM_CYSCREEN));
}

// The primary screen's DPI: the window's, where the platform can tell it (from Windows 10 on),
// else the screen's logical pixels per inch.
int ReadScreenDpi(HWND window) {
    using GetDpiForWindowCall = UINT(WINAPI*)(HWND);
    const auto getDpiForWindow = reinterpret_cast<GetDpiForWindowCall>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    int dpi = getDpiForWindow != nullptr ? static_cast<int>(getDpiForWindow(window)) : 0;
    if (dpi <= 0) {
        HDC screen = GetDC(nullptr);
        dpi = GetDeviceCaps(screen, LOGPIXELSX);
        ReleaseDC(nullptr, screen);
    }
    return dpi > 0 ? dpi : 96;
}

int RunMessageLoop() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}

} // namespace

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
        CreateWindowExW(0, L"MainWindow", L"Tarvok!", MainWindowStyle, 0, 0, ScreenPixelWidth(),
                        ScreenPixelHeight(), nullptr, nullptr, AppInstance, nullptr);
    if (window != nullptr) FitClientToScreen(window);
    return window;
}

void FitClientToScreen(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    POINT origin = {0, 0};
    ClientToScreen(window, &origin);
    RECT frame;
    GetWindowRect(window, &frame);
    // Grow or shrink the window by its insets on every side so the client area is the screen.
    const int left = frame.left - origin.x;
    const int top = frame.top - origin.y;
    const int right = frame.right + (ScreenPixelWidth() - (origin.x + client.right));
    const int bottom = frame.bottom + (ScreenPixelHeight() - (origin.y + client.bottom));
    // Placed while not flagged maximized: some platforms leave a maximized window's visible
    // geometry to a window manager, and without one it can fall short of the screen's edges.
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    SetWindowLongW(window, GWL_STYLE, style & ~WS_MAXIMIZE);
    SetWindowPos(window, nullptr, left, top, right - left, bottom - top,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    SetWindowLongW(window, GWL_STYLE, style);
}

int RunTarvok(HINSTANCE instance) {
    AppInstance = instance;
    RecordScreenSize();
    if (!RegisterMainWindowClass()) return 0;
    MainWindowHandle = CreateMainWindow();
    if (MainWindowHandle == nullptr) return 0;
    ScreenDpi = ReadScreenDpi(MainWindowHandle);
    ShowWindow(MainWindowHandle, SW_SHOW);
    UpdateWindow(MainWindowHandle);
    return RunMessageLoop();
}
