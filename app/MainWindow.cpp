// The main window procedure, its creation and destruction handlers.
#include "app/MainWindow.h"

#include "app/FreshRun.h"
#include "app/NoInputMethod.h"
#include "core/AppState.h"
#include "core/Handles.h"
#include "core/MessagePoint.h"
#include "core/MonitorOrigin.h"
#include "core/PointerOnScreen.h"
#include "core/Repaint.h"
#include "core/Surfaces.h"
#include "measure/Clipboard.h"
#include "measure/ColorMode.h"
#include "measure/CopyReadout.h"
#include "measure/EdgeInput.h"
#include "measure/Edges.h"
#include "measure/PointerHandlers.h"
#include "ui/ComposeFrame.h"
#include "ui/CursorCycle.h"
#include "ui/Cursors.h"
#include "ui/Fonts.h"
#include "ui/HelpScreen.h"
#include "ui/PinInput.h"
#include "ui/SaveView.h"
#include "view/ArrowKeys.h"
#include "view/Pan.h"
#include "view/PanStep.h"
#include "view/PixelGrid.h"
#include "view/ZoomKeys.h"
#include "view/ZoomWheel.h"

namespace {

// The clip is set again this often while the tool is in front: once the pointer has left the
// window, no move of it reaches the tool to do so.
constexpr UINT_PTR ClipTimerId = 1;
constexpr UINT ClipCheckMs = 250;

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
    TakeSnapshot(screen);
    SelectFonts(screen);
    ReleaseDC(nullptr, screen);
    SetCapture(window);
    if (SizeCursorId == 0) SizeCursorId = FirstSizeCursorId; // unless the settings chose one
    LoadCursors();
    SetModeCursor();
    KeepClipChecked(window, true);
    return true;
}

void OnDestroy(HWND window) {
    KeepClipChecked(window, false);
    ReleaseCursors();
    ReleaseSurfaces();
    DeleteObject(MarkPen);
    DeleteObject(UsageFont);
    DeleteObject(TitleFont);
    DeleteObject(HeadingFont);
    DeleteObject(FooterFont);
    MarkPen = nullptr;
    UsageFont = TitleFont = HeadingFont = FooterFont = nullptr;
    ReleaseCapture();
    ConfinePointer(false);
    PostQuitMessage(0);
}

// The snapshot no longer matches the screen when its monitor moved, changed size or is gone:
// the tool then closes as on Escape. Otherwise the platform let the pointer go with the change.
void OnDisplayChange(HWND window) {
    if (!FrozenMonitorUnchanged())
        CloseTool(window);
    else if (ToolInFront())
        ConfinePointer(true);
}

// The monitor's scale changed: the window stays where it is, on its monitor; the scaled units
// and the cursor size follow the new DPI.
void OnDpiChanged(HWND window, WPARAM wParam) {
    if (LOWORD(wParam) != 0) ScreenDpi = LOWORD(wParam);
    ReleaseCursors();
    LoadCursors();
    SetModeCursor();
    InvalidateFrameArea(window, nullptr);
    RepaintFrame(window);
}

// A program brought to the front (Alt+Tab, the task manager, a notification) must show: a
// topmost window over the whole monitor would hide it while it takes the keys. Back in front,
// the tool covers the monitor again, always-on-top windows included.
void StayOnTopWhileInFront(HWND window, bool active) {
    constexpr UINT Keep = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
    if (active) {
        SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, Keep);
        return;
    }
    // Below the window now in front; a topmost one is above the tool once it is not topmost.
    SetWindowPos(window, HWND_NOTOPMOST, 0, 0, 0, 0, Keep);
    HWND front = GetForegroundWindow();
    if (front != nullptr && front != window &&
        !(GetWindowLongW(front, GWL_EXSTYLE) & WS_EX_TOPMOST))
        SetWindowPos(window, front, 0, 0, 0, 0, Keep);
}

} // namespace

void KeepClipChecked(HWND window, bool shown) {
    if (shown)
        SetTimer(window, ClipTimerId, ClipCheckMs, nullptr);
    else
        KillTimer(window, ClipTimerId);
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    EndSaveNotice(window, message, wParam, lParam);
    switch (message) {
    case WM_CREATE:
        if (!OnCreate(window)) return -1;
        DisableInputMethod(window);
        break;
    case WM_DESTROY:
        OnDestroy(window);
        return 0;
    case WM_SETFOCUS:
        SetModeCursor();
        break;
    case WM_ACTIVATEAPP: // hidden, a resident tool's menu may come to the front
        ConfinePointer(wParam != FALSE && ToolInFront());
        KeepCaptureWhileActive(window, wParam != FALSE && IsWindowVisible(window));
        StayOnTopWhileInFront(window, wParam != FALSE);
        break;
    case WM_CLOSE: // Alt+F4
        CloseTool(window);
        return 0;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != window) EndDrags(window);
        break;
    case WM_DISPLAYCHANGE:
        OnDisplayChange(window);
        return 0;
    case WM_DPICHANGED: // the suggested place is ignored
        OnDpiChanged(window, wParam);
        return 0;
    case WM_TIMER:
        if (wParam == ClipTimerId) KeepPointerConfined();
        return 0;
    case WM_WINDOWPOSCHANGED: // a restore from the system menu, for one, would move it
        RefitClientToScreen(window);
        break;
    case WM_RENDERFORMAT:
    case WM_RENDERALLFORMATS:
    case WM_DESTROYCLIPBOARD:
        OnPictureRequest(window, message, wParam);
        return 0;
    case WM_PAINT:
        ComposeFrame(window);
        break;
    case WM_KEYDOWN:
        if (wParam == VK_F1) ShowHelpScreen();
        OnZoomKeyDown(window, wParam);
        OnArrowKey(window, wParam);
        if (wParam == 'F') StepColorFormat(window);
        if (wParam == 'A') StepSampleArea(window);
        if (wParam == 'G') TogglePixelGrid(window);
        OnUnpinKey(window, wParam);
        OnEdgeKey(window, wParam, lParam);
        break;
    case WM_CHAR:
        if (wParam == 13) {
            CycleCursor();
            return 0;
        }
        if (wParam == 27) {
            CloseTool(window);
            return 0;
        }
        if (wParam == 3) // Ctrl+C, or with Shift, Ctrl+Shift+C
            GetKeyState(VK_SHIFT) < 0 ? CopyPins(window) : CopyReadout(window);
        if (wParam == 19 && !(lParam & 0x40000000)) SaveView(window); // Ctrl+S, not its repeats
        if (wParam == ' ') {
            ToggleColorMode(window);
            SetModeCursor();
        }
        OnZoomCharacter(window, wParam);
        break;
    case WM_MOUSEMOVE:
        if (Panning)
            PanStep(window, lParam);
        else
            OnPointerMove(window, lParam);
        break;
    case WM_MOUSEWHEEL: // with inactive windows scrolled, the wheel reaches a tool behind
        if (ToolInFront()) OnZoomWheel(window, wParam);
        break;
    case WM_LBUTTONDOWN:
        NoteSnapBackground(lParam);
        OnLeftButtonDown(window, lParam, (wParam & MK_CONTROL) != 0);
        break;
    case WM_LBUTTONUP:
        if (wParam & MK_SHIFT) PinMarkedBox(window);
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
