#include "measure/Pins.h"

#include "measure/LineMeasures.h"
#include "measure/ReadoutText.h"

#include <algorithm>

std::vector<Pin> Pins;

namespace {

std::uint64_t NextPinId = 1;

} // namespace

void AddPin(const PixelRect& box) {
    if (Pins.size() == PinLimit) Pins.erase(Pins.begin());
    Pins.push_back({NextPinId++, box});
}

void AddLinePin(const PixelLine& line) {
    const PixelPoint a = line.Start, b = line.End;
    AddPin(
        {std::min(a.X, b.X), std::min(a.Y, b.Y), std::max(a.X, b.X) + 1, std::max(a.Y, b.Y) + 1});
    Pins.back().IsLine = true;
    Pins.back().Line = line;
}

bool RemoveNewestPin() {
    if (Pins.empty()) return false;
    Pins.pop_back();
    return true;
}

bool RemoveAllPins() {
    if (Pins.empty()) return false;
    Pins.clear();
    return true;
}

std::wstring PinLabel(const PixelRect& box) {
    const std::string text =
        std::to_string(box.Right - box.Left) + " X " + std::to_string(box.Bottom - box.Top);
    return {text.begin(), text.end()};
}

std::wstring PinLabel(const Pin& pin) {
    return pin.IsLine ? LineLabel(pin.Line) : PinLabel(pin.Box);
}

std::wstring PinsText() {
    std::wstring text;
    for (const Pin& pin : Pins) {
        if (!text.empty()) text += L"\r\n";
        wchar_t line[ReadoutTextLength];
        if (pin.IsLine)
            FormatLineText(pin.Line, line);
        else
            FormatSizeLine(pin.Box, line);
        text += line;
    }
    return text;
}
