// The pointer kept on the frozen screen: positions read off the screen or not at all, and
// the confinement that follows the tool's activation. The platform calls are faked through
// the import table, since this screen has neither a second monitor nor a secure desktop.
#include "core/PointerOnScreen.h"
#include "core/AppState.h"
#include "core/Handles.h"
#include "ui/Cursors.h"
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
RECT ClipNow = {}; // as the platform would report it; empty for none
BOOL WINAPI RecordClipCursor(const RECT* clip) {
    Clips.push_back(clip ? Describe(clip->left, clip->top, clip->right, clip->bottom) : "none");
    ClipNow = clip ? *clip : RECT{};
    return TRUE;
}
BOOL WINAPI FakeGetClipCursor(RECT* clip) {
    *clip = ClipNow;
    return TRUE;
}

// One monitor, left of and above the primary, as the fakes report it; after a display
// change it may lie elsewhere or be gone.
const RECT LeftAbove = {-640, -480, 0, 0};
RECT MonitorPlace = LeftAbove;
bool MonitorThere = true;
std::string MonitorQuery; // the point asked about and the flags
HMONITOR WINAPI FakeMonitorFromPoint(POINT point, DWORD flags) {
    MonitorQuery = Describe(point.x, point.y, LONG(flags), 0);
    return MonitorThere ? reinterpret_cast<HMONITOR>(7) : nullptr;
}
BOOL WINAPI FakeGetMonitorInfoW(HMONITOR monitor, MONITORINFO* info) {
    info->rcMonitor = MonitorPlace;
    return monitor == reinterpret_cast<HMONITOR>(7) && info->cbSize == sizeof(MONITORINFO);
}

LONG ShownCursorWidth() {
    ICONINFO icon = {};
    BITMAP masks = {};
    if (GetIconInfo(GetCursor(), &icon)) GetObjectW(icon.hbmMask, sizeof masks, &masks);
    DeleteObject(icon.hbmMask);
    DeleteObject(icon.hbmColor);
    return masks.bmWidth;
}

std::string ClientOnScreen(HWND window) {
    POINT origin = {0, 0};
    ClientToScreen(window, &origin);
    RECT client;
    GetClientRect(window, &client);
    return Describe(origin.x, origin.y, client.right, client.bottom);
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
    EXPECT_EQ(GetCursor(), LoadedCursor(105));
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
    Faked clipNow("GetClipCursor", reinterpret_cast<void*>(&FakeGetClipCursor));
    CursorAnswer = TRUE;
    CursorAt = {-100, -50};
    Clips.clear();
    HWND window = StartMainWindow();
    ShowMainWindow(window);
    EXPECT_EQ(MonitorQuery, Describe(-100, -50, MONITOR_DEFAULTTOPRIMARY, 0));
    EXPECT_EQ(ClientOnScreen(window), "-640,-480,640,480");
    const auto topmost = [window] {
        return (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    };
    SendMessageW(window, WM_ACTIVATEAPP, FALSE, 0); // another program comes to the front
    EXPECT_FALSE(topmost()) << "that program shows above the tool";
    SendMessageW(window, WM_ACTIVATEAPP, TRUE, 0); // and the tool returns
    EXPECT_TRUE(topmost());
    ClipNow = {0, 0, 10, 10}; // another program's clip: the tool leaves it alone
    SendMessageW(window, WM_ACTIVATEAPP, FALSE, 0);
    SendMessageW(window, WM_ACTIVATEAPP, TRUE, 0);
    DestroyWindow(window);
    PumpMessages();
    const std::string monitor = "-640,-480,0,0";
    // Shown (and so activated), away, back; away with another's clip, back; destroyed: the
    // activation leaves it, then the destruction handler finds nothing of its own to release.
    EXPECT_EQ(Clips, (std::vector<std::string>{monitor, "none", monitor, monitor, "none"}));
}

// After a display change the unchanged monitor is clipped again; a moved or vanished one ends
// the tool (exit code 0) with the clip released. A scale change keeps the window in place,
// repaints for the new DPI and loads the cursors at its size: 32 px at 96 DPI, in proportion.
TEST(PointerConfinement, DisplayAndScaleChangesKeepTheToolOnItsMonitorOrEndIt) {
    Faked from("MonitorFromPoint", reinterpret_cast<void*>(&FakeMonitorFromPoint));
    Faked info("GetMonitorInfoW", reinterpret_cast<void*>(&FakeGetMonitorInfoW));
    Faked clip("ClipCursor", reinterpret_cast<void*>(&RecordClipCursor));
    Faked clipNow("GetClipCursor", reinterpret_cast<void*>(&FakeGetClipCursor));
    const struct {
        UINT Message;
        WORD Dpi;
        RECT Place;
        bool There;
        std::vector<std::string> Clips; // an end releases once, as it deactivates
    } cases[] = {
        {WM_DISPLAYCHANGE, 0, LeftAbove, true, {"-640,-480,0,0"}},
        {WM_DISPLAYCHANGE, 0, {-600, -480, 40, 0}, true, {"none"}},
        {WM_DISPLAYCHANGE, 0, LeftAbove, false, {"none"}},
        {WM_DPICHANGED, 144, LeftAbove, true, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        MonitorPlace = LeftAbove;
        MonitorThere = true;
        ScreenDpi = 96;
        HWND window = StartMainWindow();
        ShowMainWindow(window);
        MonitorPlace = c.Place;
        MonitorThere = c.There;
        Clips.clear();
        MonitorQuery.clear();
        PaintRecorder paints(window);
        RECT suggested = {0, 0, 100, 100};
        SendMessageW(window, c.Message, MAKEWPARAM(c.Dpi, c.Dpi),
                     c.Dpi ? reinterpret_cast<LPARAM>(&suggested) : 0);
        const bool ends = c.Clips == std::vector<std::string>{"none"};
        EXPECT_EQ(Clips, c.Clips);
        EXPECT_EQ(MonitorQuery, c.Dpi ? "" : Describe(-320, -240, MONITOR_DEFAULTTONULL, 0));
        MSG quit = {};
        EXPECT_EQ(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE, ends);
        EXPECT_EQ(quit.wParam, 0u) << "exit code";
        EXPECT_EQ(IsWindow(window) == FALSE, ends);
        if (ends) continue;
        EXPECT_EQ(ClientOnScreen(window), "-640,-480,640,480");
        EXPECT_EQ(ScreenDpi, c.Dpi ? c.Dpi : 96);
        EXPECT_EQ(ShownCursorWidth(), c.Dpi ? c.Dpi / 3 : 32);
        EXPECT_EQ(paints.Paints.size(), c.Dpi ? 1u : 0u) << "the read-out follows the DPI";
        DestroyWindow(window);
        PumpMessages();
    }
}

} // namespace
