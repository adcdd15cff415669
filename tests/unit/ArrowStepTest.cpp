#include "view/ArrowStep.h"
#include "unit/StateFixture.h"

namespace {

TEST(ArrowStep, MovesOneCellScrollsByWholePixelsAtTheWindowEdgeAndStopsAtTheSnapshotEdge) {
    // On 800 x 600; origins in millionths. The box starts at window pixel (700, 300).
    const struct Case {
        const char* Name;
        std::int16_t Zoom;
        MicroCoord OriginX, OriginY;
        PixelPoint Pointer;
        int Dx, Dy;
        PixelPoint Expected;
        MicroCoord ExpectedX, ExpectedY;
    } cases[] = {
        {"zoom 1, right", 1, 0, 0, {100, 100}, 1, 0, {101, 100}, 0, 0},
        {"zoom 1, ten down", 1, 0, 0, {101, 100}, 0, 10, {101, 110}, 0, 0},
        {"zoom 4, right: same place in the next cell", 4, 0, 0, {9, 9}, 1, 0, {13, 9}, 0, 0},
        {"zoom 4, right at the window edge scrolls one pixel",
         4,
         0,
         0,
         {798, 301},
         1,
         0,
         {798, 301},
         ToMicro(1),
         0},
        {"zoom 4, left at the window edge",
         4,
         ToMicro(100),
         0,
         {1, 50},
         -1,
         0,
         {1, 50},
         ToMicro(99),
         0},
        {"zoom 4, ten right near the edge: just enough scroll",
         4,
         0,
         0,
         {790, 0},
         10,
         0,
         {798, 0},
         ToMicro(8),
         0},
        {"zoom 1, ten right stops at the last pixel", 1, 0, 0, {795, 0}, 10, 0, {799, 0}, 0, 0},
        {"snapshot edge: nothing moves", 1, 0, 0, {0, 599}, -1, 1, {0, 599}, 0, 0},
        {"zoom 4 at the far limit: nothing moves",
         4,
         ToMicro(600),
         ToMicro(450),
         {798, 597},
         1,
         1,
         {798, 597},
         ToMicro(600),
         ToMicro(450)},
        // Pixel 798 shows at 797..799 and 799 would at 800: the scroll of one pixel is cut
        // to 0.833334 by the clamp, and 799 then shows at 797..799.
        {"zoom 3, a fractional origin clamped",
         3,
         532'500'000,
         0,
         {799, 0},
         1,
         0,
         {799, 0},
         533'333'334,
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        ResetAppState(800, 600);
        ZoomFactor = c.Zoom;
        ViewOriginX = c.OriginX;
        ViewOriginY = c.OriginY;
        MarkBox = PixelBox(700, 300, 701, 301);
        const PixelPoint to = ArrowStep(c.Pointer, c.Dx, c.Dy);
        EXPECT_EQ(to.X, c.Expected.X);
        EXPECT_EQ(to.Y, c.Expected.Y);
        EXPECT_EQ(ViewOriginX, c.ExpectedX);
        EXPECT_EQ(ViewOriginY, c.ExpectedY);
        // The box stays on its snapshot pixels: it moves by the scroll times the zoom.
        EXPECT_EQ(MarkBox.Left, ToMicro(700) - (c.ExpectedX - c.OriginX) * c.Zoom);
    }
}

} // namespace
