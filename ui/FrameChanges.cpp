#include "ui/FrameChanges.h"

namespace {

// The one-pixel lines that a pen draws along a rectangle's edges.
void AddOutline(std::vector<PixelRect>& rects, const PixelRect& r) {
    rects.push_back({r.Left, r.Top, r.Left + 1, r.Bottom});
    rects.push_back({r.Right - 1, r.Top, r.Right, r.Bottom});
    rects.push_back({r.Left, r.Top, r.Right, r.Top + 1});
    rects.push_back({r.Left, r.Bottom - 1, r.Right, r.Bottom});
}

} // namespace

std::vector<PixelRect> FrameChanges(const FrameLayout& last, const FrameLayout& next,
                                    std::int64_t width, std::int64_t height) {
    if (!last.Composed || last.View != next.View) return {{0, 0, width, height}};
    std::vector<PixelRect> rects;
    if (last.HasOutline != next.HasOutline || last.Outline != next.Outline) {
        if (last.HasOutline) AddOutline(rects, last.Outline);
        if (next.HasOutline) AddOutline(rects, next.Outline);
    }
    if (last.Readout != next.Readout || last.Text != next.Text) {
        rects.push_back(last.Readout);
        rects.push_back(next.Readout);
    }
    return rects;
}
