// The resident process: a hidden message window that takes the global shortcut, the icon's
// clicks and menu and the requests of later starts, and shows the tool on each.
#pragma once

#include <windows.h>

#include <string>

// After the main window is made, hidden: registers the shortcut and adds the icon, saying so
// when the shortcut cannot be had. The tool then waits hidden.
void StartResident();

// The message window's procedure.
LRESULT CALLBACK ResidentWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The icon's tooltip as it stands: how to measure, or what is wrong with the shortcut.
extern std::wstring ResidentTip;
