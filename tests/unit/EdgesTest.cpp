#include "measure/Edges.h"
#include "measure/EdgeScan.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr std::uint32_t White = 0xFFFFFF, Black = 0;

// White 800 x 600 with a black and a blue box, y 100-179, and a faint one below them.
std::vector<std::uint32_t> Screen() {
    std::vector<std::uint32_t> bits(800 * 600, White);
    for (std::size_t i = 0; i < bits.size(); ++i) {
        const std::size_t x = i % 800, y = i / 800;
        if (y >= 100 && y < 180 && x >= 100 && x < 200) bits[i] = Black;
        if (y >= 100 && y < 180 && x >= 260 && x < 340) bits[i] = 0x0000FF;
        if (y >= 300 && y < 400 && x >= 500 && x < 600) bits[i] = 0xF9F9F9; // 6 levels darker
    }
    return bits;
}

TEST(Edges, RunsStopAtNeighboursFurtherApartThanTheTolerance) {
    std::vector<std::uint32_t> screen = Screen(), ramp(256); // a grey level higher each pixel
    for (std::uint32_t i = 0; i < 256; ++i)
        ramp[i] = i * 0x010101;
    const PixelRows shapes{screen.data(), 800, 600}, ramps{ramp.data(), 256, 1};
    const struct {
        PixelRows Pixels;
        std::int64_t X, Y;
        int Tolerance;
        PixelRect Runs;
    } cases[] = {
        {shapes, 230, 140, 8, {200, 0, 260, 600}},   // in the gap
        {shapes, 150, 140, 8, {100, 100, 200, 180}}, // on the black box
        {shapes, 500, 140, 8, {340, 0, 800, 600}},   // to the snapshot's edges
        {ramps, 100, 0, 8, {0, 0, 256, 1}},          {ramps, 100, 0, 0, {100, 0, 101, 1}},
        {ramps, 100, 0, 1, {0, 0, 256, 1}}, // neighbours exactly the tolerance apart
    };
    for (const auto& c : cases)
        EXPECT_EQ(RunsThrough(c.Pixels, c.X, c.Y, c.Tolerance), c.Runs) << c.X << ", " << c.Y;
    EXPECT_EQ(ColorDifference(0xFF102030, 0x00152010), 32) << "no colour in the top byte";
    EXPECT_EQ(ColorDifference(0x400000, 0), 64) << "red alone";
}

TEST(Edges, ABoxSnapsToWhatDiffersFromThePressedColourAsItIsDragged) {
    std::vector<std::uint32_t> screen = Screen();
    ContentSearch search; // each step starts from the one before, as a drag's do
    const struct {
        PixelRect Box;
        std::uint32_t Background;
        int Tolerance;
        std::optional<PixelRect> Content;
    } steps[] = {
        {{80, 80, 361, 201}, White, 8, PixelRect{100, 100, 340, 180}},   // around both boxes
        {{80, 80, 250, 201}, White, 8, PixelRect{100, 100, 200, 180}},   // cut to the black one
        {{210, 80, 250, 201}, White, 8, std::nullopt},                   // in the gap
        {{0, 0, 800, 600}, White, 8, PixelRect{100, 100, 340, 180}},     // the faint box is not
        {{150, 120, 300, 130}, White, 8, PixelRect{150, 120, 300, 130}}, // into both
        {{0, 0, 800, 600}, White, 4, PixelRect{100, 100, 600, 400}},     // at 4 it is
        {{0, 0, 800, 600}, White, 8, PixelRect{100, 100, 340, 180}},     // back to 8, same box
        {{150, 140, 250, 150}, Black, 8, PixelRect{200, 140, 250, 150}}, // pressed on black
        {{700, 500, 900, 700}, White, 8, std::nullopt},                  // past the screen
    };
    const PixelRows shapes{screen.data(), 800, 600};
    for (const auto& s : steps)
        EXPECT_EQ(FindContent(search, shapes, s.Box, s.Background, s.Tolerance), s.Content)
            << s.Box.Left << ", " << s.Box.Top;
}

TEST(Edges, PageUpAndDownStepThroughTheTolerancesAndStopAtTheEnds) {
    EXPECT_EQ(NextTolerance(128, true), 128);
    EXPECT_EQ(NextTolerance(0, false), 0);
    EXPECT_EQ(NextTolerance(8, true), 16);
    EXPECT_EQ(NextTolerance(8, false), 4);
}

} // namespace
