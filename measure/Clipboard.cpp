#include "measure/Clipboard.h"

#include <cstring>

void CopyTextToClipboard(HWND owner, const wchar_t* text) {
    if (!OpenClipboard(owner)) return;
    EmptyClipboard();
    const SIZE_T bytes = (static_cast<SIZE_T>(lstrlenW(text)) + 1) * sizeof(wchar_t);
    HGLOBAL block = GlobalAlloc(GMEM_DDESHARE, bytes);
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
