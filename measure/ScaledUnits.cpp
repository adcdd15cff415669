#include "measure/ScaledUnits.h"

int ScalePercent(int dpi) {
    return (dpi * 100 + 48) / 96;
}

std::int64_t ToScaledUnits(std::int64_t pixels, int dpi) {
    const std::int64_t magnitude = ((pixels < 0 ? -pixels : pixels) * 96 * 2 + dpi) / (2 * dpi);
    return pixels < 0 ? -magnitude : magnitude;
}
