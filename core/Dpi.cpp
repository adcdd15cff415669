#include "core/Dpi.h"

int WindowDpi(HWND window) {
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

int MonitorDpi(HMONITOR monitor, HWND window) {
    int dpi = 0;
    if (HMODULE shcore = LoadLibraryW(L"shcore.dll")) {
        using GetDpiForMonitorCall = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
        const auto getDpiForMonitor = reinterpret_cast<GetDpiForMonitorCall>(
            reinterpret_cast<void*>(GetProcAddress(shcore, "GetDpiForMonitor")));
        UINT x = 0, y = 0;
        if (getDpiForMonitor != nullptr && getDpiForMonitor(monitor, 0, &x, &y) == S_OK)
            dpi = static_cast<int>(x); // 0: the effective DPI, the one scaled units follow
        FreeLibrary(shcore);
    }
    return dpi > 0 ? dpi : WindowDpi(window);
}
