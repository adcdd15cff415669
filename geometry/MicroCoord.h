// Fixed-point screen coordinates: millionths of a pixel, and the conversions in and out of them.
#pragma once

#include <cstdint>

// Signed 64-bit so that screens and positions beyond 2147 pixels keep working; within
// +-2147 pixels every result equals what 32-bit arithmetic gives.
using MicroCoord = std::int64_t;

constexpr MicroCoord MicroPerPixel = 1'000'000;

// A box in MicroCoord; right and bottom lie one pixel beyond the last included position.
struct MicroBox {
    MicroCoord Left = 0;
    MicroCoord Top = 0;
    MicroCoord Right = 0;
    MicroCoord Bottom = 0;
};

struct PixelPoint {
    std::int64_t X;
    std::int64_t Y;
    friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

// A line from the middle of one pixel to the middle of another.
struct PixelLine {
    PixelPoint Start;
    PixelPoint End;
    friend bool operator==(const PixelLine&, const PixelLine&) = default;
};

// A rectangle in whole pixels, right and bottom exclusive.
struct PixelRect {
    std::int64_t Left = 0;
    std::int64_t Top = 0;
    std::int64_t Right = 0;
    std::int64_t Bottom = 0;
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

constexpr bool IsEmpty(const PixelRect& r) {
    return r.Left >= r.Right || r.Top >= r.Bottom;
}

constexpr PixelRect Intersection(const PixelRect& a, const PixelRect& b) {
    return {a.Left > b.Left ? a.Left : b.Left, a.Top > b.Top ? a.Top : b.Top,
            a.Right < b.Right ? a.Right : b.Right, a.Bottom < b.Bottom ? a.Bottom : b.Bottom};
}

// The smallest rectangle holding both.
constexpr PixelRect Bounds(const PixelRect& a, const PixelRect& b) {
    return {a.Left < b.Left ? a.Left : b.Left, a.Top < b.Top ? a.Top : b.Top,
            a.Right > b.Right ? a.Right : b.Right, a.Bottom > b.Bottom ? a.Bottom : b.Bottom};
}

constexpr MicroCoord ToMicro(std::int64_t pixels) {
    return pixels * MicroPerPixel;
}

// Round half up for non-negative values, truncate toward zero for negative ones.
constexpr std::int64_t RoundMicro(MicroCoord v) {
    if (v < 0) return v / MicroPerPixel;
    return v / MicroPerPixel + (v % MicroPerPixel >= MicroPerPixel / 2 ? 1 : 0);
}

// Division rounding toward minus infinity, for snapping negative edges outward.
constexpr std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

// Window-space position of a mouse message: the low and high words of lParam, each a
// signed 16-bit value, so a captured pointer left of or above the screen stays negative.
constexpr MicroCoord MouseMicroX(std::uint64_t lParam) {
    return ToMicro(static_cast<std::int16_t>(lParam & 0xFFFF));
}
constexpr MicroCoord MouseMicroY(std::uint64_t lParam) {
    return ToMicro(static_cast<std::int16_t>((lParam >> 16) & 0xFFFF));
}

// Clamps a pixel value to what a 32-bit platform call accepts.
constexpr int ToPlatformInt(std::int64_t pixels) {
    if (pixels > INT32_MAX) return INT32_MAX;
    if (pixels < INT32_MIN) return INT32_MIN;
    return static_cast<int>(pixels);
}
