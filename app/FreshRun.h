// A run of the tool in a resident process: what a fresh start resets, the press that shows the
// tool again over a new snapshot, and hiding it where a one-shot start would end.
#pragma once

#include <windows.h>

// True in a process started with --resident: closing the tool hides it.
extern bool Resident;

// Copies the frozen monitor into the snapshot; the next paint composes the whole frame.
void TakeSnapshot(HDC screen);

// Puts back what a start leaves fresh: the view, the box, the pins, the mode and the drags. The
// kept settings (colour format, sampled area, cursors, grid, edges and their tolerance, the
// shortcut) stay as they are.
void ResetRunState();

// The shortcut, the icon or a second start: while the tool is hidden, freezes the monitor under
// the pointer and shows the tool as a fresh start would. Nothing while it is shown.
void MeasureAgain();

// Escape, Alt+F4, or the frozen monitor gone: ends the tool, or in a resident process hides it,
// holding no capture and no pointer clip.
void CloseTool(HWND window);
