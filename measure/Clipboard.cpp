#include "measure/Clipboard.h"

#include <cstring>

namespace {

// Clipboard history and clipboard managers open the clipboard for a moment after each change,
// so a quick second copy can find it busy: try again a few times, never long enough for the
// tool to seem to hang. The tries are counted, not timed: a slow machine tries as often. A
// Sleep(5) lasts a whole timer tick, about 15.6 ms at the platform's default resolution, so
// the nine waits between ten tries come to about 140 ms, not 45.
bool OpenClipboardPatiently(HWND owner) {
    for (int tries = 1; !OpenClipboard(owner); ++tries) {
        if (tries == ClipboardTries) return false;
        Sleep(5);
    }
    return true;
}

} // namespace

void CopyTextToClipboard(HWND owner, const wchar_t* text) {
    if (!OpenClipboardPatiently(owner)) return;
    EmptyClipboard();
    const SIZE_T bytes = (static_cast<SIZE_T>(lstrlenW(text)) + 1) * sizeof(wchar_t);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (block != nullptr) {
        void* memory = GlobalLock(block);
        if (memory != nullptr) {
            std::memcpy(memory, text, bytes);
            GlobalUnlock(block);
            // A refused block stays ours to free; an accepted one belongs to the clipboard.
            if (SetClipboardData(CF_UNICODETEXT, block) == nullptr) GlobalFree(block);
        } else {
            GlobalFree(block);
        }
    }
    CloseClipboard();
}
