// Helpers for driving the real main window under Wine: start it, read pixels, record paints.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The colour that the desktop test pattern shows at screen pixel (x, y).
COLORREF PatternColor(int x, int y);

// Waits until the whole screen shows the desktop pattern, as a snapshot needs it: a window of
// an earlier test, in another process and Wine server, can stay on the screen a moment after
// it closed. False if it never does (30 s).
bool WaitForDesktopPattern(int width, int height);

// Records the module handle and the monitor to freeze and registers the class, as start-up does.
void PrepareStartUp();

// Creates the main window (invisible, as start-up leaves it before showing it).
HWND StartMainWindow();

// Shows and paints the window as start-up does.
void ShowMainWindow(HWND window);

// Reads a device context's picture as COLORREF values (0x00BBGGRR), row by row.
std::vector<COLORREF> ReadPixels(HDC dc, int width, int height);

// The update regions seen at each WM_PAINT of a window, recorded by subclassing it.
struct PaintRecorder {
    explicit PaintRecorder(HWND window);
    ~PaintRecorder();
    std::vector<std::vector<RECT>> Paints;
    HWND Window;
    WNDPROC Original;
};

// Union of the rectangles of one recorded paint, as a set of pixels, for comparing regions.
bool RegionCovers(const std::vector<RECT>& region, int x, int y);

LPARAM PackPoint(int x, int y);

// Pumps posted messages until none is left.
void PumpMessages();

// A memory bitmap compatible with `like`, selected into its own context; released on exit.
struct MemoryCanvas {
    MemoryCanvas(HDC like, int width, int height);
    ~MemoryCanvas();
    MemoryCanvas(const MemoryCanvas&) = delete;
    MemoryCanvas& operator=(const MemoryCanvas&) = delete;
    std::vector<COLORREF> Pixels() const { return ReadPixels(Dc, Width, Height); }
    HDC Dc;
    HBITMAP Bitmap;
    HGDIOBJ Old;
    int Width;
    int Height;
};

// Reads what the window shows on the screen, through its own device context.
std::vector<COLORREF> ReadWindowPixels(HWND window, int width, int height);

// A fixture with the state fresh and the main window created and shown, as at start.
#include <gtest/gtest.h>
class ShownWindowTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
    COLORREF FramePixel(int x, int y) const { return GetPixel(FrameDcHandle(), x, y); }
    // What the window shows on the screen at (x, y).
    COLORREF ShownPixel(int x, int y) const;
    static HDC FrameDcHandle();
    void Move(int x, int y) { SendMessageW(window, WM_MOUSEMOVE, 0, PackPoint(x, y)); }
    void Press(int x, int y) { SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, PackPoint(x, y)); }
    void Release(int x, int y) { SendMessageW(window, WM_LBUTTONUP, 0, PackPoint(x, y)); }
    LRESULT Key(wchar_t c) { return SendMessageW(window, WM_CHAR, c, 0x00010001); }
    // The first pixel where the window differs from the frame, as "x,y", or "" if none.
    std::string WindowDiffersFromFrame() const;
    HWND window = nullptr;
    int width = 0;
    int height = 0;
};

// True when the two lists of rectangles cover the same pixels; `expected` is first clipped
// to the window's client area, as the platform clips invalidated rectangles.
bool SameRegion(const std::vector<RECT>& painted, const std::vector<RECT>& expected, HWND window);

// A number from the environment variable `name`, or `fallback` when it is not set: longer
// runs of the random and storm tests.
long EnvironmentNumber(const char* name, long fallback);

// Another process holding the clipboard open from construction: for holdMs milliseconds, or
// until destruction when holdMs is 0.
struct ClipboardHolder {
    explicit ClipboardHolder(int holdMs = 0);
    ~ClipboardHolder();
    ClipboardHolder(const ClipboardHolder&) = delete;
    ClipboardHolder& operator=(const ClipboardHolder&) = delete;
    int ExitCode(); // lets go of the clipboard and waits for the process to end
    HANDLE Ready, Release;
    PROCESS_INFORMATION Process = {};
};

// Sets the clipboard to a text, as another program would.
void PutClipboardText(const wchar_t* text);
// The clipboard's Unicode text, or "<none>".
std::wstring ClipboardText();

// The screen's "Arial (Western)" font description as the platform enumerates it, if it offers
// one; `scripts` (if given) receives the number of scripts it offers the family Arial in.
std::optional<LOGFONTW> ScreenArialWestern(int* scripts = nullptr);
