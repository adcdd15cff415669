#include "view/ShownPixel.h"

#include "core/AppState.h"

PixelPoint ShownAt(MicroCoord x, MicroCoord y) {
    return {ShownPixel(x, ViewOriginX, ZoomFactor), ShownPixel(y, ViewOriginY, ZoomFactor)};
}
