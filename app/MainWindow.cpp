// The main window procedure, its creation and destruction handlers.
#include "app/MainWindow.h"

#include "app/AppState.h"
#include "app/Handles.h"
#include "app/MessagePoint.h"
#include "app/Surfaces.h"
#include "measure/ColorMode.h"
#include "measure/PointerHandlers.h"
#include "ui/ComposeFrame.h"
#include "ui/CursorCycle.h"
#include "ui/Cursors.h"
#include "ui/Fonts.h"
#include "ui/HelpScreen.h"
#include "view/Pan.h"
#include "view/PanStep.h"
#include "view/Zoom.h"
#include "view/ZoomAroundCursor.h"

namespace {

// False when the drawing surfaces could not be made: the window is then not created, for a
// black screen that seems to work would be worse, and nothing made is kept.
bool OnCreate(HWND window) {
    HDC screen = GetDC(nullptr);
    const int width = ScreenPixelWidth();
    const int height = ScreenPixelHeight();
    if (!CreateSurfaces(screen, width, height)) {
        ReleaseDC(nullptr, screen);
        return false;
    }
    MarkPen = CreatePen(PS_DOT, 1, 0x020000FF);
    HollowBrush = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    BitBlt(SnapshotDC, 0, 0, width, height, screen, 0, 0, SRCCOPY);
    BitBlt(FrameDC, 0, 0, width, height, SnapshotDC, 0, 0, SRCCOPY);
    ForgetComposedFrame();
    SelectFonts(screen);
    ReleaseDC(nullptr, screen);
    SetCapture(window);
    SizeCursorId = FirstSizeCursorId;
    SetModeCursor();
    return true;
}

void OnDestroy() {
    ReleaseSurfaces();
    DeleteObject(MarkPen);
    DeleteObject(UsageFont);
    DeleteObject(TitleFont);
    DeleteObject(HeadingFont);
    DeleteObject(FooterFont);
    MarkPen = nullptr;
    UsageFont = TitleFont = HeadingFont = FooterFont = nullptr;
    ReleaseCapture();
    ClipCursor(nullptr);
    PostQuitMessage(0);
}

// While the tool is the active program the pointer stays on the frozen screen: elsewhere
// its moves would not reach the window, and a click would bring another program forward.
void ConfinePointer(bool active) {
    const RECT screen = {0, 0, ScreenPixelWidth(), ScreenPixelHeight()};
    ClipCursor(active ? &screen : nullptr);
}

// Digit keys set the zoom factor; a changed factor re-centres the view.
void OnZoomKey(HWND window, WPARAM character) {
    const std::int16_t oldFactor = ZoomFactor;
    if (const std::int16_t factor = ZoomFactorForKey(character)) ZoomFactor = factor;
    if (ZoomFactor != oldFactor) ZoomAroundCursor(window, oldFactor);
}

} // namespace

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        if (!OnCreate(window)) return -1;
        break;
    case WM_DESTROY:
        OnDestroy();
        return 0;
    case WM_SETFOCUS:
        SetModeCursor();
        break;
    case WM_ACTIVATEAPP:
        ConfinePointer(wParam != FALSE);
        break;
    case WM_PAINT:
        ComposeFrame(window);
        break;
    case WM_KEYDOWN:
        if (wParam == VK_F1) ShowHelpScreen();
        break;
    case WM_CHAR:
        if (wParam == 13) {
            CycleCursor();
            return 0;
        }
        if (wParam == 27) {
            DestroyWindow(window);
            return 0;
        }
        if (wParam == ' ') ToggleColorMode(window);
        OnZoomKey(window, wParam);
        break;
    case WM_MOUSEMOVE:
        if (Panning)
            PanStep(window, lParam);
        else
            OnPointerMove(window, lParam);
        break;
    case WM_LBUTTONDOWN:
        OnLeftButtonDown(window, lParam);
        break;
    case WM_LBUTTONUP:
        OnLeftButtonUp(window, lParam);
        break;
    case WM_RBUTTONDOWN:
        StartPan(MessageX(lParam), MessageY(lParam));
        break;
    case WM_RBUTTONUP:
        if (ColorMode) SampleColorAtPointer(window);
        Panning = false;
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}
