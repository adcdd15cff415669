#include "view/Pan.h"
#include "unit/StateFixture.h"

#include <random>

namespace {

using PanTest = FreshState;

TEST_F(PanTest, StepsCarryTheRemainderWithTheSignOfTheMovementAndDropWhatTheClampSwallows) {
    // factor, origin x before (millionths), pointer moves in pixels, then after each move:
    // origin x, remainder x, box left (which starts at 50 pixels).
    const struct Case {
        const char* Name;
        std::int16_t Zoom;
        MicroCoord Origin;
        std::vector<int> Moves;
        std::vector<MicroCoord> Origins, Remainders, BoxLefts;
    } cases[] = {
        {"three +1 at factor 3",
         3,
         ToMicro(100),
         {1, 1, 1},
         {99'666'667, 99'333'334, 99'000'000},
         {1, 2, 0},
         {50'999'999, 51'999'998, 53'000'000}},
        {"-1 at factor 3", 3, ToMicro(100), {-1}, {100'333'333}, {-1}, {49'000'001}},
        {"clamped at 0, then back",
         3,
         0,
         {5, -1},
         {0, 333'332},
         {2, -2},
         {ToMicro(50), 49'000'004}},
        {"factor 1", 1, 0, {7, -3}, {0, 0}, {0, 0}, {ToMicro(50), ToMicro(50)}},
    };
    for (const Case& c : cases) {
        ResetAppState(800, 600);
        ZoomFactor = c.Zoom;
        ViewOriginX = c.Origin;
        MarkBox = PixelBox(50, 60, 70, 80);
        MarkAnchorX = MarkBox.Left;
        StartPan(ToMicro(400), ToMicro(300));
        int x = 400;
        for (size_t i = 0; i < c.Moves.size(); ++i) {
            x += c.Moves[i];
            PanTo(ToMicro(x), ToMicro(300));
            EXPECT_EQ(ViewOriginX, c.Origins[i]) << c.Name << " move " << i;
            EXPECT_EQ(PanRemainderX, c.Remainders[i]) << c.Name << " move " << i;
            EXPECT_EQ(MarkBox.Left, c.BoxLefts[i]) << c.Name << " move " << i;
            EXPECT_EQ(MarkBox.Right - MarkBox.Left, ToMicro(20)) << c.Name;
            EXPECT_EQ(MarkAnchorX, MarkBox.Left) << c.Name;
            EXPECT_EQ(ViewOriginY, 0) << c.Name;
        }
    }
}

TEST_F(PanTest, ADragThatMeetsNoClampNeverDriftsFromThePointer) {
    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> step(-20, 20);
    for (int factor : {2, 3, 4, 6, 10, 20, 30, 45}) {
        const auto zoom = static_cast<std::int16_t>(factor);
        ResetAppState(2000, 2000);
        ZoomFactor = zoom;
        const MicroCoord limit = ScreenWidth - ScreenWidth / zoom;
        ViewOriginX = ViewOriginY = limit / 2;
        const MicroCoord startX = ViewOriginX, startY = ViewOriginY;
        int px = 1000, py = 1000;
        StartPan(ToMicro(px), ToMicro(py));
        for (int i = 0; i < 300; ++i) {
            px += step(random);
            py += step(random);
            PanTo(ToMicro(px), ToMicro(py));
            ASSERT_TRUE(ViewOriginX > 0 && ViewOriginX < limit && ViewOriginY > 0 &&
                        ViewOriginY < limit);
            ASSERT_EQ(zoom * (startX - ViewOriginX) + PanRemainderX, ToMicro(px - 1000))
                << "zoom " << zoom << " step " << i;
            ASSERT_EQ(zoom * (startY - ViewOriginY) + PanRemainderY, ToMicro(py - 1000));
            ASSERT_LT(std::abs(PanRemainderX), zoom);
            ASSERT_LT(std::abs(PanRemainderY), zoom);
        }
    }
}

} // namespace
