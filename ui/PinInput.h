// Pinning and unpinning: each changes the pins, marks what changes on the frame and repaints.
#pragma once

#include <windows.h>

// Shift held at the left button's release: a box or line being marked in size mode stays as a
// pin, as the read-out shows it. The release itself is handled as always, afterwards.
void PinMarkedBox(HWND window);

// Backspace unpins the newest pin, Delete all of them; other keys do nothing.
void OnUnpinKey(HWND window, WPARAM key);
