// The resident process: a press shows a fresh run and closing hides it, and a shortcut held by
// another program is said. (The new snapshot, the hand-over and --quit: e2e/resident.py.)
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
    void Start() {
        ResetAppState(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
        StartMainWindow();
        StartResident();
        resident = FindWindowW(ResidentClassName, nullptr);
        ASSERT_NE(resident, nullptr);
        ASSERT_FALSE(Shown());
    }
    void TearDown() override {
        DestroyWindow(resident);
        DestroyWindow(MainWindowHandle);
        PumpMessages();
    }
    void Send(UINT message, WPARAM wParam = 0) {
        SendMessageW(message == WM_HOTKEY ? resident : MainWindowHandle, message, wParam, 1);
        PumpMessages();
    }
    static bool Shown() { return IsWindowVisible(MainWindowHandle) != FALSE; }
    HWND resident = nullptr;
};

TEST_F(ResidentTest, APressShowsAFreshRunAndClosingHidesHoldingNothing) {
    Start();
    Send(WM_HOTKEY);
    ASSERT_TRUE(Shown());
    EXPECT_EQ(GetCapture(), MainWindowHandle);
    Send(WM_CHAR, '6'); // zoom 10
    Send(WM_CHAR, ' '); // colour mode
    AddPin({1, 1, 5, 5});
    Send(WM_HOTKEY); // while shown: nothing
    EXPECT_EQ(ZoomFactor, 10);
    for (const auto& [close, key] : {std::pair{UINT{WM_CHAR}, 27}, {UINT{WM_CLOSE}, 0}}) {
        Send(close, key); // Escape, Alt+F4
        EXPECT_FALSE(Shown());
        EXPECT_TRUE(IsWindow(MainWindowHandle)) << "kept while hidden";
        EXPECT_EQ(GetCapture(), nullptr);
        RECT clip;
        GetClipCursor(&clip);
        EXPECT_EQ(clip.right - clip.left, GetSystemMetrics(SM_CXVIRTUALSCREEN)) << "no clip";
        Send(WM_HOTKEY);
        ASSERT_TRUE(Shown());
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

} // namespace
