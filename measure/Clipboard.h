// Puts a text on the system clipboard as Unicode text.
#pragma once

#include <windows.h>

// Silent when the clipboard stays held by another program for about 50 ms, or memory runs out.
void CopyTextToClipboard(HWND owner, const wchar_t* text);
