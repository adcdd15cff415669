#include "ui/ComposeFrame.h"

#include "app/AppState.h"
#include "app/Handles.h"
#include "app/PlatformRect.h"
#include "measure/ReadoutText.h"
#include "ui/FrameGeometry.h"

namespace {

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

} // namespace

void ComposeFrame(HWND window) {
    PAINTSTRUCT paint;
    HDC target = BeginPaint(window, &paint);
    StretchSnapshot();
    wchar_t text[ReadoutTextLength];
    if (ColorMode) {
        FormatColorText(&MarkBox, text);
    } else if (Marking) {
        DrawBoxOutline();
        FormatSizeText(&MarkBox, text);
    } else {
        FormatPositionText(&MarkBox, text);
    }
    const int top = ToPlatformInt(ReadoutTop(CursorX, CursorY, ScreenHeight));
    TextOutW(FrameDC, 20, top, text, lstrlenW(text));
    BitBlt(target, 0, 0, ScreenPixelWidth(), ScreenPixelHeight(), FrameDC, 0, 0, SRCCOPY);
    EndPaint(window, &paint);
}

void InvalidateReadoutStrips(HWND window) {
    for (const PixelRect& strip : ReadoutStrips(ScreenHeight)) {
        const RECT r = ToRect(strip);
        InvalidateRect(window, &r, FALSE);
    }
}
