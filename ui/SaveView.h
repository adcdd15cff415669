// Ctrl+S: the window's picture saved as a PNG in Pictures\Tarvok and put on the clipboard, the
// outcome told on the read-out line until the next pointer move or key.
#pragma once

#include <windows.h>

// Saves and copies the frame as the window shows it, without the pointer.
void SaveView(HWND window);

// Ends the outcome's message on a pointer move or a key (not a modifier, not an auto-repeat),
// before the message is handled; any other message leaves it.
void EndSaveNotice(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
