#include "ui/DottedLines.h"

#include <algorithm>

DotPattern PatternOf(std::span<const std::uint32_t> pixels) {
    DotPattern pattern;
    const auto count =
        static_cast<std::ptrdiff_t>(std::min<std::size_t>(pixels.size(), DotPattern::MaxLength));
    pattern.Length = static_cast<int>(count);
    for (std::ptrdiff_t period = 1; period <= count / 2; ++period)
        if (std::equal(pixels.begin() + period, pixels.begin() + count, pixels.begin())) {
            pattern.Length = static_cast<int>(period);
            break;
        }
    std::copy_n(pixels.begin(), pattern.Length, pattern.Colours.begin());
    return pattern;
}

void DrawDottedLines(const PixelRows& frame, std::span<const PixelRect> lines,
                     const DotPattern& pattern, const std::vector<PixelRect>& areas) {
    if (pattern.Length == 0) return;
    const PixelRect window = {0, 0, frame.Width, frame.Height};
    for (const PixelRect& line : lines) {
        if (IsEmpty(line)) continue;
        const bool along = line.Right - line.Left > 1; // along a row, else down a column
        const std::int64_t start = along ? line.Left : line.Top;
        const std::int64_t step = along ? 1 : frame.Width;
        for (const PixelRect& area : areas) {
            const PixelRect part = Intersection(Intersection(line, area), window);
            if (IsEmpty(part)) continue;
            std::uint32_t* pixel = frame.Bits + part.Top * frame.Width + part.Left;
            for (std::int64_t i = along ? part.Left : part.Top,
                              end = along ? part.Right : part.Bottom;
                 i < end; ++i, pixel += step)
                *pixel = pattern.Colours[static_cast<std::size_t>((i - start) % pattern.Length)];
        }
    }
}
