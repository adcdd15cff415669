#include "ui/FrameChanges.h"

#include <algorithm>

namespace {

constexpr std::int64_t SmallOutlineArea = 32 * 32;

// The one-pixel lines that a pen draws along a rectangle's edges.
void AddOutline(std::vector<PixelRect>& rects, const PixelRect& r) {
    rects.push_back({r.Left, r.Top, r.Left + 1, r.Bottom});
    rects.push_back({r.Right - 1, r.Top, r.Right, r.Bottom});
    rects.push_back({r.Left, r.Top, r.Right, r.Top + 1});
    rects.push_back({r.Left, r.Bottom - 1, r.Right, r.Bottom});
}

// Adds what is left of `from` outside `cut`: up to four rectangles.
void AddDifference(std::vector<PixelRect>& rects, const PixelRect& from, const PixelRect& cut) {
    if (IsEmpty(from)) return;
    const PixelRect in = Intersection(from, cut);
    if (IsEmpty(in)) {
        rects.push_back(from);
        return;
    }
    if (from.Top < in.Top) rects.push_back({from.Left, from.Top, from.Right, in.Top});
    if (in.Bottom < from.Bottom) rects.push_back({from.Left, in.Bottom, from.Right, from.Bottom});
    if (from.Left < in.Left) rects.push_back({from.Left, in.Top, in.Left, in.Bottom});
    if (in.Right < from.Right) rects.push_back({in.Right, in.Top, from.Right, in.Bottom});
}

// A pin's outline lines, or a line pin's areas, and its label.
void AddPin(std::vector<PixelRect>& rects, const PinLayout& pin, std::int64_t width,
            std::int64_t height) {
    if (pin.IsLine)
        AddLineAreas(rects, pin.Line, width, height);
    else
        AddOutline(rects, pin.Outline);
    rects.push_back(pin.Label);
}

// Adds the lines and labels of the pins that only one of `last` and `next` shows. Both are in
// order of ids, and a pin keeps its place in a view, so the pins both show are drawn alike and
// in the same order.
void AddPinChanges(std::vector<PixelRect>& rects, const std::vector<PinLayout>& last,
                   const std::vector<PinLayout>& next, std::int64_t width, std::int64_t height) {
    auto add = [&](const PinLayout& pin) { AddPin(rects, pin, width, height); };
    auto a = last.begin(), b = next.begin();
    while (a != last.end() || b != next.end()) {
        if (b == next.end() || (a != last.end() && a->Id < b->Id))
            add(*a++);
        else if (a == last.end() || b->Id < a->Id)
            add(*b++);
        else
            ++a, ++b;
    }
}

PixelRect Moved(const PixelRect& r, PixelPoint by) {
    return {r.Left + by.X, r.Top + by.Y, r.Right + by.X, r.Bottom + by.Y};
}

// Where the picture of `view` covers the window: it may end before the window does.
PixelRect Covered(const StretchPlan& view) {
    return {view.DestX, view.DestY, view.DestX + view.SourceWidth * view.Zoom,
            view.DestY + view.SourceHeight * view.Zoom};
}

// Every rectangle that the decorations of `layout` are drawn in: outline, line, cross, read-out
// and pins.
void AddDecorations(std::vector<PixelRect>& rects, const FrameLayout& layout, PixelPoint by,
                    std::int64_t width, std::int64_t height) {
    std::vector<PixelRect> own;
    if (layout.HasOutline) AddOutline(own, layout.Outline);
    if (layout.HasLine) AddLineAreas(own, layout.Line, width, height);
    for (const PixelRect& line : layout.Cross.Lines)
        if (!IsEmpty(line)) own.push_back(line);
    own.push_back(layout.Readout);
    for (const PinLayout& pin : layout.Pins)
        AddPin(own, pin, width, height);
    for (const PixelRect& r : own)
        rects.push_back(Moved(r, by));
}

bool AnyMeets(const std::vector<PixelRect>& changes, const std::vector<PixelRect>& areas) {
    for (const PixelRect& area : areas)
        for (const PixelRect& r : changes)
            if (!IsEmpty(Intersection(area, r))) return true;
    return false;
}

} // namespace

std::optional<PixelPoint> FrameShift(const FrameLayout& last, const FrameLayout& next) {
    const StretchPlan &a = last.View, &b = next.View;
    if (!last.Composed || a == b || a.Zoom != b.Zoom || a.Grid != b.Grid) return std::nullopt;
    // Snapshot pixel 0 stands at DestX - SourceX * Zoom: the picture moves as that does.
    return PixelPoint{b.DestX - b.SourceX * b.Zoom - (a.DestX - a.SourceX * a.Zoom),
                      b.DestY - b.SourceY * b.Zoom - (a.DestY - a.SourceY * a.Zoom)};
}

