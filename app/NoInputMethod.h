// Keeps input methods (Japanese, Chinese and the like) away from the main window, so that
// digits, Space and Enter reach it as keys instead of going into a composition.
#pragma once

#include <windows.h>

void DisableInputMethod(HWND window);
