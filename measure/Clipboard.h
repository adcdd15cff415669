// Puts a text on the system clipboard as Unicode text, or a picture as a bitmap and a PNG.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

// How often a copy tries to open a clipboard that another program holds, a timer tick apart
// (about 15.6 ms on Windows: some 140 ms in all).
constexpr int ClipboardTries = 10;

// Silent when the clipboard stays held by another program for all the tries, or memory runs
// out.
void CopyTextToClipboard(HWND owner, const wchar_t* text);

// The picture `png` as the registered format "PNG", which keeps it exact where it is understood,
// and as a 24-bit bitmap (CF_DIB), which every program pastes; both made when a program asks,
// from the bytes kept meanwhile. Silent on failure, as a text copy is; nothing for no bytes.
void CopyPictureToClipboard(HWND owner, std::vector<std::uint8_t> png);

// The clipboard owner's messages for that picture: WM_RENDERFORMAT, WM_RENDERALLFORMATS (the
// owner is going) and WM_DESTROYCLIPBOARD (it is no longer the owner).
void OnPictureRequest(HWND owner, UINT message, WPARAM format);
