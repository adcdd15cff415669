#include "app/FreshRun.h"

#include "app/MainWindow.h"
#include "core/AppState.h"
#include "core/Dpi.h"
#include "core/Handles.h"
#include "core/MonitorOrigin.h"
#include "core/PointerOnScreen.h"
#include "core/Repaint.h"
#include "core/Surfaces.h"
#include "measure/Edges.h"
#include "measure/Pins.h"
#include "measure/ReadoutText.h"
#include "ui/Cursors.h"
#include "ui/HelpScreen.h"
#include "ui/SettingsFile.h"

bool Resident = false;

void TakeSnapshot(HDC screen) {
    // CAPTUREBLT takes layered windows (some tooltips and overlays) into the copy too.
    BitBlt(SnapshotDC, 0, 0, ScreenPixelWidth(), ScreenPixelHeight(), screen,
           ToPlatformInt(MonitorLeft), ToPlatformInt(MonitorTop), SRCCOPY | CAPTUREBLT);
    ForgetComposedFrame(); // the first paint composes the whole frame
    ForgetEdgeScans();
}

void ResetRunState() {
    ZoomFactor = 1;
    ViewOriginX = ViewOriginY = 0;
    WheelRemainder = 0;
    Marking = MarkingLine = false;
    MarkBox = {};
    MarkAnchorX = MarkAnchorY = CursorX = CursorY = 0;
    ColorMode = false;
    PickedColor = 0;
    ReferenceColor = NoColor;
    ColorWebText[0] = 0;
    Panning = false;
    PanLastX = PanLastY = PanRemainderX = PanRemainderY = 0;
    Pins.clear();
    SnapBackground = 0;
    ReadoutNotice.clear();
}

void MeasureAgain() {
    HWND window = MainWindowHandle;
    if (window == nullptr || IsWindowVisible(window)) return;
    ResetRunState();
    const int width = ScreenPixelWidth();
    const int height = ScreenPixelHeight();
    const PixelRect place = MonitorOnScreen();
    const HMONITOR monitor = RecordMonitorUnderPointer();
    HDC screen = GetDC(nullptr);
    // The surfaces are kept while hidden; a monitor of another size needs new ones.
    bool ready = FrameDC != nullptr && width == ScreenPixelWidth() && height == ScreenPixelHeight();
    if (!ready) {
        ReleaseSurfaces();
        ready = CreateSurfaces(screen, ScreenPixelWidth(), ScreenPixelHeight());
    }
    if (ready) TakeSnapshot(screen);
    ReleaseDC(nullptr, screen);
    if (!ready) return; // short of memory: the next press tries again
    const int dpi = MonitorDpi(monitor, nullptr);
    if (dpi != ScreenDpi) {
        ScreenDpi = dpi;
        ReleaseCursors();
        LoadCursors();
    }
    if (MonitorOnScreen() != place) { // on the same place as before the window still fits
        FitClientToScreen(window);
        ClipWindowToClient(window);
    }
    SetCapture(window);
    SetModeCursor();
    KeepClipChecked(window, true);
    BringToFront(window);
}

void CloseTool(HWND window) {
    if (!Resident) {
        DestroyWindow(window);
        return;
    }
    if (!IsWindowVisible(window)) return;
    CloseHelpScreen(); // a display change can hide the tool under its panel
    ShowWindow(window, SW_HIDE);
    ReleaseCapture();
    KeepClipChecked(window, false);
    ConfinePointer(false);
    // A resident tool may run until the session ends: keep each run's choices as it hides.
    SaveSettingsIfChanged();
}
