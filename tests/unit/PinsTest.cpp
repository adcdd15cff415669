#include "measure/Pins.h"
#include "measure/MarkBox.h"
#include "measure/MeasuredBox.h"
#include "ui/FrameChanges.h"
#include "ui/PinGeometry.h"
#include "unit/StateFixture.h"

namespace {

using PinsTest = FreshState;

TEST_F(PinsTest, KeepsTheNewestHundredAndUnpinsFromTheNewestEnd) {
    for (std::int64_t i = 0; i <= 100; ++i)
        AddPin({i, 0, i + 1, 1});
    ASSERT_EQ(Pins.size(), 100u);
    EXPECT_EQ(Pins.front().Box.Left, 1) << "the 101st drops the oldest";
    EXPECT_EQ(Pins.back().Box.Left, 100);
    EXPECT_TRUE(RemoveNewestPin());
    EXPECT_EQ(Pins.size(), 99u);
    EXPECT_EQ(Pins.back().Box.Left, 99);
    EXPECT_TRUE(RemoveAllPins());
    EXPECT_TRUE(Pins.empty());
    EXPECT_FALSE(RemoveNewestPin());
    EXPECT_FALSE(RemoveAllPins());
}

TEST_F(PinsTest, CopyTextIsOneSizeLinePerPinOldestFirst) {
    EXPECT_EQ(PinsText(), L"");
    AddPin({100, 100, 140, 120});
    AddPin({300, 300, 310, 305});
    EXPECT_EQ(PinLabel(Pins[0].Box), L"40 X 20");
    EXPECT_EQ(PinsText(), L"X: 100, Y: 100    Size: 40 X 20\r\nX: 300, Y: 300    Size: 10 X 5");
    ScreenDpi = 144; // 40 x 96 / 144 = 26.7, 20 -> 13.3, 10 -> 6.7, 5 -> 3.3
    EXPECT_EQ(PinsText(), L"X: 100, Y: 100    Size: 40 X 20    (27 X 13 at 150 %)\r\n"
                          L"X: 300, Y: 300    Size: 10 X 5    (7 X 3 at 150 %)");
}

TEST_F(PinsTest, MeasuredBoxIsThePixelsTheSizeReadoutNames) {
    MarkBox = BoxFromCorners(ToMicro(100), ToMicro(100), ToMicro(139), ToMicro(119));
    EXPECT_EQ(MeasuredBox(), (PixelRect{100, 100, 140, 120}));
    // "X: 102, Y: 55    Size: 6 X 2" at zoom 4 from (100, 50)
    ZoomFactor = 4;
    ViewOriginX = ToMicro(100);
    ViewOriginY = ToMicro(50);
    MarkBox = PixelBox(10, 20, 31, 26);
    EXPECT_EQ(MeasuredBox(), (PixelRect{102, 55, 108, 57}));
}

TEST(PinGeometry, OutlineOnTheCellsAndLabelBesideItInsideTheWindow) {
    const MicroCoord w = ToMicro(800), h = ToMicro(600);
    const PixelRect box{100, 100, 140, 120};
    EXPECT_EQ(PinOutline(box, PlanStretch(0, 0, w, h, 1)), box);
    EXPECT_EQ(PinOutline(box, PlanStretch(0, 0, w, h, 2)), (PixelRect{200, 200, 280, 240}));
    // Columns 2-4 show pixel 267 at zoom 3 from 266.333334.
    EXPECT_EQ(PinOutline({267, 0, 268, 1}, PlanStretch(266'333'334, 0, w, h, 3)),
              (PixelRect{2, 0, 5, 3}));
    // outline, the label's place on an 800 x 600 window for a 50 x 16 label
    const struct {
        PixelRect Outline, Label;
    } cases[] = {
        {{100, 100, 140, 120}, {142, 122, 192, 138}},
        {{760, 590, 790, 598}, {750, 584, 800, 600}}, // past the right and bottom edges
        {{-100, -100, -40, -20}, {0, 0, 50, 16}},     // past the left and top edges
    };
    for (const auto& c : cases)
        EXPECT_EQ(PlaceLabel(c.Outline, 50, 16, 800, 600), c.Label) << c.Outline.Left;
    EXPECT_TRUE(OnWindow({799, 599, 900, 900}, 800, 600));
    EXPECT_FALSE(OnWindow({-100, -100, 0, 0}, 800, 600));
    EXPECT_FALSE(OnWindow({800, 0, 900, 10}, 800, 600));
}

TEST(PinChanges, TheLinesAndLabelsOfThePinsOnlyOneFrameShows) {
    const StretchPlan view = PlanStretch(0, 0, ToMicro(800), ToMicro(600), 1);
    const PixelRect text{20, 570, 120, 586};
    auto pin = [](std::uint64_t id, std::int64_t x) {
        return PinLayout{id, {}, {x, 10, x + 5, 20}, {x + 7, 22, x + 40, 38}};
    };
    auto areas = [](const PinLayout& p) {
        const PixelRect& o = p.Outline;
        return std::vector<PixelRect>{{o.Left, o.Top, o.Left + 1, o.Bottom},
                                      {o.Right - 1, o.Top, o.Right, o.Bottom},
                                      {o.Left, o.Top, o.Right, o.Top + 1},
                                      {o.Left, o.Bottom - 1, o.Right, o.Bottom},
                                      p.Label};
    };
    const PinLayout a = pin(1, 100), b = pin(2, 200), c = pin(3, 300);
    auto frame = [&](std::vector<PinLayout> pins) {
        return FrameLayout{true, view, false, {}, text, {L'A'}, pins};
    };
    auto both = [&](const PinLayout& first, const PinLayout& second) {
        std::vector<PixelRect> all = areas(first), more = areas(second);
        all.insert(all.end(), more.begin(), more.end());
        return all;
    };
    EXPECT_EQ(FrameChanges(frame({a, b}), frame({a, b}), 800, 600), std::vector<PixelRect>{});
    EXPECT_EQ(FrameChanges(frame({a}), frame({a, b}), 800, 600), areas(b)) << "pinned";
    EXPECT_EQ(FrameChanges(frame({a, b, c}), frame({a, c}), 800, 600), areas(b)) << "one gone";
    EXPECT_EQ(FrameChanges(frame({a, b}), frame({b, c}), 800, 600), both(a, c))
        << "the oldest dropped for a new one";
    EXPECT_TRUE(ReachesPin({{130, 30, 140, 40}}, a)) << "its label";
    EXPECT_FALSE(ReachesPin({{101, 11, 104, 19}}, a)) << "inside the outline, clear of it";
}

} // namespace