std::vector<PixelRect> FrameChanges(const FrameLayout& last, const FrameLayout& next,
                                    std::int64_t width, std::int64_t height) {
    const PixelRect window = {0, 0, width, height};
    if (const auto shift = FrameShift(last, next)) {
        // What stays right after the move: the last picture moved, inside the window, where
        // the next picture lies too.
        const PixelRect kept = Intersection(
            Intersection(window, Moved(Intersection(window, Covered(last.View)), *shift)),
            Covered(next.View));
        std::vector<PixelRect> rects;
        AddDifference(rects, window, kept);
        AddDecorations(rects, last, *shift, width, height);
        AddDecorations(rects, next, {0, 0}, width, height);
        return rects;
    }
    if (!last.Composed || last.View != next.View) return {window};
    std::vector<PixelRect> rects;
    if (last.HasOutline != next.HasOutline || last.Outline != next.Outline) {
        // Small outlines (a colour sample's area, a small box) are repainted as the one
        // rectangle that holds both: each part of a region costs every call that carries it.
        const PixelRect both = !last.HasOutline   ? next.Outline
                               : !next.HasOutline ? last.Outline
                                                  : Bounds(last.Outline, next.Outline);
        if ((both.Right - both.Left) * (both.Bottom - both.Top) <= SmallOutlineArea) {
            rects.push_back(both);
        } else {
            if (last.HasOutline) AddOutline(rects, last.Outline);
            if (next.HasOutline) AddOutline(rects, next.Outline);
        }
    }
    if (last.HasLine != next.HasLine || last.Line != next.Line) {
        std::vector<PixelRect> a, b;
        if (last.HasLine) AddLineAreas(a, last.Line, width, height);
        if (next.HasLine) AddLineAreas(b, next.Line, width, height);
        // A line whose end moved a pixel lies in nearly the same bands: one rectangle holding
        // both costs the platform less than two overlapping ones, which its regions split.
        if (a.size() != b.size()) {
            rects.insert(rects.end(), a.begin(), a.end());
            rects.insert(rects.end(), b.begin(), b.end());
        } else {
            for (std::size_t i = 0; i < a.size(); ++i)
                if (IsEmpty(Intersection(a[i], b[i])))
                    rects.push_back(a[i]), rects.push_back(b[i]);
                else
                    rects.push_back(Bounds(a[i], b[i]));
        }
    }
    if (last.Cross != next.Cross) {
        for (const CrossLines* cross : {&last.Cross, &next.Cross})
            if (const auto small = SmallCrossBounds(*cross))
                rects.push_back(*small);
            else
                for (const PixelRect& line : cross->Lines)
                    if (!IsEmpty(line)) rects.push_back(line);
    }
    if (last.Readout != next.Readout || last.Text != next.Text) {
        rects.push_back(last.Readout);
        rects.push_back(next.Readout);
    }
    if (last.Pins != next.Pins) AddPinChanges(rects, last.Pins, next.Pins, width, height);
    return rects;
}

std::vector<PixelRect> PictureAreas(const std::vector<PixelRect>& changes,
                                    const FrameLayout& next) {
    const PixelRect& o = next.Outline;
    // The platform may leave a rectangle less than two pixels across undrawn (Wine does): the
    // picture is stretched there as everywhere else.
    if (!next.HasOutline || o.Right - o.Left < 2 || o.Bottom - o.Top < 2) return changes;
    std::vector<PixelRect> lines, areas = changes;
    AddOutline(lines, o);
    for (const PixelRect& line : lines) {
        std::vector<PixelRect> rest;
        for (const PixelRect& area : areas)
            AddDifference(rest, area, line);
        areas.swap(rest);
    }
    return areas;
}

bool ReachesOutline(const std::vector<PixelRect>& changes, const PixelRect& outline) {
    std::vector<PixelRect> lines;
    AddOutline(lines, outline);
    return AnyMeets(changes, lines);
}

bool ReachesLine(const std::vector<PixelRect>& changes, const LineCells& line, std::int64_t width,
                 std::int64_t height) {
    std::vector<PixelRect> areas;
    AddLineAreas(areas, line, width, height);
    return AnyMeets(changes, areas);
}

bool ReachesPin(const std::vector<PixelRect>& changes, const PinLayout& pin, std::int64_t width,
                std::int64_t height) {
    bool near = false; // within the outline's bounds: checked first, for it costs nothing
    for (const PixelRect& r : changes) {
        if (!IsEmpty(Intersection(pin.Label, r))) return true;
        near = near || !IsEmpty(Intersection(pin.Outline, r));
    }
    if (!near) return false;
    return pin.IsLine ? ReachesLine(changes, pin.Line, width, height)
                      : ReachesOutline(changes, pin.Outline);
}
