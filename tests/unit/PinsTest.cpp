#include "measure/Pins.h"
#include "ui/PinGeometry.h"
#include "unit/StateFixture.h"

namespace {

using PinsTest = FreshState;

TEST_F(PinsTest, KeepsTheNewestHundredAndUnpinsFromTheNewestEnd) {
    for (std::int64_t i = 0; i <= 100; ++i)
        AddPin({i, 0, i + 1, 1});
    ASSERT_EQ(Pins.size(), 100u);
    EXPECT_EQ(Pins.front().Box.Left, 1) << "the 101st drops the oldest";
    EXPECT_TRUE(RemoveNewestPin());
    EXPECT_EQ(Pins.back().Box.Left, 99);
    EXPECT_TRUE(RemoveAllPins());
    EXPECT_FALSE(RemoveNewestPin() || RemoveAllPins()) << "nothing left to remove";
}

TEST_F(PinsTest, CopyTextIsOneSizeLinePerPinOldestFirst) {
    EXPECT_EQ(PinsText(), L"");
    AddPin({100, 100, 140, 120});
    AddPin({300, 300, 310, 305});
    AddLinePin({{600, 100}, {540, 100}});
    EXPECT_EQ(PinsText(),
              L"X: 100, Y: 100    Size: 40 X 20\r\nX: 300, Y: 300    Size: 10 X 5\r\n"
              L"X: 600, Y: 100    Length: 60.00    dX: -60, dY: 0    Angle: 180.00\u00B0");
    ScreenDpi = 144; // 40 x 96 / 144 = 26.7, 20 -> 13.3, 10 -> 6.7, 5 -> 3.3
    EXPECT_EQ(PinsText(), L"X: 100, Y: 100    Size: 40 X 20    (27 X 13 at 150 %)\r\n"
                          L"X: 300, Y: 300    Size: 10 X 5    (7 X 3 at 150 %)\r\n"
                          L"X: 600, Y: 100    Length: 60.00 (40.00 at 150 %)    dX: -60, dY: 0    "
                          L"Angle: 180.00\u00B0");
}

TEST(PinGeometry, ALabelThatWouldFallOffTheWindowMovesInside) {
    // 50 x 16 on 800 x 600: beyond the right and bottom edges, then the left and top ones
    EXPECT_EQ(PlaceLabel({760, 590, 790, 598}, 50, 16, 800, 600), (PixelRect{750, 584, 800, 600}));
    EXPECT_EQ(PlaceLabel({-100, -100, -40, -20}, 50, 16, 800, 600), (PixelRect{0, 0, 50, 16}));
}

TEST(PinGeometry, AnOutlineEndingAtTheWindowsEdgeIsOffIt) {
    EXPECT_FALSE(OnWindow({-10, 10, 0, 20}, 800, 600)) << "ends at the left edge";
    EXPECT_FALSE(OnWindow({10, -10, 20, 0}, 800, 600)) << "ends at the top edge";
    EXPECT_FALSE(OnWindow({800, 10, 810, 20}, 800, 600)) << "starts at the right edge";
    EXPECT_FALSE(OnWindow({10, 600, 20, 610}, 800, 600)) << "starts at the bottom edge";
    EXPECT_TRUE(OnWindow({-10, -10, 1, 1}, 800, 600) && OnWindow({799, 599, 810, 610}, 800, 600));
}

} // namespace
