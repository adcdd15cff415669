// Pointer tracking and box marking under Wine: state, repainted regions, outline pixels,
// read-out text and the copy on release.
#include "core/AppState.h"
#include "core/Handles.h"
#include "core/PlatformRect.h"
#include "core/ReadoutPlace.h"
#include "measure/MarkBox.h"
#include "ui/ComposeFrame.h"
#include "ui/FrameGeometry.h"
#include "win32/WinTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

class PointerTest : public ShownWindowTest {
  protected:
    void RightPress(int x, int y) {
        SendMessageW(window, WM_RBUTTONDOWN, MK_RBUTTON, PackPoint(x, y));
    }
    void RightRelease(int x, int y) { SendMessageW(window, WM_RBUTTONUP, 0, PackPoint(x, y)); }
    void ZoomThreeAtTheCentre() { // origin (266.666667, 200)
        SetCursorPos(400, 300);
        Key('3');
        ASSERT_EQ(ViewOriginX, 266'666'667);
        ASSERT_EQ(ViewOriginY, ToMicro(200));
    }

    std::vector<RECT> Expected(std::initializer_list<MicroBox> outlines) const {
        std::vector<RECT> rects;
        for (const PixelRect& strip : ReadoutStrips(ScreenHeight))
            rects.push_back(ToRect(strip));
        for (const MicroBox& box : outlines)
            for (const PixelRect& strip : OutlineStrips(box, ZoomFactor))
                rects.push_back(ToRect(strip));
        return rects;
    }

    // The frame's read-out rows hold exactly `text` over the picture: the same picture
    // stretched afresh with `text` drawn on it gives the same pixels along those rows.
    bool ReadoutShows(const std::wstring& text, int top) const {
        MemoryCanvas copy(FrameDC, width, height);
        const StretchPlan plan =
            PlanStretch(ViewOriginX, ViewOriginY, ScreenWidth, ScreenHeight, ZoomFactor);
        StretchBlt(copy.Dc, static_cast<int>(plan.DestX), static_cast<int>(plan.DestY),
                   static_cast<int>(plan.SourceWidth * plan.Zoom),
                   static_cast<int>(plan.SourceHeight * plan.Zoom), SnapshotDC,
                   static_cast<int>(plan.SourceX), static_cast<int>(plan.SourceY),
                   static_cast<int>(plan.SourceWidth), static_cast<int>(plan.SourceHeight),
                   SRCCOPY);
        TextOutW(copy.Dc, 20, top, text.c_str(), static_cast<int>(text.size()));
        const auto expected = copy.Pixels();
        const auto frame = ReadPixels(FrameDC, width, height);
        const auto from = static_cast<size_t>(top * width);
        const auto to = static_cast<size_t>((top + 20) * width);
        return std::equal(frame.begin() + from, frame.begin() + to, expected.begin() + from);
    }

    // Every pixel of the column (or row) segment is a red pen dot or a white gap, both seen.
    void ExpectDottedLine(int x0, int y0, int x1, int y1) const {
        int red = 0, white = 0;
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) {
                const COLORREF c = FramePixel(x, y);
                red += c == RGB(255, 0, 0);
                white += c == RGB(255, 255, 255);
                ASSERT_TRUE(c == RGB(255, 0, 0) || c == RGB(255, 255, 255))
                    << x << "," << y << " is " << std::hex << c;
            }
        EXPECT_GT(red, 0);
        EXPECT_GT(white, 0);
    }
};

TEST_F(PointerTest, MoveRepaintsTheReadoutStripsAndTheOldOutlineOnly) {
    Move(100, 100);
    const MicroBox old = MarkBox;
    PaintRecorder paints(window);
    Move(110, 120);
    ASSERT_EQ(paints.Paints.size(), 1u);
    EXPECT_TRUE(SameRegion(paints.Paints[0], Expected({old}), window));
    EXPECT_EQ(CursorX, ToMicro(110));
    EXPECT_EQ(MarkBox.Left, ToMicro(110));
    EXPECT_EQ(MarkAnchorY, ToMicro(120));
}

