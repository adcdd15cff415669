#include "ui/PictureRows.h"

#include <algorithm>
#include <cstring>
#include <vector>

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

// The grid colours of the pixels of a snapshot row that the area's rows show, each put in `grid`
// at its own column: a cell's top row is widened from there, and the other rows take their left
// columns from there.
void GridColours(const std::uint32_t* source, const RowShape& shape,
                 std::vector<std::uint32_t>& grid) {
    const std::int64_t count = shape.First > 0 ? 1 + shape.Cells + (shape.Rest > 0) : 0;
    for (std::int64_t i = shape.FirstColumn; i < shape.FirstColumn + count; ++i)
        grid[static_cast<std::size_t>(i)] = GridPixel(source[i]);
}

// Each cell's left column among the `width` pixels of a row that starts at window column `left`:
// the first one is the first cell's if the row starts the cell, else the second cell's.
void DrawGridColumns(std::uint32_t* row, std::int64_t width, std::int64_t left,
                     const StretchPlan& plan, const RowShape& shape,
                     const std::vector<std::uint32_t>& grid) {
    const std::int64_t zoom = plan.Zoom;
    const std::int64_t first = ((plan.DestX - left) % zoom + zoom) % zoom;
    const std::uint32_t* colour = grid.data() + shape.FirstColumn + (first > 0);
    for (std::int64_t i = first; i < width; i += zoom)
        row[i] = *colour++;
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
    bool lastTopRow = false; // and whether it was a cell's top row under the grid
    std::vector<std::uint32_t> grid(plan.Grid ? static_cast<std::size_t>(snapshot.Width) : 0);
    std::int64_t gridSource = -1; // the snapshot row whose grid colours `grid` holds
    for (std::int64_t y = top; y < bottom; ++y) {
        std::uint32_t* row = frame.Bits + y * frame.Width + left;
        // Rows below the picture are black: source -1 stands for them.
        const std::int64_t source = y < pictureBottom ? plan.SourceY + (y - plan.DestY) / zoom : -1;
        const bool topRow = plan.Grid && source >= 0 && (y - plan.DestY) % zoom == 0;
        if (source == lastSource && topRow == lastTopRow) {
            std::memcpy(row, last, bytes);
        } else if (source < 0) {
            std::fill_n(row, right - left, 0u);
        } else {
            const std::uint32_t* in = snapshot.Bits + source * snapshot.Width;
            if (plan.Grid && gridSource != source) {
                GridColours(in, shape, grid);
                gridSource = source;
            }
            WidenRow(topRow ? grid.data() : in, row, right - left, shape, zoom);
            if (plan.Grid && !topRow)
                DrawGridColumns(row, pictureRight - left, left, plan, shape, grid);
        }
        last = row;
        lastSource = source;
        lastTopRow = topRow;
    }
}

void ShiftPixels(const PixelRows& frame, std::int64_t dx, std::int64_t dy) {
    const std::int64_t across = frame.Width - (dx < 0 ? -dx : dx);
    if (across <= 0 || (dy < 0 ? -dy : dy) >= frame.Height) return;
    const std::int64_t from = dx < 0 ? -dx : 0, to = dx < 0 ? 0 : dx;
    // Rows in the order that reads each before it is written over.
    const std::int64_t first = dy > 0 ? frame.Height - 1 : 0, step = dy > 0 ? -1 : 1;
    for (std::int64_t y = first; y - dy >= 0 && y - dy < frame.Height; y += step)
        std::memmove(frame.Bits + y * frame.Width + to, frame.Bits + (y - dy) * frame.Width + from,
                     static_cast<std::size_t>(across) * sizeof(std::uint32_t));
}
