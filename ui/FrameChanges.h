// Where one composed frame can differ from the one before it, so that a repaint composes only
// those pixels: the rest of the back buffer already shows the state.
#pragma once

#include "measure/Edges.h"
#include "measure/ReadoutText.h"
#include "ui/FrameGeometry.h"
#include "ui/PinGeometry.h"

#include <array>
#include <optional>
#include <vector>

// What a composition put where.
struct FrameLayout {
    bool Composed = false; // false until the first composition: nothing is known
    StretchPlan View = {};
    bool HasOutline = false;
    PixelRect Outline; // the snapped outline's rectangle, right and bottom exclusive
    PixelRect Readout; // the cells of the read-out text
    std::array<wchar_t, ReadoutTextLength> Text = {};
    std::vector<PinLayout> Pins = {}; // the pins on the window, in order of ids
    CrossLines Cross = {};            // edges mode's cross; no lines when it is not shown
    bool HasLine = false;
    LineCells Line = {}; // the line being drawn
};

// How far `next`'s picture lies from `last`'s, in window pixels, when the view moved without a
// change of zoom or grid: window pixel p of next shows what pixel p - shift of last showed.
// Nothing when the view is the same, or changed otherwise (a zoom).
std::optional<PixelPoint> FrameShift(const FrameLayout& last, const FrameLayout& next);

// The rectangles in which `next` can differ from `last` on a width x height window, once
// `last` is moved by its FrameShift, if it has one:
// - all of it when nothing was composed yet, or the view changed otherwise;
// - when the view moved, the gaps the move leaves and every decoration of both frames (last's
//   where the move took them);
// - else, if the outline changed, the lines of both outlines, or the bounds of both when that is
//   small; the areas of both lines being drawn if the line changed (see AddLineAreas); both
//   crosses if the cross changed
//   (the bounds of a small one, else its lines),
//   both read-out texts if the text or its place changed, and the lines and labels of the pins
//   that only one of them shows (a line's areas and label for a pinned line).
std::vector<PixelRect> FrameChanges(const FrameLayout& last, const FrameLayout& next,
                                    std::int64_t width, std::int64_t height);

// The parts of `changes` where the picture must be stretched again. The lines of the next
// outline are left out: its pen covers them whole, dots and (the background being opaque) the
// gaps between them alike.
std::vector<PixelRect> PictureAreas(const std::vector<PixelRect>& changes, const FrameLayout& next);

// Whether any of `changes` reaches the lines of the outline `outline`.
bool ReachesOutline(const std::vector<PixelRect>& changes, const PixelRect& outline);

// Whether any of `changes` reaches the areas of `line` on the width x height window.
bool ReachesLine(const std::vector<PixelRect>& changes, const LineCells& line, std::int64_t width,
                 std::int64_t height);

// Whether any of `changes` reaches the pin's outline lines (a line pin's areas) or its label.
bool ReachesPin(const std::vector<PixelRect>& changes, const PinLayout& pin, std::int64_t width,
                std::int64_t height);