TEST_F(PointerTest, DragRepaintsOldAndNewOutlineStrips) {
    Press(50, 60);
    const MicroBox pressed = MarkBox;
    PaintRecorder paints(window);
    Move(70, 90);
    ASSERT_EQ(paints.Paints.size(), 1u);
    EXPECT_TRUE(SameRegion(paints.Paints[0], Expected({pressed, MarkBox}), window));
}

TEST_F(PointerTest, PressRepaintsTheNewOutlineAndTheReadout) {
    PaintRecorder paints(window);
    Press(300, 200);
    ASSERT_EQ(paints.Paints.size(), 1u);
    EXPECT_TRUE(SameRegion(paints.Paints[0], Expected({MarkBox}), window));
    EXPECT_TRUE(Marking);
}

TEST_F(PointerTest, DragAtZoomOneOutlinesTheBoxAndShowsItsSize) {
    Move(200, 150);
    Press(200, 150);
    Move(230, 170);
    EXPECT_EQ(MarkBox.Left, ToMicro(200));
    EXPECT_EQ(MarkBox.Bottom, ToMicro(171));
    ExpectDottedLine(200, 150, 200, 170);
    ExpectDottedLine(230, 150, 230, 170);
    ExpectDottedLine(200, 150, 230, 150);
    ExpectDottedLine(200, 170, 230, 170);
    EXPECT_EQ(FramePixel(215, 160), PatternColor(215, 160)) << "the inside is not filled";
    EXPECT_TRUE(ReadoutShows(L"X: 200, Y: 150    Size: 31 X 21", height - 30));

    PutClipboardText(L"before");
    const MicroBox marked = MarkBox;
    PaintRecorder paints(window);
    Release(230, 170);
    EXPECT_FALSE(Marking);
    ASSERT_EQ(paints.Paints.size(), 1u);
    EXPECT_TRUE(SameRegion(paints.Paints[0], Expected({marked}), window));
    EXPECT_EQ(ShownPixel(200, 160), PatternColor(200, 160)) << "the outline is gone";
    EXPECT_EQ(ShownPixel(230, 160), PatternColor(230, 160));
    EXPECT_EQ(ClipboardText(), L"before") << "size mode copies nothing";
    EXPECT_EQ(MarkBox.Left, ToMicro(230));
    EXPECT_EQ(MarkBox.Right, ToMicro(231));
    EXPECT_TRUE(ReadoutShows(L"X: 230, Y: 170", height - 30));
}

TEST_F(PointerTest, DragAtZoomFourSnapsTheOutlineToMagnifiedPixels) {
    SetCursorPos(400, 300);
    SendMessageW(window, WM_CHAR, '4', 0x00010001); // origin (300, 225)
    ASSERT_EQ(ViewOriginX, ToMicro(300));
    Press(101, 102);
    SendMessageW(window, WM_CHAR, '1', 0x00010001);
    SendMessageW(window, WM_CHAR, '4', 0x00010001);
    EXPECT_EQ(MarkBox.Left, ToMicro(101)) << "a zoom change leaves the box where it is";
    EXPECT_EQ(MarkBox.Top, ToMicro(102));
    SetCursorPos(400, 300);
    SendMessageW(window, WM_CHAR, '1', 0x00010001);
    SendMessageW(window, WM_CHAR, '4', 0x00010001);
    Move(130, 117);
    // Box 101..130 x 102..117 snaps out to 100..131 x 100..119.
    ExpectDottedLine(100, 100, 100, 119);
    ExpectDottedLine(131, 100, 131, 119);
    ExpectDottedLine(100, 100, 131, 100);
    ExpectDottedLine(100, 119, 131, 119);
    EXPECT_EQ(FramePixel(101, 110), PatternColor(300 + 101 / 4, 225 + 110 / 4));
    EXPECT_TRUE(ReadoutShows(L"X: 325, Y: 250    Size: 8 X 5", height - 30));
}

