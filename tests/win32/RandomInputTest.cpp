// Random input through the real window procedure: after every message the back buffer equals
// a whole composition of the state, and the window shows the back buffer.
#include "app/MainWindow.h"
#include "core/AppState.h"
#include "core/Handles.h"
#include "measure/Edges.h"
#include "measure/Pins.h"
#include "measure/ReadoutText.h"
#include "ui/ComposeFrame.h"
#include "unit/StateFixture.h"
#include "win32/GdiLedger.h"
#include "win32/RandomMessages.h"
#include "win32/WinTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <psapi.h>
#include <regex>

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

// The main window on an odd-sized screen whose snapshot has flat blocks and detail everywhere else.
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
                bits[y * Width + x] = static_cast<DWORD>((x / 40 + y / 30) % 3 == 0
                                                             ? x / 40 * 0x3A5F17 ^ y / 30 * 0x11D3C5
                                                             : x * 7 ^ y * 13) &
                                      0xFFFFFF;
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
    // Pins to start with: the older across the read-out line, its label under the newer one.
    AddPin({20, Height - 35, 300, Height - 5});
    AddPin({310, Height - 12, 400, Height - 1});
    for (long step = 0; step < count; ++step) {
        const RandomMessage m = messages.Next();
        SendRandomMessage(window, m);
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

// What is wrong with the state after a message, or "" when every invariant holds.
std::string BrokenInvariant() {
    if (ViewOriginX < 0 || ViewOriginX > ScreenWidth - ScreenWidth / ZoomFactor ||
        ViewOriginY < 0 || ViewOriginY > ScreenHeight - ScreenHeight / ZoomFactor)
        return "view origin outside the snapshot";
    static const std::int16_t factors[] = {1, 2, 3, 4, 6, 10, 20, 30, 45};
    if (std::find(std::begin(factors), std::end(factors), ZoomFactor) == std::end(factors))
        return "zoom factor " + std::to_string(ZoomFactor);
    const bool untouched = // as at start, before any mouse message
        MarkBox.Left == 0 && MarkBox.Top == 0 && MarkBox.Right == 0 && MarkBox.Bottom == 0;
    if (!untouched && (MarkBox.Left >= MarkBox.Right || MarkBox.Top >= MarkBox.Bottom))
        return "box edges crossed";
    static const std::wregex position(L"X: -?\\d+, Y: -?\\d+");
    static const std::wregex size(L"X: -?\\d+, Y: -?\\d+    Size: \\d+ X \\d+");
    static const std::wregex line(L"X: -?\\d+, Y: -?\\d+    Length: \\d+\\.\\d\\d    "
                                  L"dX: -?\\d+, dY: -?\\d+    Angle: -?\\d{1,3}\\.\\d\\d\u00B0");
    static const std::wregex edges(L"X: -?\\d+, Y: -?\\d+(    (Spacing|Size): \\d+ X \\d+)?    "
                                   L"Tolerance: (0|1|2|4|8|16|32|64|128)");
    static const std::wregex colour(L"X: -?\\d+, Y: -?\\d+(    Average: ([359]) X \\2)?    R: "
                                    L"\\d{1,3}, G: \\d{1,3}, B: "
                                    L"\\d{1,3}    Color: (#[0-9A-F]{6}|rgb\\(\\d{1,3}, \\d{1,3}, "
                                    L"\\d{1,3}\\)|hsl\\(\\d{1,3}, \\d{1,3}%, \\d{1,3}%\\)|"
                                    L"oklch\\(\\d{1,3}\\.\\d% \\d\\.\\d{3} (0|\\d{1,3}\\.\\d)\\))"
                                    L"(    Contrast with #[0-9A-F]{6}: \\d{1,2}\\.\\d\\d "
                                    L"(AAA|AA|AA large|fail))?");
    wchar_t text[ReadoutTextLength];
    if (ColorMode) {
        FormatColorText(&MarkBox, text);
        const bool none = PickedColor == NoColor && std::regex_match(text, position);
        if (!none && !std::regex_match(text, colour)) return "colour text";
    } else if (Marking && MarkingLine) {
        FormatReadout(text);
        if (!std::regex_match(text, line)) return "line text";
    } else if (EdgesOn) {
        FormatReadout(text);
        if (!std::regex_match(text, edges)) return "edges text";
    } else if (Marking) {
        FormatSizeText(&MarkBox, text);
        if (!std::regex_match(text, size)) return "size text";
    } else {
        FormatPositionText(&MarkBox, text);
        if (!std::regex_match(text, position)) return "position text";
    }
    return "";
}

double PrivateMegabytes() {
    PROCESS_MEMORY_COUNTERS memory = {};
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
    return static_cast<double>(memory.PagefileUsage) / 1048576.0;
}

TEST_F(RandomInputTest, HostileInputKeepsEveryInvariantAndLeaksNothing) {
    const long count = EnvironmentNumber("TARVOK_HOSTILE_MESSAGES", 10000);
    const auto seed = static_cast<std::uint32_t>(EnvironmentNumber("TARVOK_SEED", 20261207));
    MessageGenerator messages(seed, Width, Height, true);
    GdiLedger ledger; // counts what is made from here on
    double settled = 0;
    LARGE_INTEGER start, end, frequency;
    QueryPerformanceCounter(&start);
    for (long step = 0; step < count; ++step) {
        const RandomMessage m = messages.Next();
        SendRandomMessage(window, m);
        const std::string broken = BrokenInvariant();
        ASSERT_EQ(broken, "") << "seed " << seed << ", step " << step << ", " << Describe(m);
        if (step % 1000 == 999) PumpMessages(); // the pointer warps of zoom keys queue moves
        if (step == 999) settled = PrivateMegabytes();
    }
    QueryPerformanceCounter(&end);
    QueryPerformanceFrequency(&frequency);
    const double grown = PrivateMegabytes() - settled;
    std::printf("%ld messages in %.1f s; private memory grew by %.2f MB after the first 1000\n",
                count,
                static_cast<double>(end.QuadPart - start.QuadPart) /
                    static_cast<double>(frequency.QuadPart),
                grown);
    EXPECT_TRUE(ledger.Live.empty()) << ledger.Live.size() << " GDI objects made and kept";
    EXPECT_LT(grown, 2.0) << "MB of private memory";
    EXPECT_TRUE(IsWindow(window));
}

} // namespace
