// Edges mode: whether it is on, its tolerance, the runs through the pointer's pixel and the
// cross drawn along them. No platform calls.
#pragma once

#include "geometry/MicroCoord.h"

#include <array>
#include <cstdint>
#include <optional>

extern bool EdgesOn;
extern int EdgeTolerance; // neighbours further apart than this have an edge between them
// The snapshot pixel where the left button last went down: a box snaps to what differs from it.
extern std::uint32_t SnapBackground;

constexpr int FirstEdgeTolerance = 8;

// The tolerance after Page Up (`larger`) or Page Down: the next of 0, 1, 2, 4, 8, 16, 32, 64 and
// 128, stopping at the ends.
int NextTolerance(int tolerance, bool larger);

// Whether `value` is one of those steps.
bool IsTolerance(int value);

// Whether the spacing around the pointer is shown: edges on, size mode, no box being marked,
// and the pointer's pixel on the snapshot.
bool ShowsSpacing();

// The runs through the pointer's pixel, the one the read-out names (see RunsThrough); for
// ShowsSpacing only.
PixelRect SpacingRuns();

// The cross in window pixels: a line along each run through the middle of the pointer's cell
// row and column, from the first window pixel of the run's first cell to the last of its last
// cell, and a bar across each end, as long as a cell and at least 7 pixels. Each is one pixel
// wide, cut to the window; empty where nothing of it is left.
struct CrossLines {
    std::array<PixelRect, 6> Lines; // along the row, down the column, then the four bars
    friend bool operator==(const CrossLines&, const CrossLines&) = default;
};
CrossLines CrossOfRuns(const PixelRect& runs, PixelPoint pixel, MicroCoord originX,
                       MicroCoord originY, int zoom, std::int64_t width, std::int64_t height);

// The cross of the current state; empty when the spacing is not shown.
CrossLines ShownCross();

// Where the cross stands, as a pointer move marks it for repainting: each run's line with its
// bars as one rectangle, empty when none of them is shown. Under Wine an update region of two
// parts costs less than one of six thin ones.
std::array<PixelRect, 2> CrossBands(const CrossLines& cross);

// The bounds of a cross that holds at most SmallCrossArea pixels, which a pointer move marks and
// repaints as one rectangle: each part of a region costs the platform more than composing and
// copying that many pixels. None for a larger cross or none at all.
constexpr std::int64_t SmallCrossArea = 128 * 128;
std::optional<PixelRect> SmallCrossBounds(const CrossLines& cross);

// The bounds of the snapshot pixels in `box` that differ from SnapBackground by more than the
// tolerance; none when no pixel does. Kept from one call to the next, so that a box dragged a
// little further costs a scan of the little it changed.
std::optional<PixelRect> SnapContent(const PixelRect& box);

// Forgets what the scans of a snapshot found: a new one is being made.
void ForgetEdgeScans();
