// Puts the module-level state back to a fresh start on a screen of the given size.
#pragma once

#include "core/AppState.h"
#include "core/MonitorOrigin.h"
#include "measure/Edges.h"
#include "measure/Pins.h"
#include "measure/ReadoutText.h"

#include <gtest/gtest.h>

inline void ResetAppState(std::int64_t width, std::int64_t height) {
    ScreenWidth = ToMicro(width);
    ScreenHeight = ToMicro(height);
    MonitorLeft = MonitorTop = 0;
    ScreenDpi = 96;
    ZoomFactor = 1;
    ViewOriginX = ViewOriginY = 0;
    WheelRemainder = 0;
    Marking = false;
    MarkBox = {};
    MarkAnchorX = MarkAnchorY = CursorX = CursorY = 0;
    ColorMode = false;
    PickedColor = 0;
    ReferenceColor = NoColor;
    SampleArea = 1;
    ColorWebText[0] = 0;
    ColorTextFormat = ColorFormat::Web;
    PixelGrid = false;
    Panning = false;
    PanLastX = PanLastY = PanRemainderX = PanRemainderY = 0;
    SizeCursorId = 0;
    ColorCursorId = 105;
    Pins.clear();
    EdgesOn = false;
    EdgeTolerance = FirstEdgeTolerance;
    ReadoutNotice.clear();
}

class FreshState : public ::testing::Test {
  protected:
    void SetUp() override { ResetAppState(800, 600); }
};

inline MicroBox PixelBox(std::int64_t left, std::int64_t top, std::int64_t right,
                         std::int64_t bottom) {
    return {ToMicro(left), ToMicro(top), ToMicro(right), ToMicro(bottom)};
}
