#include "view/PanStep.h"

#include "app/MessagePoint.h"
#include "ui/ComposeFrame.h"
#include "view/Pan.h"

void PanStep(HWND window, LPARAM lParam) {
    PanTo(MessageX(lParam), MessageY(lParam));
    InvalidateFrameArea(window, nullptr);
    RepaintFrame(window);
}
