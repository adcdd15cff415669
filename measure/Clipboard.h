// Puts a text on the system clipboard as Unicode text.
#pragma once

#include <windows.h>

// How often a copy tries to open a clipboard that another program holds, a timer tick apart
// (about 15.6 ms on Windows: some 140 ms in all).
constexpr int ClipboardTries = 10;

// Silent when the clipboard stays held by another program for all the tries, or memory runs
// out.
void CopyTextToClipboard(HWND owner, const wchar_t* text);
