#include "measure/MarkBox.h"

#include "core/AppState.h"

#include <algorithm>

MicroBox BoxFromCorners(MicroCoord x1, MicroCoord y1, MicroCoord x2, MicroCoord y2) {
    return {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2) + MicroPerPixel,
            std::max(y1, y2) + MicroPerPixel};
}

std::array<PixelRect, 4> OutlineStrips(const MicroBox& box, int zoom) {
    const MicroCoord z = zoom * MicroPerPixel;
    const MicroCoord z2 = zoom * 2 * MicroPerPixel;
    const MicroCoord l = box.Left, t = box.Top, r = box.Right, b = box.Bottom;
    auto rect = [](MicroCoord left, MicroCoord top, MicroCoord right, MicroCoord bottom) {
        return PixelRect{RoundMicro(left), RoundMicro(top), RoundMicro(right), RoundMicro(bottom)};
    };
    return {rect(l - z, t - z, l + z2, b + z), rect(l - z, t - z, r + z, t + z2),
            rect(r - z, t - z, r + z2, b + z), rect(l - z, b - z, r + z, b + z2)};
}

void StartMarking(MicroCoord x, MicroCoord y) {
    MarkAnchorX = x;
    MarkAnchorY = y;
    MarkBox = BoxFromCorners(x, y, x, y);
    Marking = true;
}

bool FollowPointerWithBox() {
    if (!Marking) {
        MarkBox = BoxFromCorners(CursorX, CursorY, CursorX, CursorY);
        MarkAnchorX = CursorX;
        MarkAnchorY = CursorY;
        return false;
    }
    if (ColorMode) return false; // the box stays on the pressed pixel
    MarkBox = BoxFromCorners(MarkAnchorX, MarkAnchorY, CursorX, CursorY);
    return true;
}
