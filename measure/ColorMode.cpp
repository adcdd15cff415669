#include "measure/ColorMode.h"

#include "core/AppState.h"
#include "core/PointerOnScreen.h"
#include "core/Repaint.h"
#include "measure/ColorFormats.h"
#include "measure/FrameSample.h"
#include "measure/PointerHandlers.h"

namespace {

void EnterColorMode(HWND window) {
    ColorMode = true;
    POINT pointer;
    const bool known = ReadPointerOnScreen(pointer);
    if (known) SampleFrameColor(pointer.x, pointer.y);
    InvalidateReadoutStrips(window);
    RepaintFrame(window); // writes ColorWebText from the sample before the release copies it
    if (!known) return;   // no fresh colour to copy: a box being marked ends at the real release
    // A box being marked ends here, and the release copies the colour just shown.
    SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(pointer.x & 0xFFFF, pointer.y & 0xFFFF));
}

void LeaveColorMode(HWND window) {
    ColorMode = false;
    InvalidateReadoutStrips(window);
    // A box still being marked is outlined again in size mode.
    if (Marking) InvalidateMarking(window);
    RepaintFrame(window);
}

} // namespace

void ToggleColorMode(HWND window) {
    if (ColorMode)
        LeaveColorMode(window);
    else
        EnterColorMode(window);
}

void SampleColorAtPointer(HWND window) {
    POINT pointer;
    if (!ReadPointerOnScreen(pointer)) return;
    SampleFrameColor(pointer.x, pointer.y);
    InvalidateReadoutStrips(window);
    RepaintFrame(window);
}

void StepColorFormat(HWND window) {
    if (!ColorMode) return;
    ColorTextFormat = NextColorFormat(ColorTextFormat);
    InvalidateReadoutStrips(window); // the paint writes the new text, to be copied from then on
    RepaintFrame(window);
}

void StepSampleArea(HWND window) {
    if (!ColorMode) return;
    SampleArea = SampleArea == 1 ? 3 : SampleArea == 3 ? 5 : SampleArea == 5 ? 9 : 1;
    SampleColorAtPointer(window);
}
