#include "ui/ComposeFrame.h"

#include "app/AppState.h"
#include "app/Handles.h"
#include "app/PlatformRect.h"
#include "measure/ReadoutText.h"
#include "ui/FrameChanges.h"

#include <algorithm>
#include <iterator>

namespace {

// What FrameDC holds: a repaint recomposes only where the new frame can differ from it.
FrameLayout Composed;

// What the tool has marked for repainting since the last paint. The window still shows the
// frame there; the rest of an update region was uncovered by something else.
std::vector<RECT> RequestedRects;
bool RequestedWhole = false;

StretchPlan CurrentView() {
    return PlanStretch(ViewOriginX, ViewOriginY, ScreenWidth, ScreenHeight, ZoomFactor);
}

void StretchSnapshot(HDC dc, const StretchPlan& plan) {
    const int width = ScreenPixelWidth();
    const int height = ScreenPixelHeight();
    const int destWidth = ToPlatformInt(plan.DestWidth);
    const int destHeight = ToPlatformInt(plan.DestHeight);
    StretchBlt(dc, 0, 0, destWidth, destHeight, SnapshotDC, ToPlatformInt(plan.SourceX),
               ToPlatformInt(plan.SourceY), ToPlatformInt(plan.ReadWidth),
               ToPlatformInt(plan.ReadHeight), SRCCOPY);
    // Past the snapshot's last column or row there is nothing to show.
    if (destWidth < width) PatBlt(dc, destWidth, 0, width - destWidth, height, BLACKNESS);
    if (destHeight < height) PatBlt(dc, 0, destHeight, destWidth, height - destHeight, BLACKNESS);
}

void DrawBoxOutline(HDC dc, const PixelRect& outline) {
    HGDIOBJ oldPen = SelectObject(dc, MarkPen);
    HGDIOBJ oldBrush = SelectObject(dc, HollowBrush);
    const RECT r = ToRect(outline);
    Rectangle(dc, r.left, r.top, r.right, r.bottom);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
}

// The read-out text of the current state: colour, box size while marking, or position.
int FormatReadout(wchar_t (&text)[ReadoutTextLength]) {
    if (ColorMode) return FormatColorText(&MarkBox, text);
    if (Marking) return FormatSizeText(&MarkBox, text);
    return FormatPositionText(&MarkBox, text);
}

struct Readout {
    int Length;
    FrameLayout Layout; // where this state's picture, outline and text go
};

// Formats the read-out text and measures it in dc's font.
void PlanFrame(HDC dc, Readout& frame) {
    FrameLayout& layout = frame.Layout;
    wchar_t text[ReadoutTextLength] = {};
    frame.Length = FormatReadout(text);
    std::copy(std::begin(text), std::end(text), layout.Text.begin());
    SIZE extent = {};
    GetTextExtentPoint32W(dc, layout.Text.data(), frame.Length, &extent);
    const std::int64_t top = ReadoutTop(CursorX, CursorY, ScreenHeight);
    layout.Composed = true;
    layout.View = CurrentView();
    layout.HasOutline = !ColorMode && Marking;
    layout.Outline = SnapOutline(MarkBox, ZoomFactor);
    layout.Readout = {20, top, 20 + extent.cx, top + extent.cy};
}

// Draws the frame into dc: the picture inside each of the rectangles only, then the outline
// and the text, which lie inside them.
void DrawFrame(HDC dc, const Readout& frame, const std::vector<PixelRect>& rects) {
    for (const PixelRect& r : rects) {
        SelectClipRgn(dc, nullptr);
        const RECT clip = ToRect(r);
        IntersectClipRect(dc, clip.left, clip.top, clip.right, clip.bottom);
        StretchSnapshot(dc, frame.Layout.View);
    }
    SelectClipRgn(dc, nullptr);
    if (frame.Layout.HasOutline) DrawBoxOutline(dc, frame.Layout.Outline);
    TextOutW(dc, 20, ToPlatformInt(frame.Layout.Readout.Top), frame.Layout.Text.data(),
             frame.Length);
}

// Where the window must take the frame: what changed in it, and what something else
// uncovered. A change outside the area the tool marked (a read-out line wider than its
// strips, for one) is added to it, so that the window never falls behind the frame. The
// tool's own requests are forgotten here.
HRGN CopyArea(HWND window, const std::vector<PixelRect>& changes) {
    std::vector<RECT> changed;
    for (const PixelRect& r : changes)
        changed.push_back(ToRect(r));
    HRGN copy = RegionOf(changed);
    HRGN update = CreateRectRgn(0, 0, 0, 0);
    GetUpdateRgn(window, update, FALSE);
    HRGN outside = CreateRectRgn(0, 0, 0, 0);
    if (CombineRgn(outside, copy, update, RGN_DIFF) != NULLREGION)
        InvalidateRgn(window, outside, FALSE);
    if (!RequestedWhole) {
        HRGN requested = RegionOf(RequestedRects);
        CombineRgn(update, update, requested, RGN_DIFF);
        CombineRgn(copy, copy, update, RGN_OR);
        DeleteObject(requested);
    }
    DeleteObject(outside);
    DeleteObject(update);
    RequestedRects.clear();
    RequestedWhole = false;
    return copy;
}

} // namespace

void ComposeFrame(HWND window) {
    Readout frame;
    PlanFrame(FrameDC, frame);
    const std::vector<PixelRect> changes =
        FrameChanges(Composed, frame.Layout, ScreenPixelWidth(), ScreenPixelHeight());
    HRGN copy = CopyArea(window, changes);
    PAINTSTRUCT paint;
    HDC target = BeginPaint(window, &paint);
    DrawFrame(FrameDC, frame, changes);
    Composed = frame.Layout;
    SelectClipRgn(target, copy);
    RECT r;
    GetRgnBox(copy, &r);
    BitBlt(target, r.left, r.top, r.right - r.left, r.bottom - r.top, FrameDC, r.left, r.top,
           SRCCOPY);
    SelectClipRgn(target, nullptr); // the window keeps this context: leave it unclipped
    EndPaint(window, &paint);
    DeleteObject(copy);
}

void ForgetComposedFrame() {
    Composed = {};
    RequestedRects.clear();
    RequestedWhole = false;
}

void InvalidateFrameArea([[maybe_unused]] HWND window, const RECT* area) {
    if (area != nullptr)
        RequestedRects.push_back(*area);
    else
        RequestedWhole = true;
}

void RepaintFrame(HWND window) {
    // The marks since the last repaint reach the platform in one call.
    if (RequestedWhole) {
        InvalidateRect(window, nullptr, FALSE);
    } else if (!RequestedRects.empty()) {
        HRGN marked = RegionOf(RequestedRects);
        InvalidateRgn(window, marked, FALSE);
        DeleteObject(marked);
    }
    UpdateWindow(window);
}

void ComposeWholeFrame(HDC dc) {
    Readout frame;
    PlanFrame(dc, frame);
    DrawFrame(dc, frame, {{0, 0, ScreenPixelWidth(), ScreenPixelHeight()}});
}

void InvalidateReadoutStrips(HWND window) {
    // As wide as the line drawn last, so that all of it is erased.
    const std::int64_t drawnWidth = Composed.Readout.Right - Composed.Readout.Left;
    for (const PixelRect& strip : ReadoutStrips(ScreenHeight, drawnWidth)) {
        const RECT r = ToRect(strip);
        InvalidateFrameArea(window, &r);
    }
}
