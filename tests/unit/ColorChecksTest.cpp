#include "measure/ColorChecks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(ColorChecksTest, ContrastTruncatesToHundredthsAndTakesTheLevelFromTheWholeRatio) {
    const struct {
        ColorRef Color, Reference; // 0x00BBGGRR
        std::int64_t Hundredths;
        std::string Level;
    } cases[] = {
        {0x777777, 0xFFFFFF, 447, "AA large"}, // 4.478
        {0x767676, 0xFFFFFF, 454, "AA"},       // 4.542
        {0x008A15, 0xFFFFFF, 449, "AA large"}, // 4.4994: rounded it would read 4.50
        {0x949494, 0xFFFFFF, 303, "AA large"}, // 3.033
        {0x959595, 0xFFFFFF, 299, "fail"},     // 2.995
        {0x595959, 0xFFFFFF, 700, "AAA"},      // 7.005
        {0x5A5A5A, 0xFFFFFF, 689, "AA"},       // 6.897
        {0x000000, 0xFFFFFF, 2100, "AAA"},
        {0xFFFFFF, 0x000000, 2100, "AAA"},
        {0xFFFFFF, 0xFFFFFF, 100, "fail"},
        {0xFFFFFF, 0x777777, 447, "AA large"}, // either way round
    };
    for (const auto& c : cases) {
        const Contrast contrast = ContrastOf(c.Color, c.Reference);
        EXPECT_EQ(contrast.Hundredths, c.Hundredths) << std::hex << c.Color;
        EXPECT_EQ(contrast.Level, c.Level) << std::hex << c.Color;
    }
}

TEST(ColorChecksTest, MeanRoundsHalfUpOverThePixelsInsideTheSnapshot) {
    // A one-pixel checkerboard, white where x + y is even, with a flat block at its right.
    std::vector<std::uint32_t> bits(20 * 12);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 20; ++x)
            bits[y * 20 + x] = x >= 12 ? 0x123456 : (x + y) % 2 == 0 ? 0xFFFFFF : 0;
    const PixelRows pixels{bits.data(), 20, 12};
    const struct {
        PixelPoint At;
        int Side;
        PixelRect Area;
        ColorRef Mean;
    } cases[] = {
        {{6, 6}, 1, {6, 6, 7, 7}, 0xFFFFFF},
        {{6, 6}, 3, {5, 5, 8, 8}, 0x8E8E8E},      // 5 of 9 white
        {{6, 6}, 5, {4, 4, 9, 9}, 0x858585},      // 13 of 25
        {{6, 6}, 9, {2, 2, 11, 11}, 0x818181},    // 41 of 81
        {{5, 6}, 3, {4, 5, 7, 8}, 0x717171},      // 4 of 9
        {{0, 0}, 3, {0, 0, 2, 2}, 0x808080},      // 2 of 4: 127.5 up
        {{19, 11}, 9, {15, 7, 20, 12}, 0x563412}, // flat, channels in the platform's order
    };
    for (const auto& c : cases) {
        const PixelRect area = AreaAround(pixels, c.At, c.Side);
        EXPECT_EQ(area, c.Area) << c.At.X << "," << c.At.Y << " " << c.Side;
        EXPECT_EQ(MeanColor(pixels, area), c.Mean) << c.At.X << "," << c.At.Y << " " << c.Side;
    }
    EXPECT_EQ(MeanColor(pixels, {}), NoColor);
}

} // namespace
