#include "view/PanStep.h"

#include "core/MessagePoint.h"
#include "core/Repaint.h"
#include "view/Pan.h"

void PanStep(HWND window, LPARAM lParam) {
    PanTo(MessageX(lParam), MessageY(lParam));
    InvalidateFrameArea(window, nullptr);
    RepaintFrame(window);
}
