#include "measure/FrameSample.h"

#include "core/AppState.h"
#include "core/Handles.h"
#include "view/ShownPixel.h"

namespace {

bool Inside(std::int64_t x, std::int64_t y) {
    return x >= 0 && x < ScreenPixelWidth() && y >= 0 && y < ScreenPixelHeight();
}

} // namespace

void SampleFrameColor(int x, int y) {
    const PixelPoint at = ShownAt(ToMicro(x), ToMicro(y));
    PickedColor = Inside(x, y) && Inside(at.X, at.Y)
                      ? GetPixel(SnapshotDC, static_cast<int>(at.X), static_cast<int>(at.Y))
                      : NoColor;
}
