#include "measure/Pins.h"

#include "measure/ReadoutText.h"

std::vector<Pin> Pins;

namespace {

std::uint64_t NextPinId = 1;

} // namespace

void AddPin(const PixelRect& box) {
    if (Pins.size() == PinLimit) Pins.erase(Pins.begin());
    Pins.push_back({NextPinId++, box});
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

std::wstring PinsText() {
    std::wstring text;
    for (const Pin& pin : Pins) {
        if (!text.empty()) text += L"\r\n";
        wchar_t line[ReadoutTextLength];
        FormatSizeLine(pin.Box, line);
        text += line;
    }
    return text;
}
