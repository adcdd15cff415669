// The pointer on the frozen screen: its position read from and given to the platform, and
// the clip that keeps it there.
#pragma once

#include <windows.h>

#include <cstdint>

// False when the platform cannot tell (a secure desktop is up, for one); otherwise the
// position, a point off the screen moved to the nearest edge pixel.
bool ReadPointerOnScreen(POINT& pointer);

// Moves the pointer onto a pixel of the frozen screen; false when the platform refused (a
// secure desktop, some remote-control tools), and the pointer stayed where it was.
bool MovePointerOnScreen(std::int64_t x, std::int64_t y);

// True while a shown window of this thread, the main window or its help panel, is the one in
// front.
bool ToolInFront();

// While the tool is the active program the pointer stays on the frozen monitor: elsewhere
// its moves would not reach the window, and a click would bring another program forward.
// Inactive, it releases only its own clip, the monitor's rectangle.
void ConfinePointer(bool active);

// Sets the clip again while the tool is in front: the platform drops it for its secure
// desktop, and any program may release it, with no word to the tool. Set each time rather
// than when the clip reported differs: on some platforms (Wine) the report can stand while
// the confinement itself is gone.
void KeepPointerConfined();
