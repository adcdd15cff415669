#include "measure/ColorChecks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(ColorChecksTest, ContrastTruncatesToHundredthsAndTakesTheLevelFromTheWholeRatio) {
    const struct {
        ColorRef A, B; // 0x00BBGGRR
        std::int64_t Hundredths;
        std::string Level;
    } cases[] = {{0x777777, 0xFFFFFF, 447, "AA large"}, {0x767676, 0xFFFFFF, 454, "AA"},
                 {0x008A15, 0xFFFFFF, 449, "AA large"}, // 4.4994: never 4.50
                 {0x949494, 0xFFFFFF, 303, "AA large"}, {0x959595, 0xFFFFFF, 299, "fail"},
                 {0x595959, 0xFFFFFF, 700, "AAA"},      {0xFFFFFF, 0x5A5A5A, 689, "AA"},
                 {0xFFFFFF, 0x000000, 2100, "AAA"},     {0xFFFFFF, 0xFFFFFF, 100, "fail"}};
    for (const auto& c : cases) {
        EXPECT_EQ(ContrastOf(c.A, c.B).Hundredths, c.Hundredths) << std::hex << c.A;
        EXPECT_EQ(ContrastOf(c.B, c.A).Level, c.Level) << std::hex << c.A;
    }
}

TEST(ColorChecksTest, MeanRoundsHalfUpOverTheAreasPixelsInsideTheSnapshot) {
    std::vector<std::uint32_t> bits(20 *
                                    12); // a checkerboard, white at even x + y; flat at x >= 12
    for (int i = 0; i < 240; ++i)
        bits[i] = i % 20 >= 12 ? 0x123456 : (i % 20 + i / 20) % 2 == 0 ? 0xFFFFFF : 0;
    const PixelRows pixels{bits.data(), 20, 12};
    const struct {
        PixelPoint At;
        int Side;
        ColorRef Mean;
    } cases[] = {{{6, 6}, 3, 0x8E8E8E},   {{6, 6}, 5, 0x858585}, {{6, 6}, 9, 0x818181},
                 {{5, 6}, 3, 0x717171},   {{0, 0}, 3, 0x808080},  // 2 of 4 white: 127.5 up
                 {{19, 11}, 9, 0x563412}, {{6, 6}, 1, 0xFFFFFF}}; // channels in platform order
    for (const auto& c : cases)
        EXPECT_EQ(MeanColor(pixels, AreaAround(pixels, c.At, c.Side)), c.Mean) << c.At.X << c.Side;
    EXPECT_EQ(AreaAround(pixels, {19, 11}, 9), (PixelRect{15, 7, 20, 12}));
}
