#include "ui/PinDrawing.h"

#include "core/AppState.h"
#include "core/Handles.h"
#include "core/PlatformRect.h"
#include "measure/LineMeasures.h"
#include "measure/Pins.h"
#include "ui/FrameChanges.h"
#include "view/ShownPixel.h"

#include <algorithm>

namespace {

struct LabelSize {
    std::uint64_t Id;
    SIZE Size;
};

// One per pin, in order of ids: measuring a text is not free, and a paint plans every pin.
std::vector<LabelSize> LabelSizes;

// Brings LabelSizes in line with Pins, measuring only the labels of new pins.
void MeasureLabels(HDC dc) {
    const bool same = LabelSizes.size() == Pins.size() &&
                      std::equal(Pins.begin(), Pins.end(), LabelSizes.begin(),
                                 [](const Pin& p, const LabelSize& l) { return p.Id == l.Id; });
    if (same) return; // as nearly always: a paint after a pointer move
    std::vector<LabelSize> sizes;
    sizes.reserve(Pins.size());
    auto known = LabelSizes.begin();
    for (const Pin& pin : Pins) {
        while (known != LabelSizes.end() && known->Id < pin.Id)
            ++known;
        if (known != LabelSizes.end() && known->Id == pin.Id) {
            sizes.push_back(*known);
            continue;
        }
        const std::wstring text = PinLabel(pin);
        SIZE size = {};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
        sizes.push_back({pin.Id, size});
    }
    LabelSizes.swap(sizes);
}

} // namespace

std::vector<PinLayout> PlanPins(HDC dc) {
    MeasureLabels(dc);
    const int width = ScreenPixelWidth(), height = ScreenPixelHeight();
    std::vector<PinLayout> shown;
    shown.reserve(Pins.size());
    for (size_t i = 0; i < Pins.size(); ++i) {
        const Pin& pin = Pins[i];
        const PixelRect outline = CellsOf(pin.Box, ViewOriginX, ViewOriginY, ZoomFactor);
        if (!OnWindow(outline, width, height)) continue;
        const SIZE size = LabelSizes[i].Size;
        PinLayout shows = {pin.Id, pin.Box, outline, {}, pin.IsLine};
        if (pin.IsLine) shows.Line = CellsOfLine(pin.Line, ViewOriginX, ViewOriginY, ZoomFactor);
        // A line's label stands beside its end.
        shows.Label =
            PlaceLabel(pin.IsLine ? shows.Line.EndCell : outline, size.cx, size.cy, width, height);
        shown.push_back(shows);
    }
    return shown;
}

void DrawLine(HDC dc, const LineCells& line) {
    HGDIOBJ oldPen = SelectObject(dc, MarkPen);
    HGDIOBJ oldBrush = SelectObject(dc, HollowBrush);
    MoveToEx(dc, ToPlatformInt(line.From.X), ToPlatformInt(line.From.Y), nullptr);
    LineTo(dc, ToPlatformInt(line.To.X), ToPlatformInt(line.To.Y));
    if (line.Outlined)
        for (const PixelRect& cell : {line.StartCell, line.EndCell}) {
            const RECT r = ToRect(cell);
            Rectangle(dc, r.left, r.top, r.right, r.bottom);
        }
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
}

void DrawPins(HDC dc, const std::vector<PinLayout>& pins, const std::vector<PixelRect>& changes) {
    const int width = ScreenPixelWidth(), height = ScreenPixelHeight();
    HGDIOBJ oldPen = nullptr, oldBrush = nullptr;
    for (const PinLayout& pin : pins) {
        if (!ReachesPin(changes, pin, width, height)) continue;
        if (oldPen == nullptr) { // most moves reach no pin
            oldPen = SelectObject(dc, MarkPen);
            oldBrush = SelectObject(dc, HollowBrush);
        }
        if (pin.IsLine) {
            DrawLine(dc, pin.Line);
        } else {
            const RECT r = ToRect(pin.Outline);
            Rectangle(dc, r.left, r.top, r.right, r.bottom);
        }
        const std::wstring label = pin.IsLine ? LineLabel(pin.Line.Pixels) : PinLabel(pin.Box);
        TextOutW(dc, ToPlatformInt(pin.Label.Left), ToPlatformInt(pin.Label.Top), label.c_str(),
                 static_cast<int>(label.size()));
    }
    if (oldPen == nullptr) return;
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
}
