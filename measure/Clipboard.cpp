#include "measure/Clipboard.h"

#include <cstring>

namespace {

// Clipboard history and clipboard managers open the clipboard for a moment after each change,
// so a quick second copy can find it busy: try again a few times, never long enough for the
// tool to seem to hang. The tries are counted, not timed: a slow machine tries as often.
bool OpenClipboardPatiently(HWND owner) {
    for (int tries = 1; !OpenClipboard(owner); ++tries) {
        if (tries == ClipboardTries) return false;
        Sleep(5);
    }
    return true;
}

// Hands `bytes` bytes, filled by `fill`, to the clipboard as `format`; a refused block stays
// ours to free, an accepted one belongs to the clipboard.
template <typename Fill> void PlaceBlock(UINT format, SIZE_T bytes, Fill fill) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (block == nullptr) return;
    void* memory = GlobalLock(block);
    if (memory == nullptr) {
        GlobalFree(block);
        return;
    }
    fill(static_cast<std::uint8_t*>(memory));
    GlobalUnlock(block);
    if (SetClipboardData(format, block) == nullptr) GlobalFree(block);
}

// A bottom-up 24-bit bitmap with its header, as CF_DIB holds one.
void PlaceBitmap(const PixelRows& pixels) {
    const SIZE_T stride = (static_cast<SIZE_T>(pixels.Width) * 3 + 3) & ~SIZE_T{3};
    const SIZE_T size = stride * static_cast<SIZE_T>(pixels.Height);
    PlaceBlock(CF_DIB, sizeof(BITMAPINFOHEADER) + size, [&](std::uint8_t* memory) {
        const BITMAPINFOHEADER header = {sizeof(BITMAPINFOHEADER),
                                         static_cast<LONG>(pixels.Width),
                                         static_cast<LONG>(pixels.Height),
                                         1,
                                         24,
                                         BI_RGB,
                                         static_cast<DWORD>(size),
                                         0,
                                         0,
                                         0,
                                         0};
        std::memcpy(memory, &header, sizeof header);
        std::uint8_t* rows = memory + sizeof header;
        for (std::int64_t y = 0; y < pixels.Height; ++y) {
            const std::uint32_t* from = pixels.Bits + (pixels.Height - 1 - y) * pixels.Width;
            std::uint8_t* to = rows + static_cast<SIZE_T>(y) * stride;
            for (std::int64_t x = 0; x < pixels.Width; ++x, to += 3)
                std::memcpy(to, from + x, 3); // blue, green, red: the 32-bit pixel's low bytes
        }
    });
}

} // namespace

void CopyTextToClipboard(HWND owner, const wchar_t* text) {
    if (!OpenClipboardPatiently(owner)) return;
    EmptyClipboard();
    const SIZE_T bytes = (static_cast<SIZE_T>(lstrlenW(text)) + 1) * sizeof(wchar_t);
    PlaceBlock(CF_UNICODETEXT, bytes,
               [&](std::uint8_t* memory) { std::memcpy(memory, text, bytes); });
    CloseClipboard();
}

void CopyPictureToClipboard(HWND owner, const PixelRows& pixels,
                            const std::vector<std::uint8_t>& png) {
    if (!OpenClipboardPatiently(owner)) return;
    EmptyClipboard();
    PlaceBitmap(pixels);
    if (!png.empty())
        PlaceBlock(RegisterClipboardFormatW(L"PNG"), png.size(),
                   [&](std::uint8_t* memory) { std::memcpy(memory, png.data(), png.size()); });
    CloseClipboard();
}
