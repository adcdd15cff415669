#include "measure/CopyReadout.h"

#include "core/AppState.h"
#include "core/Repaint.h"
#include "measure/Clipboard.h"
#include "measure/Pins.h"
#include "measure/ReadoutText.h"

void CopyReadout(HWND window) {
    if (ColorMode) {
        CopyPickedColor(window);
        return;
    }
    wchar_t text[ReadoutTextLength];
    FormatReadout(text);
    CopyTextToClipboard(window, text);
}

void CopyPins(HWND window) {
    if (Pins.empty()) return; // the clipboard keeps what it holds
    CopyTextToClipboard(window, PinsText().c_str());
}

void CopyPickedColor(HWND window) {
    if (ColorWebText[0] == 0) return;
    CopyTextToClipboard(window, ColorWebText);
    ReferenceColor = PickedColor;
    InvalidateReadoutStrips(window); // the read-out now ends with the contrast
    RepaintFrame(window);
}
