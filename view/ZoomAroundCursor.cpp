#include "view/ZoomAroundCursor.h"

#include "core/AppState.h"
#include "core/PointerOnScreen.h"
#include "core/Repaint.h"
#include "view/Zoom.h"

void ZoomAroundCursor(HWND window, std::int16_t oldFactor) {
    POINT pointer;
    if (!ReadPointerOnScreen(pointer)) {
        ZoomFactor = oldFactor; // no point to zoom around: the key is ignored
        return;
    }
    const MicroCoord oldX = ViewOriginX;
    const MicroCoord oldY = ViewOriginY;
    const PixelPoint moved = ZoomViewAroundPoint(pointer.x, pointer.y, oldFactor);
    if (!MovePointerOnScreen(moved.X, moved.Y)) { // the pointer would name another pixel
        ZoomFactor = oldFactor;
        ViewOriginX = oldX;
        ViewOriginY = oldY;
        return;
    }
    InvalidateFrameArea(window, nullptr);
    RepaintFrame(window);
}
