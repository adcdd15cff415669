// The main window under Wine: class, window, snapshot, capture, default processing, tear-down.
#include "app/MainWindow.h"
#include "core/AppState.h"
#include "core/Handles.h"
#include "win32/GdiLedger.h"
#include "win32/WinTestSupport.h"

#include <gtest/gtest.h>

#include <imm.h>

#include <thread>
#include <utility>

namespace {

int Width() {
    return GetSystemMetrics(SM_CXSCREEN);
}
int Height() {
    return GetSystemMetrics(SM_CYSCREEN);
}

// The client area must be exactly the screen: origin at (0, 0), the screen's size.
void ExpectClientIsTheScreen(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    POINT origin = {0, 0};
    ClientToScreen(window, &origin);
    EXPECT_EQ(origin.x, 0);
    EXPECT_EQ(origin.y, 0);
    EXPECT_EQ(client.right, Width());
    EXPECT_EQ(client.bottom, Height());
}

int ClipsTaken = 0; // at start-up only the monitor's
BOOL WINAPI CountClipsTaken(const RECT* clip) {
    ClipsTaken += clip != nullptr;
    return TRUE;
}
UINT_PTR WINAPI NoTimer(HWND, UINT_PTR id, UINT, TIMERPROC) {
    return id;
}

class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override { window = StartMainWindow(); }
    void TearDown() override {
        if (IsWindow(window)) DestroyWindow(window);
        PumpMessages();
    }
    HWND window = nullptr;
};

TEST_F(MainWindowTest, ClassIsRegisteredAsTheToolNeedsIt) {
    WNDCLASSW info = {};
    ASSERT_TRUE(GetClassInfoW(AppInstance, L"MainWindow", &info));
    EXPECT_EQ(info.style, 0x28u);
    EXPECT_EQ(info.lpfnWndProc, MainWindowProc);
    EXPECT_EQ(info.hCursor, nullptr);
    EXPECT_EQ(info.hbrBackground, GetStockObject(NULL_BRUSH));
    EXPECT_NE(info.hIcon, nullptr);
    EXPECT_EQ(info.cbClsExtra, 0);
    EXPECT_EQ(info.cbWndExtra, 0);
}

TEST_F(MainWindowTest, WindowIsAnInvisibleScreenSizedPopupWhoseClientAreaIsTheScreen) {
    ASSERT_NE(window, nullptr);
    // The platform adds WS_CLIPSIBLINGS to every top-level window.
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)) & ~DWORD{WS_CLIPSIBLINGS},
              0x81880000u);
    EXPECT_FALSE(IsWindowVisible(window));
    wchar_t title[32] = {};
    GetWindowTextW(window, title, 32);
    EXPECT_STREQ(title, L"Tarvok!");
    EXPECT_TRUE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) << "over always-on-top ones";
    EXPECT_EQ(ImmGetContext(window), nullptr) << "no input method";
    ExpectClientIsTheScreen(window);
    ShowMainWindow(window);
    ExpectClientIsTheScreen(window);
}

TEST_F(MainWindowTest, AMovedOrRestoredWindowIsFittedBackOntoTheScreen) {
    ShowMainWindow(window);
    SetWindowPos(window, nullptr, 30, 20, Width() - 50, Height() - 60, SWP_NOZORDER);
    ExpectClientIsTheScreen(window);
    EXPECT_TRUE(GetWindowLongW(window, GWL_STYLE) & WS_MAXIMIZE) << "style kept";
    SendMessageW(window, WM_SYSCOMMAND, SC_RESTORE, 0); // Alt+Space, then Restore
    ExpectClientIsTheScreen(window);
}

TEST_F(MainWindowTest, SnapshotIsTheDesktop) {
    const int width = Width();
    const int height = Height();
    const auto snapshot = ReadPixels(SnapshotDC, width, height);
    int mismatches = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const size_t i = static_cast<size_t>(y * width + x);
            if (snapshot[i] != PatternColor(x, y) && mismatches++ < 5)
                ADD_FAILURE() << "snapshot pixel " << x << "," << y << " is " << std::hex
                              << snapshot[i] << " not " << PatternColor(x, y);
        }
    EXPECT_EQ(mismatches, 0);
}

TEST_F(MainWindowTest, MouseIsCapturedAtCreation) {
    EXPECT_EQ(GetCapture(), window);
}

