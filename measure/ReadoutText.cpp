#include "measure/ReadoutText.h"

#include "core/AppState.h"
#include "measure/Edges.h"
#include "measure/MeasuredBox.h"
#include "measure/ScaledUnits.h"
#include "view/ShownPixel.h"

#include <charconv>
#include <cstdint>

namespace {

// Appends ASCII pieces to a wide buffer; stops short of the end rather than overrun it.
struct TextWriter {
    wchar_t* Text;
    int Capacity;
    int Length = 0;

    void Put(char c) {
        if (Length < Capacity - 1) Text[Length++] = static_cast<wchar_t>(c);
    }
    void Put(const char* s) {
        while (*s)
            Put(*s++);
    }
    void Put(const wchar_t* s) {
        while (*s && Length < Capacity - 1)
            Text[Length++] = *s++;
    }
    void Number(std::int64_t value) {
        char digits[24];
        auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
        for (char* p = digits; p != end; ++p)
            Put(*p);
    }
    void Hex2(unsigned value) {
        const char* hex = "0123456789ABCDEF";
        Put(hex[(value >> 4) & 15]);
        Put(hex[value & 15]);
    }
    int Finish() {
        Text[Length] = 0;
        return Length;
    }
};

// Writes "X: .., Y: .." for the pixel shown at the box's top-left corner and gives it.
PixelPoint WritePosition(TextWriter& out, const MicroBox& box) {
    const PixelPoint at = ShownAt(box.Left, box.Top);
    out.Put("X: ");
    out.Number(at.X);
    out.Put(", Y: ");
    out.Number(at.Y);
    return at;
}

// On a scaled display, the same two numbers in the units designs use, e.g.
// "    (361 X 240 at 150 %)"; nothing at 100 %.
void WriteScaled(TextWriter& out, std::int64_t a, const char* between, std::int64_t b,
                 const char* lead = "    (") {
    const int percent = ScalePercent(ScreenDpi);
    if (percent == 100) return;
    out.Put(lead);
    out.Number(ToScaledUnits(a, ScreenDpi));
    out.Put(between);
    out.Number(ToScaledUnits(b, ScreenDpi));
    out.Put(" at ");
    out.Number(percent);
    out.Put(" %)");
}

// "    Size: 6 X 4" and the like, with the scaled figures after `lead` on a scaled display.
void WriteExtent(TextWriter& out, const char* label, std::int64_t width, std::int64_t height,
                 const char* lead = "    (") {
    out.Put(label);
    out.Number(width);
    out.Put(" X ");
    out.Number(height);
    WriteScaled(out, width, " X ", height, lead);
}

} // namespace

int FormatSizeText(const MicroBox* box, wchar_t (&text)[ReadoutTextLength]) {
    TextWriter out{text, ReadoutTextLength};
    const PixelPoint first = WritePosition(out, *box);
    // From the first to the last covered pixel, both counted; the last lies one whole pixel
    // inside the exclusive right and bottom edges.
    const PixelPoint last = ShownAt(box->Right - MicroPerPixel, box->Bottom - MicroPerPixel);
    WriteExtent(out, "    Size: ", last.X - first.X + 1, last.Y - first.Y + 1);
    return out.Finish();
}

int FormatPositionText(const MicroBox* box, wchar_t (&text)[ReadoutTextLength]) {
    TextWriter out{text, ReadoutTextLength};
    const PixelPoint at = WritePosition(out, *box);
    WriteScaled(out, at.X, ", ", at.Y);
    return out.Finish();
}

int FormatColorText(const MicroBox* box, wchar_t (&text)[ReadoutTextLength]) {
    const unsigned red = PickedColor & 0xFF;
    const unsigned green = (PickedColor >> 8) & 0xFF;
    const unsigned blue = (PickedColor >> 16) & 0xFF;
    TextWriter web{ColorWebText, ColorWebTextLength};
    web.Put('#');
    web.Hex2(red);
    web.Hex2(green);
    web.Hex2(blue);
    web.Finish();

    TextWriter out{text, ReadoutTextLength};
    WritePosition(out, *box);
    out.Put("    R: ");
    out.Number(red);
    out.Put(", G: ");
    out.Number(green);
    out.Put(", B: ");
    out.Number(blue);
    out.Put("    Color: ");
    out.Put(ColorWebText);
    return out.Finish();
}

// Edges mode's texts: the snapped box's size, or the spacing around the pointer, and the
// tolerance that finds them.
int FormatEdgeText(wchar_t (&text)[ReadoutTextLength]) {
    TextWriter out{text, ReadoutTextLength};
    if (Marking) {
        const PixelRect box = MeasuredBox();
        out.Put("X: ");
        out.Number(box.Left);
        out.Put(", Y: ");
        out.Number(box.Top);
        WriteExtent(out, "    Size: ", box.Right - box.Left, box.Bottom - box.Top);
    } else {
        WritePosition(out, MarkBox);
        if (ShowsSpacing()) {
            const PixelRect runs = SpacingRuns();
            WriteExtent(out, "    Spacing: ", runs.Right - runs.Left, runs.Bottom - runs.Top, " (");
        }
    }
    out.Put("    Tolerance: ");
    out.Number(EdgeTolerance);
    return out.Finish();
}

int FormatReadout(wchar_t (&text)[ReadoutTextLength]) {
    if (ColorMode) return FormatColorText(&MarkBox, text);
    if (EdgesOn) return FormatEdgeText(text);
    if (Marking) return FormatSizeText(&MarkBox, text);
    return FormatPositionText(&MarkBox, text);
}
