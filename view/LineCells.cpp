#include "view/LineCells.h"

#include "view/ShownPixel.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

LineCells CellsOfLine(const PixelLine& line, MicroCoord originX, MicroCoord originY, int zoom) {
    auto cell = [&](PixelPoint p) {
        return CellsOf({p.X, p.Y, p.X + 1, p.Y + 1}, originX, originY, zoom);
    };
    const PixelRect start = cell(line.Start), end = cell(line.End);
    const std::int64_t half = zoom / 2;
    return {line,
            {start.Left + half, start.Top + half},
            {end.Left + half, end.Top + half},
            start,
            end,
            zoom >= 2};
}

void AddLineAreas(std::vector<PixelRect>& rects, const LineCells& line, std::int64_t width,
                  std::int64_t height) {
    const PixelRect window = {0, 0, width, height};
    auto add = [&](const PixelRect& r) {
        const PixelRect in = Intersection(r, window);
        if (!IsEmpty(in)) rects.push_back(in);
    };
    if (line.Outlined) {
        add(line.StartCell);
        add(line.EndCell);
    }
    // u runs along the longer axis, from the end with the smaller u; v across it.
    const bool alongX = std::abs(line.To.X - line.From.X) >= std::abs(line.To.Y - line.From.Y);
    PixelPoint a = line.From, b = line.To;
    if (!alongX) {
        std::swap(a.X, a.Y);
        std::swap(b.X, b.Y);
    }
    if (b.X < a.X) std::swap(a, b);
    const std::int64_t du = b.X - a.X, dv = b.Y - a.Y;
    const std::int64_t first = std::max<std::int64_t>(a.X, 0);
    const std::int64_t last = std::min<std::int64_t>(b.X, (alongX ? width : height) - 1);
    const std::int64_t step = dv == 0 ? du + 1 : LineBandRise * du / std::abs(dv);
    // The pen's pixel in column u lies within one of the exact line's v there.
    auto across = [&](std::int64_t u) {
        return du == 0 ? a.Y : a.Y + FloorDiv((u - a.X) * dv, du);
    };
    for (std::int64_t u = first; u <= last; u += step) {
        const std::int64_t end = std::min(u + step, last + 1);
        const std::int64_t v1 = across(u), v2 = across(end - 1);
        const std::int64_t low = std::min(v1, v2) - 1, high = std::max(v1, v2) + 3;
        add(alongX ? PixelRect{u, low, end, high} : PixelRect{low, u, high, end});
    }
}
