#include "measure/Edges.h"

#include "core/AppState.h"
#include "core/PixelRows.h"
#include "measure/EdgeScan.h"
#include "view/ShownPixel.h"

#include <algorithm>

bool EdgesOn = false;
int EdgeTolerance = FirstEdgeTolerance;
std::uint32_t SnapBackground = 0;

namespace {

constexpr int Tolerances[] = {0, 1, 2, 4, 8, 16, 32, 64, 128};

// The runs last found: a move and its repaint ask for the same ones more than once.
struct RunsFound {
    const std::uint32_t* Bits = nullptr;
    PixelPoint Pixel = {-1, -1};
    int Tolerance = -1;
    PixelRect Runs;
} LastRuns;

ContentSearch LastContent;

PixelPoint PointerPixel() {
    return ShownAt(MarkBox.Left, MarkBox.Top);
}

bool OnSnapshot(PixelPoint p) {
    return p.X >= 0 && p.Y >= 0 && p.X < SnapshotPixels.Width && p.Y < SnapshotPixels.Height;
}

// A line from `from` to `to` (exclusive) along one axis at `across` on the other, cut to
// 0..length; empty when nothing of it is left or `across` lies outside 0..breadth.
PixelRect Line(bool horizontal, std::int64_t from, std::int64_t to, std::int64_t across,
               std::int64_t length, std::int64_t breadth) {
    from = std::max<std::int64_t>(from, 0);
    to = std::min(to, length);
    if (from >= to || across < 0 || across >= breadth) return {};
    return horizontal ? PixelRect{from, across, to, across + 1}
                      : PixelRect{across, from, across + 1, to};
}

} // namespace

int NextTolerance(int tolerance, bool larger) {
    if (larger) {
        const int* next = std::upper_bound(std::begin(Tolerances), std::end(Tolerances), tolerance);
        return next == std::end(Tolerances) ? Tolerances[8] : *next;
    }
    const int* at = std::lower_bound(std::begin(Tolerances), std::end(Tolerances), tolerance);
    return at == std::begin(Tolerances) ? Tolerances[0] : *(at - 1);
}

bool IsTolerance(int value) {
    return std::binary_search(std::begin(Tolerances), std::end(Tolerances), value);
}

bool ShowsSpacing() {
    return EdgesOn && !ColorMode && !Marking && OnSnapshot(PointerPixel());
}

PixelRect SpacingRuns() {
    const PixelPoint p = PointerPixel();
    if (LastRuns.Bits != SnapshotPixels.Bits || LastRuns.Pixel.X != p.X ||
        LastRuns.Pixel.Y != p.Y || LastRuns.Tolerance != EdgeTolerance)
        LastRuns = {SnapshotPixels.Bits, p, EdgeTolerance,
                    RunsThrough(SnapshotPixels, p.X, p.Y, EdgeTolerance)};
    return LastRuns.Runs;
}

CrossLines CrossOfRuns(const PixelRect& runs, PixelPoint pixel, MicroCoord originX,
                       MicroCoord originY, int zoom, std::int64_t width, std::int64_t height) {
    const PixelRect ends = CellsOf(runs, originX, originY, zoom);
    const std::int64_t row = CellStart(pixel.Y, originY, zoom) + zoom / 2;
    const std::int64_t column = CellStart(pixel.X, originX, zoom) + zoom / 2;
    const std::int64_t bar = std::max(zoom, 7);
    return {{Line(true, ends.Left, ends.Right, row, width, height),
             Line(false, ends.Top, ends.Bottom, column, height, width),
             Line(false, row - bar / 2, row - bar / 2 + bar, ends.Left, height, width),
             Line(false, row - bar / 2, row - bar / 2 + bar, ends.Right - 1, height, width),
             Line(true, column - bar / 2, column - bar / 2 + bar, ends.Top, width, height),
             Line(true, column - bar / 2, column - bar / 2 + bar, ends.Bottom - 1, width, height)}};
}

CrossLines ShownCross() {
    if (!ShowsSpacing()) return {};
    return CrossOfRuns(SpacingRuns(), PointerPixel(), ViewOriginX, ViewOriginY, ZoomFactor,
                       RoundMicro(ScreenWidth), RoundMicro(ScreenHeight));
}

std::optional<PixelRect> SnapContent(const PixelRect& box) {
    return FindContent(LastContent, SnapshotPixels, box, SnapBackground, EdgeTolerance);
}

std::array<PixelRect, 2> CrossBands(const CrossLines& cross) {
    std::array<PixelRect, 2> bands;
    for (std::size_t band = 0; band < 2; ++band)
        for (const std::size_t i : {band, 2 + 2 * band, 3 + 2 * band}) {
            const PixelRect& r = cross.Lines[i];
            if (!IsEmpty(r)) bands[band] = IsEmpty(bands[band]) ? r : Bounds(bands[band], r);
        }
    return bands;
}

std::optional<PixelRect> SmallCrossBounds(const CrossLines& cross) {
    const auto [row, column] = CrossBands(cross);
    if (IsEmpty(row) && IsEmpty(column)) return std::nullopt;
    const PixelRect bounds = IsEmpty(row) ? column : IsEmpty(column) ? row : Bounds(row, column);
    if ((bounds.Right - bounds.Left) * (bounds.Bottom - bounds.Top) > SmallCrossArea)
        return std::nullopt;
    return bounds;
}

void ForgetEdgeScans() {
    LastRuns = {};
    LastContent = {};
}
