// Cursor sets and colour mode under Wine: Enter's cycling, Space both ways, the samples and
// copies they lead to, and a read-out line wider than its usual strips.
#include "core/AppState.h"
#include "ui/Cursors.h"
#include "win32/WinTestSupport.h"

#include <gtest/gtest.h>

namespace {

class ColorModeTest : public ShownWindowTest {
  protected:
    bool ShowsCursor(WORD id) const {
        HCURSOR loaded = LoadedCursor(id);
        return loaded != nullptr && GetCursor() == loaded;
    }
    static std::wstring WebText(COLORREF c) {
        wchar_t text[8];
        swprintf(text, 8, L"#%02X%02X%02X", GetRValue(c), GetGValue(c), GetBValue(c));
        return text;
    }
    void PointAt(int x, int y) {
        SetCursorPos(x, y);
        Move(x, y);
    }
};

TEST_F(ColorModeTest, EnterStepsTheModesOwnSetAndEachModeKeepsItsChoice) {
    EXPECT_EQ(SizeCursorId, 101);
    EXPECT_TRUE(ShowsCursor(101)) << "shown at creation";
    // Key, then the ids and the cursor shown after it. A repeated key (bit 30) acts again.
    const struct {
        wchar_t Key;
        LPARAM Flags;
        WORD Size, Color, Shown;
    } steps[] = {
        {13, 1, 102, 105, 102}, {13, 0x40000001, 103, 105, 103}, {13, 1, 104, 105, 104},
        {13, 1, 101, 105, 101}, {13, 1, 102, 105, 102},          {' ', 1, 102, 105, 105},
        {13, 1, 102, 106, 106}, {13, 0x40000001, 102, 107, 107}, {13, 1, 102, 105, 105},
        {13, 1, 102, 106, 106}, {' ', 1, 102, 106, 102},         {' ', 0x40000001, 102, 106, 106},
    };
    for (const auto& step : steps) {
        const LRESULT result = SendMessageW(window, WM_CHAR, step.Key, step.Flags);
        if (step.Key == 13) {
            EXPECT_EQ(result, 0);
        }
        EXPECT_EQ(SizeCursorId, step.Size);
        EXPECT_EQ(ColorCursorId, step.Color);
        EXPECT_TRUE(ShowsCursor(step.Shown))
            << "after key " << int(step.Key) << " expected " << step.Shown;
    }
    SetCursor(nullptr);
    SendMessageW(window, WM_SETFOCUS, 0, 0);
    EXPECT_TRUE(ShowsCursor(106)) << "the focus brings back the mode's cursor";
}

TEST_F(ColorModeTest, SpaceSamplesUnderThePointerAndSpaceAgainLeavesTheSample) {
    PointAt(400, 300);
    PutClipboardText(L"before");
    Key(' ');
    EXPECT_TRUE(ColorMode);
    EXPECT_EQ(PickedColor, PatternColor(400, 300));
    EXPECT_EQ(std::wstring(ColorWebText), L"#902C11");
    EXPECT_EQ(WindowDiffersFromFrame(), "");
    Key(' ');
    EXPECT_FALSE(ColorMode);
    EXPECT_EQ(PickedColor, PatternColor(400, 300)) << "not cleared";
    EXPECT_EQ(ClipboardText(), L"before") << "no marking, so no copy";
}

TEST_F(ColorModeTest, SpaceWhileMarkingCopiesThePictureUnderTheOutlineAndTheRealReleaseNothing) {
    PointAt(300, 200);
    Press(300, 200);
    PointAt(320, 210);
    const COLORREF outline = FramePixel(320, 210);
    ASSERT_TRUE(outline == RGB(255, 0, 0) || outline == RGB(255, 255, 255));
    Key(' ');
    EXPECT_FALSE(Marking);
    EXPECT_EQ(ClipboardText(), WebText(PatternColor(320, 210)));
    EXPECT_EQ(MarkBox.Left, ToMicro(320));
    PutClipboardText(L"later");
    Release(320, 210);
    EXPECT_EQ(ClipboardText(), L"later");
}

TEST_F(ColorModeTest, SpaceWhileHeldInColourModeGoesOnMarkingWithoutACopy) {
    PointAt(100, 100);
    Key(' ');
    Press(100, 100);
    Key(' ');
    EXPECT_TRUE(Marking);
    PointAt(120, 110);
    EXPECT_EQ(MarkBox.Right, ToMicro(121)) << "size mode stretches the box again";
    const COLORREF corner = FramePixel(100, 100);
    EXPECT_TRUE(corner == RGB(255, 0, 0) || corner == RGB(255, 255, 255)) << "and outlines it";
    PutClipboardText(L"kept");
    Release(120, 110);
    EXPECT_FALSE(Marking);
    EXPECT_EQ(ClipboardText(), L"kept");
}

TEST_F(ColorModeTest, DoubleClickCopiesOnceAndTheRightReleaseSamplesAfresh) {
    PointAt(200, 150);
    Key(' ');
    Press(200, 150);
    Release(200, 150);
    EXPECT_EQ(ClipboardText(), WebText(PatternColor(200, 150)));
    PutClipboardText(L"once");
    SendMessageW(window, WM_LBUTTONDBLCLK, MK_LBUTTON, PackPoint(200, 150));
    Release(200, 150);
    EXPECT_EQ(ClipboardText(), L"once");

    SetCursorPos(250, 260); // no move message: only the release samples
    SendMessageW(window, WM_RBUTTONUP, 0, PackPoint(250, 260));
    EXPECT_EQ(PickedColor, PatternColor(250, 260));
    Key(' ');
    SetCursorPos(10, 20);
    PaintRecorder paints(window);
    SendMessageW(window, WM_RBUTTONUP, 0, PackPoint(10, 20));
    EXPECT_EQ(PickedColor, PatternColor(250, 260)) << "size mode takes no sample";
    EXPECT_TRUE(paints.Paints.empty());
}

TEST_F(ColorModeTest, CtrlCCopiesTheReadoutLineInSizeModeAndTheWebColourInColourMode) {
    const auto copied = [this] {
        PutClipboardText(L"before");
        Key(3);
        return ClipboardText();
    };
    PointAt(101, 110);
    EXPECT_EQ(copied(), L"X: 101, Y: 110");
    Press(101, 110);
    PointAt(106, 113);
    EXPECT_EQ(copied(), L"X: 101, Y: 110    Size: 6 X 4");
    Release(106, 113);
    Key(' ');
    EXPECT_EQ(copied(), L"#6A7100");
}

TEST_F(ColorModeTest, ALineWiderThanTheStripsReachesTheWindowWholeAndLeavesNoTail) {
    // Wine's system font here is narrow, so a wider one stands in for the larger system
    // fonts elsewhere: the colour line then runs far past x = 420.
    HFONT wide = CreateFontW(16, 9, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"");
    HGDIOBJ systemFont = SelectObject(FrameDcHandle(), wide);
    PointAt(400, 300);
    Key(' ');
    // The moves change the line's last digits (blue 16, then 33).
    for (POINT p : {POINT{401, 255}, POINT{520, 300}}) {
        PointAt(p.x, p.y);
        EXPECT_EQ(WindowDiffersFromFrame(), "") << "after the move to " << p.x << "," << p.y;
    }
    Key(' ');
    EXPECT_EQ(WindowDiffersFromFrame(), "");
    for (int x = 420; x < 500; ++x)
        ASSERT_EQ(ShownPixel(x, height - 25), PatternColor(x, height - 25)) << x;
    SelectObject(FrameDcHandle(), systemFont);
    DeleteObject(wide);
}

} // namespace
