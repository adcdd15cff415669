// The help panel that F1 opens over the main window: what the keys and the mouse do.
#pragma once

#include <windows.h>

// Runs the panel modally, owned by the main window, then shows the mode's cursor again.
void ShowHelpScreen();

// The panel's dialog procedure: paints the texts and ends on the Cancel command (Close,
// Escape or a close request). Leaves every message to the platform's dialog handling too.
INT_PTR CALLBACK HelpScreenProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
