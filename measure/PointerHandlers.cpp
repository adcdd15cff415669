#include "measure/PointerHandlers.h"

#include "core/AppState.h"
#include "core/MessagePoint.h"
#include "core/PlatformRect.h"
#include "core/PointerOnScreen.h"
#include "core/Repaint.h"
#include "measure/CopyReadout.h"
#include "measure/EdgeInput.h"
#include "measure/FrameSample.h"
#include "measure/MarkBox.h"

void InvalidateBoxOutline(HWND window, const MicroBox* box) {
    for (const PixelRect& strip : OutlineStrips(*box, ZoomFactor)) {
        const RECT r = ToRect(strip);
        InvalidateFrameArea(window, &r);
    }
}

void OnLeftButtonDown(HWND window, LPARAM lParam) {
    // A press while still marking (its release went elsewhere) leaves an outline to erase.
    if (Marking) InvalidateBoxOutline(window, &MarkBox);
    StartMarking(ClientX(lParam), ClientY(lParam));
    InvalidateBoxOutline(window, &MarkBox);
    InvalidateReadoutStrips(window);
    RepaintFrame(window);
}

void OnPointerMove(HWND window, LPARAM lParam) {
    InvalidateReadoutStrips(window);
    InvalidateCross(window); // as it stands, and below as it will
    CursorX = ClientX(lParam);
    CursorY = ClientY(lParam);
    // Sampled where the pointer really is: off the window there is no colour to show.
    if (ColorMode) {
        InvalidateSampledOutline(window); // as it stands, and below as it will
        SampleFrameColor(ToPlatformInt(RoundMicro(MessageX(lParam))),
                         ToPlatformInt(RoundMicro(MessageY(lParam))));
        InvalidateSampledOutline(window);
    }
    // Colour mode draws no box outline: each area handed to the platform costs its calls.
    if (!ColorMode) InvalidateBoxOutline(window, &MarkBox);
    if (FollowPointerWithBox() && !ColorMode) InvalidateBoxOutline(window, &MarkBox);
    InvalidateCross(window);
    RepaintFrame(window);
}

namespace {

// Ends the marking at (x, y): the outline goes and the box shrinks to that pixel. The caller
// repaints.
void EndMarkingAt(HWND window, MicroCoord x, MicroCoord y) {
    Marking = false;
    InvalidateReadoutStrips(window);
    CursorX = x;
    CursorY = y;
    InvalidateBoxOutline(window, &MarkBox);
    MarkBox = BoxFromCorners(CursorX, CursorY, CursorX, CursorY);
}

} // namespace

void OnLeftButtonUp(HWND window, LPARAM lParam) {
    if (!Marking) return;
    EndMarkingAt(window, ClientX(lParam), ClientY(lParam));
    if (ColorMode) CopyPickedColor(window);
    RepaintFrame(window);
}

void EndDrags(HWND window) {
    Panning = false;
    if (!Marking) return;
    POINT pointer;
    const bool known = ReadPointerOnScreen(pointer);
    EndMarkingAt(window, known ? ToMicro(pointer.x) : CursorX,
                 known ? ToMicro(pointer.y) : CursorY);
    RepaintFrame(window);
}

void KeepCaptureWhileActive(HWND window, bool active) {
    if (!active)
        EndDrags(window);
    else if (IsWindowEnabled(window)) // not under the help panel, whose clicks must reach it
        SetCapture(window);
}
