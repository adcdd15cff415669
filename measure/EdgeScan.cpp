#include "measure/EdgeScan.h"

#include <algorithm>

namespace {

// Pixels are looked at in groups of this many: a group equal to the background throughout, the
// usual case, is passed over after one comparison each, which the compiler does in parallel.
constexpr std::int64_t Group = 16;
constexpr std::uint32_t ColourBits = 0x00FFFFFF;

bool Differs(std::uint32_t pixel, std::uint32_t background, int tolerance) {
    return ColorDifference(pixel, background) > tolerance;
}

// Whether any of n pixels differs from the background by more than the tolerance; written
// without branches so that the compiler can compare several at once.
bool AnyDiffers(const std::uint32_t* p, std::int64_t n, std::uint32_t background, int tolerance) {
    std::uint32_t unequal = 0;
    for (std::int64_t i = 0; i < n; ++i)
        unequal |= (p[i] ^ background) & ColourBits;
    if (unequal == 0) return false;
    const int r = static_cast<int>(background >> 16 & 255),
              g = static_cast<int>(background >> 8 & 255), b = static_cast<int>(background & 255);
    int over = 0;
    for (std::int64_t i = 0; i < n; ++i) {
        const int dr = static_cast<int>(p[i] >> 16 & 255) - r;
        const int dg = static_cast<int>(p[i] >> 8 & 255) - g;
        const int db = static_cast<int>(p[i] & 255) - b;
        over |= (dr > tolerance) | (-dr > tolerance) | (dg > tolerance) | (-dg > tolerance) |
                (db > tolerance) | (-db > tolerance);
    }
    return over != 0;
}

// The first of columns from..to - 1 of a row that differs, or `to`.
std::int64_t FirstDiffering(const std::uint32_t* row, std::int64_t from, std::int64_t to,
                            std::uint32_t background, int tolerance) {
    std::int64_t x = from;
    while (x + Group <= to && !AnyDiffers(row + x, Group, background, tolerance))
        x += Group;
    for (; x < to; ++x)
        if (Differs(row[x], background, tolerance)) return x;
    return to;
}

// One past the last of columns from..to - 1 of a row that differs, or `from`.
std::int64_t EndOfDiffering(const std::uint32_t* row, std::int64_t from, std::int64_t to,
                            std::uint32_t background, int tolerance) {
    std::int64_t x = to;
    while (x - Group >= from && !AnyDiffers(row + x - Group, Group, background, tolerance))
        x -= Group;
    for (; x > from; --x)
        if (Differs(row[x - 1], background, tolerance)) return x;
    return from;
}

bool Holds(const PixelRect& outer, const PixelRect& inner) {
    return outer.Left <= inner.Left && outer.Top <= inner.Top && inner.Right <= outer.Right &&
           inner.Bottom <= outer.Bottom;
}

void Include(std::optional<PixelRect>& bounds, const std::optional<PixelRect>& more) {
    if (more) bounds = bounds ? Bounds(*bounds, *more) : *more;
}

} // namespace

int ColorDifference(std::uint32_t a, std::uint32_t b) {
    int largest = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const int d = static_cast<int>(a >> shift & 255) - static_cast<int>(b >> shift & 255);
        largest = std::max(largest, d < 0 ? -d : d);
    }
    return largest;
}

PixelRect RunsThrough(const PixelRows& pixels, std::int64_t x, std::int64_t y, int tolerance) {
    const std::uint32_t* row = pixels.Bits + y * pixels.Width;
    const std::int64_t stride = pixels.Width;
    auto near = [&](const std::uint32_t* a, const std::uint32_t* b) {
        return ColorDifference(*a, *b) <= tolerance;
    };
    std::int64_t left = x, right = x + 1, top = y, bottom = y + 1;
    while (left > 0 && near(row + left - 1, row + left))
        --left;
    while (right < pixels.Width && near(row + right - 1, row + right))
        ++right;
    const std::uint32_t* column = pixels.Bits + x;
    while (top > 0 && near(column + (top - 1) * stride, column + top * stride))
        --top;
    while (bottom < pixels.Height && near(column + (bottom - 1) * stride, column + bottom * stride))
        ++bottom;
    return {left, top, right, bottom};
}

std::optional<PixelRect> ContentBounds(const PixelRows& pixels, const PixelRect& area,
                                       std::uint32_t background, int tolerance) {
    const PixelRect a = Intersection(area, {0, 0, pixels.Width, pixels.Height});
    if (IsEmpty(a)) return std::nullopt;
    auto row = [&](std::int64_t y) { return pixels.Bits + y * pixels.Width; };
    auto rowDiffers = [&](std::int64_t y) {
        return FirstDiffering(row(y), a.Left, a.Right, background, tolerance) < a.Right;
    };
    std::int64_t top = a.Top;
    while (top < a.Bottom && !rowDiffers(top))
        ++top;
    if (top == a.Bottom) return std::nullopt;
    std::int64_t bottom = a.Bottom;
    while (!rowDiffers(bottom - 1))
        --bottom;
    // Between them, each row is searched only where it could widen the bounds found so far.
    std::int64_t left = a.Right, right = a.Left;
    for (std::int64_t y = top; y < bottom; ++y) {
        left = FirstDiffering(row(y), a.Left, left, background, tolerance);
        right = EndOfDiffering(row(y), std::max(right, left), a.Right, background, tolerance);
    }
    return PixelRect{left, top, right, bottom};
}

std::optional<PixelRect> FindContent(ContentSearch& search, const PixelRows& pixels,
                                     const PixelRect& area, std::uint32_t background,
                                     int tolerance) {
    const PixelRect now = Intersection(area, {0, 0, pixels.Width, pixels.Height});
    const bool same = search.Bits == pixels.Bits && search.Width == pixels.Width &&
                      search.Height == pixels.Height && search.Background == background &&
                      search.Tolerance == tolerance;
    const PixelRect kept = same ? Intersection(search.Area, now) : PixelRect{};
    std::optional<PixelRect> content;
    if (IsEmpty(kept) || IsEmpty(now)) {
        content = ContentBounds(pixels, now, background, tolerance);
    } else {
        // What the box kept: all of the content known, or what is left of its bounds.
        if (search.Content && Holds(kept, *search.Content))
            content = search.Content;
        else if (search.Content)
            content =
                ContentBounds(pixels, Intersection(*search.Content, kept), background, tolerance);
        // What it gained: the strips above and below what it kept, and beside it.
        const PixelRect gained[] = {{now.Left, now.Top, now.Right, kept.Top},
                                    {now.Left, kept.Bottom, now.Right, now.Bottom},
                                    {now.Left, kept.Top, kept.Left, kept.Bottom},
                                    {kept.Right, kept.Top, now.Right, kept.Bottom}};
        for (const PixelRect& strip : gained)
            Include(content, ContentBounds(pixels, strip, background, tolerance));
    }
    search = {pixels.Bits, pixels.Width, pixels.Height, background, tolerance, now, content};
    return content;
}
