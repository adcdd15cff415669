#include "measure/ReadoutText.h"

#include "core/AppState.h"
#include "measure/ColorChecks.h"
#include "measure/ColorFormats.h"
#include "measure/Edges.h"
#include "measure/LineMeasures.h"
#include "measure/MeasuredBox.h"
#include "measure/ScaledUnits.h"
#include "measure/TextWriter.h"
#include "view/ShownPixel.h"

#include <cstdint>

namespace {

// Writes "X: .., Y: .." for snapshot pixel `at`.
void WritePoint(TextWriter& out, PixelPoint at) {
    out.Put("X: ");
    out.Number(at.X);
    out.Put(", Y: ");
    out.Number(at.Y);
}

// Writes "X: .., Y: .." for the pixel shown at the box's top-left corner and gives it.
PixelPoint WritePosition(TextWriter& out, const MicroBox& box) {
    const PixelPoint at = ShownAt(box.Left, box.Top);
    WritePoint(out, at);
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

// "X: .., Y: ..    Size: W X H" for a box of snapshot pixels.
void WriteBoxSize(TextWriter& out, const PixelRect& box) {
    WritePoint(out, {box.Left, box.Top});
    WriteExtent(out, "    Size: ", box.Right - box.Left, box.Bottom - box.Top);
}

// "    Contrast with #RRGGBB: 4.47 AA large": the reference always in web form, and the ratio
// truncated, so that a pair just short of a level never reads as reaching it.
void WriteContrast(TextWriter& out, ColorRef color, ColorRef reference) {
    wchar_t web[ColorWebTextLength];
    FormatColor(ColorFormat::Web, reference & 0xFF, (reference >> 8) & 0xFF,
                (reference >> 16) & 0xFF, web);
    const Contrast contrast = ContrastOf(color, reference);
    out.Put("    Contrast with ");
    out.Put(web);
    out.Put(": ");
    out.Hundredths(contrast.Hundredths);
    out.Put(' ');
    out.Put(contrast.Level);
}

} // namespace

int FormatSizeText(const MicroBox* box, wchar_t (&text)[ReadoutTextLength]) {
    const PixelPoint first = ShownAt(box->Left, box->Top);
    // From the first to the last covered pixel, both counted; the last lies one whole pixel
    // inside the exclusive right and bottom edges.
    const PixelPoint last = ShownAt(box->Right - MicroPerPixel, box->Bottom - MicroPerPixel);
    return FormatSizeLine({first.X, first.Y, last.X + 1, last.Y + 1}, text);
}

int FormatSizeLine(const PixelRect& box, wchar_t (&text)[ReadoutTextLength]) {
    TextWriter out{text, ReadoutTextLength};
    WriteBoxSize(out, box);
    return out.Finish();
}

int FormatPositionText(const MicroBox* box, wchar_t (&text)[ReadoutTextLength]) {
    TextWriter out{text, ReadoutTextLength};
    const PixelPoint at = WritePosition(out, *box);
    WriteScaled(out, at.X, ", ", at.Y);
    return out.Finish();
}

int FormatColorText(const MicroBox* box, wchar_t (&text)[ReadoutTextLength]) {
    if (PickedColor == NoColor) { // no colour to name: the position alone
        ColorWebText[0] = 0;
        return FormatPositionText(box, text);
    }
    const unsigned red = PickedColor & 0xFF;
    const unsigned green = (PickedColor >> 8) & 0xFF;
    const unsigned blue = (PickedColor >> 16) & 0xFF;
    FormatColor(ColorTextFormat, red, green, blue, ColorWebText);

    TextWriter out{text, ReadoutTextLength};
    WritePosition(out, *box);
    if (SampleArea > 1) {
        out.Put("    Average: ");
        out.Number(SampleArea);
        out.Put(" X ");
        out.Number(SampleArea);
    }
    out.Put("    R: ");
    out.Number(red);
    out.Put(", G: ");
    out.Number(green);
    out.Put(", B: ");
    out.Number(blue);
    out.Put("    Color: ");
    out.Put(ColorWebText);
    if (ReferenceColor != NoColor) WriteContrast(out, PickedColor, ReferenceColor);
    return out.Finish();
}

// Edges mode's texts: the snapped box's size, or the spacing around the pointer, and the
// tolerance that finds them.
int FormatEdgeText(wchar_t (&text)[ReadoutTextLength]) {
    TextWriter out{text, ReadoutTextLength};
    if (Marking) {
        WriteBoxSize(out, MeasuredBox());
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

std::wstring ReadoutNotice;

int FormatLineText(const PixelLine& line, wchar_t (&text)[ReadoutTextLength]) {
    const std::int64_t dx = line.End.X - line.Start.X, dy = line.End.Y - line.Start.Y;
    TextWriter out{text, ReadoutTextLength};
    WritePoint(out, line.Start);
    out.Put("    Length: ");
    out.Hundredths(LengthHundredths(dx, dy));
    if (const int percent = ScalePercent(ScreenDpi); percent != 100) {
        out.Put(" (");
        out.Hundredths(LengthHundredths(dx, dy, ScreenDpi));
        out.Put(" at ");
        out.Number(percent);
        out.Put(" %)");
    }
    out.Put("    dX: ");
    out.Number(dx);
    out.Put(", dY: ");
    out.Number(dy);
    out.Put("    Angle: ");
    out.Hundredths(AngleHundredths(dx, dy));
    out.Put(L"\u00B0");
    return out.Finish();
}

int FormatReadout(wchar_t (&text)[ReadoutTextLength]) {
    if (!ReadoutNotice.empty()) {
        const std::size_t length = ReadoutNotice.copy(text, ReadoutTextLength - 1);
        text[length] = 0;
        return static_cast<int>(length);
    }
    if (ColorMode) return FormatColorText(&MarkBox, text);
    if (Marking && MarkingLine) return FormatLineText(DrawnLine(), text);
    if (EdgesOn) return FormatEdgeText(text);
    if (Marking) return FormatSizeText(&MarkBox, text);
    return FormatPositionText(&MarkBox, text);
}
