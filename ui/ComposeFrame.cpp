#include "ui/ComposeFrame.h"

#include "core/AppState.h"
#include "core/Handles.h"
#include "core/PlatformRect.h"
#include "core/ReadoutPlace.h"
#include "core/Repaint.h"
#include "core/Surfaces.h"
#include "measure/Edges.h"
#include "measure/FrameSample.h"
#include "measure/MeasuredBox.h"
#include "measure/ReadoutText.h"
#include "ui/DottedLines.h"
#include "ui/FrameChanges.h"
#include "ui/PictureRows.h"
#include "ui/PinDrawing.h"
#include "view/PixelGrid.h"
#include "view/ShownPixel.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <utility>
#include <vector>

namespace {

// What FrameDC holds: a repaint recomposes only where the new frame can differ from it.
FrameLayout Composed;

StretchPlan CurrentView() {
    StretchPlan plan = PlanStretch(ViewOriginX, ViewOriginY, ScreenWidth, ScreenHeight, ZoomFactor);
    plan.Grid = PixelGridShown();
    return plan;
}

void StretchSnapshot(HDC dc, const StretchPlan& plan) {
    const int width = ScreenPixelWidth();
    const int height = ScreenPixelHeight();
    const std::int64_t right = plan.DestX + plan.SourceWidth * plan.Zoom;
    const std::int64_t bottom = plan.DestY + plan.SourceHeight * plan.Zoom;
    StretchBlt(dc, ToPlatformInt(plan.DestX), ToPlatformInt(plan.DestY),
               ToPlatformInt(right - plan.DestX), ToPlatformInt(bottom - plan.DestY), SnapshotDC,
               ToPlatformInt(plan.SourceX), ToPlatformInt(plan.SourceY),
               ToPlatformInt(plan.SourceWidth), ToPlatformInt(plan.SourceHeight), SRCCOPY);
    // Past the snapshot's last column or row, should a view ever reach it, nothing is shown.
    if (right < width) PatBlt(dc, ToPlatformInt(right), 0, width, height, BLACKNESS);
    if (bottom < height) PatBlt(dc, 0, ToPlatformInt(bottom), width, height, BLACKNESS);
}

// The reference's grid, found another way than the picture writer finds it: every pixel of the
// stretched picture whose column or row starts a cell takes its grid colour. The pixels are read
// and written back through the platform, whatever bitmap dc holds.
void DrawGridOver(HDC dc, const StretchPlan& plan) {
    if (!plan.Grid) return;
    const int width = ScreenPixelWidth(), height = ScreenPixelHeight();
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
    HBITMAP bitmap = static_cast<HBITMAP>(GetCurrentObject(dc, OBJ_BITMAP));
    GetDIBits(dc, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
    const std::int64_t right =
        std::min<std::int64_t>(plan.DestX + plan.SourceWidth * plan.Zoom, width);
    const std::int64_t bottom =
        std::min<std::int64_t>(plan.DestY + plan.SourceHeight * plan.Zoom, height);
    for (std::int64_t y = 0; y < bottom; ++y)
        for (std::int64_t x = 0; x < right; ++x)
            if ((x - plan.DestX) % plan.Zoom == 0 || (y - plan.DestY) % plan.Zoom == 0) {
                std::uint32_t& pixel = pixels[static_cast<std::size_t>(y * width + x)];
                pixel = GridPixel(pixel);
            }
    SetDIBits(dc, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
}

void DrawBoxOutline(HDC dc, const PixelRect& outline) {
    HGDIOBJ oldPen = SelectObject(dc, MarkPen);
    HGDIOBJ oldBrush = SelectObject(dc, HollowBrush);
    const RECT r = ToRect(outline);
    Rectangle(dc, r.left, r.top, r.right, r.bottom);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
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
    // In colour mode the outline is the averaged area's, on the cells of the pixels it took.
    const PixelRect sampled = SampledPixels();
    const bool area = ColorMode && SampleArea > 1 && !IsEmpty(sampled);
    layout.HasOutline = ColorMode ? area : Marking && !MarkingLine;
    layout.Outline = CellsOf(area ? sampled : MeasuredBox(), ViewOriginX, ViewOriginY, ZoomFactor);
    layout.HasLine = !ColorMode && Marking && MarkingLine;
    if (layout.HasLine)
        layout.Line = CellsOfLine(DrawnLine(), ViewOriginX, ViewOriginY, ZoomFactor);
    layout.Cross = ShownCross();
    layout.Readout = {20, top, 20 + extent.cx, top + extent.cy};
    layout.Pins = PlanPins(dc);
}

// Draws the picture into the back buffer's pixels inside each of `pictures`.
void DrawPictures(const StretchPlan& view, const std::vector<PixelRect>& pictures) {
    if (pictures.empty()) return;
    GdiFlush(); // the platform's queued drawing reaches the pixels before they are written
    for (const PixelRect& r : pictures)
        DrawPicture(SnapshotPixels, FramePixels, view, r);
}

// The outline pen's dots and gaps as it draws them on the back buffer's background, learnt
// once from a line it drew.
const DotPattern& MarkPenPattern() {
    static HPEN learntFrom = nullptr;
    static DotPattern pattern;
    if (learntFrom == MarkPen) return pattern;
    constexpr int length = DotPattern::MaxLength;
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), length, -1, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(FrameDC);
    HBITMAP line = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (dc != nullptr && line != nullptr) {
        HGDIOBJ oldBitmap = SelectObject(dc, line);
        HGDIOBJ oldPen = SelectObject(dc, MarkPen);
        SetBkMode(dc, GetBkMode(FrameDC));
        SetBkColor(dc, GetBkColor(FrameDC));
        MoveToEx(dc, 0, 0, nullptr);
        LineTo(dc, length, 0);
        GdiFlush();
        pattern = PatternOf({static_cast<const std::uint32_t*>(bits), length});
        learntFrom = MarkPen;
        SelectObject(dc, oldPen);
        SelectObject(dc, oldBitmap);
    }
    DeleteObject(line);
    DeleteDC(dc);
    return pattern;
}

// Edges mode's cross, in the outline's pen, whole.
void DrawCross(HDC dc, const CrossLines& cross) {
    HGDIOBJ oldPen = SelectObject(dc, MarkPen);
    for (const PixelRect& line : cross.Lines) {
        if (IsEmpty(line)) continue;
        const RECT r = ToRect(line);
        MoveToEx(dc, r.left, r.top, nullptr);
        if (r.right - r.left > 1)
            LineTo(dc, r.right, r.top);
        else
            LineTo(dc, r.left, r.bottom);
    }
    SelectObject(dc, oldPen);
}

// Draws over the picture where the frame changed: the pins and the outline or line that a change
// reaches, the cross, then the text, which lies on top of all. Where they overlap, only a
// drawing clipped to the changes keeps what lies on top outside them. With `pixels` (dc's own),
// the cross is written into them in the pen's pattern, only where the frame changed: through
// the platform's pen it cost more than all the rest of a pointer move's drawing.
void DrawDecoration(HDC dc, const Readout& frame, const std::vector<PixelRect>& changes,
                    const PixelRows* pixels) {
    if (changes.empty()) return;
    DrawPins(dc, frame.Layout.Pins, changes);
    if (frame.Layout.HasOutline && ReachesOutline(changes, frame.Layout.Outline))
        DrawBoxOutline(dc, frame.Layout.Outline);
    if (frame.Layout.HasLine &&
        ReachesLine(changes, frame.Layout.Line, ScreenPixelWidth(), ScreenPixelHeight()))
        DrawLine(dc, frame.Layout.Line);
    // Should the pattern be unknown (its bitmap could not be made), the pen draws the cross.
    const DotPattern* pattern =
        pixels != nullptr && frame.Layout.Cross != CrossLines{} ? &MarkPenPattern() : nullptr;
    if (pattern != nullptr && pattern->Length > 0) {
        GdiFlush(); // the pins and the outline reach the pixels first
        DrawDottedLines(*pixels, frame.Layout.Cross.Lines, *pattern, changes);
    } else {
        DrawCross(dc, frame.Layout.Cross);
    }
    TextOutW(dc, 20, ToPlatformInt(frame.Layout.Readout.Top), frame.Layout.Text.data(),
             frame.Length);
}

HRGN RegionOfRects(const std::vector<PixelRect>& rects) {
    std::vector<RECT> platform;
    for (const PixelRect& r : rects)
        platform.push_back(ToRect(r));
    return RegionOf(platform);
}

// Before painting: a change outside the areas handed to the platform (a read-out line wider
// than its strips, edges mode's cross and snapped outline) is added to the update region, so
// that the window never falls behind the frame.
void InvalidateChangesOutside(HWND window, HRGN changed, HRGN given, bool givenWhole) {
    if (givenWhole) return;
    HRGN outside = CreateRectRgn(0, 0, 0, 0);
    if (CombineRgn(outside, changed, given, RGN_DIFF) != NULLREGION)
        InvalidateRgn(window, outside, FALSE);
    DeleteObject(outside);
}

// While painting: where the window must take the frame. That is what changed, and what
// something else uncovered: the area being painted beyond the tool's own requests. The
// paint context's system region is that area, read without another trip to the platform;
// should it be unavailable, the paint's bounding rectangle stands in.
void AddUncovered(HDC target, const PAINTSTRUCT& paint, HRGN copy, HRGN given, bool givenWhole) {
    if (givenWhole) return;
    HRGN painted = CreateRectRgn(0, 0, 0, 0);
    POINT origin = {};
    if (GetRandomRgn(target, painted, SYSRGN) == 1 && GetDCOrgEx(target, &origin))
        OffsetRgn(painted, -origin.x, -origin.y); // from screen to window coordinates
    else
        SetRectRgn(painted, paint.rcPaint.left, paint.rcPaint.top, paint.rcPaint.right,
                   paint.rcPaint.bottom);
    CombineRgn(painted, painted, given, RGN_DIFF);
    CombineRgn(copy, copy, painted, RGN_OR);
    DeleteObject(painted);
}

// Moves the back buffer's pixels and the window's by `shift`. What the window could not move
// (a part hidden from it) joins `copy`, to be copied from the back buffer.
void MovePicture(HDC target, PixelPoint shift, HRGN copy) {
    GdiFlush(); // the platform's queued drawing reaches the pixels before they move
    ShiftPixels(FramePixels, shift.X, shift.Y);
    HRGN unmoved = CreateRectRgn(0, 0, 0, 0);
    const RECT whole = {0, 0, ScreenPixelWidth(), ScreenPixelHeight()};
    ScrollDC(target, ToPlatformInt(shift.X), ToPlatformInt(shift.Y), &whole, &whole, unmoved,
             nullptr);
    CombineRgn(copy, copy, unmoved, RGN_OR);
    DeleteObject(unmoved);
}

} // namespace

void ComposeFrame(HWND window) {
    if (TakeForgottenFrame()) Composed = {};
    const GivenAreas given = TakeGivenAreas();
    Readout frame;
    PlanFrame(FrameDC, frame);
    const int width = ScreenPixelWidth(), height = ScreenPixelHeight();
    // A view that only moved is moved in the back buffer and on the window, where all of it is
    // being painted, and composed only where that leaves a gap.
    const std::optional<PixelPoint> shift = FrameShift(Composed, frame.Layout);
    const std::vector<PixelRect> changes =
        shift && !given.Whole ? std::vector<PixelRect>{{0, 0, width, height}}
                              : FrameChanges(Composed, frame.Layout, width, height);
    HRGN copy = RegionOfRects(changes);
    HRGN givenRegion = RegionOf(given.Rects);
    InvalidateChangesOutside(window, copy, givenRegion, given.Whole);
    PAINTSTRUCT paint;
    HDC target = BeginPaint(window, &paint);
    AddUncovered(target, paint, copy, givenRegion, given.Whole);
    if (shift && given.Whole) MovePicture(target, *shift, copy);
    SelectClipRgn(FrameDC, copy); // decorations are drawn where the frame changes, nowhere else
    DrawPictures(frame.Layout.View, PictureAreas(changes, frame.Layout));
    DrawDecoration(FrameDC, frame, changes, &FramePixels);
    SelectClipRgn(FrameDC, nullptr);
    Composed = std::move(frame.Layout);
    NoteReadoutDrawn(Composed.Readout.Right - Composed.Readout.Left);
    SelectClipRgn(target, copy);
    RECT r;
    GetRgnBox(copy, &r);
    BitBlt(target, r.left, r.top, r.right - r.left, r.bottom - r.top, FrameDC, r.left, r.top,
           SRCCOPY);
    SelectClipRgn(target, nullptr); // the window keeps this context: leave it unclipped
    EndPaint(window, &paint);
    DeleteObject(givenRegion);
    DeleteObject(copy);
}

void ComposeWholeFrame(HDC dc) {
    Readout frame;
    PlanFrame(dc, frame);
    StretchSnapshot(dc, frame.Layout.View);
    DrawGridOver(dc, frame.Layout.View);
    // The cross through the pen itself: the reference shows the written one alike.
    DrawDecoration(dc, frame, {{0, 0, ScreenPixelWidth(), ScreenPixelHeight()}}, nullptr);
}

void InvalidateFrameChanges(HWND window) {
    Readout frame;
    PlanFrame(FrameDC, frame);
    for (const PixelRect& r :
         FrameChanges(Composed, frame.Layout, ScreenPixelWidth(), ScreenPixelHeight())) {
        const RECT area = ToRect(r);
        InvalidateFrameArea(window, &area);
    }
}
