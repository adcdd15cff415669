// The pointer position that a mouse message carries, as window-space MicroCoord.
#pragma once

#include "core/AppState.h"
#include "geometry/MicroCoord.h"

#include <windows.h>

#include <algorithm>

inline MicroCoord MessageX(LPARAM lParam) {
    return MouseMicroX(static_cast<std::uint64_t>(lParam));
}
inline MicroCoord MessageY(LPARAM lParam) {
    return MouseMicroY(static_cast<std::uint64_t>(lParam));
}

// The same, a position past the client area (the capture reports moves anywhere) moved to its
// nearest pixel, so that no read-out names a pixel the picture does not have.
inline MicroCoord ClientX(LPARAM lParam) {
    return std::max<MicroCoord>(0, std::min(MessageX(lParam), ScreenWidth - MicroPerPixel));
}
inline MicroCoord ClientY(LPARAM lParam) {
    return std::max<MicroCoord>(0, std::min(MessageY(lParam), ScreenHeight - MicroPerPixel));
}
