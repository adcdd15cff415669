// The colour texts that stylesheets take, written from 8-bit channels: #RRGGBB, rgb(), hsl()
// and oklch(). No platform calls.
#pragma once

#include "core/AppState.h"

// The format that F moves to from `format`: the last one goes back to the first.
ColorFormat NextColorFormat(ColorFormat format);

// Writes the colour as `format` writes it, NUL-terminated, and returns its length.
int FormatColor(ColorFormat format, unsigned red, unsigned green, unsigned blue,
                wchar_t (&text)[ColorWebTextLength]);
