// Which cursor image each mode shows, and Enter's step through the current mode's set.
#pragma once

#include <cstdint>

constexpr std::uint16_t FirstSizeCursorId = 101; // crosshairs
constexpr std::uint16_t LastSizeCursorId = 104;
constexpr std::uint16_t FirstColorCursorId = 105; // eyedroppers
constexpr std::uint16_t LastColorCursorId = 107;

// The image the current mode shows.
std::uint16_t ModeCursorId();

// Steps the current mode's id to the next image of its set, round to the first.
void StepModeCursorId();
