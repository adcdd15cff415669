#include "view/Zoom.h"
#include "unit/StateFixture.h"

namespace {

using ZoomTest = FreshState;

TEST(ZoomFactorForKey, DigitsOneToNineOnly) {
    const std::int16_t expected[] = {1, 2, 3, 4, 6, 10, 20, 30, 45};
    for (char c = '1'; c <= '9'; ++c)
        EXPECT_EQ(ZoomFactorForKey(c), expected[c - '1']);
    for (std::uint64_t c : {0x30, 0x20, 0x61, 0x3A, 0x2F, 13, 27, 0x10031})
        EXPECT_EQ(ZoomFactorForKey(c), 0) << c;
}

TEST_F(ZoomTest, WheelNotchesStepThroughTheFactorsAndPartsOfOneAddUp) {
    // Delta, then the factor: parts add up in one direction, a turn back or a zoom key ('3',
    // as delta 0) forgets them; past 1 and 45 a notch does nothing.
    const int turns[][2] = {{120, 2},  {60, 2},    {60, 3},  {-30, 3},   {-90, 2},  {-120, 1},
                            {-60, 1},  {-120, 1},  {60, 1},  {120, 2},   {720, 30}, {240, 45},
                            {120, 45}, {-120, 30}, {60, 30}, {-150, 20}, {0, 3},    {-90, 3}};
    for (const auto& t : turns) {
        ZoomFactor = t[0] != 0 ? ZoomFactorAfterWheel(t[0]) : ZoomFactorForKey('3');
        EXPECT_EQ(ZoomFactor, t[1]) << "after " << t[0];
    }
}

TEST_F(ZoomTest, TwoNearTheTopLeftStopsAtTheEdge) {
    ZoomFactor = 2;
    const PixelPoint p = ZoomViewAroundPoint(100, 100, 1);
    EXPECT_EQ(ViewOriginX, 0);
    EXPECT_EQ(ViewOriginY, 0);
    EXPECT_EQ(p.X, 200);
    EXPECT_EQ(p.Y, 200);
}

TEST_F(ZoomTest, NineAtTheCentreThenOneBack) {
    ZoomFactor = 45;
    PixelPoint p = ZoomViewAroundPoint(400, 300, 1);
    EXPECT_EQ(ViewOriginX, 391'111'112);
    EXPECT_EQ(ViewOriginY, 293'333'334);
    EXPECT_EQ(p.X, 400);
    EXPECT_EQ(p.Y, 300);
    ZoomFactor = 1;
    p = ZoomViewAroundPoint(400, 300, 45);
    EXPECT_EQ(ViewOriginX, 0);
    EXPECT_EQ(ViewOriginY, 0);
    EXPECT_EQ(p.X, 400);
    EXPECT_EQ(p.Y, 300);
}

TEST_F(ZoomTest, FourAtTheBottomRightStopsAtTheUpperBound) {
    ZoomFactor = 4;
    const PixelPoint p = ZoomViewAroundPoint(799, 599, 1);
    EXPECT_EQ(ViewOriginX, ToMicro(600));
    EXPECT_EQ(ViewOriginY, ToMicro(450));
    EXPECT_EQ(p.X, 796);
    EXPECT_EQ(p.Y, 596);
}

TEST_F(ZoomTest, ClampHoldsTheOriginInsideTheSnapshot) {
    ZoomFactor = 3;
    ViewOriginX = -5;
    ViewOriginY = ToMicro(10'000);
    ClampViewOrigin();
    EXPECT_EQ(ViewOriginX, 0);
    EXPECT_EQ(ViewOriginY, ToMicro(600) - ToMicro(600) / 3);
    ViewOriginX = ToMicro(533);
    ClampViewOrigin();
    EXPECT_EQ(ViewOriginX, ToMicro(533)) << "inside the bounds nothing moves";
    ZoomFactor = 1;
    ClampViewOrigin();
    EXPECT_EQ(ViewOriginX, 0);
    EXPECT_EQ(ViewOriginY, 0);
}

TEST_F(ZoomTest, LargeScreenAtZoomFortyFive) {
    ResetAppState(3840, 2160);
    ZoomFactor = 45;
    PixelPoint p = ZoomViewAroundPoint(3000, 2000, 1);
    EXPECT_EQ(ViewOriginX, ToMicro(3000) - 42'666'666); // half the width at 45
    EXPECT_EQ(ViewOriginY, ToMicro(2000 - 24));
    EXPECT_EQ(p.X, 1920);
    EXPECT_EQ(p.Y, 1080);
    ZoomFactor = 1;
    ZoomViewAroundPoint(1920, 1080, 45);
    ZoomFactor = 45;
    p = ZoomViewAroundPoint(3830, 2150, 1);
    EXPECT_EQ(ViewOriginX, 3'754'666'667);
    EXPECT_EQ(ViewOriginY, ToMicro(2112));
    EXPECT_EQ(p.X, 3390); // 75.333333 snapshot pixels right of the origin, times 45
    EXPECT_EQ(p.Y, 1710);
}

} // namespace
