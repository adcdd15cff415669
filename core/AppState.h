// The tool's module-level view and measuring state, readable by every module.
#pragma once

#include "geometry/MicroCoord.h"

#include <cstdint>
#include <string>

using ColorRef = std::uint32_t;          // 0x00BBGGRR, as the platform delivers pixel colours
constexpr ColorRef NoColor = 0xFFFFFFFF; // no snapshot pixel was sampled (the platform's invalid)

constexpr int ColorWebTextLength = 64;

extern MicroCoord ScreenWidth;
extern MicroCoord ScreenHeight;
extern int ScreenDpi; // read once at start; 96 is an unscaled display

extern std::int16_t ZoomFactor;
extern MicroCoord ViewOriginX;
extern MicroCoord ViewOriginY;
extern std::int64_t WheelRemainder; // the part of a wheel notch turned so far, +-119 at most

extern bool Marking;
extern MicroBox MarkBox;
extern MicroCoord MarkAnchorX;
extern MicroCoord MarkAnchorY;
extern MicroCoord CursorX;
extern MicroCoord CursorY;
// The marking in progress draws a line from the anchor's pixel to the pointer's (Ctrl at the
// press, in size mode), not a box.
extern bool MarkingLine;

extern bool ColorMode;
extern ColorRef PickedColor;
// The colour of the last pick in colour mode, which the read-out compares with; NoColor
// before the first.
extern ColorRef ReferenceColor;
// The colour text of the last colour-mode paint, in the chosen format: what a copy takes.
extern wchar_t ColorWebText[ColorWebTextLength];

extern bool Panning;
extern MicroCoord PanLastX;
extern MicroCoord PanLastY;
extern MicroCoord PanRemainderX; // millionths of a window pixel, strictly within +-ZoomFactor
extern MicroCoord PanRemainderY;

extern std::uint16_t SizeCursorId;
extern std::uint16_t ColorCursorId;

// How the colour is written: F steps through them in this order; the first at start.
enum class ColorFormat : std::uint8_t { Web, Rgb, Hsl, Oklch };
extern ColorFormat ColorTextFormat;

// G: the pixel grid over the magnified picture, switched on.
extern bool PixelGrid;

// A, in colour mode: the side of the square of snapshot pixels whose mean is the colour read:
// 1, 3, 5 or 9.
extern int SampleArea;

// The resident mode's global shortcut, as written in the settings file ("Win+Alt+M").
extern std::wstring ShortcutText;

// The settings file in use, named at the help panel's foot; empty while there is none.
extern std::wstring SettingsPath;
