// The pointer kept on the frozen screen: positions read off the screen or not at all, and
// the confinement that follows the tool's activation. The platform calls are faked through
// the import table, since this screen has neither a second monitor nor a secure desktop.
#include "app/PointerOnScreen.h"
#include "app/AppState.h"
#include "app/Handles.h"
#include "app/MainWindow.h"
#include "app/MonitorOrigin.h"
#include "win32/GdiLedger.h"
#include "win32/WinTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

BOOL CursorAnswer = TRUE;
POINT CursorAt = {};
std::vector<std::string> Clips; // "left,top,right,bottom", or "none" for a release

BOOL WINAPI FakeGetCursorPos(POINT* point) {
    if (CursorAnswer) *point = CursorAt;
    return CursorAnswer;
}
std::string Describe(LONG left, LONG top, LONG right, LONG bottom) {
    return std::to_string(left) + "," + std::to_string(top) + "," + std::to_string(right) + "," +
           std::to_string(bottom);
}
BOOL WINAPI RecordClipCursor(const RECT* clip) {
    Clips.push_back(clip ? Describe(clip->left, clip->top, clip->right, clip->bottom) : "none");
    return TRUE;
}

// Monitors as the fakes report them: the point asked about, and the one rectangle offered.
std::vector<std::string> MonitorQueries; // "x,y flags"
BOOL MonitorAnswer = TRUE;
RECT MonitorPlace = {};
HMONITOR WINAPI FakeMonitorFromPoint(POINT point, DWORD flags) {
    MonitorQueries.push_back(std::to_string(point.x) + "," + std::to_string(point.y) + " " +
                             std::to_string(flags));
    return reinterpret_cast<HMONITOR>(7);
}
BOOL WINAPI FakeGetMonitorInfoW(HMONITOR monitor, MONITORINFO* info) {
    if (monitor != reinterpret_cast<HMONITOR>(7) || info->cbSize != sizeof(MONITORINFO))
        return FALSE;
    if (MonitorAnswer) info->rcMonitor = MonitorPlace;
    return MonitorAnswer;
}

// Routes one platform call through a fake for the scope of a test.
struct Faked {
    Faked(const char* name, void* fake) : Name(name), Original(PatchImport(name, fake)) {}
    ~Faked() { PatchImport(Name, Original); }
    const char* Name;
    void* Original;
};

class PointerOnScreenTest : public ShownWindowTest {
  protected:
    Faked cursor{"GetCursorPos", reinterpret_cast<void*>(&FakeGetCursorPos)};
};

TEST_F(PointerOnScreenTest, PositionsOffTheScreenComeToItsNearestPixelAndFailuresAreReported) {
    const struct {
        BOOL Answer;
        POINT At;
        bool Read;
        POINT Expected;
    } cases[] = {
        {TRUE, {400, 300}, true, {400, 300}},
        {TRUE, {1500, 300}, true, {width - 1, 300}}, // a monitor to the right
        {TRUE, {-1280, -5}, true, {0, 0}},           // one to the left and above
        {TRUE, {width, height}, true, {width - 1, height - 1}},
        {FALSE, {400, 300}, false, {-7, -7}}, // left as it was
    };
    for (const auto& c : cases) {
        CursorAnswer = c.Answer;
        CursorAt = c.At;
        POINT read = {-7, -7};
        EXPECT_EQ(ReadPointerOnScreen(read), c.Read) << c.At.x << "," << c.At.y;
        EXPECT_EQ(read.x, c.Expected.x) << c.At.x << "," << c.At.y;
        EXPECT_EQ(read.y, c.Expected.y) << c.At.x << "," << c.At.y;
    }
}

