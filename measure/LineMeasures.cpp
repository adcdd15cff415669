#include "measure/LineMeasures.h"

#include "measure/TextWriter.h"

#include <cmath>
#include <numbers>

namespace {

using Wide = unsigned __int128; // squares of 64-bit values

// sqrt(n) / m rounded to the nearest, halves up, for n >= 0 and m > 0: the double's estimate is
// corrected until k is the largest whole number with k - 1/2 <= sqrt(n) / m, which holds when
// (2k - 1)^2 m^2 <= 4n.
std::int64_t RoundedRootOver(Wide n, std::int64_t m) {
    auto within = [&](std::int64_t k) {
        const Wide odd = static_cast<Wide>(2 * k - 1) * static_cast<Wide>(m);
        return k <= 0 || odd * odd <= n * 4;
    };
    auto k = static_cast<std::int64_t>(std::sqrt(static_cast<double>(n)) / static_cast<double>(m));
    while (within(k + 1))
        ++k;
    while (!within(k))
        --k;
    return k;
}

} // namespace

std::int64_t LengthHundredths(std::int64_t dx, std::int64_t dy, int dpi) {
    // Hundredths at 96 DPI: sqrt(d^2 x 9600^2) / dpi.
    const std::int64_t squared = dx * dx + dy * dy;
    return RoundedRootOver(static_cast<Wide>(squared) * 9600 * 9600, dpi);
}

std::int64_t AngleHundredths(std::int64_t dx, std::int64_t dy) {
    // Up the screen is y falling. Negated as a whole number, so that a level line pointing left
    // has +0, not -0, and reads 180. No two whole numbers within 6000 of 0 give an angle within
    // 1e-7 hundredths of a half one, far beyond any runtime's atan2 error: all round alike.
    const double degrees = std::atan2(static_cast<double>(-dy), static_cast<double>(dx)) *
                           (18000.0 / std::numbers::pi);
    const std::int64_t hundredths = std::llround(degrees);
    return hundredths == -18000 ? 18000 : hundredths; // a hair below 180 the other way
}

std::wstring LineLabel(const PixelLine& line) {
    wchar_t text[16];
    TextWriter out{text, 16};
    out.Hundredths(LengthHundredths(line.End.X - line.Start.X, line.End.Y - line.Start.Y));
    return {text, static_cast<std::size_t>(out.Finish())};
}
