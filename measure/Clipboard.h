// Puts a text on the system clipboard as Unicode text.
#pragma once

#include <windows.h>

// Silent when the clipboard is held by another program or memory runs out.
void CopyTextToClipboard(HWND owner, const wchar_t* text);
