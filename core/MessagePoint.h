// The pointer position that a mouse message carries, as window-space MicroCoord.
#pragma once

#include "geometry/MicroCoord.h"

#include <windows.h>

inline MicroCoord MessageX(LPARAM lParam) {
    return MouseMicroX(static_cast<std::uint64_t>(lParam));
}
inline MicroCoord MessageY(LPARAM lParam) {
    return MouseMicroY(static_cast<std::uint64_t>(lParam));
}
