#include "view/ArrowStep.h"
#include "unit/StateFixture.h"

namespace {

constexpr MicroCoord M = MicroPerPixel;

TEST(ArrowStep, MovesOneCellScrollsByWholePixelsAtTheWindowEdgeAndStopsAtTheSnapshotEdge) {
    // On 800 x 600: zoom, origin, pointer, step; then the pointer and the origin after it.
    const struct {
        std::int16_t Zoom;
        MicroCoord X0, Y0;
        PixelPoint From;
        int Dx, Dy;
        PixelPoint To;
        MicroCoord X1, Y1;
    } cases[] = {
        {1, 0, 0, {100, 100}, 1, 0, {101, 100}, 0, 0},
        {1, 0, 0, {101, 100}, 0, 10, {101, 110}, 0, 0},
        {4, 0, 0, {9, 9}, 1, 0, {13, 9}, 0, 0},        // same place in the next cell
        {4, 0, 0, {798, 301}, 1, 0, {798, 301}, M, 0}, // past the window: scroll
        {4, 100 * M, 0, {1, 50}, -1, 0, {1, 50}, 99 * M, 0},
        {4, 0, 0, {790, 0}, 10, 0, {798, 0}, 8 * M, 0}, // just enough scroll
        {1, 0, 0, {795, 0}, 10, 0, {799, 0}, 0, 0},     // stops at the last pixel
        {1, 0, 0, {0, 599}, -1, 1, {0, 599}, 0, 0},     // snapshot edge: nothing moves
        {2, 0, 0, {799, 0}, 1, 0, {799, 0}, M, 0},      // 801 is 2 px out: one pixel of scroll
        // 798 shows at 797..799; the scroll for 799 is cut to 0.833334 by the clamp.
        {3, 532'500'000, 0, {799, 0}, 1, 0, {799, 0}, 533'333'334, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        ResetAppState(800, 600);
        ZoomFactor = c.Zoom;
        ViewOriginX = c.X0;
        ViewOriginY = c.Y0;
        MarkBox = PixelBox(700, 300, 701, 301);
        const PixelPoint to = ArrowStep(c.From, c.Dx, c.Dy);
        EXPECT_EQ(std::pair(to.X, to.Y), std::pair(c.To.X, c.To.Y));
        EXPECT_EQ(std::pair(ViewOriginX, ViewOriginY), std::pair(c.X1, c.Y1));
        EXPECT_EQ(MarkBox.Left, ToMicro(700) - (c.X1 - c.X0) * c.Zoom) << "moves with the view";
    }
}

} // namespace
