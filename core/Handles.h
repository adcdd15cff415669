// The program's module, window and drawing handles, made at start-up and window creation.
#pragma once

#include <windows.h>

extern HINSTANCE AppInstance;
extern HWND MainWindowHandle;

extern HDC FrameDC;
extern HBITMAP FrameBitmap;
extern HGDIOBJ FrameOldBitmap;
extern HDC SnapshotDC;
extern HBITMAP SnapshotBitmap;
extern HGDIOBJ SnapshotOldBitmap;
extern HPEN MarkPen;
extern HBRUSH HollowBrush;

// Screen size in whole pixels, as the bitmaps and window are made.
int ScreenPixelWidth();
int ScreenPixelHeight();
