// Composed frames and zoom keys under Wine: pixels of the back buffer and of the window,
// the pointer, and the regions each paint covered.
#include "app/MainWindow.h"
#include "core/AppState.h"
#include "core/Handles.h"
#include "unit/StateFixture.h"
#include "view/PixelGrid.h"
#include "win32/WinTestSupport.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using FrameTest = ShownWindowTest;

bool InBottomStrip(int x, int y, int height) {
    return x >= 20 && x < 420 && y >= height - 30 && y < height - 10;
}

// The read-out text as a fresh memory context with default attributes draws it over `under`.
std::vector<COLORREF> ReferenceText(const std::wstring& text, int width, int height, int top) {
    MemoryCanvas canvas(SnapshotDC, width, height);
    BitBlt(canvas.Dc, 0, 0, width, height, SnapshotDC, 0, 0, SRCCOPY);
    TextOutW(canvas.Dc, 20, top, text.c_str(), static_cast<int>(text.size()));
    return canvas.Pixels();
}

TEST_F(FrameTest, AtZoomOneTheFrameIsTheSnapshotWithTheReadoutAtTheBottomLeft) {
    SendMessageW(window, WM_MOUSEMOVE, 0, PackPoint(0, 0));
    const auto frame = ReadPixels(FrameDC, width, height);
    const auto snapshot = ReadPixels(SnapshotDC, width, height);
    const auto reference = ReferenceText(L"X: 0, Y: 0", width, height, height - 30);
    int blackInStrip = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const size_t i = static_cast<size_t>(y * width + x);
            if (InBottomStrip(x, y, height)) {
                blackInStrip += frame[i] == 0;
                continue;
            }
            ASSERT_EQ(frame[i], snapshot[i]) << x << "," << y;
        }
    EXPECT_GT(blackInStrip, 20) << "black text is drawn";
    EXPECT_TRUE(frame == reference) << "system font, black on opaque white, at (20, H - 30)";
}

TEST_F(FrameTest, PressingTheFactorInForceRepaintsNothing) {
    SetCursorPos(123, 45);
    PaintRecorder paints(window);
    SendMessageW(window, WM_CHAR, '1', 0x00020001);
    EXPECT_TRUE(paints.Paints.empty());
    POINT pointer;
    GetCursorPos(&pointer);
    EXPECT_EQ(pointer.x, 123);
    EXPECT_EQ(pointer.y, 45);
    EXPECT_EQ(ZoomFactor, 1);
}

TEST_F(FrameTest, ZeroAndOtherCharactersChangeNothing) {
    PaintRecorder paints(window);
    for (WPARAM c : {L'0', L'a', L'+', L'\t'})
        SendMessageW(window, WM_CHAR, c, 0x00010001);
    EXPECT_EQ(ZoomFactor, 1);
    EXPECT_TRUE(paints.Paints.empty());
}

TEST_F(FrameTest, TwoDoublesThePictureAroundThePointerAndRepaintsEverything) {
    SetCursorPos(100, 100);
    PaintRecorder paints(window);
    SendMessageW(window, WM_CHAR, '2', 0x00030001);
    EXPECT_EQ(ZoomFactor, 2);
    EXPECT_EQ(ViewOriginX, 0);
    EXPECT_EQ(ViewOriginY, 0);
    POINT pointer;
    GetCursorPos(&pointer);
    EXPECT_EQ(pointer.x, 200);
    EXPECT_EQ(pointer.y, 200);
    ASSERT_EQ(paints.Paints.size(), 1u) << "painted at once, inside the key handler";
    ASSERT_EQ(paints.Paints[0].size(), 1u);
    const RECT r = paints.Paints[0][0];
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.right, width);
    EXPECT_EQ(r.bottom, height);
    const auto frame = ReadPixels(FrameDC, width, height);
    const auto snapshot = ReadPixels(SnapshotDC, width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            if (InBottomStrip(x, y, height)) continue;
            ASSERT_EQ(frame[static_cast<size_t>(y * width + x)],
                      snapshot[static_cast<size_t>((y / 2) * width + x / 2)])
                << x << "," << y;
        }
}

TEST_F(FrameTest, ADigitKeyZoomsByItsPositionAndItsCharacterDoesNotActAgain) {
    SetCursorPos(100, 100);
    PaintRecorder paints(window);
    SendMessageW(window, WM_KEYDOWN, '2', 0x00030001);
    SendMessageW(window, WM_CHAR, '2', 0x00030001);
    EXPECT_EQ(ZoomFactor, 2);
    EXPECT_EQ(paints.Paints.size(), 1u);
    // The keypad, and a layout that types another digit with the key.
    SendMessageW(window, WM_KEYDOWN, VK_NUMPAD4, 0x004B0001);
    SendMessageW(window, WM_CHAR, '3', 0x004B0001);
    EXPECT_EQ(ZoomFactor, 4);
    Key('1');
    EXPECT_EQ(ZoomFactor, 1) << "a character alone still zooms";
}

