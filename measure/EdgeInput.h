// Edges mode's input: the E, Page Up and Page Down keys, the repaint of the cross, and the colour
// a box snaps against.
#pragma once

#include <windows.h>

// E turns edges on and off in size mode (a held key once); Page Up and Page Down step the
// tolerance while edges are on in size mode. Other keys are left alone.
void OnEdgeKey(HWND window, WPARAM key, LPARAM lParam);

// Marks for repainting, without erasing, where the cross stands in the current state (its
// SmallCrossBounds, else its CrossBands). A pointer move marks it before and after it changes
// the state.
void InvalidateCross(HWND window);

// A left-button press: the snapshot pixel under it (the nearest one, off the snapshot) becomes
// the colour a box snaps against.
void NoteSnapBackground(LPARAM lParam);
