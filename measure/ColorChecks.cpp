#include "measure/ColorChecks.h"

#include <array>
#include <cmath>
#include <utility>

namespace {

// Linear light is kept in whole millionths of a millionth: the ratio is then found and compared
// in integers, so that it truncates the same on every runtime. Each table entry lies at least
// 0.003 units from a rounding boundary, far beyond any difference between runtimes' pow.
constexpr std::int64_t LinearOne = 1'000'000'000'000;

const std::array<std::int64_t, 256>& LinearTable() {
    static const std::array<std::int64_t, 256> table = [] {
        std::array<std::int64_t, 256> t{};
        for (int v = 0; v < 256; ++v) {
            const double c = v / 255.0;
            const double linear = c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
            t[static_cast<std::size_t>(v)] = std::llround(linear * static_cast<double>(LinearOne));
        }
        return t;
    }();
    return table;
}

// Relative luminance plus the 0.05 of flare, in units of 1 / (LinearOne * 10000).
std::int64_t LitLuminance(ColorRef color) {
    const auto& linear = LinearTable();
    return 2126 * linear[color & 0xFF] + 7152 * linear[(color >> 8) & 0xFF] +
           722 * linear[(color >> 16) & 0xFF] + LinearOne * 500;
}

} // namespace

Contrast ContrastOf(ColorRef a, ColorRef b) {
    std::int64_t lighter = LitLuminance(a), darker = LitLuminance(b);
    if (lighter < darker) std::swap(lighter, darker);
    const char* level = lighter >= 7 * darker       ? "AAA"
                        : 2 * lighter >= 9 * darker ? "AA"
                        : lighter >= 3 * darker     ? "AA large"
                                                    : "fail";
    return {lighter * 100 / darker, level};
}

PixelRect AreaAround(const PixelRows& pixels, PixelPoint at, int side) {
    const int reach = side / 2;
    return Intersection({at.X - reach, at.Y - reach, at.X + reach + 1, at.Y + reach + 1},
                        {0, 0, pixels.Width, pixels.Height});
}

ColorRef MeanColor(const PixelRows& pixels, const PixelRect& area) {
    if (IsEmpty(area)) return NoColor;
    std::uint32_t red = 0, green = 0, blue = 0;
    for (std::int64_t y = area.Top; y < area.Bottom; ++y) {
        const std::uint32_t* row = pixels.Bits + y * pixels.Width;
        for (std::int64_t x = area.Left; x < area.Right; ++x) {
            const std::uint32_t pixel = row[x]; // 0x00RRGGBB in the snapshot's own order
            red += (pixel >> 16) & 0xFF;
            green += (pixel >> 8) & 0xFF;
            blue += pixel & 0xFF;
        }
    }
    const auto n = static_cast<std::uint32_t>((area.Right - area.Left) * (area.Bottom - area.Top));
    auto mean = [n](std::uint32_t sum) { return (sum + n / 2) / n; };
    return mean(red) | mean(green) << 8 | mean(blue) << 16;
}