TEST_F(FrameTest, ZoomKeysFollowTheKeyTable) {
    const std::int16_t factors[] = {1, 2, 3, 4, 6, 10, 20, 30, 45};
    PixelGrid = true;
    for (wchar_t key = L'9'; key >= L'1'; --key) {
        SendMessageW(window, WM_CHAR, key, 0x00010001);
        EXPECT_EQ(ZoomFactor, factors[key - L'1']);
        EXPECT_EQ(PixelGridShown(), ZoomFactor >= 6) << "the grid from zoom 6 on";
        EXPECT_GE(ViewOriginX, 0);
        EXPECT_LE(ViewOriginX, ScreenWidth - ScreenWidth / ZoomFactor);
    }
}

TEST_F(FrameTest, EveryWindowPixelShowsTheSnapshotPixelHoldingItsPointInTheView) {
    // zoom and view origin: fractional origins, and the right and bottom limits
    const struct {
        std::int16_t Zoom;
        MicroCoord X, Y;
    } views[] = {{3, 266'333'334, ToMicro(200)},
                 {6, 666'666'667, ToMicro(500)},
                 {45, 391'111'112, 293'333'334},
                 {45, 782'222'223, 586'666'667}};
    auto shown = [](int w, MicroCoord origin, int zoom) { // floor(w / zoom + origin)
        return static_cast<int>((static_cast<MicroCoord>(w) * 1'000'000 / zoom + origin) /
                                1'000'000);
    };
    for (const auto& v : views) {
        ZoomFactor = v.Zoom;
        ViewOriginX = v.X;
        ViewOriginY = v.Y;
        InvalidateRect(window, nullptr, FALSE);
        UpdateWindow(window);
        const auto frame = ReadPixels(FrameDC, width, height);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                if (InBottomStrip(x, y, height)) continue;
                ASSERT_EQ(frame[static_cast<size_t>(y * width + x)],
                          PatternColor(shown(x, v.X, v.Zoom), shown(y, v.Y, v.Zoom)))
                    << "zoom " << v.Zoom << " at " << x << "," << y;
            }
    }
}

TEST(FrameEdgeTest, ViewAtTheFarLimitShowsTheSnapshotsLastPixelsToTheEdge) {
    // 1366 wide at zoom 4: the origin limit is 1024.5, so the last column, 1365, fills window
    // columns 1362-1365. 1050 high at zoom 20: the limit is 997.5, row 1049 fills 1040-1049.
    const struct {
        int Width, Height;
        std::int16_t Zoom;
        bool AlongX;
        int From, To;
    } cases[] = {{1366, 600, 4, true, 1356, 1366}, {800, 1050, 20, false, 1020, 1050}};
    for (const auto& c : cases) {
        PrepareStartUp();
        ResetAppState(c.Width, c.Height);
        HWND window = CreateMainWindow();
        ASSERT_NE(window, nullptr);
        PatBlt(SnapshotDC, 0, 0, c.Width, c.Height, WHITENESS);
        ZoomFactor = c.Zoom;
        ViewOriginX = ScreenWidth - ScreenWidth / c.Zoom;
        ViewOriginY = ScreenHeight - ScreenHeight / c.Zoom;
        ShowMainWindow(window);
        for (int i = c.From; i < c.To; ++i)
            EXPECT_EQ(c.AlongX ? GetPixel(FrameDC, i, 100) : GetPixel(FrameDC, 700, i), 0xFFFFFFu)
                << (c.AlongX ? "column " : "row ") << i;
        DestroyWindow(window);
        PumpMessages();
    }
}

TEST_F(FrameTest, AReadoutWiderThanItsStripReachesTheWindowWhole) {
    // A colour read-out far left of the window is wider than its 400-pixel strip.
    ColorMode = true;
    PickedColor = 0x00FFFFFF;
    MarkBox = {ToMicro(-999'999'999), ToMicro(-999'999'999), 0, 0};
    const RECT strip = {20, height - 30, 420, height - 10};
    InvalidateRect(window, &strip, FALSE);
    UpdateWindow(window);
    const auto frame = ReadPixels(FrameDC, width, height);
    const auto shown = ReadWindowPixels(window, width, height);
    const auto snapshot = ReadPixels(SnapshotDC, width, height);
    int textBeyond = 0;
    for (int y = height - 30; y < height - 10; ++y)
        for (int x = 20; x < width; ++x) {
            const size_t i = static_cast<size_t>(y * width + x);
            textBeyond += x >= 420 && frame[i] != snapshot[i];
            ASSERT_EQ(shown[i], frame[i]) << x << "," << y;
        }
    EXPECT_GT(textBeyond, 50) << "the text runs past x = 420";
}

} // namespace
