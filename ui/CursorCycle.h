// Which cursor image each mode shows, and Enter's step through the current mode's set.
#pragma once

#include <cstdint>

constexpr std::uint16_t FirstSizeCursorId = 101;  // crosshairs 101 to 104
constexpr std::uint16_t FirstColorCursorId = 105; // eyedroppers 105 to 107

// The image the current mode shows.
std::uint16_t ModeCursorId();

// Steps the current mode's id to the next image of its set, round to the first.
void StepModeCursorId();
