#include "ui/PinGeometry.h"

#include <algorithm>

namespace {

// Space between the outline's corner and the label, so that the label does not touch the dots.
constexpr std::int64_t LabelGap = 2;

// Where a span of `length` starting at `start` stands once moved inside 0..limit.
std::int64_t Inside(std::int64_t start, std::int64_t length, std::int64_t limit) {
    return std::max<std::int64_t>(0, std::min(start, limit - length));
}

} // namespace

bool OnWindow(const PixelRect& outline, std::int64_t width, std::int64_t height) {
    return outline.Right > 0 && outline.Bottom > 0 && outline.Left < width && outline.Top < height;
}

PixelRect PlaceLabel(const PixelRect& outline, std::int64_t labelWidth, std::int64_t labelHeight,
                     std::int64_t width, std::int64_t height) {
    const std::int64_t left = Inside(outline.Right + LabelGap, labelWidth, width);
    const std::int64_t top = Inside(outline.Bottom + LabelGap, labelHeight, height);
    return {left, top, left + labelWidth, top + labelHeight};
}
