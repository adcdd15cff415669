#include "measure/CopyReadout.h"

#include "core/AppState.h"
#include "measure/Clipboard.h"
#include "measure/ReadoutText.h"

void CopyReadout(HWND window) {
    if (ColorMode) {
        CopyTextToClipboard(window, ColorWebText);
        return;
    }
    wchar_t text[ReadoutTextLength];
    FormatReadout(text);
    CopyTextToClipboard(window, text);
}
