#include "measure/FrameSample.h"

#include "core/AppState.h"
#include "core/Handles.h"
#include "core/PixelRows.h"
#include "core/PlatformRect.h"
#include "core/Repaint.h"
#include "measure/ColorChecks.h"
#include "view/ShownPixel.h"

namespace {

PixelRect Sampled;

bool Inside(std::int64_t x, std::int64_t y) {
    return x >= 0 && x < ScreenPixelWidth() && y >= 0 && y < ScreenPixelHeight();
}

} // namespace

void SampleFrameColor(int x, int y) {
    const PixelPoint at = ShownAt(ToMicro(x), ToMicro(y));
    // Summed from the snapshot's own pixels: a platform call per pixel would cost a 9 x 9
    // area more than the rest of a pointer move.
    Sampled = Inside(x, y) && Inside(at.X, at.Y) ? AreaAround(SnapshotPixels, at, SampleArea)
                                                 : PixelRect{};
    PickedColor = MeanColor(SnapshotPixels, Sampled);
}

PixelRect SampledPixels() {
    return Sampled;
}

void InvalidateSampledOutline(HWND window) {
    if (SampleArea <= 1 || IsEmpty(Sampled)) return;
    const RECT r = ToRect(CellsOf(Sampled, ViewOriginX, ViewOriginY, ZoomFactor));
    InvalidateFrameArea(window, &r);
}
