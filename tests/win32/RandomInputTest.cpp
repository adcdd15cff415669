// Random input through the real window procedure: after every message the back buffer equals
// a whole composition of the state, and the window shows the back buffer.
#include "app/AppState.h"
#include "app/Handles.h"
#include "app/MainWindow.h"
#include "ui/ComposeFrame.h"
#include "unit/StateFixture.h"
#include "win32/RandomMessages.h"
#include "win32/WinTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

// A top-down 32-bit DIB section whose pixels can be read in place.
struct DibCanvas {
    DibCanvas(int width, int height) : Width(width), Height(height) {
        BITMAPINFO info = {};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        HDC screen = GetDC(nullptr);
        Bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &Bits, nullptr, 0);
        Dc = CreateCompatibleDC(screen);
        ReleaseDC(nullptr, screen);
        Old = SelectObject(Dc, Bitmap);
    }
    ~DibCanvas() {
        SelectObject(Dc, Old);
        DeleteObject(Bitmap);
        DeleteDC(Dc);
    }
    DibCanvas(const DibCanvas&) = delete;
    DibCanvas& operator=(const DibCanvas&) = delete;
    const DWORD* Pixels() const {
        GdiFlush();
        return static_cast<const DWORD*>(Bits);
    }
    int Width, Height;
    void* Bits = nullptr;
    HBITMAP Bitmap;
    HDC Dc;
    HGDIOBJ Old;
};

// "x,y: 00RRGGBB instead of 00RRGGBB" for the first pixel inside width x height that differs.
std::string FirstDifference(const DibCanvas& seen, const DibCanvas& expected, int width,
                            int height) {
    const DWORD* a = seen.Pixels();
    const DWORD* b = expected.Pixels();
    for (int y = 0; y < height; ++y) {
        const size_t row = static_cast<size_t>(y) * static_cast<size_t>(seen.Width);
        if (std::memcmp(a + row, b + row, static_cast<size_t>(width) * 4) == 0) continue;
        for (int x = 0; x < width; ++x)
            if (a[row + static_cast<size_t>(x)] != b[row + static_cast<size_t>(x)]) {
                char text[64];
                std::snprintf(text, sizeof text, "%d,%d: %06lx instead of %06lx", x, y,
                              a[row + static_cast<size_t>(x)], b[row + static_cast<size_t>(x)]);
                return text;
            }
    }
    return "";
}

// The main window on an odd-sized screen whose snapshot has detail in every pixel.
class RandomInputTest : public ::testing::Test {
  protected:
    static constexpr int Width = 1366;
    static constexpr int Height = 768;
    void SetUp() override {
        PrepareStartUp();
        ResetAppState(Width, Height);
        window = CreateMainWindow();
        ASSERT_NE(window, nullptr);
        MainWindowHandle = window;
        DibCanvas pattern(Width, Height);
        auto* bits = static_cast<DWORD*>(pattern.Bits);
        for (int y = 0; y < Height; ++y)
            for (int x = 0; x < Width; ++x)
                bits[y * Width + x] = static_cast<DWORD>(x * 7 ^ y * 13) & 0xFFFFFF;
        BitBlt(SnapshotDC, 0, 0, Width, Height, pattern.Dc, 0, 0, SRCCOPY);
        ShowMainWindow(window);
    }
    void TearDown() override {
        if (IsWindow(window)) DestroyWindow(window);
        PumpMessages();
    }
    HWND window = nullptr;
};

TEST_F(RandomInputTest, BackBufferIsAWholeCompositionAndTheWindowShowsIt) {
    const long count = EnvironmentNumber("TARVOK_REPAINT_MESSAGES", 1500);
    const auto seed = static_cast<std::uint32_t>(EnvironmentNumber("TARVOK_SEED", 20261207));
    // The window is larger than the test's screen; only the part on it can be read back.
    const int shownWidth = std::min(Width, GetSystemMetrics(SM_CXSCREEN));
    const int shownHeight = std::min(Height, GetSystemMetrics(SM_CYSCREEN));
    DibCanvas whole(Width, Height), frame(Width, Height), shown(Width, Height);
    MessageGenerator messages(seed, Width, Height, false);
    for (long step = 0; step < count; ++step) {
        const RandomMessage m = messages.Next();
        SendMessageW(window, m.Message, m.WParam, m.LParam);
        if (step % 37 == 0) { // something covered part of the window and went away
            const int x = static_cast<int>(step * 7919 % shownWidth),
                      y = static_cast<int>(step * 104729 % shownHeight);
            const RECT covered = {x, y, x + 200, y + 120};
            HDC windowDc = GetDC(window);
            FillRect(windowDc, &covered, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
            ReleaseDC(window, windowDc);
            InvalidateRect(window, &covered, FALSE);
            UpdateWindow(window);
        }
        ComposeWholeFrame(whole.Dc);
        BitBlt(frame.Dc, 0, 0, Width, Height, FrameDC, 0, 0, SRCCOPY);
        const std::string composed = FirstDifference(frame, whole, Width, Height);
        ASSERT_EQ(composed, "") << "seed " << seed << ", step " << step << ", " << Describe(m)
                                << ": the back buffer is not the whole composition";
        HDC windowDc = GetDC(window);
        BitBlt(shown.Dc, 0, 0, shownWidth, shownHeight, windowDc, 0, 0, SRCCOPY);
        ReleaseDC(window, windowDc);
        ASSERT_EQ(FirstDifference(shown, frame, shownWidth, shownHeight), "")
            << "seed " << seed << ", step " << step << ", " << Describe(m)
            << ": the window does not show the back buffer";
    }
}

} // namespace
