// The digit keys' zoom: by the character typed, and by the key's position whatever character
// the keyboard layout gives it, each press acting once.
#pragma once

#include <windows.h>

// A key-down: VK_1 to VK_9 and VK_NUMPAD1 to VK_NUMPAD9 set the zoom as "1" to "9" do.
void OnZoomKeyDown(HWND window, WPARAM key);

// A character: "1" to "9" set the zoom, unless the key that typed it has already.
void OnZoomCharacter(HWND window, WPARAM character);