TEST_F(PointerTest, ReadoutJumpsToTheTopNearTheBottomLeft) {
    Move(100, height - 39);
    EXPECT_TRUE(ReadoutShows(L"X: 100, Y: " + std::to_wstring(height - 39), 20));
    EXPECT_EQ(ShownPixel(25, height - 25), PatternColor(25, height - 25)) << "bottom strip clear";
    Move(100, height - 40);
    EXPECT_TRUE(ReadoutShows(L"X: 100, Y: " + std::to_wstring(height - 40), height - 30));
    EXPECT_EQ(ShownPixel(25, 25), PatternColor(25, 25)) << "top strip clear";
}

TEST_F(PointerTest, ReleaseWhileNotMarkingRepaintsAndCopiesNothing) {
    PutClipboardText(L"before");
    ColorMode = true;
    PaintRecorder paints(window);
    Release(10, 10);
    EXPECT_TRUE(paints.Paints.empty());
    EXPECT_EQ(ClipboardText(), L"before");
}

TEST_F(PointerTest, ClickInColourModeCopiesTheLastSampledColour) {
    ColorMode = true;
    Move(150, 140);
    Move(151, 140); // the paint after this move wrote the web text of pixel (151, 140)
    EXPECT_EQ(PickedColor, PatternColor(151, 140));
    Press(151, 140);
    Move(160, 145);
    EXPECT_EQ(MarkBox.Left, ToMicro(151)) << "the box stays put in colour mode";
    EXPECT_EQ(FramePixel(151, 140), PatternColor(151, 140)) << "and is not outlined";
    Release(160, 145);
    const COLORREF c = PatternColor(160, 145);
    wchar_t expected[8];
    swprintf(expected, 8, L"#%02X%02X%02X", GetRValue(c), GetGValue(c), GetBValue(c));
    EXPECT_EQ(ClipboardText(), expected);
}

TEST_F(PointerTest, ColourSampleReadsThePictureUnderTheReadoutAndNothingOffTheWindow) {
    ColorMode = true;
    Move(500, 100);
    int textX = -1;
    const int row = height - 25;
    for (int x = 20; x < 420 && textX < 0; ++x)
        if (FramePixel(x, row) == 0) textX = x;
    ASSERT_GE(textX, 0) << "black text in the bottom strip";
    Move(textX, row); // the line still stands there, but the snapshot is read
    EXPECT_EQ(PickedColor, PatternColor(textX, row));
    Move(-3, 10);
    EXPECT_EQ(PickedColor, 0xFFFFFFFFu);
    EXPECT_TRUE(ReadoutShows(L"X: 0, Y: 10", height - 30)) << "the edge pixel, and no colour";
    PutClipboardText(L"kept");
    Press(-3, 10);
    Release(-3, 10);
    EXPECT_EQ(ClipboardText(), L"kept");
}

TEST_F(PointerTest, SecondPressOfADoubleClickStartsNoMarking) {
    Press(40, 40);
    Release(40, 40);
    SendMessageW(window, WM_LBUTTONDBLCLK, MK_LBUTTON, PackPoint(40, 40));
    EXPECT_FALSE(Marking);
    Move(60, 60);
    EXPECT_EQ(MarkBox.Left, ToMicro(60)) << "the move only tracks the pointer";
    EXPECT_EQ(MarkBox.Right, ToMicro(61));
}

TEST_F(PointerTest, PositionsOffTheWindowReadAsItsNearestPixel) {
    Press(-5, 10);
    Move(-20, -3);
    EXPECT_EQ(MarkBox.Left, 0);
    EXPECT_EQ(MarkBox.Top, 0);
    EXPECT_EQ(MarkBox.Right, ToMicro(1));
    EXPECT_TRUE(ReadoutShows(L"X: 0, Y: 0    Size: 1 X 11", height - 30));
    Move(width + 40, height + 7);
    EXPECT_EQ(MarkBox.Right, ToMicro(width));
    EXPECT_EQ(MarkBox.Bottom, ToMicro(height));
}