TEST_F(MainWindowTest, DoubleClicksAndUnhandledMessagesGetDefaultProcessing) {
    EXPECT_EQ(MainWindowProc(window, WM_NCHITTEST, 0, PackPoint(10, 10)), HTCLIENT);
    EXPECT_EQ(MainWindowProc(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Other")), TRUE);
    wchar_t title[32] = {};
    GetWindowTextW(window, title, 32);
    EXPECT_STREQ(title, L"Other");
    PaintRecorder paints(window);
    EXPECT_EQ(SendMessageW(window, WM_LBUTTONDBLCLK, MK_LBUTTON, PackPoint(5, 5)), 0);
    EXPECT_EQ(SendMessageW(window, WM_RBUTTONDBLCLK, MK_RBUTTON, PackPoint(5, 5)), 0);
    EXPECT_FALSE(Marking);
    EXPECT_TRUE(paints.Paints.empty());
}

TEST_F(MainWindowTest, EscapeDestroysTheWindowAndReturnsZero) {
    EXPECT_EQ(MainWindowProc(window, WM_CHAR, 27, 0x00010001), 0);
    EXPECT_FALSE(IsWindow(window));
    MSG message;
    ASSERT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(message.wParam, 0u);
}

TEST_F(MainWindowTest, SystemCloseRequestDestroysTheWindow) {
    SendMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_FALSE(IsWindow(window));
    MSG message;
    EXPECT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST_F(MainWindowTest, DestructionReleasesEveryDrawingObjectAndTheCapture) {
    const HGDIOBJ objects[] = {FrameDC, FrameBitmap, SnapshotDC, SnapshotBitmap, MarkPen};
    for (HGDIOBJ object : objects)
        EXPECT_NE(GetObjectType(object), 0u);
    DestroyWindow(window);
    for (HGDIOBJ object : objects)
        EXPECT_EQ(GetObjectType(object), 0u);
    EXPECT_NE(GetObjectType(HollowBrush), 0u) << "the stock brush stays";
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST(MainWindowLifetime, EveryGdiObjectMadeIsDeletedAtDestruction) {
    GdiLedger ledger;
    HWND window = StartMainWindow();
    ShowMainWindow(window);
    EXPECT_EQ(ledger.Made, 12) << "two contexts, two bitmaps, one pen, seven cursors";
    EXPECT_EQ(ledger.Live.size(), 12u);
    DestroyWindow(window);
    PumpMessages();
    EXPECT_TRUE(ledger.Live.empty()) << ledger.Live.size() << " objects left";
}

TEST(MainWindowLifetime, ShortMemoryEndsStartUpLeavingNothing) {
    PrepareStartUp();
    // The frame's bitmap, both, or the snapshot's alone.
    for (const auto& [spare, failures] : {std::pair(0, 1), std::pair(0, 2), std::pair(1, 1)}) {
        GdiLedger ledger;
        ledger.SpareDibSections = spare;
        ledger.FailDibSections = failures;
        PostQuitMessage(0); // should start-up go on regardless, its message loop ends at once
        // As the program starts: it ends at once with 0, nothing made is left.
        UnregisterClassW(L"MainWindow", AppInstance);
        MainWindowHandle = nullptr;
        EXPECT_EQ(RunTarvok(GetModuleHandleW(nullptr)), 0);
        EXPECT_EQ(MainWindowHandle, nullptr);
        EXPECT_EQ(GetCapture(), nullptr);
        PumpMessages();
        EXPECT_TRUE(ledger.Live.empty()) << ledger.Live.size() << " objects left";
        EXPECT_EQ(ledger.FailDibSections, 0) << "all refused";
    }
}

TEST(MainWindowLifetime, StartUpReturnsAtOnceWhenTheClassCannotBeRegistered) {
    PrepareStartUp(); // the class is taken already, so registering it again fails
    MainWindowHandle = nullptr;
    EXPECT_EQ(RunTarvok(GetModuleHandleW(nullptr)), 0);
    EXPECT_EQ(MainWindowHandle, nullptr);
}

TEST(MainWindowLifetime, EscapeEndsTheMessageLoopWithExitCodeZero) {
    PrepareStartUp();
    UnregisterClassW(L"MainWindow", AppInstance);
    ScreenWidth = ScreenHeight = 0;
    // No timer: only the clips of start-up count.
    Faked noTimer("SetTimer", reinterpret_cast<void*>(&NoTimer));
    Faked clip("ClipCursor", reinterpret_cast<void*>(&CountClipsTaken));
    std::thread presser([] {
        HWND found = nullptr;
        for (int i = 0; i < 3000 && !(found && IsWindowVisible(found)); ++i) {
            Sleep(10);
            found = FindWindowW(L"MainWindow", L"Tarvok!");
        }
        PostMessageW(found, WM_CHAR, 27, 0x00010001);
    });
    const int code = RunTarvok(GetModuleHandleW(nullptr));
    presser.join();
    EXPECT_EQ(code, 0);
    EXPECT_GE(ClipsTaken, 2) << "as the window became active, and again once it showed";
    EXPECT_FALSE(IsWindow(MainWindowHandle));
    EXPECT_EQ(ScreenWidth, static_cast<MicroCoord>(Width()) * 1'000'000) << "kept in millionths";
    EXPECT_EQ(ScreenHeight, static_cast<MicroCoord>(Height()) * 1'000'000);
}

} // namespace
