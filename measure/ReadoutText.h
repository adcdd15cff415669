// The read-out line's three texts: position, box size and picked colour, in snapshot pixels.
#pragma once

#include "geometry/MicroCoord.h"

#include <string>

constexpr int ReadoutTextLength = 256;

// Each writes its text, NUL-terminated, and returns the number of characters written.
// They read the zoom and the view origin; nothing is allocated.
int FormatSizeText(const MicroBox* box, wchar_t (&text)[ReadoutTextLength]);
// The same line for snapshot pixels `box` (right and bottom exclusive).
int FormatSizeLine(const PixelRect& box, wchar_t (&text)[ReadoutTextLength]);
int FormatPositionText(const MicroBox* box, wchar_t (&text)[ReadoutTextLength]);
// Writes ColorWebText from PickedColor in the chosen format first, then the line that quotes
// it, naming an averaged area and ending with the contrast to ReferenceColor when there is one;
// for NoColor an empty ColorWebText and the position text.
int FormatColorText(const MicroBox* box, wchar_t (&text)[ReadoutTextLength]);

// Edges mode's line in size mode: while marking, the position and size of the box as it
// snaps; else the pointer's position and the spacing of the runs through it; then the
// tolerance.
int FormatEdgeText(wchar_t (&text)[ReadoutTextLength]);

// A line's read-out: "X: 100, Y: 100    Length: 500.00    dX: 300, dY: 400    Angle: -53.13°",
// the length with its scaled part on a scaled display ("Length: 500.00 (333.33 at 150 %)").
int FormatLineText(const PixelLine& line, wchar_t (&text)[ReadoutTextLength]);

// A message that the read-out line shows instead of the state's line while it is not empty,
// such as the outcome of a save.
extern std::wstring ReadoutNotice;

// The line of the current state, of MarkBox: colour in colour mode, else the box's size while
// marking, else the position; edges mode's line while edges are on; ReadoutNotice while there
// is one; a line's while one is drawn.
int FormatReadout(wchar_t (&text)[ReadoutTextLength]);
