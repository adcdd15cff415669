#include "measure/MeasuredBox.h"

#include "core/AppState.h"
#include "measure/Edges.h"
#include "view/ShownPixel.h"

PixelRect DraggedBox() {
    return CoveredPixels(MarkBox, ViewOriginX, ViewOriginY, ZoomFactor);
}

PixelRect MeasuredBox() {
    const PixelRect dragged = DraggedBox();
    if (!EdgesOn || !Marking || ColorMode) return dragged;
    return SnapContent(dragged).value_or(dragged);
}

PixelLine DrawnLine() {
    return {ShownAt(MarkAnchorX, MarkAnchorY), ShownAt(CursorX, CursorY)};
}
