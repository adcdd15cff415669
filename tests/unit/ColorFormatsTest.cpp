#include "measure/ColorFormats.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <numbers>
#include <random>
#include <string>

namespace {

std::string Text(ColorFormat format, std::uint32_t rgb) {
    wchar_t text[ColorWebTextLength];
    const int n = FormatColor(format, rgb >> 16, (rgb >> 8) & 255, rgb & 255, text);
    return std::string(text, text + n);
}

TEST(ColorFormats, WorkedValuesInTheOrderFStepsThrough) {
    // The last two: halves round up, S 12.5 % to 13 and H 359.5 to 360, which is 0.
    const struct {
        std::uint32_t Rgb;
        const char* Texts; // in each format in turn
    } cases[] = {
        {0x942D11, "#942D11 rgb(148, 45, 17) hsl(13, 79%, 32%) oklch(45.1% 0.143 35.3)"},
        {0x339966, "#339966 rgb(51, 153, 102) hsl(150, 50%, 40%) oklch(61.1% 0.122 157.6)"},
        {0xFF0000, "#FF0000 rgb(255, 0, 0) hsl(0, 100%, 50%) oklch(62.8% 0.258 29.2)"},
        {0x0000FF, "#0000FF rgb(0, 0, 255) hsl(240, 100%, 50%) oklch(45.2% 0.313 264.1)"},
        {0xFFFFFF, "#FFFFFF rgb(255, 255, 255) hsl(0, 0%, 100%) oklch(100.0% 0.000 0)"},
        {0x000000, "#000000 rgb(0, 0, 0) hsl(0, 0%, 0%) oklch(0.0% 0.000 0)"},
        {0x090807, "#090807 rgb(9, 8, 7) hsl(30, 13%, 3%) oklch(13.5% 0.003 69.6)"},
        {0x820A0B, "#820A0B rgb(130, 10, 11) hsl(0, 86%, 27%) oklch(38.6% 0.151 28.0)"},
        {0x0A0A0A, "#0A0A0A rgb(10, 10, 10) hsl(0, 0%, 4%) oklch(14.5% 0.000 0)"}, // L 3.92 %
    };
    for (const auto& c : cases) {
        std::string texts;
        ColorFormat format = ColorFormat::Web;
        for (int i = 0; i < 4; ++i, format = NextColorFormat(format))
            texts += (i ? " " : "") + Text(format, c.Rgb);
        EXPECT_EQ(texts, c.Texts);
        EXPECT_EQ(format, ColorFormat::Web) << "after oklch() comes #RRGGBB again";
    }
}

// OKLCH reached another way, through CIE XYZ: the sRGB matrix, then OKLab's matrix from XYZ. The
// routes part by a few ten-thousandths, and a near grey's hue by more.
TEST(ColorFormats, RandomColoursAgreeWithOklabReachedThroughXyz) {
    const double toXyz[3][3] = {{0.4124564, 0.3575761, 0.1804375},
                                {0.2126729, 0.7151522, 0.0721750},
                                {0.0193339, 0.1191920, 0.9503041}};
    const double toLms[3][3] = {{0.8189330101, 0.3618667424, -0.1288597137},
                                {0.0329845436, 0.9293118715, 0.0361456387},
                                {0.0482003018, 0.2643662691, 0.6338517070}};
    const double toLab[3][3] = {{0.2104542553, 0.7936177850, -0.0040720468},
                                {1.9779984951, -2.4285922050, 0.4505937099},
                                {0.0259040371, 0.7827717662, -0.8086757660}};
    const auto times = [](const double(&m)[3][3], const double* v, double* out) {
        for (int i = 0; i < 3; ++i)
            out[i] = m[i][0] * v[0] + m[i][1] * v[1] + m[i][2] * v[2];
    };
    std::mt19937 random(31);
    for (int n = 0; n < 500; ++n) {
        const std::uint32_t rgb = random() & 0xFFFFFF;
        double light[3], xyz[3], lms[3], lab[3], l, c, h;
        for (int k = 0; k < 3; ++k) {
            const double v = (rgb >> (16 - 8 * k) & 255) / 255.0;
            light[k] = v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        }
        times(toXyz, light, xyz);
        times(toLms, xyz, lms);
        for (double& v : lms)
            v = std::cbrt(v);
        times(toLab, lms, lab);
        const std::string text = Text(ColorFormat::Oklch, rgb);
        ASSERT_EQ(std::sscanf(text.c_str(), "oklch(%lf%% %lf %lf)", &l, &c, &h), 3) << text;
        EXPECT_NEAR(l, lab[0] * 100, 0.05 + 0.005) << text;
        EXPECT_NEAR(c, std::hypot(lab[1], lab[2]), 0.0005 + 0.0002) << text;
        const double gap = std::fabs(
            h - std::fmod(std::atan2(lab[2], lab[1]) * 180 / std::numbers::pi + 360, 360));
        if (std::hypot(lab[1], lab[2]) < 0.05) continue;
        EXPECT_LE(std::fmin(gap, 360 - gap), 0.05 + 0.15) << text;
    }
}

} // namespace
