// A pan step on the window: move the view with the pointer and repaint all of it at once.
#pragma once

#include <windows.h>

void PanStep(HWND window, LPARAM lParam);
