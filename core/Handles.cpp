#include "core/Handles.h"

#include "core/AppState.h"

HINSTANCE AppInstance = nullptr;
HWND MainWindowHandle = nullptr;

HDC FrameDC = nullptr;
HBITMAP FrameBitmap = nullptr;
HGDIOBJ FrameOldBitmap = nullptr;
HDC SnapshotDC = nullptr;
HBITMAP SnapshotBitmap = nullptr;
HGDIOBJ SnapshotOldBitmap = nullptr;
HPEN MarkPen = nullptr;
HBRUSH HollowBrush = nullptr;

int ScreenPixelWidth() {
    return ToPlatformInt(RoundMicro(ScreenWidth));
}
int ScreenPixelHeight() {
    return ToPlatformInt(RoundMicro(ScreenHeight));
}
