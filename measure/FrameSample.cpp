#include "measure/FrameSample.h"

#include "core/AppState.h"
#include "core/Handles.h"
#include "view/ShownPixel.h"

void SampleFrameColor(int x, int y) {
    const PixelPoint at = ShownAt(ToMicro(x), ToMicro(y));
    const bool inside =
        at.X >= 0 && at.X < ScreenPixelWidth() && at.Y >= 0 && at.Y < ScreenPixelHeight();
    PickedColor =
        inside ? GetPixel(SnapshotDC, static_cast<int>(at.X), static_cast<int>(at.Y)) : CLR_INVALID;
}
