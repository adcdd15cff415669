#include "measure/ColorFormats.h"

#include "measure/TextWriter.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace {

// `scaled` in units of 10^-decimals, e.g. 451 with one decimal as "45.1".
void PutFixed(TextWriter& out, std::int64_t scaled, int decimals) {
    std::int64_t unit = 1;
    for (int i = 0; i < decimals; ++i)
        unit *= 10;
    out.Number(scaled / unit);
    out.Put('.');
    for (std::int64_t digit = unit / 10; digit > 0; digit /= 10)
        out.Number(scaled / digit % 10);
}

void PutHex2(TextWriter& out, unsigned value) {
    static constexpr char Digits[] = "0123456789ABCDEF";
    out.Put(Digits[(value >> 4) & 15]);
    out.Put(Digits[value & 15]);
}

// n / d rounded, halves up (n >= 0, d > 0).
std::int64_t Rounded(std::int64_t n, std::int64_t d) {
    return (2 * n + d) / (2 * d);
}

// Hue in whole degrees and saturation and lightness in whole percents, in integers, so that
// halves round alike on every platform.
void WriteHsl(TextWriter& out, int r, int g, int b) {
    const int high = std::max({r, g, b}), low = std::min({r, g, b});
    const int range = high - low, sum = high + low;
    const std::int64_t lightness = Rounded(100 * sum, 510);
    std::int64_t hue = 0, saturation = 0;
    if (range > 0) {
        saturation = Rounded(100 * range, std::min(sum, 510 - sum));
        // The hue in sixths of the circle, times the range: 0 to 6 x range.
        const int sixths = high == r   ? (g - b + 6 * range) % (6 * range)
                           : high == g ? b - r + 2 * range
                                       : r - g + 4 * range;
        hue = Rounded(60 * sixths, range) % 360;
    }
    out.Put("hsl(");
    out.Number(hue);
    out.Put(", ");
    out.Number(saturation);
    out.Put("%, ");
    out.Number(lightness);
    out.Put("%)");
}

// The sRGB transfer function undone: a channel's share of linear light.
double LinearLight(unsigned channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// Through OKLab's two published matrices from linear sRGB, with a cube root between them.
void WriteOklch(TextWriter& out, unsigned red, unsigned green, unsigned blue) {
    const double r = LinearLight(red), g = LinearLight(green), b = LinearLight(blue);
    const double l = std::cbrt(0.4122214708 * r + 0.5363325363 * g + 0.0514459929 * b);
    const double m = std::cbrt(0.2119034982 * r + 0.6806995451 * g + 0.1073969566 * b);
    const double s = std::cbrt(0.0883024619 * r + 0.2817188376 * g + 0.6299787005 * b);
    const double lightness = 0.2104542553 * l + 0.7936177850 * m - 0.0040720468 * s;
    const double a = 1.9779984951 * l - 2.4285922050 * m + 0.4505937099 * s;
    const double bb = 0.0259040371 * l + 0.7827717662 * m - 0.8086757660 * s;
    double hue = std::atan2(bb, a) * 180 / std::numbers::pi;
    if (hue < 0) hue += 360;
    const std::int64_t chroma = std::llround(std::hypot(a, bb) * 1000);
    out.Put("oklch(");
    PutFixed(out, std::max<std::int64_t>(std::llround(lightness * 1000), 0), 1);
    out.Put("% ");
    PutFixed(out, chroma, 3);
    out.Put(' ');
    // Without chroma the hue is noise: it shows as 0.
    if (chroma == 0)
        out.Put('0');
    else
        PutFixed(out, std::llround(hue * 10) % 3600, 1);
    out.Put(')');
}

} // namespace

ColorFormat NextColorFormat(ColorFormat format) {
    switch (format) {
    case ColorFormat::Web:
        return ColorFormat::Rgb;
    case ColorFormat::Rgb:
        return ColorFormat::Hsl;
    case ColorFormat::Hsl:
        return ColorFormat::Oklch;
    default:
        return ColorFormat::Web;
    }
}

int FormatColor(ColorFormat format, unsigned red, unsigned green, unsigned blue,
                wchar_t (&text)[ColorWebTextLength]) {
    TextWriter out{text, ColorWebTextLength};
    switch (format) {
    case ColorFormat::Rgb:
        out.Put("rgb(");
        out.Number(red);
        out.Put(", ");
        out.Number(green);
        out.Put(", ");
        out.Number(blue);
        out.Put(')');
        break;
    case ColorFormat::Hsl:
        WriteHsl(out, static_cast<int>(red), static_cast<int>(green), static_cast<int>(blue));
        break;
    case ColorFormat::Oklch:
        WriteOklch(out, red, green, blue);
        break;
    default:
        out.Put('#');
        PutHex2(out, red);
        PutHex2(out, green);
        PutHex2(out, blue);
    }
    return out.Finish();
}
