// The pointer's position as a pixel of the frozen screen, read from the platform.
#pragma once

#include <windows.h>

// False when the platform cannot tell (a secure desktop is up, for one); otherwise the
// position, a point off the screen moved to the nearest edge pixel.
bool ReadPointerOnScreen(POINT& pointer);
