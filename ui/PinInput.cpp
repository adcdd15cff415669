#include "ui/PinInput.h"

#include "core/AppState.h"
#include "core/Repaint.h"
#include "measure/MeasuredBox.h"
#include "measure/Pins.h"
#include "ui/ComposeFrame.h"

void PinMarkedBox(HWND window) {
    if (!Marking || ColorMode) return;
    if (MarkingLine)
        AddLinePin(DrawnLine());
    else
        AddPin(MeasuredBox());
    // The outline or line is where the marking's already is; its label is new. The release
    // repaints.
    InvalidateFrameChanges(window);
}

void OnUnpinKey(HWND window, WPARAM key) {
    const bool removed =
        (key == VK_BACK && RemoveNewestPin()) || (key == VK_DELETE && RemoveAllPins());
    if (!removed) return;
    InvalidateFrameChanges(window);
    RepaintFrame(window);
}
