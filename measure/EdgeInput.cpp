#include "measure/EdgeInput.h"

#include "core/AppState.h"
#include "core/MessagePoint.h"
#include "core/PixelRows.h"
#include "core/PlatformRect.h"
#include "core/Repaint.h"
#include "measure/Edges.h"
#include "view/ShownPixel.h"

#include <algorithm>

void OnEdgeKey(HWND window, WPARAM key, LPARAM lParam) {
    const bool repeated = (lParam & 0x40000000) != 0;
    const bool toggle = key == 'E' && !repeated;
    const bool step = (key == VK_PRIOR || key == VK_NEXT) && EdgesOn;
    if (ColorMode || !(toggle || step)) return;
    if (toggle)
        EdgesOn = !EdgesOn;
    else
        EdgeTolerance = NextTolerance(EdgeTolerance, key == VK_PRIOR);
    // The read-out changes with either; the paint adds the cross and the outline, where they
    // changed, to the update region.
    InvalidateReadoutStrips(window);
    RepaintFrame(window);
}

void InvalidateCross(HWND window) {
    if (!ShowsSpacing()) return;
    const CrossLines cross = ShownCross();
    if (const auto small = SmallCrossBounds(cross)) {
        const RECT area = ToRect(*small);
        InvalidateFrameArea(window, &area);
        return;
    }
    for (const PixelRect& band : CrossBands(cross)) {
        if (IsEmpty(band)) continue;
        const RECT area = ToRect(band);
        InvalidateFrameArea(window, &area);
    }
}

void NoteSnapBackground(LPARAM lParam) {
    const PixelRows& pixels = SnapshotPixels;
    if (pixels.Width <= 0 || pixels.Height <= 0) return;
    const PixelPoint at = ShownAt(MessageX(lParam), MessageY(lParam));
    const std::int64_t x = std::clamp<std::int64_t>(at.X, 0, pixels.Width - 1);
    const std::int64_t y = std::clamp<std::int64_t>(at.Y, 0, pixels.Height - 1);
    SnapBackground = pixels.Bits[y * pixels.Width + x];
}
