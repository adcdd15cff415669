// The DPI the platform gives a window, and the one scaled units follow on a monitor.
#pragma once

#include <windows.h>

// The window's DPI where the platform can tell it (from Windows 10 1607 on), else the screen's
// logical pixels per inch, which every window had before; 96 when nothing answers.
int WindowDpi(HWND window);

// The monitor's effective DPI where the platform can tell it (from Windows 8.1 on), else the
// window's (the screen's for a null window).
int MonitorDpi(HMONITOR monitor, HWND window);
