#include "ui/ComposeFrame.h"

#include "app/AppState.h"
#include "app/Handles.h"
#include "app/PlatformRect.h"
#include "measure/ReadoutText.h"
#include "ui/FrameGeometry.h"

namespace {

// Width of the read-out text that the frame and the window hold now.
std::int64_t DrawnReadoutWidth = 0;

void StretchSnapshot() {
    const StretchPlan plan =
        PlanStretch(ViewOriginX, ViewOriginY, ScreenWidth, ScreenHeight, ZoomFactor);
    const int width = ScreenPixelWidth();
    const int height = ScreenPixelHeight();
    const int destWidth = ToPlatformInt(plan.DestWidth);
    const int destHeight = ToPlatformInt(plan.DestHeight);
    StretchBlt(FrameDC, 0, 0, destWidth, destHeight, SnapshotDC, ToPlatformInt(plan.SourceX),
               ToPlatformInt(plan.SourceY), ToPlatformInt(plan.ReadWidth),
               ToPlatformInt(plan.ReadHeight), SRCCOPY);
    // Past the snapshot's last column or row there is nothing to show.
    if (destWidth < width) PatBlt(FrameDC, destWidth, 0, width - destWidth, height, BLACKNESS);
    if (destHeight < height)
        PatBlt(FrameDC, 0, destHeight, destWidth, height - destHeight, BLACKNESS);
}

void DrawBoxOutline() {
    HGDIOBJ oldPen = SelectObject(FrameDC, MarkPen);
    HGDIOBJ oldBrush = SelectObject(FrameDC, HollowBrush);
    const RECT outline = ToRect(SnapOutline(MarkBox, ZoomFactor));
    Rectangle(FrameDC, outline.left, outline.top, outline.right, outline.bottom);
    SelectObject(FrameDC, oldPen);
    SelectObject(FrameDC, oldBrush);
}

// The read-out text of the current state: colour, box size while marking, or position.
int FormatReadout(wchar_t (&text)[ReadoutTextLength]) {
    if (ColorMode) return FormatColorText(&MarkBox, text);
    if (Marking) return FormatSizeText(&MarkBox, text);
    return FormatPositionText(&MarkBox, text);
}

void InvalidateStrips(HWND window, std::int64_t textWidth) {
    for (const PixelRect& strip : ReadoutStrips(ScreenHeight, textWidth)) {
        const RECT r = ToRect(strip);
        InvalidateRect(window, &r, FALSE);
    }
}

} // namespace

void ComposeFrame(HWND window) {
    wchar_t text[ReadoutTextLength];
    const int length = FormatReadout(text);
    SIZE extent = {};
    GetTextExtentPoint32W(FrameDC, text, length, &extent);
    // A line wider than the strips reaches the window whole, wherever it stands.
    if (extent.cx > ReadoutStripWidth) InvalidateStrips(window, extent.cx);
    PAINTSTRUCT paint;
    HDC target = BeginPaint(window, &paint);
    StretchSnapshot();
    if (!ColorMode && Marking) DrawBoxOutline();
    const int top = ToPlatformInt(ReadoutTop(CursorX, CursorY, ScreenHeight));
    TextOutW(FrameDC, 20, top, text, length);
    DrawnReadoutWidth = extent.cx;
    BitBlt(target, 0, 0, ScreenPixelWidth(), ScreenPixelHeight(), FrameDC, 0, 0, SRCCOPY);
    EndPaint(window, &paint);
}

void InvalidateReadoutStrips(HWND window) {
    // As wide as the line drawn last, so that all of it is erased.
    InvalidateStrips(window, DrawnReadoutWidth);
}
