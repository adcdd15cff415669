#include "view/ZoomWheel.h"

#include "core/AppState.h"
#include "view/Zoom.h"
#include "view/ZoomAroundCursor.h"

void OnZoomWheel(HWND window, WPARAM wParam) {
    const std::int16_t oldFactor = ZoomFactor;
    ZoomFactor = ZoomFactorAfterWheel(GET_WHEEL_DELTA_WPARAM(wParam));
    if (ZoomFactor != oldFactor) ZoomAroundCursor(window, oldFactor);
}
