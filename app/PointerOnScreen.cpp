#include "app/PointerOnScreen.h"

#include "app/Handles.h"

#include <algorithm>

bool ReadPointerOnScreen(POINT& pointer) {
    POINT read;
    if (!GetCursorPos(&read)) return false;
    // The client area is the primary screen, so a screen pixel is a window position; another
    // monitor's pointer would lie off the snapshot.
    pointer.x = std::clamp(read.x, LONG{0}, LONG{ScreenPixelWidth() - 1});
    pointer.y = std::clamp(read.y, LONG{0}, LONG{ScreenPixelHeight() - 1});
    return true;
}
