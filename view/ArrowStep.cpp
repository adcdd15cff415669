#include "view/ArrowStep.h"

#include "core/AppState.h"
#include "view/Pan.h"
#include "view/ShownPixel.h"
#include "view/Zoom.h"

#include <algorithm>

namespace {

// One axis of a step. `last` is the last pixel of the window and of the snapshot alike.
struct AxisStep {
    std::int64_t Target;   // snapshot pixel
    std::int64_t Offset;   // the pointer's place within its cell
    std::int64_t Position; // window pixel of that place in the target's cell, before a scroll
    std::int64_t Last;
};

AxisStep PlanAxis(std::int64_t position, MicroCoord origin, int step, MicroCoord screen) {
    const std::int64_t last = screen / MicroPerPixel - 1;
    const std::int64_t pixel = ShownPixel(ToMicro(position), origin, ZoomFactor);
    const std::int64_t target = std::clamp<std::int64_t>(pixel + step, 0, last);
    const std::int64_t offset = position - CellStart(pixel, origin, ZoomFactor);
    return {target, offset, CellStart(target, origin, ZoomFactor) + offset, last};
}

// Just enough whole snapshot pixels of scroll to bring the step's position into the window.
MicroCoord ScrollFor(const AxisStep& axis) {
    const std::int64_t z = ZoomFactor;
    if (axis.Position < 0) return -ToMicro((-axis.Position + z - 1) / z);
    if (axis.Position > axis.Last) return ToMicro((axis.Position - axis.Last + z - 1) / z);
    return 0;
}

// Where the target shows in the view as it now stands: at the pointer's place in its cell, or
// the nearest pixel of the cell inside the window should the clamp have cut the scroll short.
std::int64_t PlaceInCell(const AxisStep& axis, MicroCoord origin) {
    const std::int64_t start = CellStart(axis.Target, origin, ZoomFactor);
    return std::clamp(start + axis.Offset, std::max<std::int64_t>(start, 0),
                      std::min<std::int64_t>(start + ZoomFactor - 1, axis.Last));
}

} // namespace

PixelPoint ArrowStep(PixelPoint pointer, int dx, int dy) {
    const AxisStep x = PlanAxis(pointer.X, ViewOriginX, dx, ScreenWidth);
    const AxisStep y = PlanAxis(pointer.Y, ViewOriginY, dy, ScreenHeight);
    const MicroCoord oldX = ViewOriginX;
    const MicroCoord oldY = ViewOriginY;
    ViewOriginX += ScrollFor(x);
    ViewOriginY += ScrollFor(y);
    ClampViewOrigin();
    CarryBoxWithView(oldX, oldY);
    return {PlaceInCell(x, ViewOriginX), PlaceInCell(y, ViewOriginY)};
}
