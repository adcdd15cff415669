// The mouse wheel's zoom: each whole notch away from the user acts as the digit key of the next
// larger factor, each towards the user as that of the next smaller one.
#pragma once

#include <windows.h>

// WM_MOUSEWHEEL. Its position, in screen coordinates, is not used: the zoom is around the
// pointer, read as the digit keys read it.
void OnZoomWheel(HWND window, WPARAM wParam);
