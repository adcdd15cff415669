#include "view/ZoomAroundCursor.h"

#include "app/AppState.h"
#include "app/PointerOnScreen.h"
#include "ui/ComposeFrame.h"
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
