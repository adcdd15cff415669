// Pinned measurements: boxes kept on the snapshot to compare them, and their texts.
#pragma once

#include "geometry/MicroCoord.h"

#include <cstdint>
#include <string>
#include <vector>

constexpr std::size_t PinLimit = 100;

struct Pin {
    std::uint64_t Id; // grows with every pin made, so the list is always in order of ids
    PixelRect Box;    // snapshot pixels, right and bottom exclusive
};

// Oldest first.
extern std::vector<Pin> Pins;

// Keeps `box` as the newest pin; beyond PinLimit the oldest goes.
void AddPin(const PixelRect& box);

// Each returns false, changing nothing, when there is no pin.
bool RemoveNewestPin();
bool RemoveAllPins();

// "W X H", the label drawn beside a pin.
std::wstring PinLabel(const PixelRect& box);

// Every pin, oldest first, in the read-out's size form ("X: 100, Y: 100    Size: 240 X 80",
// with the scaled part on a scaled display), CR LF between lines; empty when there is none.
std::wstring PinsText();
