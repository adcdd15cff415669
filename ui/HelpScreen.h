// The help panel that F1 opens over the main window: what the keys and the mouse do.
#pragma once

#include "ui/HelpLayout.h"

#include <windows.h>

// Where the open panel's texts and button stand, in its client area, and its client size.
extern PanelFit HelpPanelFit;

// The DPI its texts are laid out at: the panel's own, or less where the panel would not fit the
// monitor's work area so.
extern int HelpPanelScale;

// Runs the panel modally, owned by the main window, then shows the mode's cursor again.
void ShowHelpScreen();

// Ends the panel, if it is up, as its Close button does: for a tool that hides meanwhile.
void CloseHelpScreen();

// The panel's dialog procedure: fits the panel to its texts and its monitor as it opens, paints the
// texts and ends on the Cancel command (Close, Escape or a close request). Leaves every message
// to the platform's dialog handling too.
INT_PTR CALLBACK HelpScreenProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
