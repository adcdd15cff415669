// Arrow keys: the pointer steps one snapshot pixel (ten with Shift), and the step acts at
// once as a mouse move to the new place would. A pointer the platform will not move changes
// nothing.
#pragma once

#include <windows.h>

// A key-down: the arrows step, every other key is left alone.
void OnArrowKey(HWND window, WPARAM key);
