// The resident process: the shortcut shows a fresh snapshot and Escape hides it, a second start
// and a quit request reach it, and a shortcut held by another program is said.
#include "app/Resident.h"
#include "app/MainWindow.h"
#include "app/SingleInstance.h"
#include "core/AppState.h"
#include "core/Handles.h"
#include "measure/Pins.h"
#include "unit/StateFixture.h"
#include "win32/WinTestSupport.h"

#include <gtest/gtest.h>

namespace {

class ResidentTest : public ::testing::Test {
  protected:
    void SetUp() override {
        width = GetSystemMetrics(SM_CXSCREEN);
        height = GetSystemMetrics(SM_CYSCREEN);
        ASSERT_TRUE(ScreenShows(PatternColor(320, 320)));
        ResetAppState(width, height);
        SetCursorPos(width / 2, height / 2);
    }
    void Start() {
        StartMainWindow();
        StartResident();
        resident = FindWindowW(ResidentClassName, nullptr);
        ASSERT_NE(resident, nullptr);
        ASSERT_FALSE(Shown());
    }
    void TearDown() override {
        if (IsWindow(cover)) DestroyWindow(cover);
        if (IsWindow(resident)) DestroyWindow(resident);
        if (IsWindow(MainWindowHandle)) DestroyWindow(MainWindowHandle);
        PumpMessages();
    }
    void Press() {
        SendMessageW(resident, WM_HOTKEY, 1, 0);
        PumpMessages();
    }
    void Key(wchar_t c) { SendMessageW(MainWindowHandle, WM_CHAR, c, 0x00010001); }
    static bool Shown() { return IsWindowVisible(MainWindowHandle) != FALSE; }
    static COLORREF Snapshot(int x, int y) { return GetPixel(SnapshotDC, x, y); }
    // Waits until the screen shows `color` where the test covers it (2 s at most).
    static bool ScreenShows(COLORREF color) {
        HDC screen = GetDC(nullptr);
        for (int i = 0; i < 200 && GetPixel(screen, 320, 320) != color; ++i) {
            PumpMessages(); // Wine hands the cover's pixels to X as its thread runs
            Sleep(10);
        }
        const bool shows = GetPixel(screen, 320, 320) == color;
        ReleaseDC(nullptr, screen);
        return shows;
    }
    HWND resident = nullptr;
    HWND cover = nullptr;
    int width = 0;
    int height = 0;
};

TEST_F(ResidentTest, EachPressFreezesTheDesktopAsItIsThenAndClosingHides) {
    Start();
    // The desktop changes between presses: a black window of the test's own, then none. (Wine
    // shows the icon in a window of its own at the top left.)
    WNDCLASSW black = {};
    black.lpfnWndProc = DefWindowProcW;
    black.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    black.lpszClassName = L"Cover";
    RegisterClassW(&black);
    cover = CreateWindowExW(WS_EX_TOPMOST, L"Cover", nullptr, WS_POPUP | WS_VISIBLE, 300, 300, 40,
                            40, nullptr, nullptr, nullptr, nullptr);
    UpdateWindow(cover);
    ASSERT_TRUE(ScreenShows(RGB(0, 0, 0)));
    Press();
    ASSERT_TRUE(Shown());
    EXPECT_EQ(Snapshot(320, 320), RGB(0, 0, 0));
    EXPECT_EQ(GetCapture(), MainWindowHandle);
    Key('6');
    Key(' ');
    AddPin({1, 1, 5, 5});
    DestroyWindow(cover);
    Press(); // shown: nothing
    EXPECT_EQ(Snapshot(320, 320), RGB(0, 0, 0));
    EXPECT_EQ(ZoomFactor, 10);

    for (const UINT close : {UINT{WM_CHAR}, UINT{WM_CLOSE}}) { // Escape, Alt+F4
        SendMessageW(MainWindowHandle, close, 27, 0x00010001);
        PumpMessages();
        EXPECT_FALSE(Shown());
        EXPECT_TRUE(IsWindow(MainWindowHandle)) << "kept while hidden";
        EXPECT_EQ(GetCapture(), nullptr);
        RECT clip;
        GetClipCursor(&clip);
        EXPECT_EQ(clip.right - clip.left, width) << "no clip held while hidden";
        ASSERT_TRUE(ScreenShows(PatternColor(320, 320)));
        Press();
        ASSERT_TRUE(Shown());
        EXPECT_EQ(Snapshot(320, 320), PatternColor(320, 320));
        EXPECT_EQ(ZoomFactor, 1);
        EXPECT_FALSE(ColorMode);
        EXPECT_TRUE(Pins.empty());
    }
}

TEST_F(ResidentTest, ATakenShortcutIsSaidAndASecondStartStillMeasures) {
    ASSERT_TRUE(RegisterHotKey(nullptr, 7, MOD_WIN | MOD_ALT, 'M')) << "as another program";
    Start();
    UnregisterHotKey(nullptr, 7);
    EXPECT_EQ(ResidentTip,
              L"Win+Alt+M is used by another program: set another in the settings file");
    HandOverToRunning();
    PumpMessages();
    EXPECT_TRUE(Shown());
}

TEST_F(ResidentTest, AQuitRequestEndsTheMessageLoopWithZero) {
    Start();
    EXPECT_EQ(ResidentTip, L"Tarvok - Win+Alt+M to measure");
    PostMessageW(resident, QuitRequest, 0, 0);
    MSG message = {};
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        DispatchMessageW(&message);
    EXPECT_EQ(message.message, UINT{WM_QUIT});
    EXPECT_EQ(message.wParam, 0u);
    EXPECT_FALSE(IsWindow(resident));
    EXPECT_FALSE(IsWindow(MainWindowHandle));
}

} // namespace