TEST_F(PointerOnScreenTest, WithoutAPositionKeysAndReleasesSampleNothingAndMoveNothing) {
    SetCursorPos(100, 100);
    Press(100, 100);
    PickedColor = 0x123456;
    PutClipboardText(L"kept");
    CursorAnswer = FALSE;
    PaintRecorder paints(window);
    Key('4');
    EXPECT_EQ(ZoomFactor, 1) << "the zoom key is ignored";
    EXPECT_EQ(ViewOriginX, 0);
    EXPECT_TRUE(paints.Paints.empty());
    Key(' ');
    EXPECT_TRUE(ColorMode) << "the mode still changes";
    EXPECT_EQ(GetCursor(), LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(105)));
    EXPECT_TRUE(Marking) << "no release is sent";
    EXPECT_EQ(PickedColor, 0x123456u) << "and no sample taken";
    SendMessageW(window, WM_RBUTTONUP, 0, PackPoint(200, 200));
    EXPECT_EQ(PickedColor, 0x123456u);
    EXPECT_EQ(ClipboardText(), L"kept");
    POINT pointer;
    reinterpret_cast<decltype(&GetCursorPos)>(cursor.Original)(&pointer);
    EXPECT_EQ(pointer.x, 100) << "the pointer was not moved";
    EXPECT_EQ(pointer.y, 100);
}

TEST(PointerConfinement, HeldOnTheScreenWhileTheToolIsActiveAndReleasedOtherwise) {
    Faked clip("ClipCursor", reinterpret_cast<void*>(&RecordClipCursor));
    Clips.clear();
    HWND window = StartMainWindow();
    ShowMainWindow(window);
    SendMessageW(window, WM_ACTIVATEAPP, FALSE, 0); // another program comes to the front
    SendMessageW(window, WM_ACTIVATEAPP, TRUE, 0);  // and the tool returns
    DestroyWindow(window);
    PumpMessages();
    const std::string screen =
        Describe(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    // Shown (and so activated), away, back; destroyed: the activation leaves it, then the
    // destruction handler releases the pointer itself.
    EXPECT_EQ(Clips, (std::vector<std::string>{screen, "none", screen, "none", "none"}));
}

} // namespace

namespace {

// The monitor under the pointer, left of and above the primary, is the one frozen: the window's
// client area covers it and the pointer is held on it. Unknown monitors mean the primary.
TEST(FrozenMonitor, TheMonitorUnderThePointerOrElseThePrimary) {
    Faked cursor("GetCursorPos", reinterpret_cast<void*>(&FakeGetCursorPos));
    Faked from("MonitorFromPoint", reinterpret_cast<void*>(&FakeMonitorFromPoint));
    Faked info("GetMonitorInfoW", reinterpret_cast<void*>(&FakeGetMonitorInfoW));
    const LONG w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    const struct {
        BOOL CursorKnown, InfoKnown;
        std::string Query, Place; // the point asked about; the place recorded
    } cases[] = {
        {TRUE, TRUE, "-100,-50 1", "-640,-480,0,0"},
        {FALSE, TRUE, "0,0 1", "-640,-480,0,0"}, // no pointer position: the primary's origin
        {TRUE, FALSE, "-100,-50 1", Describe(0, 0, w, h)},
    };
    for (const auto& c : cases) {
        CursorAnswer = c.CursorKnown;
        CursorAt = {-100, -50};
        MonitorAnswer = c.InfoKnown;
        MonitorPlace = {-640, -480, 0, 0};
        MonitorQueries.clear();
        RecordMonitorUnderPointer();
        EXPECT_EQ(MonitorQueries, std::vector<std::string>{c.Query});
        EXPECT_EQ(Describe(LONG(MonitorLeft), LONG(MonitorTop),
                           LONG(MonitorLeft + RoundMicro(ScreenWidth)),
                           LONG(MonitorTop + RoundMicro(ScreenHeight))),
                  c.Place);
    }
    CursorAnswer = MonitorAnswer = TRUE;
    Faked clip("ClipCursor", reinterpret_cast<void*>(&RecordClipCursor));
    Clips.clear();
    HWND window = StartMainWindow();
    ShowMainWindow(window);
    POINT origin = {0, 0};
    ClientToScreen(window, &origin);
    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(Describe(origin.x, origin.y, client.right, client.bottom), "-640,-480,640,480");
    DestroyWindow(window);
    PumpMessages();
    EXPECT_EQ(Clips, (std::vector<std::string>{"-640,-480,0,0", "none", "none"}));
}

} // namespace
