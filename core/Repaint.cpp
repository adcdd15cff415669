#include "core/Repaint.h"

#include "core/AppState.h"
#include "core/PlatformRect.h"
#include "core/ReadoutPlace.h"

#include <utility>

namespace {

// Areas the tool marked for repainting, not yet handed to the platform.
std::vector<RECT> MarkedRects;
bool MarkedWhole = false;

GivenAreas Given;
bool Forgotten = true;
std::int64_t ReadoutDrawnWidth = 0;

} // namespace

void InvalidateFrameArea([[maybe_unused]] HWND window, const RECT* area) {
    if (area != nullptr)
        MarkedRects.push_back(*area);
    else
        MarkedWhole = true;
}

void RepaintFrame(HWND window) {
    // The marks since the last repaint reach the platform in one call.
    // An area the platform had invalid already holds stale pixels, which a scroll of the whole
    // window would move where nothing copies over them: the painter then composes it all.
    bool stale = false;
    if (MarkedWhole) {
        stale = GetUpdateRect(window, nullptr, FALSE) != FALSE;
        InvalidateRect(window, nullptr, FALSE);
    } else if (!MarkedRects.empty()) {
        HRGN marked = RegionOf(MarkedRects);
        InvalidateRgn(window, marked, FALSE);
        DeleteObject(marked);
    }
    Given.Whole = (Given.Whole || MarkedWhole) && !stale;
    Given.Rects.insert(Given.Rects.end(), MarkedRects.begin(), MarkedRects.end());
    MarkedRects.clear();
    MarkedWhole = false;
    UpdateWindow(window);
}

void InvalidateReadoutStrips(HWND window) {
    for (const PixelRect& strip : ReadoutStrips(ScreenHeight, ReadoutDrawnWidth)) {
        const RECT r = ToRect(strip);
        InvalidateFrameArea(window, &r);
    }
}

void ForgetComposedFrame() {
    MarkedRects.clear();
    MarkedWhole = false;
    Given = {};
    Forgotten = true;
    ReadoutDrawnWidth = 0;
}

GivenAreas TakeGivenAreas() {
    return std::exchange(Given, {});
}

bool TakeForgottenFrame() {
    return std::exchange(Forgotten, false);
}

void NoteReadoutDrawn(std::int64_t width) {
    ReadoutDrawnWidth = width;
}
