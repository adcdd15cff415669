// Showing the cursor images: the current mode's, and the next one on Enter.
#pragma once

#include <windows.h>

#include <cstdint>

// Loads the cursor images from the program's resources at the frozen monitor's cursor size.
void LoadCursors();

// Shows the current mode's cursor.
void SetModeCursor();

// Enter: the next image of the current mode's set, shown at once.
void CycleCursor();

// The loaded image of a cursor id, null when none is.
HCURSOR LoadedCursor(std::uint16_t id);

// Destroys the loaded images, showing the arrow in their place.
void ReleaseCursors();