TEST_F(PointerTest, PanStepsRepaintEverythingAndAStillRightClickNothing) {
    ZoomThreeAtTheCentre();
    PaintRecorder paints(window);
    RightPress(400, 300);
    RightRelease(400, 300);
    EXPECT_TRUE(paints.Paints.empty());
    const MicroCoord cursorX = CursorX;
    RightPress(400, 300);
    Move(401, 300);
    Move(402, 305);
    ASSERT_EQ(paints.Paints.size(), 2u);
    const RECT whole = {0, 0, width, height};
    for (const auto& region : paints.Paints)
        EXPECT_TRUE(SameRegion(region, {whole}, window));
    EXPECT_EQ(ViewOriginX, 266'000'001); // two window pixels: 2/3 of a snapshot pixel
    EXPECT_EQ(ViewOriginY, 198'333'334);
    EXPECT_EQ(CursorX, cursorX) << "a pan step does not track the pointer";

    RightRelease(402, 305);
    SendMessageW(window, WM_RBUTTONDBLCLK, MK_RBUTTON, PackPoint(402, 305));
    Move(430, 305);
    EXPECT_EQ(ViewOriginX, 266'000'001) << "the second press of a double click pans nothing";
    EXPECT_EQ(MarkBox.Left, ToMicro(430));
}

TEST_F(PointerTest, APanStepOverAnAreaTheWindowHadInvalidShowsTheWholeFrame) {
    ZoomThreeAtTheCentre();
    RightPress(400, 300);
    const RECT stale = {100, 80, 300, 200}; // uncovered, and not yet painted
    HDC dc = GetDC(window);
    FillRect(dc, &stale, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
    ReleaseDC(window, dc);
    InvalidateRect(window, &stale, FALSE);
    Move(430, 310);
    MemoryCanvas whole(FrameDC, width, height);
    ComposeWholeFrame(whole.Dc);
    EXPECT_TRUE(ReadWindowPixels(window, width, height) == whole.Pixels());
}

TEST_F(PointerTest, LosingTheCaptureEndsAPanAndAMarkingWithoutACopyAndActivationRetakesIt) {
    // Size mode loses the capture as to a modal panel, colour mode to another program.
    for (const bool colour : {false, true}) {
        ColorMode = colour;
        PutClipboardText(L"before");
        Press(100, 100);
        Move(120, 130);
        RightPress(120, 130);
        SetCursorPos(125, 135);
        if (colour)
            SendMessageW(window, WM_ACTIVATEAPP, FALSE, 0);
        else
            ReleaseCapture();
        EXPECT_FALSE(Marking || Panning);
        EXPECT_EQ(std::pair(MarkBox.Left, MarkBox.Bottom), std::pair(ToMicro(125), ToMicro(136)));
        EXPECT_EQ(FramePixel(100, 110), PatternColor(100, 110)) << "no outline";
        EXPECT_EQ(ClipboardText(), L"before");
        SendMessageW(window, WM_ACTIVATEAPP, TRUE, 0);
        EXPECT_EQ(GetCapture(), window);
    }
}

TEST_F(PointerTest, AMarkedBoxTravelsWithThePictureAndStretchesFromItsShiftedAnchor) {
    ZoomThreeAtTheCentre();
    Press(300, 240);
    Move(330, 255);
    const std::wstring readout = L"X: 366, Y: 280    Size: 11 X 6";
    EXPECT_TRUE(ReadoutShows(readout, height - 30));
    RightPress(330, 255);
    Move(360, 243); // the view moves 10 snapshot pixels left and 4 down
    EXPECT_EQ(ViewOriginX, 256'666'667);
    EXPECT_EQ(ViewOriginY, ToMicro(204));
    EXPECT_EQ(MarkBox.Left, ToMicro(330));
    EXPECT_EQ(MarkBox.Bottom, ToMicro(244));
    EXPECT_TRUE(ReadoutShows(readout, height - 30)) << "the same snapshot pixels";
    RightRelease(360, 243);
    Move(390, 243);
    EXPECT_EQ(MarkBox.Left, ToMicro(330));
    EXPECT_EQ(MarkBox.Top, ToMicro(228));
    EXPECT_EQ(MarkBox.Right, ToMicro(391));
}

} // namespace
