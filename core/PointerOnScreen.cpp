#include "core/PointerOnScreen.h"

#include "core/MonitorOrigin.h"
#include "core/PlatformRect.h"

bool ReadPointerOnScreen(POINT& pointer) {
    POINT read;
    if (!GetCursorPos(&read)) return false;
    // The client area is the frozen monitor, so its pixel is a window position; another
    // monitor's pointer would lie off the snapshot.
    const PixelPoint on = ScreenToMonitor(read.x, read.y);
    pointer.x = ToPlatformInt(on.X);
    pointer.y = ToPlatformInt(on.Y);
    return true;
}

bool MovePointerOnScreen(std::int64_t x, std::int64_t y) {
    const PixelPoint at = MonitorToScreen(x, y);
    return SetCursorPos(ToPlatformInt(at.X), ToPlatformInt(at.Y)) != FALSE;
}

bool ToolInFront() {
    HWND front = GetForegroundWindow();
    // A resident tool's hidden windows may hold the front while its menu is up.
    return front != nullptr && GetWindowThreadProcessId(front, nullptr) == GetCurrentThreadId() &&
           IsWindowVisible(front);
}

void ConfinePointer(bool active) {
    const RECT monitor = ToRect(MonitorOnScreen());
    RECT clip;
    if (active)
        ClipCursor(&monitor);
    else if (GetClipCursor(&clip) && EqualRect(&clip, &monitor))
        ClipCursor(nullptr); // a clip that a game or a remote session set stays theirs
}

void KeepPointerConfined() {
    if (ToolInFront()) ConfinePointer(true);
}
