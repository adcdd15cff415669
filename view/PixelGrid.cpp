#include "view/PixelGrid.h"

#include "core/AppState.h"
#include "core/Repaint.h"

bool PixelGridShown() {
    return PixelGrid && ZoomFactor >= 6;
}

void TogglePixelGrid(HWND window) {
    const bool shown = PixelGridShown();
    PixelGrid = !PixelGrid;
    if (PixelGridShown() == shown) return; // below zoom 6 the setting is only kept
    InvalidateFrameArea(window, nullptr);
    RepaintFrame(window);
}
