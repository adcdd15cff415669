#include "measure/Clipboard.h"

#include "core/PngCodec.h"

#include <cstring>
#include <utility>

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

// Hands a copy of `bytes` bytes at `data` to the clipboard as `format`; a refused block stays
// ours to free, an accepted one belongs to the clipboard.
void PlaceBlock(UINT format, const void* data, SIZE_T bytes) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (block == nullptr) return;
    void* memory = GlobalLock(block);
    if (memory == nullptr) {
        GlobalFree(block);
        return;
    }
    std::memcpy(memory, data, bytes);
    GlobalUnlock(block);
    if (SetClipboardData(format, block) == nullptr) GlobalFree(block);
}

// The picture last put on the clipboard, kept while this program owns it: the formats are made
// from it only when a program asks for them, for handing a screen-sized bitmap to the clipboard
// cost more than saving the file.
std::vector<std::uint8_t> PicturePng;

UINT PngFormat() {
    static const UINT format = RegisterClipboardFormatW(L"PNG");
    return format;
}

void RenderPicture(UINT format) {
    if (format == PngFormat()) {
        PlaceBlock(format, PicturePng.data(), PicturePng.size());
    } else if (format == CF_DIB) {
        std::vector<std::uint8_t> dib;
        if (SUCCEEDED(DecodePngAsDib(PicturePng, dib))) PlaceBlock(format, dib.data(), dib.size());
    }
}

} // namespace

void CopyTextToClipboard(HWND owner, const wchar_t* text) {
    if (!OpenClipboardPatiently(owner)) return;
    EmptyClipboard();
    const SIZE_T bytes = (static_cast<SIZE_T>(lstrlenW(text)) + 1) * sizeof(wchar_t);
    PlaceBlock(CF_UNICODETEXT, text, bytes);
    CloseClipboard();
}

void CopyPictureToClipboard(HWND owner, std::vector<std::uint8_t> png) {
    if (png.empty() || !OpenClipboardPatiently(owner)) return;
    EmptyClipboard(); // which ends what this program kept for an earlier picture
    PicturePng = std::move(png);
    SetClipboardData(CF_DIB, nullptr);
    SetClipboardData(PngFormat(), nullptr);
    CloseClipboard();
}

void OnPictureRequest(HWND owner, UINT message, WPARAM format) {
    if (message == WM_RENDERFORMAT) {
        RenderPicture(static_cast<UINT>(format));
    } else if (message == WM_RENDERALLFORMATS) { // the owner is going: the formats stay
        if (!OpenClipboard(owner)) return;
        if (GetClipboardOwner() == owner) {
            RenderPicture(CF_DIB);
            RenderPicture(PngFormat());
        }
        CloseClipboard();
    } else if (message == WM_DESTROYCLIPBOARD) {
        PicturePng = {};
    }
}
