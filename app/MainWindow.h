// The main window: its class, creation, procedure and the program's start-up.
#pragma once

#include <windows.h>

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Chooses the monitor under the pointer (the primary when that is unknown) as the one to
// freeze: records its place and size, and returns it.
HMONITOR RecordMonitorUnderPointer();

// True while the recorded monitor is still there with the same place and size.
bool FrozenMonitorUnchanged();

// Registers the class "MainWindow"; false if the platform refused it.
bool RegisterMainWindowClass();

// Creates the invisible monitor-sized popup (the creation handler runs inside), kept above
// other programs' windows, and makes its client area coincide with the monitor. Returns null
// if creation failed.
HWND CreateMainWindow();

// Moves the window so that its client area covers exactly the monitor, should the
// platform have inset it.
void FitClientToScreen(HWND window);

// Fits it again when something has moved it off the monitor (a restore from the system
// menu, for one); not while minimized.
void RefitClientToScreen(HWND window);

// Shows only the client area: the border, fitted just outside the monitor, would otherwise
// stand on a neighbouring one.
void ClipWindowToClient(HWND window);

// Shows the window, paints it and brings it to the front with the pointer clipped to it.
void BringToFront(HWND window);

// The check, four times a second, that the tool in front holds its clip: only while it is shown.
void KeepClipChecked(HWND window, bool shown);

// The whole program after the module handle is known; returns the exit code. A resident one
// keeps the window hidden until its shortcut is pressed.
int RunTarvok(HINSTANCE instance, bool resident = false);
