// The pointer kept on the frozen screen: positions read off the screen or not at all, and
// the confinement that follows the tool's activation. The platform calls are faked through
// the import table, since this screen has neither a second monitor nor a secure desktop.
#include "core/PointerOnScreen.h"
#include "core/AppState.h"
#include "core/Handles.h"
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

// One monitor, left of and above the primary, as the fakes report it.
std::string MonitorQuery; // the point asked about and the flags
HMONITOR WINAPI FakeMonitorFromPoint(POINT point, DWORD flags) {
    MonitorQuery = Describe(point.x, point.y, LONG(flags), 0);
    return reinterpret_cast<HMONITOR>(7);
}
BOOL WINAPI FakeGetMonitorInfoW(HMONITOR monitor, MONITORINFO* info) {
    info->rcMonitor = {-640, -480, 0, 0};
    return monitor == reinterpret_cast<HMONITOR>(7) && info->cbSize == sizeof(MONITORINFO);
}

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

TEST(PointerConfinement, HeldOnTheMonitorUnderThePointerWhileActiveAndReleasedOtherwise) {
    Faked cursor("GetCursorPos", reinterpret_cast<void*>(&FakeGetCursorPos));
    Faked from("MonitorFromPoint", reinterpret_cast<void*>(&FakeMonitorFromPoint));
    Faked info("GetMonitorInfoW", reinterpret_cast<void*>(&FakeGetMonitorInfoW));
    Faked clip("ClipCursor", reinterpret_cast<void*>(&RecordClipCursor));
    CursorAnswer = TRUE;
    CursorAt = {-100, -50};
    Clips.clear();
    HWND window = StartMainWindow();
    ShowMainWindow(window);
    EXPECT_EQ(MonitorQuery, Describe(-100, -50, MONITOR_DEFAULTTOPRIMARY, 0));
    POINT origin = {0, 0};
    ClientToScreen(window, &origin);
    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(Describe(origin.x, origin.y, client.right, client.bottom), "-640,-480,640,480");
    SendMessageW(window, WM_ACTIVATEAPP, FALSE, 0); // another program comes to the front
    SendMessageW(window, WM_ACTIVATEAPP, TRUE, 0);  // and the tool returns
    DestroyWindow(window);
    PumpMessages();
    const std::string monitor = "-640,-480,0,0";
    // Shown (and so activated), away, back; destroyed: the activation leaves it, then the
    // destruction handler releases the pointer itself.
    EXPECT_EQ(Clips, (std::vector<std::string>{monitor, "none", monitor, "none", "none"}));
}

} // namespace
