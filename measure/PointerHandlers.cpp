#include "measure/PointerHandlers.h"

#include "core/AppState.h"
#include "core/Handles.h"
#include "core/MessagePoint.h"
#include "core/PlatformRect.h"
#include "core/PointerOnScreen.h"
#include "core/Repaint.h"
#include "measure/CopyReadout.h"
#include "measure/EdgeInput.h"
#include "measure/FrameSample.h"
#include "measure/MarkBox.h"
#include "measure/MeasuredBox.h"
#include "view/LineCells.h"

#include <vector>

namespace {

// Marks the strips along the box's outline for repainting, without erasing.
void InvalidateBoxOutline(HWND window, const MicroBox* box) {
    for (const PixelRect& strip : OutlineStrips(*box, ZoomFactor)) {
        const RECT r = ToRect(strip);
        InvalidateFrameArea(window, &r);
    }
}

} // namespace

void InvalidateMarking(HWND window) {
    if (!Marking || !MarkingLine) {
        InvalidateBoxOutline(window, &MarkBox);
        return;
    }
    // The line's bounds, one rectangle: the platform takes it at the least cost, and the paint
    // copies only the line's own areas within it, the rest being unchanged.
    std::vector<PixelRect> areas;
    AddLineAreas(areas, CellsOfLine(DrawnLine(), ViewOriginX, ViewOriginY, ZoomFactor),
                 ScreenPixelWidth(), ScreenPixelHeight());
    if (areas.empty()) return;
    PixelRect bounds = areas.front();
    for (const PixelRect& area : areas)
        bounds = Bounds(bounds, area);
    const RECT r = ToRect(bounds);
    InvalidateFrameArea(window, &r);
}

void OnLeftButtonDown(HWND window, LPARAM lParam, bool line) {
    // A press while still marking (its release went elsewhere) leaves an outline to erase.
    if (Marking) InvalidateMarking(window);
    StartMarking(ClientX(lParam), ClientY(lParam));
    MarkingLine = line && !ColorMode;
    InvalidateMarking(window);
    InvalidateReadoutStrips(window);
    RepaintFrame(window);
}

void OnPointerMove(HWND window, LPARAM lParam) {
    InvalidateReadoutStrips(window);
    InvalidateCross(window); // as it stands, and below as it will
    // Colour mode draws no box outline: each area handed to the platform costs its calls.
    if (!ColorMode) InvalidateMarking(window);
    CursorX = ClientX(lParam);
    CursorY = ClientY(lParam);
    // Sampled where the pointer really is: off the window there is no colour to show.
    if (ColorMode) {
        InvalidateSampledOutline(window); // as it stands, and below as it will
        SampleFrameColor(ToPlatformInt(RoundMicro(MessageX(lParam))),
                         ToPlatformInt(RoundMicro(MessageY(lParam))));
        InvalidateSampledOutline(window);
    }
    if (FollowPointerWithBox() && !ColorMode) InvalidateMarking(window);
    InvalidateCross(window);
    RepaintFrame(window);
}

namespace {

// Ends the marking at (x, y): the outline goes and the box shrinks to that pixel. The caller
// repaints.
void EndMarkingAt(HWND window, MicroCoord x, MicroCoord y) {
    InvalidateMarking(window);
    Marking = false;
    MarkingLine = false;
    InvalidateReadoutStrips(window);
    CursorX = x;
    CursorY = y;
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
