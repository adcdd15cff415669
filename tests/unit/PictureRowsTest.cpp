#include "ui/PictureRows.h"
#include "ui/DottedLines.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr std::uint32_t G = 0x808080; // the grid's raise on a dark cell

// A 5 x 3 snapshot whose pixel (x, y) holds 10y + x + 1, drawn into a 7 x 4 frame that holds
// 99 everywhere before, so that pixels outside the area show as untouched.
TEST(DrawPicture, ReplicatesEachSnapshotPixelZoomTimesInsideTheArea) {
    std::vector<std::uint32_t> snapshot(15);
    for (std::uint32_t i = 0; i < 15; ++i)
        snapshot[i] = i / 5 * 10 + i % 5 + 1;
    const struct {
        StretchPlan Plan; // source x, y, width, height; destination x, y; zoom
        PixelRect Area;
        std::vector<std::uint32_t> Expected;
    } cases[] = {
        // Zoom 2 from column 1, its cell starting one column left of the window.
        {{1, 0, 4, 2, -1, 0, 2}, {0, 0, 7, 4}, {2,  3,  3,  4,  4,  5,  5,  2,  3,  3,
                                                4,  4,  5,  5,  12, 13, 13, 14, 14, 15,
                                                15, 12, 13, 13, 14, 14, 15, 15}},
        // The snapshot ends at column 3 and after row 0: black there, only inside the area.
        {{1, 0, 2, 1, -1, -1, 2}, {1, 0, 5, 2}, {99, 3,  3,  0,  0,  99, 99, 99, 0,  0,
                                                 0,  0,  99, 99, 99, 99, 99, 99, 99, 99,
                                                 99, 99, 99, 99, 99, 99, 99, 99}},
        // Zoom 1: a plain copy from (2, 1), black past the snapshot.
        {{2, 1, 3, 2, 0, 0, 1}, {0, 0, 7, 4}, {13, 14, 15, 0, 0, 0, 0, 23, 24, 25, 0, 0, 0, 0,
                                               0,  0,  0,  0, 0, 0, 0, 0,  0,  0,  0, 0, 0, 0}},
        // Zoom 3, the first cell cut by the window's edge; an area past the frame is clipped.
        {{0, 0, 3, 2, -2, 0, 3}, {-5, -5, 100, 100}, {1, 2,  2,  2,  3,  3,  3,  1, 2, 2,
                                                      2, 3,  3,  3,  1,  2,  2,  2, 3, 3,
                                                      3, 11, 12, 12, 12, 13, 13, 13}},
        // The same with the grid: rows 0 and 3 and columns 1 and 4 start cells; the cut cell's
        // left column lies outside. Dark cells: the grid is v / 2 + 0x808080.
        // clang-format off
        {{0, 0, 3, 2, -2, 0, 3, true}, {-5, -5, 100, 100},
         {G + 0, G + 1, G + 1, G + 1, G + 1, G + 1, G + 1,
          1,     G + 1, 2,     2,     G + 1, 3,     3,
          1,     G + 1, 2,     2,     G + 1, 3,     3,
          G + 5, G + 6, G + 6, G + 6, G + 6, G + 6, G + 6}},
        // Only the area: its first row is no cell's top row, its first column no cell's left.
        {{0, 0, 3, 2, -2, 0, 3, true}, {2, 1, 6, 3},
         {99, 99, 99, 99, 99,    99, 99,
          99, 99, 2,  2,  G + 1, 3,  99,
          99, 99, 2,  2,  G + 1, 3,  99,
          99, 99, 99, 99, 99,    99, 99}},
        // clang-format on
    };
    for (const auto& c : cases) {
        std::vector<std::uint32_t> frame(28, 99);
        DrawPicture({snapshot.data(), 5, 3}, {frame.data(), 7, 4}, c.Plan, c.Area);
        EXPECT_EQ(frame, c.Expected) << "zoom " << c.Plan.Zoom << ", destination " << c.Plan.DestX
                                     << ", grid " << c.Plan.Grid;
    }
}

TEST(GridPixel, HalvesEachChannelAndLiftsItOnDarkCells) {
    // Cell and grid, 0x00RRGGBB: black, white, grey at luma 128 (light) and 127 (dark), blue
    // (luma 29), green (149), and a top byte, which is no colour's.
    const std::uint32_t cases[][2] = {
        {0x000000, 0x808080}, {0xFFFFFF, 0x7F7F7F}, {0x808080, 0x404040},  {0x7F7F7F, 0xBFBFBF},
        {0x0000FF, 0x8080FF}, {0x00FF00, 0x007F00}, {0xAB000000, 0x808080}};
    for (const auto& c : cases)
        EXPECT_EQ(GridPixel(c[0]), c[1]) << std::hex << c[0];
}

TEST(ShiftPixels, EachPixelTakesWhatLaySoFarBackAndTheGapKeepsItsOwn) {
    const struct {
        std::int64_t Dx, Dy;
        std::vector<std::uint32_t> Expected;
    } cases[] = {
        {1, -1, {1, 5, 6, 7, 5, 9, 10, 11, 9, 10, 11, 12}},
        {-2, 2, {1, 2, 3, 4, 5, 6, 7, 8, 3, 4, 11, 12}},
        {4, 0, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}}, // all of it moved out
    };
    for (const auto& c : cases) {
        std::vector<std::uint32_t> pixels{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
        ShiftPixels({pixels.data(), 4, 3}, c.Dx, c.Dy);
        EXPECT_EQ(pixels, c.Expected) << c.Dx << "," << c.Dy;
    }
}

} // namespace

TEST(DottedLines, PatternIsTheShortestRepeatAndLinesAreWrittenOnlyInsideTheAreas) {
    const std::vector<std::uint32_t> dots = {7, 7, 7, 0, 0, 0, 7, 7, 7, 0, 0, 0, 7, 7};
    EXPECT_EQ(PatternOf(dots).Length, 6);
    EXPECT_EQ(PatternOf(std::vector<std::uint32_t>{5, 5, 5, 5}).Length, 1);
    EXPECT_EQ(PatternOf(std::vector<std::uint32_t>{1, 2, 3}).Length, 3) << "no repeat: all";
    EXPECT_EQ(PatternOf({}).Length, 0);

    // Pattern 1, 1, 2 from each line's own start: row 1 from column 0, column 4 from row 0;
    // only x 1-5, y 0-2 may be written.
    std::vector<std::uint32_t> pixels(24);
    const PixelRect lines[] = {{0, 1, 6, 2}, {4, 0, 5, 4}, {}};
    DrawDottedLines({pixels.data(), 6, 4}, lines, PatternOf(std::vector<std::uint32_t>{1, 1, 2}),
                    {{1, 0, 6, 3}});
    EXPECT_EQ(pixels, (std::vector<std::uint32_t>{0, 0, 0, 0, 1, 0, //
                                                  0, 1, 2, 1, 1, 2, //
                                                  0, 0, 0, 0, 2, 0, //
                                                  0, 0, 0, 0, 0, 0}));
}
