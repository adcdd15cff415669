// Reads the colour of the picture under a window pixel into PickedColor.
#pragma once

// x and y are window pixels. The colour is the snapshot pixel shown there, read from the
// snapshot, so the outline and the read-out drawn over the picture never count. Off the window
// or the snapshot it is NoColor.
void SampleFrameColor(int x, int y);
