#include "ui/PictureRows.h"

#include <algorithm>
#include <cstring>

namespace {

// `cells` whole cells of `Zoom` pixels each; a zoom known when compiling gives a tight loop.
template <int Zoom>
std::uint32_t* WidenCells(const std::uint32_t* in, std::uint32_t* out, std::int64_t cells) {
    for (std::int64_t i = 0; i < cells; ++i, out += Zoom)
        for (int k = 0; k < Zoom; ++k)
            out[k] = in[i];
    return out;
}

std::uint32_t* WidenCells(const std::uint32_t* in, std::uint32_t* out, std::int64_t cells,
                          std::int64_t zoom) {
    switch (zoom) {
    case 1:
        std::memcpy(out, in, static_cast<std::size_t>(cells) * 4);
        return out + cells;
    case 2:
        return WidenCells<2>(in, out, cells);
    case 3:
        return WidenCells<3>(in, out, cells);
    case 4:
        return WidenCells<4>(in, out, cells);
    case 6:
        return WidenCells<6>(in, out, cells);
    default:
        for (std::int64_t i = 0; i < cells; ++i)
            out = std::fill_n(out, zoom, in[i]);
        return out;
    }
}

// How the columns left to pictureRight of every row are made: the first cell, which the area
// can cut, then whole cells, then the rest of a cut last cell. The same for every row.
struct RowShape {
    std::int64_t FirstColumn; // the snapshot column of the first cell
    std::int64_t First, Cells, Rest;
};

RowShape ShapeRows(std::int64_t left, std::int64_t pictureRight, const StretchPlan& plan) {
    if (left >= pictureRight) return {0, 0, 0, 0};
    const std::int64_t zoom = plan.Zoom;
    const std::int64_t cell = (left - plan.DestX) / zoom; // DestX <= 0 <= left
    const std::int64_t firstEnd = std::min(plan.DestX + (cell + 1) * zoom, pictureRight);
    return {plan.SourceX + cell, firstEnd - left, (pictureRight - firstEnd) / zoom,
            (pictureRight - firstEnd) % zoom};
}

// One row of the area from snapshot row `source`; black follows the picture up to `width`.
void WidenRow(const std::uint32_t* source, std::uint32_t* row, std::int64_t width,
              const RowShape& shape, std::int64_t zoom) {
    std::uint32_t* out = row;
    if (shape.First > 0) {
        const std::uint32_t* in = source + shape.FirstColumn;
        out = std::fill_n(out, shape.First, *in++);
        out = WidenCells(in, out, shape.Cells, zoom);
        if (shape.Rest > 0) out = std::fill_n(out, shape.Rest, in[shape.Cells]);
    }
    std::fill(out, row + width, 0u);
}

} // namespace

void DrawPicture(const PixelRows& snapshot, const PixelRows& frame, const StretchPlan& plan,
                 const PixelRect& area) {
    const std::int64_t left = std::max<std::int64_t>(area.Left, 0);
    const std::int64_t top = std::max<std::int64_t>(area.Top, 0);
    const std::int64_t right = std::min(area.Right, frame.Width);
    const std::int64_t bottom = std::min(area.Bottom, frame.Height);
    if (left >= right || top >= bottom) return;
    const std::int64_t zoom = plan.Zoom;
    const std::int64_t pictureRight = std::clamp(plan.DestX + plan.SourceWidth * zoom, left, right);
    const std::int64_t pictureBottom = plan.DestY + plan.SourceHeight * zoom;
    const RowShape shape = ShapeRows(left, pictureRight, plan);
    const auto bytes = static_cast<std::size_t>(right - left) * 4;
    const std::uint32_t* last = nullptr; // the row drawn last, and the snapshot row it shows
    std::int64_t lastSource = -2;
    for (std::int64_t y = top; y < bottom; ++y) {
        std::uint32_t* row = frame.Bits + y * frame.Width + left;
        // Rows below the picture are black: source -1 stands for them.
        const std::int64_t source = y < pictureBottom ? plan.SourceY + (y - plan.DestY) / zoom : -1;
        if (source == lastSource) {
            std::memcpy(row, last, bytes);
        } else if (source < 0) {
            std::fill_n(row, right - left, 0u);
        } else {
            WidenRow(snapshot.Bits + source * snapshot.Width, row, right - left, shape, zoom);
        }
        last = row;
        lastSource = source;
    }
}
