// The units of a scaled display: what a design that the system scales by DPI / 96 measures.
#pragma once

#include <cstdint>

// The display's scale in whole percent: 96 DPI is 100 %, 144 DPI is 150 %.
int ScalePercent(int dpi);

// Pixels in the display's scaled units, rounded to the nearest whole unit, halves away from
// zero.
std::int64_t ToScaledUnits(std::int64_t pixels, int dpi);
