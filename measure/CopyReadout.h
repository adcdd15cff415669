// Ctrl+C and the colour-mode click: what the read-out shows, to the clipboard;
// Ctrl+Shift+C: the pins.
#pragma once

#include <windows.h>

// In colour mode the web colour text, as a click copies it; in size mode the read-out line,
// as the paint draws it.
void CopyReadout(HWND window);

// Every pin's size line, oldest first; nothing at all when there is no pin.
void CopyPins(HWND window);

// A pick: the colour text of the last sample, which also becomes the colour the read-out
// compares with; nothing when that was no pixel of the snapshot.
void CopyPickedColor(HWND window);
