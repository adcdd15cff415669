// Pins on the frame: where the current view shows them, and drawing them.
#pragma once

#include "ui/PinGeometry.h"

#include <windows.h>

#include <vector>

// The pins that the current view shows on the window, oldest first, each outlined on its
// pixels' cells as the box being marked is, with their labels measured in dc's font (each
// label once, when its pin is first planned).
std::vector<PinLayout> PlanPins(HDC dc);

// Draws each of `pins` that `changes` reach: its outline (or line) with the box's pen, then its
// label in dc's font and colours.
void DrawPins(HDC dc, const std::vector<PinLayout>& pins, const std::vector<PixelRect>& changes);

// Draws a line with the box's pen from the middle of its start cell up to the middle of its end
// cell, and outlines both cells when they are.
void DrawLine(HDC dc, const LineCells& line);
