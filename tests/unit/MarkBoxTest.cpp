#include "measure/MarkBox.h"
#include "unit/StateFixture.h"

namespace {

using MarkBoxTest = FreshState;

void ExpectBox(const MicroBox& box, std::int64_t l, std::int64_t t, std::int64_t r,
               std::int64_t b) {
    EXPECT_EQ(box.Left, ToMicro(l));
    EXPECT_EQ(box.Top, ToMicro(t));
    EXPECT_EQ(box.Right, ToMicro(r));
    EXPECT_EQ(box.Bottom, ToMicro(b));
}

TEST(BoxFromCorners, HoldsBothCornerPixelsWhicheverWayTheDragGoes) {
    ExpectBox(BoxFromCorners(ToMicro(10), ToMicro(20), ToMicro(5), ToMicro(8)), 5, 8, 11, 21);
    ExpectBox(BoxFromCorners(ToMicro(10), ToMicro(20), ToMicro(10), ToMicro(20)), 10, 20, 11, 21);
    ExpectBox(BoxFromCorners(ToMicro(-3), ToMicro(4), ToMicro(2), ToMicro(-1)), -3, -1, 3, 5);
}

TEST(OutlineStrips, ThreeMagnifiedPixelsAlongEachEdgeInOrder) {
    const auto strips = OutlineStrips(PixelBox(10, 20, 31, 45), 3);
    EXPECT_EQ(strips[0], (PixelRect{7, 17, 16, 48}));
    EXPECT_EQ(strips[1], (PixelRect{7, 17, 34, 26}));
    EXPECT_EQ(strips[2], (PixelRect{28, 17, 37, 48}));
    EXPECT_EQ(strips[3], (PixelRect{7, 42, 34, 51}));
}

TEST(OutlineStrips, OnePixelBoxAtTheOriginReachesNegativeCoordinates) {
    const auto strips = OutlineStrips(PixelBox(0, 0, 1, 1), 1);
    EXPECT_EQ(strips[0], (PixelRect{-1, -1, 2, 2}));
    EXPECT_EQ(strips[1], (PixelRect{-1, -1, 2, 2}));
    EXPECT_EQ(strips[2], (PixelRect{0, -1, 3, 2}));
    EXPECT_EQ(strips[3], (PixelRect{-1, 0, 2, 3}));
}

TEST(OutlineStrips, BoxPastTheTopLeftCornerAtZoomFour) {
    const auto strips = OutlineStrips(PixelBox(-10, -6, -2, 3), 4);
    EXPECT_EQ(strips[0], (PixelRect{-14, -10, -2, 7}));
    EXPECT_EQ(strips[3], (PixelRect{-14, -1, 2, 11}));
}

TEST_F(MarkBoxTest, PointerMoveRulesAsAStateTable) {
    struct Case {
        bool marking, colorMode, stretched;
        MicroBox box; // expected, with the anchor at (10, 20) and the pointer at (5, 8)
    };
    const Case cases[] = {
        {false, false, false, PixelBox(5, 8, 6, 9)},
        {false, true, false, PixelBox(5, 8, 6, 9)},
        {true, true, false, PixelBox(10, 20, 11, 21)},
        {true, false, true, PixelBox(5, 8, 11, 21)},
    };
    for (const Case& c : cases) {
        ResetAppState(800, 600);
        StartMarking(ToMicro(10), ToMicro(20));
        Marking = c.marking;
        ColorMode = c.colorMode;
        CursorX = ToMicro(5);
        CursorY = ToMicro(8);
        EXPECT_EQ(FollowPointerWithBox(), c.stretched) << c.marking << c.colorMode;
        ExpectBox(MarkBox, RoundMicro(c.box.Left), RoundMicro(c.box.Top), RoundMicro(c.box.Right),
                  RoundMicro(c.box.Bottom));
        const bool anchorFollows = !c.marking;
        EXPECT_EQ(MarkAnchorX, ToMicro(anchorFollows ? 5 : 10));
        EXPECT_EQ(MarkAnchorY, ToMicro(anchorFollows ? 8 : 20));
    }
}

TEST_F(MarkBoxTest, DraggingBackOntoTheAnchorGivesTheOnePixelBox) {
    StartMarking(ToMicro(10), ToMicro(20));
    EXPECT_TRUE(Marking);
    ExpectBox(MarkBox, 10, 20, 11, 21);
    CursorX = ToMicro(5);
    CursorY = ToMicro(8);
    FollowPointerWithBox();
    CursorX = ToMicro(10);
    CursorY = ToMicro(20);
    FollowPointerWithBox();
    ExpectBox(MarkBox, 10, 20, 11, 21);
}

} // namespace
