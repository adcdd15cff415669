#include "view/ArrowKeys.h"

#include "core/AppState.h"
#include "core/PointerOnScreen.h"
#include "core/Repaint.h"
#include "view/ArrowStep.h"
#include "view/Pan.h"

void OnArrowKey(HWND window, WPARAM key) {
    int dx = 0, dy = 0;
    switch (key) {
    case VK_LEFT:
        dx = -1;
        break;
    case VK_RIGHT:
        dx = 1;
        break;
    case VK_UP:
        dy = -1;
        break;
    case VK_DOWN:
        dy = 1;
        break;
    default:
        return;
    }
    const int step = GetKeyState(VK_SHIFT) < 0 ? 10 : 1;
    POINT pointer;
    if (!ReadPointerOnScreen(pointer)) return;
    const MicroCoord oldX = ViewOriginX;
    const MicroCoord oldY = ViewOriginY;
    const PixelPoint to = ArrowStep({pointer.x, pointer.y}, dx * step, dy * step);
    const bool scrolled = ViewOriginX != oldX || ViewOriginY != oldY;
    if (!scrolled && to.X == pointer.x && to.Y == pointer.y) return; // the snapshot's edge
    const int x = ToPlatformInt(to.X);
    const int y = ToPlatformInt(to.Y);
    if (!MovePointerOnScreen(to.X, to.Y)) { // the pointer stayed: so do the view and the box
        const MicroCoord newX = ViewOriginX;
        const MicroCoord newY = ViewOriginY;
        ViewOriginX = oldX;
        ViewOriginY = oldY;
        CarryBoxWithView(newX, newY);
        return;
    }
    if (scrolled) { // a scroll shows a new view: all of the window changes
        InvalidateFrameArea(window, nullptr);
        RepaintFrame(window);
    }
    // The move's own handling now, so that the platform's move message that follows finds
    // nothing left to do.
    SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(x & 0xFFFF, y & 0xFFFF));
}
