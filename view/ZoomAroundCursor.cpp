#include "view/ZoomAroundCursor.h"

#include "app/AppState.h"
#include "ui/ComposeFrame.h"
#include "view/Zoom.h"

void ZoomAroundCursor(HWND window, std::int16_t oldFactor) {
    POINT pointer;
    GetCursorPos(&pointer); // the client area is the screen, so this is a window position
    const PixelPoint moved = ZoomViewAroundPoint(pointer.x, pointer.y, oldFactor);
    SetCursorPos(ToPlatformInt(moved.X), ToPlatformInt(moved.Y));
    InvalidateFrameArea(window, nullptr);
    UpdateWindow(window);
}
