#include "measure/MeasuredBox.h"

#include "core/AppState.h"
#include "view/ShownPixel.h"

PixelRect MeasuredBox() {
    const PixelPoint first = ShownAt(MarkBox.Left, MarkBox.Top);
    const PixelPoint last = ShownAt(MarkBox.Right - MicroPerPixel, MarkBox.Bottom - MicroPerPixel);
    return {first.X, first.Y, last.X + 1, last.Y + 1};
}
