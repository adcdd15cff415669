// Showing the cursor images: the current mode's, and the next one on Enter.
#pragma once

// Loads the current mode's cursor from the program's resources and shows it.
void SetModeCursor();

// Enter: the next image of the current mode's set, shown at once.
void CycleCursor();
