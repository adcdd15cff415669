// Reads a pixel of the composed frame into PickedColor.
#pragma once

// x and y are window pixels; outside the frame the platform's invalid colour (all ones) is kept.
void SampleFrameColor(int x, int y);
