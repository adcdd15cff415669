#include "measure/ColorMode.h"

#include "app/AppState.h"
#include "measure/FrameSample.h"
#include "measure/PointerHandlers.h"
#include "ui/ComposeFrame.h"
#include "ui/Cursors.h"

namespace {

void EnterColorMode(HWND window) {
    ColorMode = true;
    SetModeCursor();
    POINT pointer = {};
    GetCursorPos(&pointer); // the client area is the screen, so this is a window position
    SampleFrameColor(pointer.x, pointer.y);
    InvalidateReadoutStrips(window);
    UpdateWindow(window); // writes ColorWebText from the sample before the release copies it
    // A box being marked ends here, and the release copies the colour just shown.
    SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(pointer.x & 0xFFFF, pointer.y & 0xFFFF));
}

void LeaveColorMode(HWND window) {
    ColorMode = false;
    SetModeCursor();
    InvalidateReadoutStrips(window);
    // A box still being marked is outlined again in size mode.
    if (Marking) InvalidateBoxOutline(window, &MarkBox);
    UpdateWindow(window);
}

} // namespace

void ToggleColorMode(HWND window) {
    if (ColorMode)
        LeaveColorMode(window);
    else
        EnterColorMode(window);
}

void SampleColorAtPointer(HWND window) {
    POINT pointer = {};
    GetCursorPos(&pointer);
    SampleFrameColor(pointer.x, pointer.y);
    InvalidateReadoutStrips(window);
    UpdateWindow(window);
}
