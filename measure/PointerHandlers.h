// The main window's left-button and pointer-move handling: marking a box, tracking the
// pointer, and the colour copy on release.
#pragma once

#include "geometry/MicroCoord.h"

#include <windows.h>

// Marks what is drawn of the marking for repainting: the line being drawn, else the outline of
// MarkBox.
void InvalidateMarking(HWND window);

// A press starts marking a box, or with `line` (Ctrl held) a line in size mode.
void OnLeftButtonDown(HWND window, LPARAM lParam, bool line);
void OnPointerMove(HWND window, LPARAM lParam); // while not panning
void OnLeftButtonUp(HWND window, LPARAM lParam);

// The mouse capture is lost (a modal panel, another program in front): the release will go
// elsewhere, so a pan ends, and a marking ends at the pointer's pixel without a copy.
void EndDrags(HWND window);

// The tool comes to the front again (active) and takes the capture back, or goes behind
// another program and ends its drags.
void KeepCaptureWhileActive(HWND window, bool active);
