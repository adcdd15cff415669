#include "ui/SaveView.h"

#include "core/PictureFile.h"
#include "core/PixelRows.h"
#include "core/PngCodec.h"
#include "core/Repaint.h"
#include "measure/Clipboard.h"
#include "measure/ReadoutText.h"
#include "ui/ComposeFrame.h"

namespace {

// The place of the last pointer move message: one to the same place (the platform sends some
// without a move) does not end the outcome's message.
LPARAM LastMoveAt = -1;

LocalTime Now() {
    SYSTEMTIME t;
    GetLocalTime(&t);
    return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
}

// Shows `text` on the read-out line at once.
void ShowNotice(HWND window, std::wstring text) {
    ReadoutNotice = std::move(text);
    InvalidateFrameChanges(window);
    RepaintFrame(window);
}

} // namespace

void SaveView(HWND window) {
    const LocalTime time = Now();
    ShowNotice(window, L""); // an earlier outcome's message gives way to the state's line
    // The back buffer holds the whole frame that the window shows once every change is painted.
    GdiFlush();
    std::vector<std::uint8_t> png;
    std::wstring name;
    DWORD error = static_cast<DWORD>(EncodePng(FramePixels, png));
    if (error == 0) error = SaveNewPicture(png, time, name);
    CopyPictureToClipboard(window, std::move(png)); // also when the file could not be saved
    ShowNotice(window, error == 0 ? L"Saved: " + name + L" in Pictures\\Tarvok"
                                  : L"Not saved: " + ErrorText(error));
}

void EndSaveNotice(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const bool moved = message == WM_MOUSEMOVE && lParam != LastMoveAt;
    if (message == WM_MOUSEMOVE) LastMoveAt = lParam;
    if (ReadoutNotice.empty()) return;
    const bool key = (message == WM_KEYDOWN || message == WM_SYSKEYDOWN) &&
                     (lParam & (1 << 30)) == 0 && wParam != VK_SHIFT && wParam != VK_CONTROL &&
                     wParam != VK_MENU && wParam != VK_LWIN && wParam != VK_RWIN;
    if (key || moved) ShowNotice(window, L"");
}
