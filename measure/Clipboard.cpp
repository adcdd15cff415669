#include "measure/Clipboard.h"

#include <cstring>

namespace {

// Clipboard history and clipboard managers open the clipboard for a moment after each change,
// so a quick second copy can find it busy: try again for a little while, never long enough
// for the tool to seem to hang.
bool OpenClipboardPatiently(HWND owner) {
    constexpr LONGLONG PatienceMs = 45;
    constexpr DWORD PauseMs = 5;
    LARGE_INTEGER frequency, start, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    while (!OpenClipboard(owner)) {
        QueryPerformanceCounter(&now);
        const LONGLONG elapsedMs = (now.QuadPart - start.QuadPart) * 1000 / frequency.QuadPart;
        if (elapsedMs + PauseMs > PatienceMs) return false;
        Sleep(PauseMs);
    }
    return true;
}

} // namespace

void CopyTextToClipboard(HWND owner, const wchar_t* text) {
    if (!OpenClipboardPatiently(owner)) return;
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
