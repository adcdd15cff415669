#include "view/Pan.h"

#include "core/AppState.h"
#include "view/Zoom.h"

void StartPan(MicroCoord x, MicroCoord y) {
    PanLastX = x;
    PanLastY = y;
    Panning = true;
    PanRemainderX = 0;
    PanRemainderY = 0;
}

void PanTo(MicroCoord x, MicroCoord y) {
    const MicroCoord dx = PanRemainderX + (x - PanLastX);
    const MicroCoord dy = PanRemainderY + (y - PanLastY);
    PanLastX = x;
    PanLastY = y;
    const MicroCoord oldX = ViewOriginX;
    const MicroCoord oldY = ViewOriginY;
    // The remainder keeps the sign of the movement; what the clamp swallows is dropped.
    ViewOriginX = oldX - dx / ZoomFactor;
    PanRemainderX = dx % ZoomFactor;
    ViewOriginY = oldY - dy / ZoomFactor;
    PanRemainderY = dy % ZoomFactor;
    ClampViewOrigin();
    CarryBoxWithView(oldX, oldY);
}

void CarryBoxWithView(MicroCoord oldX, MicroCoord oldY) {
    const MicroCoord sx = (ViewOriginX - oldX) * ZoomFactor;
    MarkBox.Left -= sx;
    MarkBox.Right -= sx;
    MarkAnchorX -= sx;
    const MicroCoord sy = (ViewOriginY - oldY) * ZoomFactor;
    MarkBox.Top -= sy;
    MarkBox.Bottom -= sy;
    MarkAnchorY -= sy;
}
