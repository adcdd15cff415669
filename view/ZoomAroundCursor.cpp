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
    const PixelPoint moved = ZoomViewAroundPoint(pointer.x, pointer.y, oldFactor);
    MovePointerOnScreen(moved.X, moved.Y);
    InvalidateFrameArea(window, nullptr);
    RepaintFrame(window);
}
