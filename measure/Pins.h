// Pinned measurements: boxes and lines kept on the snapshot to compare them, and their texts.
#pragma once

#include "geometry/MicroCoord.h"

#include <cstdint>
#include <string>
#include <vector>

constexpr std::size_t PinLimit = 100;

struct Pin {
    std::uint64_t Id; // grows with every pin made, so the list is always in order of ids
    PixelRect Box;    // snapshot pixels, right and bottom exclusive; a line's two end pixels
    bool IsLine = false;
    PixelLine Line = {};
};

// Oldest first.
extern std::vector<Pin> Pins;

// Each keeps its box or line as the newest pin; beyond PinLimit the oldest goes.
void AddPin(const PixelRect& box);
void AddLinePin(const PixelLine& line);

// Each returns false, changing nothing, when there is no pin.
bool RemoveNewestPin();
bool RemoveAllPins();

// The label drawn beside a pin: "W X H" for a box, the length ("500.00") for a line.
std::wstring PinLabel(const PixelRect& box);
std::wstring PinLabel(const Pin& pin);

// Every pin, oldest first, in the read-out's form: "X: 100, Y: 100    Size: 240 X 80" for a box,
// the line's read-out for a line, with the scaled part on a scaled display; CR LF between lines;
// empty when there is none.
std::wstring PinsText();
