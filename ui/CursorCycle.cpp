#include "ui/CursorCycle.h"

#include "core/AppState.h"

namespace {

std::uint16_t NextInSet(std::uint16_t id, std::uint16_t first, std::uint16_t last) {
    return id >= first && id < last ? static_cast<std::uint16_t>(id + 1) : first;
}

} // namespace

std::uint16_t ModeCursorId() {
    return ColorMode ? ColorCursorId : SizeCursorId;
}

void StepModeCursorId() {
    if (ColorMode)
        ColorCursorId = NextInSet(ColorCursorId, FirstColorCursorId, LastColorCursorId);
    else
        SizeCursorId = NextInSet(SizeCursorId, FirstSizeCursorId, LastSizeCursorId);
}
