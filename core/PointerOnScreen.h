// The pointer on the frozen screen: its position read from and given to the platform, and
// the clip that keeps it there.
#pragma once

#include <windows.h>

#include <cstdint>

// False when the platform cannot tell (a secure desktop is up, for one); otherwise the
// position, a point off the screen moved to the nearest edge pixel.
bool ReadPointerOnScreen(POINT& pointer);

// Moves the pointer onto a pixel of the frozen screen.
void MovePointerOnScreen(std::int64_t x, std::int64_t y);

// While the tool is the active program the pointer stays on the frozen monitor: elsewhere
// its moves would not reach the window, and a click would bring another program forward.
void ConfinePointer(bool active);
