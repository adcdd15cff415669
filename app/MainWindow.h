// The main window: its class, creation, procedure and the program's start-up.
#pragma once

#include <windows.h>

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Registers the class "MainWindow"; false if the platform refused it.
bool RegisterMainWindowClass();

// Creates the invisible screen-sized popup (the creation handler runs inside) and makes
// its client area coincide with the screen. Returns null if creation failed.
HWND CreateMainWindow();

// Moves the window so that its client area covers exactly the screen, should the
// platform have inset it.
void FitClientToScreen(HWND window);

// The whole program after the module handle is known; returns the exit code.
int RunTarvok(HINSTANCE instance);
