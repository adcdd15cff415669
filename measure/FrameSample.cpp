#include "measure/FrameSample.h"

#include "app/AppState.h"
#include "app/Handles.h"

// The frame, not the snapshot: the sample is what the screen shows, read-out line included.
void SampleFrameColor(int x, int y) {
    PickedColor = GetPixel(FrameDC, x, y);
}
