#include "view/ZoomKeys.h"

#include "core/AppState.h"
#include "view/Zoom.h"
#include "view/ZoomAroundCursor.h"

namespace {

// The last key-down was a digit key and set the zoom: the character it types comes next
// and must not act again (on some layouts it is another digit).
bool DigitKeyActed = false;

// A changed factor re-centres the view; 0 (no zoom key) changes nothing.
void SetZoom(HWND window, std::int16_t factor) {
    const std::int16_t oldFactor = ZoomFactor;
    if (factor != 0) ZoomFactor = factor;
    if (ZoomFactor != oldFactor) ZoomAroundCursor(window, oldFactor);
}

} // namespace

void OnZoomKeyDown(HWND window, WPARAM key) {
    WPARAM digit = 0;
    if (key >= '1' && key <= '9') digit = key; // VK_1 to VK_9 are the digits' codes
    if (key >= VK_NUMPAD1 && key <= VK_NUMPAD9) digit = '1' + (key - VK_NUMPAD1);
    DigitKeyActed = digit != 0;
    if (digit != 0) SetZoom(window, ZoomFactorForKey(digit));
}

void OnZoomCharacter(HWND window, WPARAM character) {
    const bool acted = DigitKeyActed;
    DigitKeyActed = false;
    if (!acted) SetZoom(window, ZoomFactorForKey(character));
}
